#include "glyphs.h"

#include <QWidget>

#include <QStyleOption>

#include <QStyle>

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace hoshi::glyphs {

namespace {

const QColor arrowInk(0x23, 0x3f, 0x6e);
const QColor plusInk(0x2e, 0x8b, 0x3a);
const QColor minusInk(0xc0, 0x39, 0x2b);
const QColor checkInk(0x2e, 0x8b, 0x3a);
const QColor crossInk(0xc0, 0x39, 0x2b);
const QColor refreshInk(0x2a, 0x6f, 0xb0);

void triangle(QPainter& p, QPointF a, QPointF b, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(arrowInk);
    p.drawPolygon(QPolygonF{a, b, c});
}

void bar(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(arrowInk);
    p.drawRect(QRectF(x, 3, 2, 10));
}

QPen stroke(const QColor& ink, qreal width) {
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A pencil lying from the lower left (tip) to the upper right (eraser).
void pencil(QPainter& p) {
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    const QPen outline(QColor(0x5a, 0x40, 0x10), 0.8);
    p.setPen(outline);
    p.setBrush(QColor(0xf2, 0xb1, 0x2c));
    p.drawRect(QRectF(-3.5, -2, 7.5, 4));
    p.setBrush(QColor(0xe0, 0x7a, 0x8a));
    p.drawRect(QRectF(4, -2, 2.5, 4));
    p.setBrush(QColor(0xf3, 0xdc, 0xb0));
    p.drawPolygon(QPolygonF{QPointF(-3.5, -2), QPointF(-3.5, 2), QPointF(-7.5, 0)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPolygon(QPolygonF{QPointF(-6.2, -0.7), QPointF(-6.2, 0.7), QPointF(-7.6, 0)});
    p.restore();
}

// Three quarters of a circle running clockwise, the arrow head on its left.
void circularArrow(QPainter& p) {
    const QPointF centre(8, 8);
    const qreal radius = 4.6;
    const qreal start = 100, span = -290;
    p.setPen(QPen(refreshInk, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), int(start * 16),
              int(span * 16));
    const qreal end = (start + span) * std::numbers::pi / 180;
    const QPointF at(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const QPointF ahead(std::sin(end), std::cos(end)); // direction of travel
    const QPointF out(std::cos(end), -std::sin(end));  // away from the centre
    p.setPen(Qt::NoPen);
    p.setBrush(refreshInk);
    p.drawPolygon(QPolygonF{at + 3.2 * ahead, at + 2.6 * out, at - 2.6 * out});
}

} // namespace

QPixmap navigator(int index, qreal dpr) {
    if (index < 0 || index > 9) return {};
    const int side = navigatorGlyphSize;
    QPixmap pm(QSize(side, side) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: // first
        bar(p, 3);
        triangle(p, {13, 3}, {13, 13}, {6, 8});
        break;
    case 1: // prior
        triangle(p, {11, 3}, {11, 13}, {5, 8});
        break;
    case 2: // next
        triangle(p, {5, 3}, {5, 13}, {11, 8});
        break;
    case 3: // last
        triangle(p, {3, 3}, {3, 13}, {10, 8});
        bar(p, 11);
        break;
    case 4: // insert
        p.fillRect(QRectF(7, 3, 2, 10), plusInk);
        p.fillRect(QRectF(3, 7, 10, 2), plusInk);
        break;
    case 5: // delete
        p.fillRect(QRectF(3, 7, 10, 2), minusInk);
        break;
    case 6: // edit
        pencil(p);
        break;
    case 7: // post
        p.setPen(stroke(checkInk, 2.4));
        p.drawPolyline(QPolygonF{QPointF(3.5, 8.5), QPointF(6.5, 11.5), QPointF(12.5, 4.5)});
        break;
    case 8: // cancel
        p.setPen(stroke(crossInk, 2.4));
        p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
        break;
    case 9: // refresh
        circularArrow(p);
        break;
    }
    return pm;
}

QPixmap transparent(const QPixmap& bitmap) {
    if (bitmap.isNull() || bitmap.hasAlphaChannel()) return bitmap;
    const QImage image = bitmap.toImage();
    QPixmap result = bitmap;
    result.setMask(bitmap.createMaskFromColor(image.pixelColor(0, image.height() - 1), Qt::MaskInColor));
    return result;
}

QPixmap asShown(const QWidget& widget, const QPixmap& glyph) {
    if (widget.isEnabled()) return glyph;
    QStyleOption option;
    option.initFrom(&widget);
    return widget.style()->generatedIconPixmap(QIcon::Disabled, glyph, &option);
}

} // namespace hoshi::glyphs
