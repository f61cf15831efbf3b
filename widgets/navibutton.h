#pragma once
// One button of the captioned navigator: a glyph with a caption beside it,
// on a raised panel, or in flat mode on the navigator's background with a
// panel only under the mouse. The navigator owns the buttons and sets their
// glyph, caption, caption colour and layout.

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace hoshi {

class TNaviButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TNaviButton(QWidget* parent = nullptr);

    // A null glyph shows the caption alone.
    void setGlyph(const QPixmap& glyph);
    QPixmap glyph() const { return glyph_; }

    // The side of the glyph the caption sits on.
    void setCaptionEdge(Qt::Edge edge);
    Qt::Edge captionEdge() const { return edge_; }

    // An invalid colour means the palette's (active) button text colour.
    void setCaptionColor(const QColor& color);
    QColor captionColor() const;

    void setFlat(bool flat);
    bool isFlat() const { return flat_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QSize captionSize() const;
    QSize glyphSize() const;
    QSize contentSize() const;

    QPixmap glyph_;
    QColor captionColor_;
    Qt::Edge edge_ = Qt::BottomEdge;
    bool flat_ = false;
};

} // namespace hoshi
