#include "dxfcolorbutton.h"

#include "glyphs.h"

#include <QEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace hoshi {

namespace {

constexpr int glyphSpacing = 4;

// `base` moved the fraction f of the way toward white, channel by channel.
QColor towardWhite(const QColor& base, double f) {
    auto channel = [f](int c) { return int(std::lround(c + (255 - c) * f)); };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

QPointF lerp(QPointF from, QPointF to, double t) {
    return from + (to - from) * t;
}

// Ellipses k = 0..r (r = half the diagonal of `outer`, rounded), each filled
// with `face` blended k / (1.2 r) toward white, shrinking from `outer` toward
// the point `toward`. The run stops after the fraction `until` of the way.
void shade(QPainter& p, const QColor& face, const QRectF& outer, QPointF toward, double until) {
    const int r = int(std::lround(std::hypot(outer.width(), outer.height()) / 2));
    const double steps = std::max(1.2 * r, 1.0);
    for (int k = 0; k <= r; ++k) {
        const double t = r ? double(k) / r : 0.0;
        if (t > until) break;
        p.setBrush(towardWhite(face, k / steps));
        p.drawEllipse(QRectF(lerp(outer.topLeft(), toward, t), lerp(outer.bottomRight(), toward, t)));
    }
}

} // namespace

TdxfColorButton::TdxfColorButton(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(100, 40);
    setMask(QRegion(rect(), QRegion::Ellipse));
    renderFaces();
}

QSize TdxfColorButton::sizeHint() const {
    return {100, 40};
}

void TdxfColorButton::setColor(const QColor& color) {
    if (color_ == color) return;
    color_ = color;
    renderFaces();
    update();
}

void TdxfColorButton::setCaption(const QStringList& lines) {
    caption_ = lines;
    update();
}

void TdxfColorButton::setGlyph(const QPixmap& glyph) {
    glyph_ = glyphs::transparent(glyph);
    update();
}

void TdxfColorButton::setButtonLayout(ButtonLayout layout) {
    layout_ = layout;
    update();
}

void TdxfColorButton::setGroupIndex(int index) {
    groupIndex_ = index;
    if (index == 0) down_ = false;
    updateExclusive();
    update();
}

void TdxfColorButton::setDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = down;
    update();
    if (down_) updateExclusive();
}

void TdxfColorButton::setAllowAllUp(bool allow) {
    allowAllUp_ = allow;
    updateExclusive();
}

// Tells the group on the same parent: a button that is down releases the
// others, and the group shares allowAllUp.
void TdxfColorButton::updateExclusive() {
    if (groupIndex_ == 0 || !parentWidget()) return;
    const auto siblings = parentWidget()->findChildren<TdxfColorButton*>(Qt::FindDirectChildrenOnly);
    for (TdxfColorButton* other : siblings) {
        if (other == this || other->groupIndex_ != groupIndex_) continue;
        if (down_ && other->down_) {
            other->down_ = false;
            other->update();
        }
        other->allowAllUp_ = allowAllUp_;
    }
}

// The released face: the face colour two fifths toward white, under ellipses
// shrinking toward a highlight a fifth in from the top left. The pressed
// face: the same ellipses for three tenths of their way, then a second run
// inside the rectangle inset by a tenth, shrinking toward its lower right.
void TdxfColorButton::renderFaces() {
    const qreal dpr = devicePixelRatioF();
    const double w = width(), h = height();
    auto blank = [&] {
        QImage image(size() * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        image.fill(towardWhite(color_, 2.0 / 5));
        return image;
    };
    const QRectF whole(0, 0, w, h);
    const QPointF highlight(w / 5, h / 5);

    released_ = blank();
    {
        QPainter p(&released_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        shade(p, color_, whole, highlight, 1.0);
    }

    pressedFace_ = blank();
    {
        QPainter p(&pressedFace_);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        shade(p, color_, whole, highlight, 3.0 / 10);
        const QRectF inner = whole.adjusted(w / 10, h / 10, -w / 10, -h / 10);
        const QPointF lowlight = inner.bottomRight() - QPointF(inner.width() / 5, inner.height() / 5);
        shade(p, color_, inner, lowlight, 1.0);
    }
}

bool TdxfColorButton::inside(QPoint pos) const {
    return QRegion(rect(), QRegion::Ellipse).contains(pos);
}

void TdxfColorButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setMask(QRegion(rect(), QRegion::Ellipse));
    renderFaces();
}

void TdxfColorButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) pressed_ = dragging_ = false;
        update();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        update();
        break;
    default:
        break;
    }
}

