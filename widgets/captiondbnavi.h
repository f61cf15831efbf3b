#pragma once
// TCaptionDBNavi: the record navigator at the top of the board screens. Ten
// buttons (first, prior, next, last, insert, delete, edit, post, cancel,
// refresh, in this order) with a caption beside each glyph, a caption colour
// that follows the mouse, replaceable glyphs and, in flat mode, a choice of
// borders and a tiled background bitmap.
//
// Bound to a RecordCursor, a click first performs the button's action on the
// cursor and then emits clicked(). An action that throws emits actionFailed()
// with the error's text instead; the screen shows it in the standard error
// box. Buttons are enabled from the cursor's state (first and prior off at the
// beginning, next and last off at the end, post and cancel only while
// editing); the navigator reads that state after each of its own actions and
// whenever the mouse enters it, and updateButtons() reads it on demand.

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <array>

namespace hoshi {

class RecordCursor;
class TNaviButton;

class TCaptionDBNavi : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Buttons visibleButtons READ visibleButtons WRITE setVisibleButtons)
    Q_PROPERTY(QStringList captions READ captions WRITE setCaptions)
    Q_PROPERTY(bool showCaption READ showCaption WRITE setShowCaption)
    Q_PROPERTY(CaptionLayout captionLayout READ captionLayout WRITE setCaptionLayout)
    Q_PROPERTY(bool showGlyph READ showGlyph WRITE setShowGlyph)
    Q_PROPERTY(QColor onMoveColor READ onMoveColor WRITE setOnMoveColor)
    Q_PROPERTY(NaviBorders naviBorders READ naviBorders WRITE setNaviBorders)
    Q_PROPERTY(QPixmap backBitmap READ backBitmap WRITE setBackBitmap)
    Q_PROPERTY(bool flat READ isFlat WRITE setFlat)

public:
    // One bit per button, in button order.
    enum Button {
        First = 0x001,
        Prior = 0x002,
        Next = 0x004,
        Last = 0x008,
        Insert = 0x010,
        Delete = 0x020,
        Edit = 0x040,
        Post = 0x080,
        Cancel = 0x100,
        Refresh = 0x200,
    };
    Q_ENUM(Button)
    Q_DECLARE_FLAGS(Buttons, Button)
    Q_FLAG(Buttons)

    // Where each caption sits relative to its glyph.
    enum CaptionLayout { cbLeft, cbRight, cbTop, cbBottom };
    Q_ENUM(CaptionLayout)

    // The border drawn in flat mode.
    enum NaviBorders { nbNone, nbFrame, nbTopBottom, nbLeftRight };
    Q_ENUM(NaviBorders)

    static constexpr int ButtonCount = 10;
    static constexpr Buttons AllButtons = Buttons::fromInt(0x3ff);

    static int indexOf(Button button); // 0..9
    static Button buttonAt(int index); // index 0..9
    static QPixmap defaultGlyph(Button button);

    explicit TCaptionDBNavi(QWidget* parent = nullptr);
    ~TCaptionDBNavi() override;

    // The cursor the buttons act on; not owned, and it must outlive the
    // binding. Null unbinds and disables every button.
    using QWidget::setCursor;
    void setCursor(RecordCursor* cursor);
    RecordCursor* recordCursor() const { return cursor_; }

    Buttons visibleButtons() const { return visible_; }
    void setVisibleButtons(Buttons buttons);

    // Line j, when present and not empty, is the caption of button j.
    QStringList captions() const { return captions_; }
    void setCaptions(const QStringList& captions);
    bool showCaption() const { return showCaption_; }
    void setShowCaption(bool show);
    CaptionLayout captionLayout() const { return captionLayout_; }
    void setCaptionLayout(CaptionLayout layout);
    // The caption the button shows.
    QString caption(Button button) const;

    bool showGlyph() const { return showGlyph_; }
    void setShowGlyph(bool show);
    // BMPFirst ... BMPRefresh: a non-empty bitmap replaces the button's
    // built-in glyph, an empty one brings the built-in glyph back. Bitmaps
    // without alpha are transparent in the colour of their bottom-left pixel.
    void setGlyph(Button button, const QPixmap& glyph);
    // The glyph the button has, whether shown or not.
    QPixmap glyph(Button button) const;

    // Caption colour of the button under the mouse; the others keep the
    // palette's button text colour.
    QColor onMoveColor() const { return onMoveColor_; }
    void setOnMoveColor(const QColor& color);
    QColor captionColor(Button button) const;

    NaviBorders naviBorders() const { return borders_; }
    void setNaviBorders(NaviBorders borders);
    // Tiled over the background in flat mode. A non-empty bitmap also sets
    // the control colour (the palette's window colour) to the button face.
    QPixmap backBitmap() const { return backBitmap_; }
    void setBackBitmap(const QPixmap& bitmap);
    bool isFlat() const { return flat_; }
    void setFlat(bool flat);

    QAbstractButton* button(Button button) const;
    QSize sizeHint() const override;

public slots:
    // Performs the button's action and signals as a click does, whether the
    // button is visible and enabled or not.
    void clickButton(hoshi::TCaptionDBNavi::Button button);
    // Enables the buttons from the cursor's state.
    void updateButtons();

signals:
    // Before a button's action: what the action should see (an open grid
    // editor, say) can be settled here.
    void actionStarting(hoshi::TCaptionDBNavi::Button button);
    void clicked(hoshi::TCaptionDBNavi::Button button);
    void actionFailed(hoshi::TCaptionDBNavi::Button button, const QString& text);
    // The mouse moved over the navigator or one of its buttons; `index` is
    // that of the button under the mouse (0..9), -1 between buttons.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int index, QPoint pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void perform(int index);
    void layoutButtons();
    void applyCaptions();
    void applyGlyphs();
    void setHot(int index);
    void trackMouse(const QMouseEvent* event, QPoint pos);
    int indexAt(QPoint pos) const;
    QMargins borderMargins() const;

    std::array<TNaviButton*, ButtonCount> buttons_{};
    bool performing_ = false;
    std::array<QPixmap, ButtonCount> custom_;
    std::array<QPixmap, ButtonCount> builtin_;
    RecordCursor* cursor_ = nullptr;
    Buttons visible_ = AllButtons;
    QStringList captions_;
    bool showCaption_ = true;
    CaptionLayout captionLayout_ = cbBottom;
    bool showGlyph_ = true;
    QColor onMoveColor_ = Qt::blue;
    NaviBorders borders_ = nbFrame;
    QPixmap backBitmap_;
    bool flat_ = false;
    int hot_ = -1;
};

} // namespace hoshi

Q_DECLARE_OPERATORS_FOR_FLAGS(hoshi::TCaptionDBNavi::Buttons)
