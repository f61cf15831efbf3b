#pragma once
// TdxfColorButton: the elliptical, shaded button of the main window. The
// window is clipped to the ellipse inscribed in the rectangle; the face is
// the face colour lightened in concentric ellipses toward a highlight near
// the upper left (released) or, inside a groove, toward the lower right
// (pressed). Caption lines and an optional glyph sit in the centre.
//
// Buttons with the same non-zero group index on the same parent work as a
// group: a clicked one stays down and releases the others; with allowAllUp a
// second click releases it. The caption colour is the palette's button text.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

namespace hoshi {

class TdxfColorButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(QStringList caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(ButtonLayout buttonLayout READ buttonLayout WRITE setButtonLayout)
    Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool down READ isDown WRITE setDown)
    Q_PROPERTY(bool allowAllUp READ allowAllUp WRITE setAllowAllUp)

public:
    // Where the glyph sits relative to the caption lines.
    enum ButtonLayout { dxfGlyphLeft, dxfGlyphRight, dxfGlyphTop, dxfGlyphBottom };
    Q_ENUM(ButtonLayout)

    explicit TdxfColorButton(QWidget* parent = nullptr);

    // The face colour; white by default.
    QColor color() const { return color_; }
    void setColor(const QColor& color);

    QStringList caption() const { return caption_; }
    void setCaption(const QStringList& lines);

    // Drawn transparent: a bitmap without alpha loses the colour of its
    // bottom-left pixel.
    QPixmap glyph() const { return glyph_; }
    void setGlyph(const QPixmap& glyph);

    ButtonLayout buttonLayout() const { return layout_; }
    void setButtonLayout(ButtonLayout layout);

    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    // Only a button in a group can be down; a down button of a group without
    // allowAllUp comes up only when another of the group goes down.
    bool isDown() const { return down_; }
    void setDown(bool down);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow); // for the whole group

    // True while the pressed face shows (held by the mouse, or down).
    bool isPressed() const { return down_ || pressed_; }

    // The two face images at the current size.
    QImage releasedFace() const { return released_; }
    QImage pressedFace() const { return pressedFace_; }

    QSize sizeHint() const override;

signals:
    void clicked();
    void doubleClicked();
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void renderFaces();
    void updateExclusive();
    bool inside(QPoint pos) const;

    QColor color_ = Qt::white;
    QStringList caption_;
    QPixmap glyph_;
    ButtonLayout layout_ = dxfGlyphLeft;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool pressed_ = false;  // the mouse holds it pressed
    bool dragging_ = false; // a left press began on it
    QImage released_;
    QImage pressedFace_;
};

} // namespace hoshi
