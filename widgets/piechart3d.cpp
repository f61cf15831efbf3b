#include "piechart3d.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace hoshi {

namespace {

constexpr double tilt = 0.45; // the disc's height over its width

QPointF onEllipse(const QRectF& r, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {r.center().x() + r.width() / 2 * std::cos(a), r.center().y() - r.height() / 2 * std::sin(a)};
}

// The part of [from, from + span] (degrees, any span sign) that lies on the
// front half of the disc, 180..360.
std::pair<double, double> frontPart(double start, double span) {
    double a = start, b = start + span;
    if (a > b) std::swap(a, b);
    auto norm = [](double d) { return std::fmod(std::fmod(d, 360.0) + 360.0, 360.0); };
    const double base = a - norm(a); // a multiple of 360 at or below a
    const double lo = std::max(a, base + 180.0), hi = std::min(b, base + 360.0);
    if (hi > lo) return {lo, hi - lo};
    const double lo2 = std::max(a, base + 540.0), hi2 = std::min(b, base + 720.0);
    return hi2 > lo2 ? std::pair{lo2, hi2 - lo2} : std::pair{0.0, 0.0};
}

} // namespace

TPieChart3D::TPieChart3D(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TPieChart3D::setTitle(const QString& title) {
    title_ = title;
    update();
}

void TPieChart3D::clear() {
    slices_.clear();
    update();
}

void TPieChart3D::addSlice(double value, const QString& label, const QColor& color) {
    slices_.push_back({value, label, color});
    update();
}

QRectF TPieChart3D::pieRect() const {
    const double titleHeight = fontMetrics().height() + 4;
    const double w = std::min(width() * 0.5, (height() - titleHeight - 12) / (tilt + 0.12));
    const double h = w * tilt;
    return {(width() - w) / 2, titleHeight + 6, w, h};
}

double TPieChart3D::depth() const {
    return pieRect().width() * 0.1;
}

std::pair<double, double> TPieChart3D::sliceAngles(std::size_t i) const {
    double total = 0;
    for (const Slice& s : slices_) total += s.value;
    double start = 135;
    for (std::size_t k = 0; k < slices_.size(); ++k) {
        const double span = total > 0 ? -360.0 * slices_[k].value / total : 0.0;
        if (k == i) return {start, span};
        start += span;
    }
    return {start, 0};
}

void TPieChart3D::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont titleFont = font();
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 0, width(), fontMetrics().height() + 4), Qt::AlignHCenter | Qt::AlignVCenter,
               title_);
    p.setFont(font());

    const QRectF top = pieRect();
    const QRectF bottom = top.translated(0, depth());
    // The walls of the front half, darker towards the sides.
    for (std::size_t i = 0; i < slices_.size(); ++i) {
        const auto [start, span] = sliceAngles(i);
        const auto [from, sweep] = frontPart(start, span);
        if (sweep <= 0) continue;
        QPainterPath wall;
        wall.arcMoveTo(top, from);
        wall.arcTo(top, from, sweep);
        wall.lineTo(onEllipse(bottom, from + sweep));
        wall.arcTo(bottom, from + sweep, -sweep);
        wall.closeSubpath();
        QLinearGradient shade(top.left(), 0, top.right(), 0);
        const QColor c = slices_[i].color;
        shade.setColorAt(0, c.darker(190));
        shade.setColorAt(0.5, c.darker(130));
        shade.setColorAt(1, c.darker(190));
        p.setPen(QPen(c.darker(220), 0.8));
        p.setBrush(shade);
        p.drawPath(wall);
    }
    // The top faces, lit from the upper left.
    for (std::size_t i = 0; i < slices_.size(); ++i) {
        const auto [start, span] = sliceAngles(i);
        const QColor c = slices_[i].color;
        QRadialGradient light(top.center() - QPointF(top.width() * 0.2, top.height() * 0.3),
                              top.width() * 0.7);
        light.setColorAt(0, c.lighter(135));
        light.setColorAt(1, c);
        p.setPen(QPen(c.darker(160), 0.8));
        p.setBrush(light);
        p.drawPie(top, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
    }
    // Labels beside their slices, joined by a short line.
    const QFontMetrics fm = fontMetrics();
    for (std::size_t i = 0; i < slices_.size(); ++i) {
        const auto [start, span] = sliceAngles(i);
        const double mid = start + span / 2;
        const QPointF edge = onEllipse(top.adjusted(4, 2, -4, -2), mid);
        const bool right = std::cos(mid * std::numbers::pi / 180.0) >= 0;
        const QPointF out =
            edge + QPointF(right ? 12 : -12, std::sin(mid * std::numbers::pi / 180.0) > 0 ? -6 : 6 + depth());
        p.setPen(QPen(Qt::darkGray, 0.8));
        p.drawLine(edge, out);
        const QString text = slices_[i].label;
        const double w = fm.horizontalAdvance(text) + 6;
        QRectF box(right ? out.x() + 2 : out.x() - 2 - w, out.y() - fm.height() / 2.0, w, fm.height());
        box.moveLeft(std::clamp(box.left(), 0.0, width() - w));
        p.setPen(QPen(Qt::gray, 0.6));
        p.setBrush(QColor(255, 255, 240));
        p.drawRect(box);
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, text);
    }
}

} // namespace hoshi