void TdxfColorButton::paintEvent(QPaintEvent*) {
    if (released_.devicePixelRatio() != devicePixelRatioF()) renderFaces();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), isPressed() ? pressedFace_ : released_);

    const QFontMetrics fm = fontMetrics();
    const int lineHeight = fm.boundingRect(QStringLiteral("Wg")).height();
    int blockWidth = 0;
    for (const QString& line : caption_) blockWidth = std::max(blockWidth, fm.horizontalAdvance(line));
    const QSize block(blockWidth, lineHeight * int(caption_.size()));
    const QSize image = glyph_.isNull() ? QSize() : glyph_.deviceIndependentSize().toSize();
    const int gap = block.isEmpty() || image.isEmpty() ? 0 : glyphSpacing;

    const bool sideBySide = layout_ == dxfGlyphLeft || layout_ == dxfGlyphRight;
    const QSize total =
        sideBySide ? QSize(image.width() + gap + block.width(), std::max(image.height(), block.height()))
                   : QSize(std::max(image.width(), block.width()), image.height() + gap + block.height());
    QPoint origin((width() - total.width()) / 2, (height() - total.height()) / 2);
    if (isPressed()) origin += QPoint(1, 1);

    QPoint glyphAt, blockAt;
    switch (layout_) {
    case dxfGlyphLeft:
        glyphAt = {0, (total.height() - image.height()) / 2};
        blockAt = {image.width() + gap, (total.height() - block.height()) / 2};
        break;
    case dxfGlyphRight:
        blockAt = {0, (total.height() - block.height()) / 2};
        glyphAt = {block.width() + gap, (total.height() - image.height()) / 2};
        break;
    case dxfGlyphTop:
        glyphAt = {(total.width() - image.width()) / 2, 0};
        blockAt = {(total.width() - block.width()) / 2, image.height() + gap};
        break;
    case dxfGlyphBottom:
        blockAt = {(total.width() - block.width()) / 2, 0};
        glyphAt = {(total.width() - image.width()) / 2, block.height() + gap};
        break;
    }

    if (!image.isEmpty()) {
        const QPixmap shown = glyphs::asShown(*this, glyph_);
        p.drawPixmap(origin + glyphAt, shown);
    }

    const Qt::Alignment align = layout_ == dxfGlyphLeft    ? Qt::AlignLeft
                                : layout_ == dxfGlyphRight ? Qt::AlignRight
                                                           : Qt::AlignHCenter;
    auto drawLines = [&](QPoint offset, const QColor& ink) {
        p.setPen(ink);
        QRect line(origin + blockAt + offset, QSize(block.width(), lineHeight));
        for (const QString& text : caption_) {
            p.drawText(line, int(align | Qt::AlignVCenter), text);
            line.translate(0, lineHeight);
        }
    };
    if (isEnabled()) {
        drawLines({0, 0}, palette().color(QPalette::ButtonText));
    } else {
        drawLines({1, 1}, palette().color(QPalette::Light));
        drawLines({0, 0}, palette().color(QPalette::Dark));
    }
}

void TdxfColorButton::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    if (!down_) {
        pressed_ = true;
        update();
    }
    dragging_ = true;
}

// While the left button is held the face follows the mouse in and out.
void TdxfColorButton::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
    if (!dragging_) return;
    const bool now = !down_ && inside(event->position().toPoint());
    if (now != pressed_) {
        pressed_ = now;
        update();
    }
}

void TdxfColorButton::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    pressed_ = false;
    const bool click = inside(event->position().toPoint());
    if (click && groupIndex_ != 0) setDown(!down_);
    update();
    if (click) emit clicked();
}

void TdxfColorButton::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked();
    mousePressEvent(event);
}

} // namespace hoshi
