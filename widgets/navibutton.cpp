#include "navibutton.h"

#include "glyphs.h"
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace hoshi {

namespace {

constexpr int spacing = 2; // between glyph and caption
constexpr int margin = 3;  // between content and panel edge

} // namespace

TNaviButton::TNaviButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setAttribute(Qt::WA_NoMousePropagation); // the navigator watches moves itself
}

void TNaviButton::setGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    updateGeometry();
    update();
}

void TNaviButton::setCaptionEdge(Qt::Edge edge) {
    if (edge_ == edge) return;
    edge_ = edge;
    updateGeometry();
    update();
}

void TNaviButton::setCaptionColor(const QColor& color) {
    if (captionColor_ == color) return;
    captionColor_ = color;
    update();
}

QColor TNaviButton::captionColor() const {
    return captionColor_.isValid() ? captionColor_ : palette().color(QPalette::Active, QPalette::ButtonText);
}

void TNaviButton::setFlat(bool flat) {
    if (flat_ == flat) return;
    flat_ = flat;
    update();
}

QSize TNaviButton::captionSize() const {
    return text().isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text());
}

QSize TNaviButton::glyphSize() const {
    return glyph_.isNull() ? QSize() : glyph_.deviceIndependentSize().toSize();
}

QSize TNaviButton::contentSize() const {
    const QSize caption = captionSize();
    const QSize image = glyphSize();
    if (caption.isEmpty()) return image;
    if (image.isEmpty()) return caption;
    if (edge_ == Qt::TopEdge || edge_ == Qt::BottomEdge)
        return {qMax(caption.width(), image.width()), caption.height() + spacing + image.height()};
    return {caption.width() + spacing + image.width(), qMax(caption.height(), image.height())};
}

QSize TNaviButton::sizeHint() const {
    return contentSize().expandedTo(QSize(1, 1)) + QSize(2 * margin, 2 * margin);
}

QSize TNaviButton::minimumSizeHint() const {
    return sizeHint();
}

void TNaviButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool sunken = isDown();
    const bool hot = underMouse() && isEnabled();

    if (!flat_ || sunken || hot) {
        QStyleOptionButton panel;
        panel.initFrom(this);
        panel.features = flat_ ? QStyleOptionButton::Flat : QStyleOptionButton::None;
        panel.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
        if (!hot) panel.state &= ~QStyle::State_MouseOver;
        style()->drawPrimitive(flat_ ? QStyle::PE_PanelButtonTool : QStyle::PE_PanelButtonCommand, &panel, &p,
                               this);
    }

    const QSize content = contentSize();
    QRect box(QPoint(0, 0), content);
    box.moveCenter(rect().center());
    if (sunken) box.translate(1, 1);

    QRect glyphRect, textRect;
    const QSize image = glyphSize();
    const QSize caption = captionSize();
    const int gap = image.isEmpty() || caption.isEmpty() ? 0 : spacing;
    switch (edge_) {
    case Qt::BottomEdge:
        glyphRect = QRect(box.left(), box.top(), box.width(), image.height());
        textRect = QRect(box.left(), box.top() + image.height() + gap, box.width(), caption.height());
        break;
    case Qt::TopEdge:
        textRect = QRect(box.left(), box.top(), box.width(), caption.height());
        glyphRect = QRect(box.left(), box.top() + caption.height() + gap, box.width(), image.height());
        break;
    case Qt::LeftEdge:
        textRect = QRect(box.left(), box.top(), caption.width(), box.height());
        glyphRect = QRect(box.left() + caption.width() + gap, box.top(), image.width(), box.height());
        break;
    case Qt::RightEdge:
        glyphRect = QRect(box.left(), box.top(), image.width(), box.height());
        textRect = QRect(box.left() + image.width() + gap, box.top(), caption.width(), box.height());
        break;
    }

    if (!image.isEmpty()) {
        const QPixmap shown = glyphs::asShown(*this, glyph_);
        QRect target(QPoint(0, 0), image);
        target.moveCenter(glyphRect.center());
        p.drawPixmap(target, shown);
    }
    if (!caption.isEmpty()) {
        p.setPen(!isEnabled()              ? palette().color(QPalette::Disabled, QPalette::ButtonText)
                 : captionColor_.isValid() ? captionColor_
                                           : palette().color(QPalette::ButtonText));
        p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
}

void TNaviButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (flat_) update();
}

void TNaviButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    if (flat_) update();
}

} // namespace hoshi
