#include "stempictures.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "seededrandom.h"

namespace hoshi::assets {

namespace {

constexpr double kW = 220;
constexpr double kH = 127;
constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;

// ---------------------------------------------------------------- colours and fills

QColor mix(const QColor& a, const QColor& b, double t) {
    const auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor faded(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// Evenly spaced colour stops from `from` to `to`.
QLinearGradient ramp(QPointF from, QPointF to, std::initializer_list<QColor> colours) {
    QLinearGradient g(from, to);
    const double last = static_cast<double>(colours.size() - 1);
    double i = 0;
    for (const QColor& c : colours) g.setColorAt(i++ / last, c);
    return g;
}

void fillPath(QPainter& p, const QPainterPath& path, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

void fillVertical(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom) {
    const QRectF b = path.boundingRect();
    fillPath(p, path, ramp(b.topLeft(), b.bottomLeft(), {top, bottom}));
}

QPainterPath rectPath(const QRectF& r) {
    QPainterPath path;
    path.addRect(r);
    return path;
}

void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    fillVertical(p, rectPath(r), top, bottom);
}

// Light from the upper left, as on every object in the set.
void fillLit(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& dark) {
    const QRectF b = path.boundingRect();
    fillPath(p, path, ramp(b.topLeft(), b.bottomRight(), {light, dark}));
}

// Left-to-right shading for round bodies: a highlight left of the middle.
void fillRound(QPainter& p, const QPainterPath& path, const QColor& base) {
    const QRectF b = path.boundingRect();
    fillPath(p, path,
             ramp(b.topLeft(), b.topRight(),
                  {base.darker(135), base.lighter(135), base, base.darker(150), base.darker(190)}));
}

// Polished metal: bright and dark bands across the surface.
void fillMetal(QPainter& p, const QPainterPath& path, QPointF from, QPointF to, const QColor& base) {
    fillPath(
        p, path,
        ramp(from, to, {base.lighter(115), base.lighter(175), base, base.darker(140), base.darker(210)}));
}

void paintGlow(QPainter& p, QPointF c, double radius, const QColor& colour) {
    QRadialGradient g(c, radius);
    g.setColorAt(0, colour);
    g.setColorAt(1, faded(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

void paintShadow(QPainter& p, QPointF c, double rx, double ry, int alpha = 90) {
    p.save();
    p.translate(c);
    p.scale(1.0, ry / rx);
    paintGlow(p, QPointF(0, 0), rx, QColor(20, 15, 10, alpha));
    p.restore();
}

void paintSparkle(QPainter& p, QPointF c, double size, const QColor& colour) {
    paintGlow(p, c, size * 0.9, faded(colour, 150));
    QPainterPath star;
    for (int k = 0; k < 8; ++k) {
        const double a = k * 45.0 * kDegree;
        const double r = k % 2 == 0 ? size : size * 0.16;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    fillPath(p, star, colour);
}

// ---------------------------------------------------------------- paths

QPainterPath ellipsePath(QPointF c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath polygonPath(const std::vector<QPointF>& pts) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(pts.begin(), pts.end())));
    path.closeSubpath();
    return path;
}

QPointF midpoint(QPointF a, QPointF b) {
    return (a + b) / 2.0;
}

// A closed curve with rounded corners at the given points.
QPainterPath smoothClosed(const std::vector<QPointF>& pts) {
    QPainterPath path;
    const std::size_t n = pts.size();
    path.moveTo(midpoint(pts[n - 1], pts[0]));
    for (std::size_t i = 0; i < n; ++i) path.quadTo(pts[i], midpoint(pts[i], pts[(i + 1) % n]));
    path.closeSubpath();
    return path;
}

// A smooth skyline through the points, filled down to `bottom`.
QPainterPath ridgePath(const std::vector<QPointF>& pts, double bottom) {
    QPainterPath path;
    path.moveTo(pts.front().x(), bottom);
    path.lineTo(pts.front());
    for (std::size_t i = 1; i + 1 < pts.size(); ++i) path.quadTo(pts[i], midpoint(pts[i], pts[i + 1]));
    path.lineTo(pts.back());
    path.lineTo(pts.back().x(), bottom);
    path.closeSubpath();
    return path;
}

QPainterPath rollingRidge(SeededRandom& rng, double y, double amplitude, double step, double bottom) {
    std::vector<QPointF> pts;
    for (double x = -step; x <= kW + step; x += step) pts.emplace_back(x, y + amplitude * rng.symmetric());
    return ridgePath(pts, bottom);
}

// A profile given as (half width, y) pairs, mirrored about x = cx.
QPainterPath latheProfile(double cx, const std::vector<QPointF>& halfWidths) {
    std::vector<QPointF> outline;
    for (const QPointF& hw : halfWidths) outline.emplace_back(cx + hw.x(), hw.y());
    for (auto it = halfWidths.rbegin(); it != halfWidths.rend(); ++it)
        outline.emplace_back(cx - it->x(), it->y());
    QPainterPath path;
    path.moveTo(outline.front());
    for (std::size_t i = 1; i + 1 < outline.size(); ++i)
        path.quadTo(outline[i], midpoint(outline[i], outline[i + 1]));
    path.lineTo(outline.back());
    path.closeSubpath();
    return path;
}

// ---------------------------------------------------------------- scenery

struct Sky {
    QColor top, bottom;
};
const Sky kClearSky{QColor(72, 142, 218), QColor(196, 228, 246)};
const Sky kSoftSky{QColor(120, 176, 226), QColor(214, 236, 246)};
const Sky kGreySky{QColor(112, 124, 138), QColor(182, 190, 196)};
const Sky kDuskSky{QColor(28, 30, 70), QColor(150, 80, 86)};

const QColor kGrassLight(142, 194, 88);
const QColor kGrassDark(72, 134, 58);
const QColor kBark(112, 76, 48);
const QColor kLeaf(74, 150, 64);

void paintSky(QPainter& p, double horizon, const Sky& sky) {
    fillVertical(p, QRectF(0, 0, kW, horizon + 1), sky.top, sky.bottom);
}

void paintGround(QPainter& p, double top, const QColor& far, const QColor& near) {
    fillVertical(p, QRectF(0, top, kW, kH - top), far, near);
}

void paintCloud(QPainter& p, QPointF c, double w, const QColor& light, const QColor& dark) {
    QPainterPath cloud;
    cloud.addRoundedRect(QRectF(c.x() - w / 2, c.y() - w * 0.08, w, w * 0.2), w * 0.1, w * 0.1);
    cloud.addEllipse(QPointF(c.x() - w * 0.2, c.y() - w * 0.06), w * 0.17, w * 0.15);
    cloud.addEllipse(QPointF(c.x() + w * 0.04, c.y() - w * 0.12), w * 0.2, w * 0.19);
    cloud.addEllipse(QPointF(c.x() + w * 0.25, c.y() - w * 0.03), w * 0.14, w * 0.12);
    cloud.setFillRule(Qt::WindingFill);
    fillVertical(p, cloud.simplified(), light, dark);
}

void paintHills(QPainter& p, SeededRandom& rng, double y, double amplitude, double step, const QColor& top,
                const QColor& bottom) {
    fillVertical(p, rollingRidge(rng, y, amplitude, step, kH + 1), top, bottom);
}

// Short glints on open water, longer and thicker towards the viewer.
void paintShimmer(QPainter& p, SeededRandom& rng, const QRectF& area, int count, const QColor& colour) {
    for (int i = 0; i < count; ++i) {
        const double depth = rng.unit();
        const double y = area.top() + area.height() * depth;
        const double x = area.left() + area.width() * rng.unit();
        const double len = 4 + 18 * depth * (0.5 + rng.unit());
        p.setPen(QPen(faded(colour, 60 + rng.below(110)), 0.6 + depth * 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - len / 2, y), QPointF(x + len / 2, y));
    }
}

// Calm open water below a far shore.
void paintOpenWater(QPainter& p, SeededRandom& rng, double shore, const QColor& far, const QColor& near) {
    fillVertical(p, QRectF(0, shore, kW, kH - shore), far, near);
    paintShimmer(p, rng, QRectF(0, shore + 2, kW, kH - shore - 2), 40, QColor(255, 255, 255));
}

void paintRipples(QPainter& p, QPointF c, double rx, int rings, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < rings; ++k) {
        const double r = rx * (k + 1) / rings;
        p.setPen(QPen(faded(colour, colour.alpha() * (rings - k) / rings), 1.0));
        p.drawEllipse(c, r, r * 0.3);
    }
}

void paintRain(QPainter& p, SeededRandom& rng, const QRectF& area, int count, double slant, double length,
               const QColor& colour, double width) {
    for (int i = 0; i < count; ++i) {
        const QPointF top(area.left() + (area.width() + length * slant) * rng.unit() - length * slant,
                          area.top() + area.height() * rng.unit());
        const double len = length * (0.6 + 0.6 * rng.unit());
        const QPointF bottom = top + QPointF(slant * len, len);
        p.setPen(QPen(ramp(top, bottom, {faded(colour, 0), colour}), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(top, bottom);
    }
}

// A room corner: a wall and a table top seen slightly from above.
void paintRoom(QPainter& p, double tableTop, const QColor& wallTop, const QColor& wallBottom,
               const QColor& tableFar, const QColor& tableNear) {
    fillVertical(p, QRectF(0, 0, kW, tableTop), wallTop, wallBottom);
    fillVertical(p, QRectF(0, tableTop, kW, kH - tableTop), tableFar, tableNear);
    p.setPen(QPen(faded(tableFar.lighter(140), 160), 1.0));
    p.drawLine(QPointF(0, tableTop + 0.5), QPointF(kW, tableTop + 0.5));
}

// ---------------------------------------------------------------- plants

// A tapered blade of grass bending sideways by `bend`.
void paintBlade(QPainter& p, QPointF base, double height, double bend, double width, const QColor& colour) {
    const QPointF tip = base + QPointF(bend, -height);
    QPainterPath blade;
    blade.moveTo(base - QPointF(width / 2, 0));
    blade.quadTo(base + QPointF(bend * 0.15 - width * 0.3, -height * 0.6), tip);
    blade.quadTo(base + QPointF(bend * 0.15 + width * 0.4, -height * 0.55), base + QPointF(width / 2, 0));
    blade.closeSubpath();
    fillPath(p, blade, ramp(base, tip, {colour.darker(135), colour, colour.lighter(125)}));
}

void paintTuft(QPainter& p, SeededRandom& rng, QPointF base, double height, int blades,
               const QColor& colour) {
    for (int i = 0; i < blades; ++i) {
        const double spread = rng.symmetric();
        const double h = height * (0.55 + 0.45 * rng.unit());
        const QColor c = mix(colour, colour.darker(150), rng.unit() * 0.6);
        paintBlade(p, base + QPointF(spread * height * 0.12, 0), h, spread * height * 0.5,
                   1.2 + height * 0.05, c);
    }
}

// An almond leaf from `base` in direction `angleDeg` (0 = right, -90 = up).
void paintLeaf(QPainter& p, QPointF base, double angleDeg, double length, double width,
               const QColor& colour) {
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(QPointF(length * 0.3, -width * 0.6), QPointF(length * 0.75, -width * 0.5),
                 QPointF(length, 0));
    leaf.cubicTo(QPointF(length * 0.75, width * 0.5), QPointF(length * 0.3, width * 0.6), QPointF(0, 0));
    fillPath(p, leaf,
             ramp(QPointF(0, -width / 2), QPointF(0, width / 2), {colour.lighter(125), colour.darker(130)}));
    p.setPen(QPen(faded(colour.darker(160), 150), 0.6));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.85, 0));
    p.restore();
}

void paintHeartLeaf(QPainter& p, QPointF base, double angleDeg, double size, const QColor& colour) {
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath leaf;
    leaf.moveTo(size * 0.15, 0);
    leaf.cubicTo(QPointF(size * 0.05, -size * 0.55), QPointF(size * 0.75, -size * 0.6),
                 QPointF(size * 1.2, 0));
    leaf.cubicTo(QPointF(size * 0.75, size * 0.6), QPointF(size * 0.05, size * 0.55),
                 QPointF(size * 0.15, 0));
    fillPath(p, leaf,
             ramp(QPointF(0, -size / 2), QPointF(0, size / 2), {colour.lighter(130), colour.darker(125)}));
    p.setPen(QPen(faded(colour.darker(170), 140), 0.6));
    p.drawLine(QPointF(size * 0.15, 0), QPointF(size, 0));
    p.restore();
}

void paintBlossom(QPainter& p, QPointF c, double r, int petals, const QColor& petal, const QColor& centre,
                  double turnDeg = 0) {
    for (int k = 0; k < petals; ++k) {
        p.save();
        p.translate(c);
        p.rotate(turnDeg + k * 360.0 / petals);
        const QPainterPath shape = ellipsePath(QPointF(r * 0.55, 0), r * 0.5, r * 0.26);
        fillPath(p, shape, ramp(QPointF(0, 0), QPointF(r, 0), {petal.darker(115), petal.lighter(120)}));
        p.restore();
    }
    QRadialGradient g(c - QPointF(r * 0.1, r * 0.1), r * 0.3);
    g.setColorAt(0, centre.lighter(130));
    g.setColorAt(1, centre.darker(120));
    fillPath(p, ellipsePath(c, r * 0.26, r * 0.26), g);
}

void paintConifer(QPainter& p, QPointF base, double height, const QColor& colour) {
    p.fillRect(QRectF(base.x() - height * 0.035, base.y() - height * 0.18, height * 0.07, height * 0.18),
               kBark.darker(130));
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = base.y() - height * (0.1 + tier * 0.24);
        const double half = height * 0.27 * (1.0 - tier * 0.24);
        const double top = tier == 2 ? base.y() - height : bottom - height * 0.42;
        QPainterPath t;
        t.moveTo(base.x(), top);
        t.quadTo(QPointF(base.x() - half * 0.4, bottom - height * 0.12), QPointF(base.x() - half, bottom));
        t.quadTo(QPointF(base.x(), bottom + height * 0.05), QPointF(base.x() + half, bottom));
        t.quadTo(QPointF(base.x() + half * 0.4, bottom - height * 0.12), QPointF(base.x(), top));
        fillPath(p, t,
                 ramp(QPointF(base.x() - half, 0), QPointF(base.x() + half, 0),
                      {colour.lighter(130), colour, colour.darker(145)}));
    }
}

// A cloud of leaves: overlapping discs, darker below and lit on the upper left.
void paintCrown(QPainter& p, SeededRandom& rng, QPointF c, double rx, double ry, int blobs,
                const QColor& colour) {
    struct Blob {
        QPointF at;
        double r;
    };
    std::vector<Blob> list;
    const double size = std::min(rx, ry);
    for (int i = 0; i < blobs; ++i) {
        const double a = rng.unit() * 2 * kPi, d = std::sqrt(rng.unit()) * 0.8;
        list.push_back(
            {c + QPointF(std::cos(a) * rx * d, std::sin(a) * ry * d), size * (0.3 + 0.22 * rng.unit())});
    }
    // One silhouette, darker below, then soft light patches on the upper side of each clump.
    QPainterPath silhouette;
    silhouette.setFillRule(Qt::WindingFill);
    silhouette.addEllipse(c, rx * 0.75, ry * 0.7);
    for (const Blob& b : list) silhouette.addEllipse(b.at, b.r, b.r);
    silhouette = silhouette.simplified();
    fillVertical(p, silhouette, colour.lighter(105), colour.darker(160));
    std::sort(list.begin(), list.end(), [](const Blob& a, const Blob& b) { return a.at.y() > b.at.y(); });
    for (const Blob& b : list) {
        const QPointF hi = b.at - QPointF(b.r * 0.25, b.r * 0.3);
        QRadialGradient g(hi, b.r * 0.8);
        g.setColorAt(0, faded(colour.lighter(135), 230));
        g.setColorAt(0.7, faded(colour.lighter(110), 120));
        g.setColorAt(1, faded(colour, 0));
        fillPath(p, ellipsePath(hi, b.r * 0.8, b.r * 0.8), g);
    }
}

void paintRoundTree(QPainter& p, SeededRandom& rng, QPointF base, double height, const QColor& colour) {
    p.fillRect(QRectF(base.x() - height * 0.05, base.y() - height * 0.45, height * 0.1, height * 0.45),
               kBark.darker(115));
    paintCrown(p, rng, base - QPointF(0, height * 0.62), height * 0.32, height * 0.3, 6, colour);
}

// ---------------------------------------------------------------- fire, wood and stone

struct FlameColours {
    QColor outer, middle, core;
};
const FlameColours kFire{QColor(224, 64, 22), QColor(255, 146, 32), QColor(255, 238, 150)};
const FlameColours kGasFlame{QColor(40, 80, 240), QColor(80, 160, 255), QColor(210, 240, 255)};

QPainterPath flameShape(QPointF base, double w, double h, double lean) {
    const QPointF tip(base.x() + lean, base.y() - h);
    QPainterPath f;
    f.moveTo(tip);
    f.cubicTo(QPointF(tip.x() + w * 0.05, base.y() - h * 0.55),
              QPointF(base.x() + w * 0.5, base.y() - h * 0.45),
              QPointF(base.x() + w * 0.5, base.y() - h * 0.18));
    f.cubicTo(QPointF(base.x() + w * 0.5, base.y() + h * 0.06),
              QPointF(base.x() - w * 0.5, base.y() + h * 0.06),
              QPointF(base.x() - w * 0.5, base.y() - h * 0.18));
    f.cubicTo(QPointF(base.x() - w * 0.5, base.y() - h * 0.45),
              QPointF(tip.x() - w * 0.05, base.y() - h * 0.55), tip);
    return f;
}

// Three nested layers of flame tongues rising from `base`.
void paintFlames(QPainter& p, QPointF base, double w, double h, const FlameColours& colours) {
    struct Tongue {
        double dx, height, width, lean;
    };
    constexpr std::array<Tongue, 7> tongues = {{{0.0, 1.0, 0.5, 0.06},
                                                {-0.22, 0.74, 0.42, -0.16},
                                                {0.24, 0.8, 0.4, 0.15},
                                                {-0.38, 0.46, 0.3, -0.2},
                                                {0.4, 0.5, 0.3, 0.18},
                                                {-0.08, 0.86, 0.42, -0.1},
                                                {0.1, 0.9, 0.4, 0.12}}};
    paintGlow(p, base - QPointF(0, h * 0.35), std::max(w, h) * 0.9, faded(colours.middle, 90));
    const std::array<double, 3> scales = {1.0, 0.7, 0.42};
    const std::array<QColor, 3> fills = {colours.outer, colours.middle, colours.core};
    for (std::size_t layer = 0; layer < 3; ++layer) {
        const double s = scales[layer];
        QPainterPath all;
        for (const Tongue& t : tongues)
            all = all.united(flameShape(base + QPointF(t.dx * w * s, 0), t.width * w * s, t.height * h * s,
                                        t.lean * h * s));
        const QRectF b = all.boundingRect();
        fillPath(p, all,
                 ramp(b.bottomLeft(), b.topLeft(), {fills[layer], fills[layer], faded(fills[layer], 170)}));
    }
}

// The sawn end of a log: bark rim, pale wood and growth rings.
void paintLogEnd(QPainter& p, QPointF c, double rx, double ry, const QColor& bark) {
    fillPath(p, ellipsePath(c, rx, ry), bark.darker(115));
    QRadialGradient g(c - QPointF(rx * 0.2, ry * 0.2), std::max(rx, ry));
    g.setColorAt(0, QColor(238, 204, 150));
    g.setColorAt(1, QColor(196, 148, 96));
    fillPath(p, ellipsePath(c, rx * 0.84, ry * 0.84), g);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(160, 112, 70, 150), std::max(0.5, ry * 0.05)));
    for (const double k : {0.28, 0.5, 0.7}) p.drawEllipse(c, rx * k, ry * k);
    p.setPen(QPen(QColor(120, 80, 50, 170), std::max(0.5, ry * 0.05)));
    p.drawLine(c, c + QPointF(rx * 0.55, -ry * 0.6));
}

// A log lying from `a` to `b`, its sawn end towards b.
void paintLog(QPainter& p, QPointF a, QPointF b, double r, const QColor& bark) {
    const double len = QLineF(a, b).length();
    p.save();
    p.translate(a);
    p.rotate(std::atan2(b.y() - a.y(), b.x() - a.x()) / kDegree);
    QPainterPath body;
    body.addRoundedRect(QRectF(-r * 0.3, -r, len + r * 0.3, 2 * r), r * 0.3, r);
    fillPath(p, body, ramp(QPointF(0, -r), QPointF(0, r), {bark.lighter(135), bark, bark.darker(170)}));
    p.setPen(QPen(faded(bark.darker(180), 150), std::max(0.6, r * 0.08), Qt::SolidLine, Qt::RoundCap));
    for (const double y : {-0.5, 0.05, 0.55}) {
        const double from = len * (0.08 + 0.1 * (y + 0.5)), to = len * (0.6 + 0.3 * (0.55 - y));
        p.drawLine(QPointF(from, y * r), QPointF(to, y * r + r * 0.06));
    }
    p.restore();
    p.save();
    p.translate(b);
    p.rotate(std::atan2(b.y() - a.y(), b.x() - a.x()) / kDegree);
    paintLogEnd(p, QPointF(0, 0), r * 0.38, r, bark);
    p.restore();
}

void paintStone(QPainter& p, QPointF c, double rx, double ry, const QColor& colour) {
    paintShadow(p, c + QPointF(rx * 0.2, ry * 0.7), rx * 1.1, ry * 0.45, 70);
    QPainterPath stone =
        smoothClosed({c + QPointF(-rx, ry * 0.7), c + QPointF(-rx * 0.85, -ry * 0.5),
                      c + QPointF(-rx * 0.1, -ry), c + QPointF(rx * 0.8, -ry * 0.7),
                      c + QPointF(rx, ry * 0.4), c + QPointF(rx * 0.5, ry), c + QPointF(-rx * 0.5, ry)});
    fillLit(p, stone, colour.lighter(135), colour.darker(150));
}

// ---------------------------------------------------------------- the pictures

void drawAme(QPainter& p) {
    SeededRandom rng(101);
    paintSky(p, 84, kGreySky);
    for (int i = 0; i < 5; ++i)
        paintCloud(p, QPointF(10 + 50 * i, 12 + 6 * (i % 2)), 80, QColor(150, 158, 170),
                   QColor(104, 112, 126));
    // A row of roofs in the haze.
    for (int i = 0; i < 6; ++i) {
        const double x = 4 + 38 * i, w = 30, top = 62 + 5 * rng.unit();
        fillPath(p, polygonPath({{x, 84}, {x, top + 8}, {x + w / 2, top}, {x + w, top + 8}, {x + w, 84}}),
                 QColor(128, 138, 150, 150));
    }
    paintGround(p, 84, QColor(96, 106, 118), QColor(62, 70, 82));
    for (const QPointF c : {QPointF(50, 104), QPointF(150, 96), QPointF(176, 116)}) {
        fillPath(p, ellipsePath(c, 28, 6), QColor(150, 166, 184, 170));
        for (int k = 0; k < 2; ++k)
            paintRipples(p, c + QPointF(14 * rng.symmetric(), 2 * rng.symmetric()), 10, 3,
                         QColor(225, 235, 245, 200));
    }
    paintRain(p, rng, QRectF(0, 0, kW, kH), 110, 0.18, 14, QColor(225, 234, 248, 190), 1.0);
}

void drawOoame(QPainter& p) {
    SeededRandom rng(102);
    paintSky(p, 86, {QColor(34, 38, 52), QColor(92, 98, 110)});
    // Lightning behind the rain.
    const std::vector<QPointF> bolt = {{160, 14}, {150, 38}, {160, 40}, {146, 70}, {154, 72}, {140, 92}};
    paintGlow(p, QPointF(152, 50), 60, QColor(200, 210, 255, 90));
    for (const double w : {5.0, 1.8}) {
        p.setPen(QPen(w > 2 ? QColor(180, 190, 255, 110) : QColor(255, 255, 235), w, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF(QList<QPointF>(bolt.begin(), bolt.end())));
    }
    for (int i = 0; i < 6; ++i)
        paintCloud(p, QPointF(-10 + 46 * i, 10 + 5 * (i % 2)), 90, QColor(70, 74, 88), QColor(36, 40, 50));
    // Trees bent over by the wind.
    for (const QPointF base : {QPointF(30, 88), QPointF(74, 88)}) {
        QPainterPath trunk;
        trunk.moveTo(base);
        trunk.quadTo(base + QPointF(0, -18), base + QPointF(14, -30));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(26, 28, 32), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(trunk);
        p.save();
        p.translate(base + QPointF(22, -34));
        p.shear(0.5, 0);
        paintCrown(p, rng, QPointF(0, 0), 20, 11, 12, QColor(44, 62, 58));
        p.restore();
    }
    paintGround(p, 86, QColor(52, 60, 72), QColor(28, 34, 44));
    paintShimmer(p, rng, QRectF(0, 88, kW, 38), 30, QColor(170, 180, 200));
    for (int i = 0; i < 9; ++i)
        paintRipples(p, QPointF(kW * rng.unit(), 92 + 32 * rng.unit()), 6 + 8 * rng.unit(), 3,
                     QColor(190, 200, 220, 170));
    // Sheets of rain: faint wide bands, then dense streaks.
    for (int i = 0; i < 5; ++i) {
        const double x = 30 + 45 * i;
        fillPath(p, polygonPath({{x, 0}, {x + 18, 0}, {x + 50, kH}, {x + 32, kH}}),
                 QColor(200, 210, 230, 22));
    }
    paintRain(p, rng, QRectF(0, 0, kW, kH), 320, 0.36, 22, QColor(205, 215, 235, 170), 0.9);
}

void drawDoro(QPainter& p) {
    SeededRandom rng(103);
    paintSky(p, 26, kGreySky);
    paintHills(p, rng, 24, 2, 20, QColor(110, 140, 80), QColor(90, 110, 64));
    paintGround(p, 32, QColor(120, 90, 62), QColor(82, 56, 36));
    // Lumps and ruts in the mud.
    for (int i = 0; i < 90; ++i) {
        const double depth = rng.unit();
        const QPointF c(kW * rng.unit(), 34 + 93 * depth);
        const double r = 2 + 9 * depth * rng.unit();
        if (rng.unit() < 0.5) {
            fillPath(p, ellipsePath(c, r * 1.7, r * 0.4), QColor(56, 34, 20, 90));
        } else {
            fillPath(p, ellipsePath(c, r * 1.5, r * 0.42), QColor(150, 112, 76, 90));
            p.setPen(QPen(QColor(255, 240, 220, 90), 0.7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c - QPointF(r * 0.8, r * 0.2), c + QPointF(r * 0.3, -r * 0.3));
        }
    }
    // Puddles reflecting the grey sky.
    const std::vector<std::vector<QPointF>> puddles = {
        {{20, 62}, {48, 56}, {74, 60}, {70, 68}, {40, 70}},
        {{150, 84}, {184, 78}, {216, 84}, {210, 98}, {160, 100}},
        {{16, 108}, {60, 102}, {92, 110}, {80, 122}, {30, 122}}};
    for (const auto& pts : puddles) {
        const QPainterPath puddle = smoothClosed(pts);
        fillPath(p, puddle.translated(0, 1.5), QColor(60, 40, 26));
        fillVertical(p, puddle, QColor(150, 140, 126), QColor(112, 98, 82));
        p.save();
        p.setClipPath(puddle);
        paintShimmer(p, rng, puddle.boundingRect(), 6, QColor(230, 230, 225));
        p.restore();
    }
    // A trail of boot prints.
    for (int k = 0; k < 5; ++k) {
        const double t = k / 4.0;
        const double s = 0.7 + 0.9 * t;
        const QPointF c(128 - 24 * t + (k % 2 ? 7 : -7) * s, 42 + 72 * t);
        p.save();
        p.translate(c);
        p.scale(s, s * 0.7);
        // A sole: broad toe, narrow waist, round heel; a lit rim of pushed-up mud.
        const QPainterPath print =
            smoothClosed({{-5, -14}, {5, -14}, {6, -4}, {3, 2}, {4, 10}, {-4, 10}, {-3, 2}, {-6, -4}});
        fillPath(p, print.translated(0, -1.5), QColor(176, 140, 100, 200));
        fillVertical(p, print, QColor(40, 24, 14), QColor(80, 54, 34));
        p.restore();
    }
    for (int i = 0; i < 18; ++i) {
        const QPointF c(kW * rng.unit(), 40 + 85 * rng.unit());
        p.setPen(QPen(QColor(255, 245, 230, 120), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(2 + 3 * rng.unit(), 0));
    }
    paintTuft(p, rng, QPointF(206, kH), 18, 9, kGrassDark);
    paintTuft(p, rng, QPointF(110, 36), 6, 5, kGrassDark);
}

void drawDorokawa(QPainter& p) {
    SeededRandom rng(104);
    // A swollen river of brown water flowing across between two banks.
    const double farBank = 50;
    paintSky(p, farBank, {QColor(120, 128, 138), QColor(200, 198, 190)});
    paintCloud(p, QPointF(60, 16), 70, QColor(186, 190, 196), QColor(150, 156, 166));
    paintCloud(p, QPointF(168, 12), 60, QColor(186, 190, 196), QColor(150, 156, 166));
    paintHills(p, rng, 38, 4, 36, QColor(110, 130, 110), QColor(90, 112, 80));
    std::vector<std::pair<QPointF, double>> treeAt;
    for (double x = 0; x < kW + 10; x += 14 + 8 * rng.unit())
        treeAt.emplace_back(QPointF(x, farBank), 14 + 6 * rng.unit());
    fillVertical(p, QRectF(0, farBank + 2, kW, kH - farBank), QColor(176, 138, 88), QColor(120, 82, 44));
    // The far bank mirrored in the water.
    p.save();
    p.setClipRect(QRectF(0, farBank, kW, 30));
    p.translate(0, 2 * farBank + 4);
    p.scale(1, -1);
    p.setOpacity(0.3);
    SeededRandom mirrored(404);
    for (const auto& [at, h] : treeAt) paintRoundTree(p, mirrored, at, h, QColor(60, 60, 30));
    p.restore();
    SeededRandom upright(404);
    for (const auto& [at, h] : treeAt) paintRoundTree(p, upright, at, h, QColor(80, 112, 60));
    fillVertical(p, QRectF(0, farBank - 1, kW, 4), QColor(110, 140, 70), QColor(96, 72, 44));
    // Sky light on the water and streaks drawn out by the current.
    fillVertical(p, QRectF(0, 64, kW, 16), QColor(214, 196, 164, 0), QColor(214, 196, 164, 90));
    fillVertical(p, QRectF(0, 80, kW, 10), QColor(214, 196, 164, 90), QColor(214, 196, 164, 0));
    for (int i = 0; i < 40; ++i) {
        const double t = rng.unit();
        const double y = farBank + 10 + 48 * t;
        const double x = kW * rng.unit(), len = 10 + 40 * t * rng.unit();
        p.setPen(QPen(faded(QColor(246, 226, 186), 70 + rng.below(120)), 0.6 + 1.0 * t, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + len, y + 0.3 * len / 10));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 62, 32, 160), 1.0));
    for (const QPointF c : {QPointF(40, 74), QPointF(110, 94), QPointF(176, 66)}) {
        p.drawArc(QRectF(c.x() - 10, c.y() - 3, 20, 6), 30 * 16, 250 * 16);
        p.drawArc(QRectF(c.x() - 5, c.y() - 1.5, 10, 3), 200 * 16, 250 * 16);
    }
    paintLog(p, QPointF(124, 76), QPointF(152, 73), 3.2, QColor(90, 60, 36));
    paintRipples(p, QPointF(138, 77), 22, 2, QColor(240, 214, 160, 160));
    p.setPen(QPen(QColor(70, 48, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(62, 62), QPointF(72, 60));
    p.drawLine(QPointF(66, 61), QPointF(68, 57));
    // The near bank, with a muddy edge and foam along it.
    const QPainterPath near = ridgePath({{-10, 104}, {40, 100}, {100, 106}, {160, 100}, {230, 98}}, kH + 2);
    fillPath(p, near.translated(0, -2.5), QColor(240, 226, 200, 170));
    fillVertical(p, near, QColor(120, 92, 58), QColor(90, 64, 38));
    fillVertical(p, near.translated(0, 5), QColor(110, 150, 70), QColor(70, 110, 50));
    for (const double x : {12.0, 50.0, 96.0, 150.0, 200.0})
        paintTuft(p, rng, QPointF(x, kH), 14 + 8 * rng.unit(), 8, QColor(90, 130, 56));
}

void drawGarasu(QPainter& p) {
    paintRoom(p, 92, QColor(200, 218, 228), QColor(168, 190, 204), QColor(176, 134, 96), QColor(136, 96, 64));
    // A window pane behind, with light falling through.
    const QRectF window(12, 8, 196, 70);
    fillVertical(p, window.adjusted(-3, -3, 3, 3), QColor(236, 240, 242), QColor(214, 222, 228));
    fillVertical(p, window, QColor(150, 200, 238), QColor(206, 232, 246));
    for (const double x : {40.0, 110.0, 150.0})
        fillPath(p, polygonPath({{x, 8}, {x + 16, 8}, {x - 10, 78}, {x - 26, 78}}),
                 QColor(255, 255, 255, 70));
    p.fillRect(QRectF(108, 8, 4, 70), QColor(236, 240, 242));
    p.fillRect(QRectF(12, 41, 196, 4), QColor(236, 240, 242));

    const QColor tint(210, 240, 250);
    const auto glass = [&](const QPainterPath& shape) {
        const QRectF b = shape.boundingRect();
        fillPath(p, shape,
                 ramp(b.topLeft(), b.topRight(),
                      {faded(tint, 150), faded(tint, 60), faded(tint, 40), faded(tint.darker(130), 120)}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
        p.drawPath(shape);
        p.setPen(QPen(QColor(70, 110, 130, 130), 0.8));
        p.drawPath(shape.translated(0.8, 0.6));
    };
    const auto highlight = [&](QPointF a, QPointF b, double w) {
        p.setPen(QPen(QColor(255, 255, 255, 210), w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };

    // A wine glass.
    paintShadow(p, QPointF(74, 100), 22, 4);
    QPainterPath bowl;
    bowl.moveTo(56, 30);
    bowl.cubicTo(QPointF(54, 52), QPointF(62, 64), QPointF(74, 66));
    bowl.cubicTo(QPointF(86, 64), QPointF(94, 52), QPointF(92, 30));
    bowl.closeSubpath();
    QPainterPath wine;
    wine.moveTo(55.6, 46);
    wine.cubicTo(QPointF(57, 58), QPointF(64, 65), QPointF(74, 65.5));
    wine.cubicTo(QPointF(84, 65), QPointF(91, 58), QPointF(92.4, 46));
    wine.closeSubpath();
    fillVertical(p, wine, QColor(190, 40, 70, 200), QColor(120, 10, 40, 220));
    glass(bowl);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(QPointF(74, 30), 18, 3);
    fillPath(p, polygonPath({{72.5, 66}, {75.5, 66}, {75.5, 96}, {72.5, 96}}), faded(tint, 180));
    glass(ellipsePath(QPointF(74, 97), 15, 3.2));
    highlight(QPointF(61, 36), QPointF(62, 54), 2.2);

    // A tumbler half full of water.
    paintShadow(p, QPointF(148, 101), 22, 4);
    const QPainterPath tumbler = polygonPath({{128, 40}, {168, 40}, {164, 98}, {132, 98}});
    QPainterPath water;
    water.addPolygon(QPolygonF({QPointF(129.9, 66), QPointF(166.1, 66), QPointF(164, 94), QPointF(132, 94)}));
    fillVertical(p, water, QColor(150, 210, 240, 120), QColor(90, 160, 210, 150));
    glass(tumbler);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(QColor(200, 235, 250, 80));
    p.drawEllipse(QPointF(148, 66), 18, 2.5);
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawEllipse(QPointF(148, 40), 20, 3.4);
    fillPath(p, polygonPath({{132, 92}, {164, 92}, {164, 98}, {132, 98}}), faded(tint, 140));
    highlight(QPointF(134, 46), QPointF(137, 90), 2.4);
    highlight(QPointF(160, 48), QPointF(158, 70), 1.0);
    paintSparkle(p, QPointF(90, 34), 5, QColor(255, 255, 255));
    paintSparkle(p, QPointF(165, 44), 4, QColor(255, 255, 255));
}

void drawGasuhi(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(34, 38, 50), QColor(12, 12, 18));
    // The stove top.
    fillPath(p, polygonPath({{0, 92}, {kW, 92}, {kW, kH}, {0, kH}}),
             ramp(QPointF(0, 92), QPointF(0, kH), {QColor(70, 72, 80), QColor(36, 38, 44)}));
    paintGlow(p, QPointF(110, 80), 90, QColor(60, 110, 255, 70));
    const QPointF c(110, 88);
    const double rx = 46, ry = 10;
    fillPath(p, ellipsePath(c + QPointF(0, 7), rx + 12, ry + 5), QColor(22, 22, 26));
    const auto flameAt = [&](double a) {
        const QPointF base = c + QPointF(std::cos(a) * rx, std::sin(a) * ry - 1);
        const double h = 17 + 2 * std::sin(a * 3);
        const double lean = std::cos(a) * 6;
        fillPath(
            p, flameShape(base, 8, h, lean),
            ramp(base, base - QPointF(0, h), {faded(kGasFlame.outer, 230), faded(kGasFlame.middle, 120)}));
        fillPath(p, flameShape(base, 4, h * 0.5, lean * 0.5),
                 ramp(base, base - QPointF(0, h * 0.5), {kGasFlame.core, faded(kGasFlame.middle, 180)}));
    };
    constexpr int count = 22;
    for (int k = 0; k < count; ++k) {
        const double a = (k + 0.5) * 2 * kPi / count;
        if (std::sin(a) < 0) flameAt(a);
    }
    // The burner cap.
    fillPath(p, ellipsePath(c + QPointF(0, 2.5), rx, ry), QColor(30, 30, 34));
    fillMetal(p, ellipsePath(c, rx - 1, ry - 1), c - QPointF(rx, 0), c + QPointF(rx, 0), QColor(96, 98, 108));
    fillMetal(p, ellipsePath(c - QPointF(0, 1.5), rx * 0.45, ry * 0.45), c - QPointF(rx * 0.45, 0),
              c + QPointF(rx * 0.45, 0), QColor(70, 72, 80));
    for (int k = 0; k < count; ++k) {
        const double a = (k + 0.5) * 2 * kPi / count;
        if (std::sin(a) >= 0) flameAt(a);
    }
    // Pan supports on either side.
    for (const double x : {22.0, 174.0}) {
        fillMetal(p, polygonPath({{x, 72}, {x + 24, 72}, {x + 24, 78}, {x + 4, 78}, {x + 4, 100}, {x, 100}}),
                  QPointF(x, 72), QPointF(x, 100), QColor(50, 50, 56));
    }
}

void drawHana(QPainter& p) {
    SeededRandom rng(106);
    paintSky(p, kH, {QColor(170, 214, 240), QColor(200, 232, 206)});
    for (int i = 0; i < 14; ++i)
        paintGlow(p, QPointF(kW * rng.unit(), kH * rng.unit()), 8 + 14 * rng.unit(),
                  rng.unit() < 0.5 ? QColor(255, 255, 255, 90) : QColor(120, 190, 110, 110));
    paintHills(p, rng, 104, 4, 30, QColor(120, 180, 90), QColor(84, 146, 66));
    // Stem and leaves.
    QPainterPath stem;
    stem.moveTo(112, kH + 2);
    stem.cubicTo(QPointF(104, 100), QPointF(116, 80), QPointF(110, 56));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(64, 128, 50), 3.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    paintLeaf(p, QPointF(110, 100), -160, 34, 11, kLeaf);
    paintLeaf(p, QPointF(112, 88), -25, 30, 10, kLeaf);
    // The flower head: two rings of petals round a golden centre.
    const QPointF c(110, 48);
    paintGlow(p, c, 48, QColor(255, 255, 255, 90));
    paintBlossom(p, c, 38, 10, QColor(236, 92, 130), QColor(240, 190, 40), 0);
    paintBlossom(p, c, 26, 10, QColor(248, 140, 170), QColor(240, 190, 40), 18);
    paintGlow(p, c, 9, QColor(255, 220, 80));
    for (int k = 0; k < 10; ++k) {
        const double a = k * 36 * kDegree;
        fillPath(p, ellipsePath(c + QPointF(std::cos(a), std::sin(a)) * 5.5, 1.2, 1.2), QColor(170, 100, 20));
    }
}

void drawHasami(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(236, 230, 218), QColor(206, 198, 184));
    // A sheet of paper underneath.
    paintShadow(p, QPointF(120, 70), 80, 40, 40);
    fillPath(p, polygonPath({{30, 18}, {196, 8}, {204, 112}, {40, 120}}), QColor(250, 250, 246));
    const QPointF pivot(118, 64);
    const auto half = [&](double angle, bool upper, const QColor& grip) {
        p.save();
        p.translate(pivot);
        p.rotate(angle);
        const double side = upper ? -1 : 1;
        // The blade: straight cutting edge along the axis, curved back.
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.lineTo(86, 0.5 * side);
        blade.quadTo(QPointF(60, 5 * side), QPointF(8, 6.5 * side));
        blade.lineTo(-4, 5 * side);
        blade.closeSubpath();
        fillMetal(p, blade, QPointF(0, -6), QPointF(0, 6), QColor(168, 176, 186));
        p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
        p.drawLine(QPointF(4, 0.6 * side), QPointF(80, 0.8 * side));
        // The shank and the finger ring.
        QPainterPath ring;
        ring.moveTo(-2, 1 * side);
        ring.lineTo(-26, 6 * side);
        ring.lineTo(-26, 12 * side);
        ring.lineTo(-2, 6 * side);
        ring.closeSubpath();
        ring.addEllipse(QPointF(-42, 11 * side), 18, 12);
        ring = ring.simplified().subtracted(ellipsePath(QPointF(-43, 11 * side), 11, 6.5));
        fillPath(p, ring.translated(2, 3), QColor(60, 40, 30, 60));
        fillLit(p, ring, grip.lighter(130), grip.darker(140));
        p.restore();
    };
    paintShadow(p, pivot + QPointF(6, 8), 70, 18, 50);
    half(-14, false, QColor(200, 40, 40));
    half(14, true, QColor(200, 40, 40));
    fillMetal(p, ellipsePath(pivot, 4, 4), pivot - QPointF(4, 4), pivot + QPointF(4, 4),
              QColor(150, 150, 160));
    fillPath(p, ellipsePath(pivot, 1.2, 1.2), QColor(60, 60, 70));
}

void drawHi(QPainter& p) {
    SeededRandom rng(107);
    QRadialGradient bg(QPointF(110, 80), 140);
    bg.setColorAt(0, QColor(110, 34, 12));
    bg.setColorAt(0.5, QColor(50, 14, 8));
    bg.setColorAt(1, QColor(14, 6, 6));
    p.fillRect(QRectF(0, 0, kW, kH), bg);
    paintGlow(p, QPointF(110, 124), 70, QColor(255, 120, 30, 120));
    paintFlames(p, QPointF(110, 120), 96, 108, kFire);
    for (int i = 0; i < 26; ++i) {
        const QPointF c(50 + 120 * rng.unit(), 8 + 70 * rng.unit());
        const double r = 0.6 + 1.2 * rng.unit();
        paintGlow(p, c, r * 3, QColor(255, 150, 40, 120));
        fillPath(p, ellipsePath(c, r, r), QColor(255, 220, 120));
    }
}

void paintCutStone(QPainter& p, QPointF c, double rx, double ry, int sides, const QColor& colour,
                   double turn) {
    paintShadow(p, c + QPointF(3, ry * 0.9), rx * 1.1, ry * 0.35, 110);
    std::vector<QPointF> outer, table;
    for (int k = 0; k < sides; ++k) {
        const double a = (turn + k * 360.0 / sides) * kDegree;
        outer.push_back(c + QPointF(std::cos(a) * rx, std::sin(a) * ry));
        table.push_back(c + QPointF(std::cos(a) * rx * 0.55, std::sin(a) * ry * 0.55));
    }
    for (int k = 0; k < sides; ++k) {
        const std::size_t i = static_cast<std::size_t>(k), j = static_cast<std::size_t>((k + 1) % sides);
        const QPointF mid = (outer[i] + outer[j]) / 2.0 - c;
        // Facets facing the upper left catch the light.
        const double light = -(mid.x() + mid.y()) / (std::hypot(mid.x(), mid.y()) * std::sqrt(2.0));
        const QColor shade =
            light > 0 ? mix(colour, colour.lighter(180), light) : mix(colour, colour.darker(250), -light);
        fillPath(p, polygonPath({outer[i], outer[j], table[j], table[i]}), shade);
    }
    const QPainterPath top = polygonPath(table);
    fillLit(p, top, colour.lighter(160), colour.darker(120));
    p.setPen(QPen(faded(colour.lighter(190), 150), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(top);
    p.drawPath(polygonPath(outer));
}

void drawHouseki(QPainter& p) {
    // Dark velvet with soft folds.
    fillPath(p, polygonPath({{0, 0}, {kW, 0}, {kW, kH}, {0, kH}}),
             ramp(QPointF(0, 0), QPointF(kW, kH),
                  {QColor(60, 26, 84), QColor(34, 14, 52), QColor(70, 30, 92), QColor(28, 10, 42)}));
    // A brilliant-cut diamond seen from the side.
    const QPointF top(110, 26);
    const double tableHalf = 18, girdleHalf = 38, crown = 16, pavilion = 44;
    paintShadow(p, QPointF(112, 112), 40, 6, 140);
    paintGlow(p, QPointF(110, 56), 60, QColor(200, 220, 255, 60));
    const QColor ice(170, 205, 240);
    const int facets = 6;
    for (int k = 0; k < facets; ++k) {
        const double u0 = static_cast<double>(k) / facets, u1 = static_cast<double>(k + 1) / facets;
        const auto at = [](double half, double u) { return -half + 2 * half * u; };
        const double shade = std::sin((u0 + u1) * kPi * 0.5 + 0.6);
        const QColor c = mix(ice.darker(150), QColor(245, 250, 255), std::clamp(shade, 0.0, 1.0));
        const QColor c2 = mix(ice.darker(170), QColor(230, 240, 255), std::clamp(1 - shade, 0.0, 1.0));
        fillPath(
            p,
            polygonPath({top + QPointF(at(tableHalf, u0), 0), top + QPointF(at(tableHalf, u1), 0),
                         top + QPointF(at(girdleHalf, u1), crown), top + QPointF(at(girdleHalf, u0), crown)}),
            c);
        fillPath(p,
                 polygonPath({top + QPointF(at(girdleHalf, u0), crown),
                              top + QPointF(at(girdleHalf, u1), crown), top + QPointF(0, crown + pavilion)}),
                 k % 2 ? c2 : c2.lighter(115));
    }
    p.setPen(QPen(QColor(255, 255, 255, 140), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawLine(top + QPointF(-girdleHalf, crown), top + QPointF(girdleHalf, crown));
    paintCutStone(p, QPointF(46, 86), 22, 16, 10, QColor(200, 20, 50), 0);
    paintCutStone(p, QPointF(176, 88), 22, 16, 8, QColor(20, 150, 80), 22.5);
    paintCutStone(p, QPointF(36, 34), 12, 10, 8, QColor(40, 80, 210), 0);
    paintCutStone(p, QPointF(186, 36), 11, 9, 6, QColor(150, 70, 200), 0);
    paintSparkle(p, top + QPointF(-8, 4), 9, QColor(255, 255, 255));
    paintSparkle(p, QPointF(132, 58), 6, QColor(255, 255, 255));
    paintSparkle(p, QPointF(38, 80), 5, QColor(255, 230, 230));
    paintSparkle(p, QPointF(168, 82), 5, QColor(230, 255, 235));
}

void drawHuboku(QPainter& p) {
    SeededRandom rng(108);
    paintSky(p, 46, kSoftSky);
    paintCloud(p, QPointF(160, 18), 56, QColor(255, 255, 255), QColor(220, 232, 240));
    paintHills(p, rng, 42, 3, 40, QColor(110, 150, 130), QColor(120, 160, 140));
    paintOpenWater(p, rng, 46, QColor(120, 180, 214), QColor(40, 104, 160));
    // The log, its lower third under water.
    const QPointF a(38, 82), b(176, 74);
    const double r = 12;
    fillPath(p, ellipsePath(QPointF(108, 92), 78, 6), QColor(20, 50, 80, 90));
    paintLog(p, a, b, r, QColor(122, 88, 58));
    // Short twig with a leaf.
    p.setPen(QPen(QColor(100, 70, 46), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(84, 70), QPointF(78, 58));
    paintLeaf(p, QPointF(78, 58), -130, 12, 6, kLeaf);
    QPainterPath under;
    under.moveTo(0, 84);
    for (double x = 0; x <= kW; x += 10) under.lineTo(x, 84 - (x - 38) * 8.0 / 138 + std::sin(x * 0.3) * 0.8);
    under.lineTo(kW, kH);
    under.lineTo(0, kH);
    under.closeSubpath();
    // Clip the water to the log so only its lower part is covered.
    QPainterPath logShape;
    logShape.addRoundedRect(QRectF(-r * 0.3, -r - 1, QLineF(a, b).length() + r * 0.7, 2 * r + 2), r * 0.4, r);
    QTransform place;
    place.translate(a.x(), a.y());
    place.rotate(std::atan2(b.y() - a.y(), b.x() - a.x()) / kDegree);
    p.save();
    p.setClipPath(place.map(logShape));
    fillVertical(p, under, QColor(60, 130, 180, 210), QColor(30, 90, 140, 235));
    p.restore();
    for (const QPointF c : {QPointF(36, 85), QPointF(180, 77), QPointF(110, 81)})
        paintRipples(p, c, 30, 3, QColor(255, 255, 255, 200));
}

void drawIwa(QPainter& p) {
    SeededRandom rng(109);
    paintSky(p, 86, kClearSky);
    paintHills(p, rng, 74, 6, 40, QColor(150, 186, 170), QColor(160, 196, 178));
    paintGround(p, 86, kGrassLight, kGrassDark);
    const std::vector<QPointF> outline = {{44, 106}, {42, 78},  {60, 48},  {94, 30},
                                          {132, 30}, {162, 48}, {178, 78}, {176, 106}};
    paintShadow(p, QPointF(114, 106), 80, 9, 120);
    const QPainterPath rock = smoothClosed(outline);
    fillLit(p, rock, QColor(182, 178, 168), QColor(92, 88, 84));
    p.save();
    p.setClipPath(rock);
    // Lit top facet and shaded right face.
    fillPath(p, polygonPath({{56, 54}, {94, 28}, {136, 28}, {150, 46}, {116, 60}, {78, 64}}),
             QColor(255, 255, 250, 55));
    fillPath(p, polygonPath({{150, 46}, {190, 60}, {190, 112}, {136, 112}, {128, 70}}),
             QColor(30, 28, 30, 60));
    p.setPen(QPen(QColor(60, 56, 54, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF({QPointF(116, 60), QPointF(122, 74), QPointF(118, 90), QPointF(124, 108)}));
    p.drawPolyline(QPolygonF({QPointF(78, 64), QPointF(72, 80), QPointF(76, 94)}));
    // Moss near the foot.
    for (int i = 0; i < 8; ++i)
        fillPath(p, ellipsePath(QPointF(54 + 110 * rng.unit(), 98 + 8 * rng.unit()), 6 + 6 * rng.unit(), 3),
                 QColor(96, 140, 60, 120));
    p.restore();
    paintStone(p, QPointF(190, 104), 10, 6, QColor(150, 146, 138));
    paintStone(p, QPointF(28, 110), 8, 5, QColor(140, 136, 128));
    for (const double x : {40.0, 60.0, 96.0, 150.0, 178.0})
        paintTuft(p, rng, QPointF(x, 108 + 4 * rng.unit()), 10, 6, kGrassDark);
}

void drawKabin(QPainter& p) {
    paintRoom(p, 96, QColor(238, 230, 214), QColor(214, 200, 180), QColor(150, 106, 70), QColor(112, 76, 50));
    const double cx = 110;
    // Flowers first, the vase in front of their stems.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 120, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
    const std::array<QPointF, 3> heads = {QPointF(86, 18), QPointF(112, 10), QPointF(136, 20)};
    for (const QPointF h : heads) p.drawLine(QPointF(cx, 44), h);
    paintLeaf(p, QPointF(102, 34), -150, 16, 6, kLeaf);
    paintLeaf(p, QPointF(120, 32), -30, 16, 6, kLeaf);
    paintBlossom(p, heads[0], 14, 6, QColor(240, 200, 60), QColor(180, 100, 30));
    paintBlossom(p, heads[1], 15, 8, QColor(230, 70, 90), QColor(250, 210, 80), 10);
    paintBlossom(p, heads[2], 13, 5, QColor(250, 250, 250), QColor(240, 190, 40));

    paintShadow(p, QPointF(cx + 6, 112), 36, 5, 120);
    const QPainterPath vase =
        latheProfile(cx, {{13, 36}, {9, 44}, {10, 54}, {26, 68}, {31, 84}, {24, 104}, {15, 112}, {16, 114}});
    fillRound(p, vase, QColor(40, 84, 168));
    // Glaze bands and a white pattern ring.
    p.save();
    p.setClipPath(vase);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 236, 220, 200), 1.4));
    p.drawEllipse(QPointF(cx, 64), 40, 4);
    p.drawEllipse(QPointF(cx, 100), 40, 4);
    for (int k = 0; k < 6; ++k) {
        const double x = cx - 24 + k * 9.6;
        paintBlossom(p, QPointF(x, 82), 6, 5, QColor(235, 232, 214, 200), QColor(200, 170, 80));
    }
    p.restore();
    fillPath(p, ellipsePath(QPointF(cx, 36.5), 12.5, 2.5), QColor(18, 36, 80));
}

// The river winds from the horizon (t = 0) and widens towards the viewer (t = 1).
struct RiverCourse {
    double y, centre, half;
};
RiverCourse riverAt(double t) {
    return {44 + (kH + 4 - 44) * t, 112 + 36 * std::sin(kPi * (1.5 * t - 0.35)) * (0.35 + 0.65 * t) - 8 * t,
            2 + 84 * std::pow(t, 1.7)};
}

QPainterPath riverPath(double grow) {
    QPolygonF left, right;
    constexpr int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const RiverCourse r = riverAt(static_cast<double>(i) / steps);
        const double half = r.half + grow * (0.3 + r.half / 40);
        left << QPointF(r.centre - half, r.y);
        right << QPointF(r.centre + half, r.y);
    }
    QPainterPath path;
    path.moveTo(left.front());
    for (const QPointF& pt : left) path.lineTo(pt);
    for (auto it = right.rbegin(); it != right.rend(); ++it) path.lineTo(*it);
    path.closeSubpath();
    return path;
}

void drawKawa(QPainter& p) {
    SeededRandom rng(111);
    paintSky(p, 48, kClearSky);
    paintCloud(p, QPointF(52, 20), 50, QColor(255, 255, 255, 220), faded(kClearSky.bottom, 200));
    paintHills(p, rng, 38, 5, 34, QColor(120, 170, 150), QColor(150, 198, 100));
    fillVertical(p, QRectF(0, 44, kW, kH - 44), QColor(150, 198, 100), QColor(86, 150, 62));
    for (int i = 0; i < 7; ++i) {
        const double x = 8 + 30 * i + 10 * rng.symmetric();
        if (std::abs(x - 110) < 22) continue;
        paintRoundTree(p, rng, QPointF(x, 47 + 2 * rng.unit()), 12 + 4 * rng.unit(), QColor(70, 140, 70));
    }
    fillPath(p, riverPath(3), QColor(190, 172, 120));
    const QPainterPath water = riverPath(0);
    fillVertical(p, water, QColor(180, 222, 244), QColor(50, 126, 196));
    p.save();
    p.setClipPath(water);
    // Light off the near bank and wave crests across the current.
    fillPath(p, riverPath(-2).translated(6, 0).intersected(water), faded(QColor(180, 222, 244), 70));
    for (int i = 0; i < 40; ++i) {
        const double t = 0.08 + 0.92 * rng.unit();
        const RiverCourse r = riverAt(t);
        const double x = r.centre + r.half * 0.85 * rng.symmetric();
        const double len = 4 + 26 * t * (0.6 + 0.4 * rng.unit());
        QPainterPath wave;
        wave.moveTo(x - len / 2, r.y + 0.6 * t);
        wave.quadTo(QPointF(x, r.y - 1.6 * t), QPointF(x + len / 2, r.y + 0.6 * t));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(faded(QColor(255, 255, 255), 80 + rng.below(120)), 0.5 + 1.3 * t, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawPath(wave);
    }
    p.restore();
    for (int i = 0; i < 8; ++i) {
        const double x = i < 4 ? 6 + 12 * i : 150 + 18 * (i - 4);
        paintTuft(p, rng, QPointF(x + 4 * rng.symmetric(), kH + 1), 10 + 6 * rng.unit(), 7,
                  QColor(86, 150, 62));
    }
}

void paintIngot(QPainter& p, QPointF bottomLeft, double w, double h) {
    const double inset = w * 0.12, dx = w * 0.16, dy = -h * 0.55;
    const QPointF a = bottomLeft, b = a + QPointF(w, 0);
    const QPointF c = b + QPointF(-inset, -h), d = a + QPointF(inset, -h);
    const QPointF off(dx, dy);
    fillPath(p, polygonPath({b, c, c + off, b + off}), QColor(170, 112, 24));
    fillPath(p, polygonPath({d, c, c + off, d + off}),
             ramp(d + off, c, {QColor(255, 240, 160), QColor(244, 196, 70)}));
    fillPath(p, polygonPath({a, b, c, d}), ramp(d, a, {QColor(240, 186, 56), QColor(196, 132, 26)}));
    p.setPen(QPen(QColor(255, 250, 210, 180), 0.8));
    p.drawLine(d, c);
}

void drawKin(QPainter& p) {
    QRadialGradient bg(QPointF(110, 60), 130);
    bg.setColorAt(0, QColor(90, 56, 30));
    bg.setColorAt(1, QColor(24, 14, 10));
    p.fillRect(QRectF(0, 0, kW, kH), bg);
    paintGlow(p, QPointF(100, 70), 80, QColor(255, 200, 80, 70));
    paintShadow(p, QPointF(110, 106), 90, 10, 160);
    const double w = 46, h = 14;
    for (int row = 0; row < 3; ++row) {
        const int n = 3 - row;
        const double y = 104 - row * (h + 1);
        const double x0 = 110 - (n * w + (n - 1) * 2) / 2 + row * 4;
        for (int i = 0; i < n; ++i) paintIngot(p, QPointF(x0 + i * (w + 2), y), w, h);
    }
    // Oval gold coins in front.
    for (const QPointF c : {QPointF(40, 112), QPointF(182, 114), QPointF(164, 120)}) {
        fillPath(p, ellipsePath(c + QPointF(0, 2), 15, 6), QColor(150, 96, 20));
        fillLit(p, ellipsePath(c, 15, 6), QColor(255, 236, 150), QColor(214, 150, 40));
        p.setPen(QPen(QColor(190, 130, 30), 0.6));
        p.setBrush(Qt::NoBrush);
        for (int k = -3; k <= 3; ++k) p.drawLine(c + QPointF(k * 3, -3), c + QPointF(k * 3, 3));
    }
    paintSparkle(p, QPointF(96, 62), 7, QColor(255, 250, 220));
    paintSparkle(p, QPointF(150, 84), 5, QColor(255, 250, 220));
    paintSparkle(p, QPointF(46, 108), 4, QColor(255, 250, 220));
}

void drawKonbo(QPainter& p) {
    SeededRandom rng(112);
    paintSky(p, 70, kSoftSky);
    paintHills(p, rng, 64, 4, 40, QColor(150, 180, 150), QColor(170, 170, 130));
    paintGround(p, 70, QColor(196, 176, 130), QColor(160, 132, 90));
    // A gnarled wooden club: thin grip, swelling to a knobbly head.
    const QPointF from(40, 110), to(188, 34);
    const double len = QLineF(from, to).length();
    paintShadow(p, QPointF(120, 112), 76, 6, 110);
    p.save();
    p.translate(from);
    p.rotate(std::atan2(to.y() - from.y(), to.x() - from.x()) / kDegree);
    const auto radius = [&](double x, double phase) {
        const double t = x / len;
        const double swell = t < 0.3 ? 0 : std::pow((t - 0.3) / 0.7, 1.4);
        return 5.5 + 15 * swell + 1.6 * swell * std::sin(x * 0.45 + phase);
    };
    std::vector<QPointF> outline;
    for (double x = 0; x <= len; x += 3) outline.emplace_back(x, -radius(x, 0));
    for (int k = 1; k < 12; ++k) {
        const double a = -kPi / 2 + k * kPi / 12;
        const double r = radius(len, 0);
        outline.emplace_back(len + std::cos(a) * r * 0.8, std::sin(a) * r);
    }
    for (double x = len; x >= 0; x -= 3) outline.emplace_back(x, radius(x, 2.0));
    QPainterPath club = smoothClosed(outline);
    club.setFillRule(Qt::WindingFill);
    club.addEllipse(QPointF(-2, 0), 6.5, 8);
    for (const QPointF knob : {QPointF(len * 0.66, -13), QPointF(len * 0.8, 16), QPointF(len * 0.9, -18)})
        club.addEllipse(knob, 4.5, 4);
    club = club.simplified();
    const QColor wood(160, 106, 60);
    fillPath(p, club, ramp(QPointF(0, -20), QPointF(0, 20), {wood.lighter(145), wood, wood.darker(180)}));
    p.save();
    p.setClipPath(club);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(100, 62, 34, 150), 0.8));
    for (const double y : {-12.0, -6.0, 0.0, 6.0, 12.0}) {
        QPainterPath grain;
        grain.moveTo(len * 0.2, y * 0.3);
        grain.cubicTo(QPointF(len * 0.5, y * 0.5), QPointF(len * 0.7, y * 1.1), QPointF(len * 1.05, y * 1.3));
        p.drawPath(grain);
    }
    p.restore();
    // Knots where branches were cut off.
    for (const QPointF k : {QPointF(len * 0.66, -13), QPointF(len * 0.8, 16), QPointF(len * 0.9, -18),
                            QPointF(len * 0.76, 2)}) {
        fillPath(p, ellipsePath(k, 3.2, 2.6), QColor(96, 58, 30));
        fillPath(p, ellipsePath(k, 1.5, 1.2), QColor(60, 34, 18));
    }
    // Leather strips bound round the grip.
    for (int i = 0; i < 6; ++i) {
        const double x = 6 + i * 6;
        fillPath(p, polygonPath({{x, -6.5}, {x + 4, -6.5}, {x + 1, 6.5}, {x - 3, 6.5}}), QColor(66, 40, 30));
    }
    p.restore();
    for (int i = 0; i < 5; ++i) paintTuft(p, rng, QPointF(10 + 50 * i, kH), 10, 6, QColor(130, 150, 70));
}

void drawKusabana(QPainter& p) {
    SeededRandom rng(113);
    paintSky(p, 56, kClearSky);
    paintCloud(p, QPointF(60, 22), 60, QColor(255, 255, 255), QColor(226, 236, 244));
    paintHills(p, rng, 48, 4, 36, QColor(120, 170, 140), QColor(110, 168, 90));
    paintGround(p, 54, QColor(130, 186, 84), QColor(66, 128, 50));
    const std::array<QColor, 5> colours = {QColor(230, 50, 60), QColor(250, 210, 40), QColor(250, 250, 250),
                                           QColor(160, 90, 210), QColor(245, 130, 170)};
    struct Plant {
        QPointF base;
        double height;
        std::size_t colour;
    };
    std::vector<Plant> plants;
    for (int i = 0; i < 30; ++i) {
        const double depth = rng.unit();
        plants.push_back({QPointF(kW * rng.unit(), 58 + 70 * depth),
                          8 + 34 * depth * (0.7 + 0.3 * rng.unit()), static_cast<std::size_t>(rng.below(5))});
    }
    std::sort(plants.begin(), plants.end(),
              [](const Plant& a, const Plant& b) { return a.base.y() < b.base.y(); });
    for (const Plant& pl : plants) {
        const double s = pl.height / 40;
        paintTuft(p, rng, pl.base, pl.height * 0.6, 5, kGrassDark);
        const QPointF head = pl.base + QPointF(4 * s * rng.symmetric(), -pl.height);
        p.setPen(QPen(QColor(60, 120, 50), 0.6 + s, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pl.base, head);
        paintLeaf(p, pl.base - QPointF(0, pl.height * 0.4), -30, 10 * s, 4 * s, kLeaf);
        paintBlossom(p, head, 4 + 9 * s, 5 + static_cast<int>(pl.colour % 3), colours[pl.colour],
                     QColor(250, 200, 40), 20.0 * static_cast<double>(pl.colour));
    }
}

void drawMaki(QPainter& p) {
    SeededRandom rng(114);
    // A shed wall of planks and a strip of ground.
    fillVertical(p, QRectF(0, 0, kW, 110), QColor(120, 96, 72), QColor(90, 70, 52));
    p.setPen(QPen(QColor(70, 52, 38), 1.0));
    for (double x = 0; x < kW; x += 18) p.drawLine(QPointF(x, 0), QPointF(x, 110));
    fillVertical(p, QRectF(0, 0, kW, 8), QColor(60, 46, 36), QColor(80, 62, 46));
    paintGround(p, 110, QColor(120, 100, 70), QColor(96, 78, 54));
    paintShadow(p, QPointF(110, 112), 100, 6, 120);
    // Rows of split logs seen end on, stacked in a pile.
    const std::array<int, 5> rows = {9, 8, 7, 5, 3};
    const double r = 11.5;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int n = rows[row];
        const double y = 110 - r - static_cast<double>(row) * r * 1.7;
        const double x0 = 110 - (n - 1) * r;
        for (int i = 0; i < n; ++i) {
            const QPointF c(x0 + i * 2 * r + rng.symmetric() * 1.2, y + rng.symmetric());
            const double size = r * (0.92 + 0.1 * rng.unit());
            p.save();
            p.translate(c);
            p.rotate(rng.unit() * 360);
            // Split pieces: some whole, some halves, some quarters.
            const int kind = rng.below(3);
            if (kind > 0) {
                QPainterPath keep;
                keep.addRect(
                    QRectF(-size * 1.2, -size * 1.2, size * 2.4, kind == 1 ? size * 1.45 : size * 2.4));
                if (kind == 2) keep = keep.intersected(ellipsePath(QPointF(0, 0), size * 1.2, size * 1.2));
                p.setClipPath(keep);
            }
            paintLogEnd(p, QPointF(0, 0), size, size, QColor(96, 64, 40));
            p.restore();
        }
    }
}

void drawMizuumi(QPainter& p) {
    SeededRandom rng(115);
    const double shore = 62;
    paintSky(p, shore, kClearSky);
    paintCloud(p, QPointF(170, 18), 60, QColor(255, 255, 255), QColor(222, 234, 244));
    const QPainterPath range =
        ridgePath({{-10, 50}, {30, 28}, {60, 42}, {92, 22}, {130, 46}, {170, 34}, {230, 52}}, shore);
    fillVertical(p, range, QColor(116, 140, 176), QColor(150, 176, 190));
    const QPainterPath woods = rollingRidge(rng, 55, 3, 9, shore + 1);
    fillVertical(p, woods, QColor(60, 110, 70), QColor(44, 90, 58));
    paintOpenWater(p, rng, shore, QColor(120, 180, 220), QColor(36, 96, 160));
    // Mirror image of the far shore.
    p.save();
    p.setClipRect(QRectF(0, shore, kW, kH - shore));
    p.translate(0, 2 * shore);
    p.scale(1, -1);
    p.setOpacity(0.35);
    fillPath(p, range, QColor(110, 134, 170));
    fillPath(p, woods, QColor(40, 84, 60));
    p.restore();
    paintShimmer(p, rng, QRectF(0, shore + 4, kW, kH - shore - 4), 26, QColor(255, 255, 255));
    // Reeds on the near bank.
    fillVertical(p, ridgePath({{-10, 108}, {30, 112}, {60, 124}, {70, 132}}, kH + 2), QColor(110, 160, 70),
                 QColor(70, 120, 50));
    for (int i = 0; i < 9; ++i) {
        const QPointF base(4 + 6 * i, kH);
        const double h = 24 + 14 * rng.unit();
        paintBlade(p, base, h, 4 * rng.symmetric(), 1.6, QColor(90, 130, 60));
        if (i % 3 == 1) fillPath(p, ellipsePath(base + QPointF(0, -h + 2), 1.6, 4), QColor(110, 70, 40));
    }
}

void drawMori(QPainter& p) {
    SeededRandom rng(116);
    paintSky(p, 60, kSoftSky);
    fillVertical(p, QRectF(0, 50, kW, kH - 50), QColor(70, 110, 80), QColor(30, 66, 40));
    const std::array<double, 3> bases = {58, 86, 126};
    const std::array<double, 3> heights = {30, 48, 80};
    const std::array<QColor, 3> tones = {QColor(100, 150, 130), QColor(60, 130, 80), QColor(34, 100, 52)};
    for (std::size_t layer = 0; layer < 3; ++layer) {
        const double step = heights[layer] * 0.36;
        for (double x = -step * rng.unit(); x < kW + step; x += step * (0.8 + 0.4 * rng.unit())) {
            const double h = heights[layer] * (0.8 + 0.35 * rng.unit());
            const QPointF base(x, bases[layer] + 3 * rng.unit());
            if (layer == 1 && rng.unit() < 0.3)
                paintRoundTree(p, rng, base, h * 0.8, QColor(90, 150, 70));
            else
                paintConifer(p, base, h, tones[layer]);
        }
    }
}

void drawOno(QPainter& p) {
    SeededRandom rng(117);
    paintSky(p, 78, kClearSky);
    paintHills(p, rng, 66, 5, 40, QColor(120, 170, 140), QColor(130, 176, 110));
    paintGround(p, 78, kGrassLight, kGrassDark);
    // A chopping stump.
    const QPointF top(150, 86);
    paintShadow(p, top + QPointF(4, 30), 40, 7, 120);
    QPainterPath stump;
    stump.moveTo(top + QPointF(-30, 0));
    stump.lineTo(top + QPointF(-32, 26));
    stump.quadTo(top + QPointF(0, 34), top + QPointF(32, 26));
    stump.lineTo(top + QPointF(30, 0));
    stump.closeSubpath();
    fillRound(p, stump, kBark);
    paintLogEnd(p, top, 30, 8, kBark);
    // Split pieces on the grass.
    paintLog(p, QPointF(60, 112), QPointF(84, 118), 5, kBark);
    paintLog(p, QPointF(186, 114), QPointF(206, 108), 4.5, kBark);
    // The axe, leaning with its head high.
    p.save();
    p.translate(92, 36);
    p.rotate(-28);
    QPainterPath handle;
    handle.moveTo(-3.5, 0);
    handle.cubicTo(QPointF(-4, 40), QPointF(-1, 70), QPointF(-4.5, 92));
    handle.quadTo(QPointF(0, 98), QPointF(4.5, 92));
    handle.cubicTo(QPointF(2, 70), QPointF(4, 40), QPointF(3.5, 0));
    handle.closeSubpath();
    fillRound(p, handle, QColor(196, 150, 90));
    QPainterPath head;
    head.moveTo(-12, -8);
    head.lineTo(8, -8);
    head.quadTo(QPointF(24, -9), QPointF(38, -13));
    head.cubicTo(QPointF(43, -4), QPointF(43, 10), QPointF(37, 19));
    head.cubicTo(QPointF(28, 12), QPointF(18, 8), QPointF(8, 8));
    head.lineTo(-12, 8);
    head.closeSubpath();
    fillMetal(p, head, QPointF(0, -13), QPointF(0, 19), QColor(120, 126, 136));
    QPainterPath edge;
    edge.moveTo(38, -13);
    edge.cubicTo(QPointF(43, -4), QPointF(43, 10), QPointF(37, 19));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 240, 245), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(edge);
    fillPath(p, ellipsePath(QPointF(-2, 0), 3.5, 5), QColor(150, 110, 66));
    p.restore();
    for (const double x : {20.0, 44.0, 120.0, 200.0}) paintTuft(p, rng, QPointF(x, kH), 12, 6, kGrassDark);
}

void drawRo(QPainter& p) {
    SeededRandom rng(118);
    fillVertical(p, QRectF(0, 0, kW, kH), QColor(214, 200, 180), QColor(180, 164, 142));
    // A brick furnace with an arched mouth.
    const QRectF body(38, 16, 144, 94);
    fillVertical(p, body, QColor(176, 84, 58), QColor(130, 56, 40));
    p.save();
    p.setClipRect(body);
    p.setPen(QPen(QColor(220, 196, 170, 200), 1.0));
    for (int row = 0; row * 9.0 < body.height(); ++row) {
        const double y = body.top() + row * 9.0;
        p.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
        for (double x = body.left() + (row % 2 ? 9 : 0); x < body.right(); x += 18)
            p.drawLine(QPointF(x, y), QPointF(x, y + 9));
    }
    p.restore();
    fillVertical(p, QRectF(30, 8, 160, 9), QColor(170, 166, 160), QColor(120, 116, 110));
    fillVertical(p, QRectF(28, 108, 164, 9), QColor(160, 156, 150), QColor(110, 106, 100));
    const QPointF archCentre(110, 64);
    const double radius = 34;
    QPainterPath mouth;
    mouth.moveTo(archCentre.x() - radius, 108);
    mouth.lineTo(archCentre.x() - radius, archCentre.y());
    mouth.arcTo(QRectF(archCentre.x() - radius, archCentre.y() - radius, 2 * radius, 2 * radius), 180, -180);
    mouth.lineTo(archCentre.x() + radius, 108);
    mouth.closeSubpath();
    // Voussoirs round the arch.
    QPainterPath ring;
    ring.addEllipse(archCentre, radius + 7, radius + 7);
    fillPath(p, ring.intersected(rectPath(QRectF(0, 0, kW, archCentre.y()))), QColor(150, 66, 46));
    p.setPen(QPen(QColor(220, 196, 170, 200), 1.0));
    for (int k = 0; k <= 10; ++k) {
        const double a = (180 + k * 18) * kDegree;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(archCentre + d * radius, archCentre + d * (radius + 7));
    }
    QRadialGradient inside(QPointF(110, 100), 60);
    inside.setColorAt(0, QColor(160, 60, 20));
    inside.setColorAt(1, QColor(30, 12, 8));
    fillPath(p, mouth, inside);
    p.save();
    p.setClipPath(mouth);
    paintLog(p, QPointF(84, 104), QPointF(124, 98), 5, kBark.darker(140));
    paintLog(p, QPointF(140, 104), QPointF(100, 99), 5, kBark.darker(140));
    paintFlames(p, QPointF(110, 100), 48, 50, kFire);
    for (int i = 0; i < 10; ++i)
        fillPath(p, ellipsePath(QPointF(86 + 48 * rng.unit(), 104 + 3 * rng.unit()), 2.5, 1.5),
                 QColor(255, 140 + rng.below(80), 40));
    p.restore();
    paintGlow(p, QPointF(110, 114), 50, QColor(255, 150, 60, 90));
}

void drawSiba(QPainter& p) {
    SeededRandom rng(119);
    paintSky(p, 44, kClearSky);
    paintCloud(p, QPointF(150, 16), 54, QColor(255, 255, 255), QColor(224, 236, 246));
    // A clipped hedge at the far side.
    fillVertical(p, rollingRidge(rng, 36, 1.5, 8, 46), QColor(60, 120, 60), QColor(40, 92, 46));
    // Mowing stripes running towards the viewer.
    const QPointF vanish(110, -40);
    for (int i = -9; i < 9; ++i) {
        const auto at = [&](double k, double y) {
            return QPointF(vanish.x() + k * 26 * (y - vanish.y()) / (kH - vanish.y()), y);
        };
        const QPainterPath stripe = polygonPath({at(i, 44), at(i + 1, 44), at(i + 1, kH), at(i, kH)});
        fillVertical(p, stripe, i % 2 ? QColor(120, 184, 76) : QColor(104, 166, 62),
                     i % 2 ? QColor(96, 168, 60) : QColor(72, 140, 48));
    }
    for (int i = 0; i < 110; ++i) {
        const double x = kW * rng.unit();
        paintBlade(p, QPointF(x, kH + 1), 6 + 8 * rng.unit(), 3 * rng.symmetric(), 1.6,
                   mix(QColor(80, 150, 50), QColor(140, 200, 90), rng.unit()));
    }
}

void drawTaiboku(QPainter& p) {
    SeededRandom rng(120);
    paintSky(p, kH, kClearSky);
    paintHills(p, rng, 98, 3, 40, kGrassLight, kGrassDark);
    paintShadow(p, QPointF(114, 110), 70, 7, 110);
    // Trunk with flared roots and limbs.
    QPainterPath trunk;
    trunk.moveTo(84, 112);
    trunk.quadTo(QPointF(100, 106), QPointF(102, 84));
    trunk.lineTo(101, 56);
    trunk.lineTo(121, 56);
    trunk.lineTo(120, 84);
    trunk.quadTo(QPointF(122, 106), QPointF(140, 112));
    trunk.quadTo(QPointF(112, 108), QPointF(84, 112));
    fillRound(p, trunk, QColor(120, 84, 54));
    p.setBrush(Qt::NoBrush);
    for (const auto& limb : {std::array<QPointF, 3>{QPointF(106, 66), QPointF(92, 50), QPointF(64, 42)},
                             std::array<QPointF, 3>{QPointF(116, 64), QPointF(132, 48), QPointF(160, 40)},
                             std::array<QPointF, 3>{QPointF(110, 60), QPointF(108, 40), QPointF(114, 24)}}) {
        QPainterPath b;
        b.moveTo(limb[0]);
        b.quadTo(limb[1], limb[2]);
        p.setPen(QPen(QColor(104, 72, 46), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(b);
    }
    paintCrown(p, rng, QPointF(110, 38), 88, 32, 34, QColor(62, 140, 56));
    p.setPen(QPen(QColor(80, 54, 34, 150), 1.0));
    p.drawLine(QPointF(108, 70), QPointF(107, 100));
    p.drawLine(QPointF(115, 76), QPointF(116, 104));
    for (const double x : {20.0, 44.0, 178.0, 204.0}) paintTuft(p, rng, QPointF(x, 116), 10, 7, kGrassDark);
}

void drawTaiyo(QPainter& p) {
    SeededRandom rng(121);
    paintSky(p, kH, {QColor(40, 110, 206), QColor(160, 208, 244)});
    const QPointF c(110, 54);
    paintGlow(p, c, 90, QColor(255, 246, 190, 150));
    for (int k = 0; k < 16; ++k) {
        const double a = (k * 22.5) * kDegree;
        const double len = k % 2 == 0 ? 50 : 40;
        const QPointF d(std::cos(a), std::sin(a)), n(-std::sin(a), std::cos(a));
        fillPath(p, polygonPath({c + d * 30 + n * 6, c + d * len, c + d * 30 - n * 6}),
                 ramp(c + d * 30, c + d * len, {QColor(255, 214, 70), QColor(255, 180, 50, 120)}));
    }
    QRadialGradient disc(c - QPointF(8, 8), 34);
    disc.setColorAt(0, QColor(255, 252, 210));
    disc.setColorAt(0.5, QColor(255, 214, 70));
    disc.setColorAt(1, QColor(250, 160, 40));
    fillPath(p, ellipsePath(c, 26, 26), disc);
    paintCloud(p, QPointF(30, 96), 44, QColor(255, 255, 255), QColor(220, 234, 246));
    paintCloud(p, QPointF(190, 30), 40, QColor(255, 255, 255), QColor(220, 234, 246));
    paintHills(p, rng, 112, 4, 50, kGrassLight, kGrassDark);
}

void drawTakibi(QPainter& p) {
    SeededRandom rng(122);
    paintSky(p, 74, kDuskSky);
    for (int i = 0; i < 20; ++i)
        fillPath(p, ellipsePath(QPointF(kW * rng.unit(), 40 * rng.unit()), 0.6, 0.6),
                 QColor(255, 255, 230, 180));
    for (double x = -6; x < kW + 10; x += 11 + 6 * rng.unit())
        paintConifer(p, QPointF(x, 76), 20 + 16 * rng.unit(), QColor(24, 30, 40));
    paintGround(p, 74, QColor(64, 46, 44), QColor(30, 22, 20));
    paintGlow(p, QPointF(110, 100), 90, QColor(255, 130, 40, 110));
    const QPointF c(110, 104);
    // Stone ring: back half, logs and flames, front half.
    const auto stones = [&](bool front) {
        for (int k = 0; k < 12; ++k) {
            const double a = (k * 30 + 15) * kDegree;
            if ((std::sin(a) > 0) != front) continue;
            paintStone(p, c + QPointF(std::cos(a) * 48, std::sin(a) * 11), 8, 5.5, QColor(120, 110, 104));
        }
    };
    stones(false);
    for (const auto& log :
         {std::pair{QPointF(78, 110), QPointF(104, 72)}, std::pair{QPointF(142, 110), QPointF(116, 72)},
          std::pair{QPointF(96, 114), QPointF(110, 70)}}) {
        p.setPen(QPen(QColor(70, 44, 30), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(log.first, log.second);
    }
    paintFlames(p, QPointF(110, 104), 64, 74, kFire);
    paintLog(p, QPointF(70, 108), QPointF(136, 112), 5.5, kBark);
    paintLog(p, QPointF(150, 106), QPointF(86, 114), 5.5, kBark.darker(115));
    stones(true);
    for (int i = 0; i < 18; ++i) {
        const QPointF s(80 + 60 * rng.unit(), 10 + 40 * rng.unit());
        paintGlow(p, s, 3, QColor(255, 170, 60, 160));
        fillPath(p, ellipsePath(s, 0.8, 0.8), QColor(255, 230, 150));
    }
}

void drawTanbo(QPainter& p) {
    SeededRandom rng(123);
    const double horizon = 40;
    paintSky(p, horizon, kClearSky);
    fillVertical(p, ridgePath({{-10, 32}, {40, 20}, {80, 30}, {130, 18}, {180, 28}, {230, 24}}, horizon + 1),
                 QColor(100, 140, 120), QColor(120, 160, 130));
    // Flooded fields reflect the sky; grassy ridges divide them.
    fillVertical(p, QRectF(0, horizon, kW, kH - horizon), QColor(170, 210, 232), QColor(110, 170, 210));
    paintShimmer(p, rng, QRectF(0, horizon, kW, kH - horizon), 24, QColor(255, 255, 255));
    const QPointF vanish(120, horizon - 6);
    const auto depthY = [&](double t) { return horizon + (kH - horizon) * t * t; };
    const QColor ridge(112, 150, 70);
    for (const double t : {0.22, 0.48, 0.78}) {
        const double y = depthY(t), thick = 1.5 + 6 * t * t;
        fillVertical(p, QRectF(0, y, kW, thick), ridge.lighter(115), ridge.darker(120));
    }
    const auto converging = [&](double bottomX, double y) {
        return QPointF(vanish.x() + (bottomX - vanish.x()) * (y - vanish.y()) / (kH - vanish.y()), y);
    };
    for (const double bx : {-80.0, 60.0, 250.0}) {
        QPainterPath aze = polygonPath({converging(bx - 8, horizon), converging(bx + 8, horizon),
                                        converging(bx + 8, kH), converging(bx - 8, kH)});
        fillVertical(p, aze, ridge.lighter(110), ridge.darker(115));
    }
    // Rows of young rice plants.
    for (int row = 1; row < 26; ++row) {
        const double t = row / 26.0;
        const double y = depthY(t);
        const double size = 1 + 9 * t;
        for (double bx = -300; bx < 520; bx += 14) {
            const QPointF at = converging(bx, y);
            if (at.x() < -4 || at.x() > kW + 4) continue;
            bool onRidge = false;
            for (const double r : {-80.0, 60.0, 250.0})
                if (std::abs(bx - r) < 12) onRidge = true;
            if (onRidge) continue;
            for (int b = -1; b <= 1; ++b)
                paintBlade(p, at + QPointF(b * size * 0.1, 0), size * (b == 0 ? 1.0 : 0.75), b * size * 0.35,
                           0.4 + size * 0.08, QColor(90, 160, 60));
        }
    }
}

void drawTeibo(QPainter& p) {
    SeededRandom rng(124);
    // Seen from the side: the river on the left stands higher than the town it is kept from.
    const double waterLevel = 68, land = 98, bed = 112;
    const QPointF riverToe(46, bed), riverShoulder(88, 50), landShoulder(128, 50), landToe(170, land);
    paintSky(p, land, kClearSky);
    paintCloud(p, QPointF(176, 18), 56, QColor(255, 255, 255), QColor(224, 236, 246));
    paintHills(p, rng, 84, 4, 36, QColor(140, 176, 170), QColor(150, 186, 170));
    // Earth in section under the river bed and the town.
    fillVertical(p, QRectF(0, land, kW, kH - land), kGrassLight, kGrassDark);
    fillVertical(p, QRectF(0, bed, kW, kH - bed), QColor(150, 116, 78), QColor(110, 82, 52));
    fillVertical(p, QRectF(riverToe.x() + 10, land + 4, kW, bed - land - 4), QColor(150, 116, 78),
                 QColor(140, 106, 70));
    fillVertical(p, QRectF(landToe.x() - 40, land, kW, 4), kGrassLight, kGrassDark);
    // Houses and a tree behind the levee.
    for (const double x : {184.0, 208.0}) {
        fillVertical(p, QRectF(x - 10, land - 14, 20, 14), QColor(244, 236, 220), QColor(206, 196, 178));
        fillPath(p, polygonPath({{x - 13, land - 13}, {x, land - 24}, {x + 13, land - 13}}),
                 x < 190 ? QColor(170, 80, 60) : QColor(80, 96, 130));
        p.fillRect(QRectF(x - 3, land - 9, 5, 6), QColor(120, 150, 180));
    }
    paintRoundTree(p, rng, QPointF(160, land + 1), 22, QColor(80, 150, 70));
    // The bank: an earth body under grass, a road along its crown.
    const QPainterPath bank = polygonPath(
        {riverToe, riverShoulder, landShoulder, landToe, {landToe.x(), bed}, {riverToe.x(), bed}});
    fillVertical(p, bank, QColor(128, 190, 80), QColor(84, 146, 58));
    fillVertical(p,
                 polygonPath({riverShoulder + QPointF(0, -3), landShoulder + QPointF(0, -3), landShoulder,
                              riverShoulder}),
                 QColor(150, 150, 150), QColor(110, 110, 112));
    p.setPen(QPen(QColor(250, 250, 246), 1.2));
    p.drawLine(riverShoulder + QPointF(2, -10), landShoulder + QPointF(-2, -10));
    for (double x = riverShoulder.x() + 3; x < landShoulder.x(); x += 8)
        p.drawLine(QPointF(x, riverShoulder.y() - 3), QPointF(x, riverShoulder.y() - 10));
    // Concrete blocks on the river-side slope.
    const QPointF along = riverShoulder - riverToe;
    const QPointF inward = QPointF(-along.y(), along.x()) / QLineF(riverToe, riverShoulder).length() * 6.0;
    const QPainterPath facing =
        polygonPath({riverToe, riverShoulder, riverShoulder + inward, riverToe + inward});
    fillPath(p, facing, ramp(riverToe, riverToe + inward, {QColor(214, 212, 204), QColor(164, 162, 154)}));
    p.setPen(QPen(QColor(120, 118, 112), 0.7));
    for (int k = 1; k < 8; ++k) {
        const QPointF at = riverToe + along * (k / 8.0);
        p.drawLine(at, at + inward);
    }
    // The river, brimming up the slope.
    const double t = (riverToe.y() - waterLevel) / (riverToe.y() - riverShoulder.y());
    const QPointF edge = riverToe + along * t;
    const QPainterPath river = polygonPath({{0, waterLevel}, edge, riverToe, {0, bed}});
    fillVertical(p, river, QColor(110, 172, 214), QColor(40, 100, 160));
    p.save();
    p.setClipPath(river);
    paintShimmer(p, rng, QRectF(0, waterLevel + 1, edge.x(), bed - waterLevel), 14, QColor(255, 255, 255));
    p.restore();
    p.setPen(QPen(QColor(230, 244, 255), 1.2));
    p.drawLine(QPointF(0, waterLevel), edge);
    for (const double x : {138.0, 150.0, 162.0})
        paintTuft(p, rng, QPointF(x, landShoulder.y() + (x - landShoulder.x()) * (land - 50) / 42), 6, 5,
                  kGrassDark);
}

void drawTetu(QPainter& p) {
    fillVertical(p, QRectF(0, 0, kW, 100), QColor(78, 84, 96), QColor(50, 54, 62));
    paintGround(p, 100, QColor(74, 66, 58), QColor(48, 42, 36));
    paintShadow(p, QPointF(118, 118), 60, 6, 140);
    // A wooden block under the anvil.
    fillRound(p, polygonPath({{86, 94}, {154, 94}, {156, 118}, {84, 118}}), QColor(120, 84, 54));
    // The anvil: horn to the left, flat face, narrow waist, broad feet.
    QPainterPath anvil;
    anvil.moveTo(26, 40);
    anvil.quadTo(QPointF(52, 36), QPointF(70, 34));
    anvil.lineTo(180, 34);
    anvil.lineTo(180, 50);
    anvil.lineTo(160, 52);
    anvil.quadTo(QPointF(140, 56), QPointF(138, 72));
    anvil.quadTo(QPointF(142, 84), QPointF(160, 88));
    anvil.lineTo(160, 96);
    anvil.lineTo(80, 96);
    anvil.lineTo(80, 88);
    anvil.quadTo(QPointF(98, 84), QPointF(102, 72));
    anvil.quadTo(QPointF(100, 56), QPointF(78, 52));
    anvil.quadTo(QPointF(50, 50), QPointF(26, 40));
    anvil.closeSubpath();
    fillMetal(p, anvil, QPointF(0, 34), QPointF(0, 96), QColor(84, 90, 102));
    fillPath(p, polygonPath({{70, 34}, {180, 34}, {180, 37}, {70, 37}}), QColor(190, 198, 210));
    fillPath(p, ellipsePath(QPointF(164, 35.5), 3, 1.2), QColor(40, 42, 48));
    // A hammer resting on the face.
    p.save();
    p.translate(132, 28);
    p.rotate(-12);
    fillRound(p, polygonPath({{-2, -3}, {44, -2}, {44, 2}, {-2, 3}}), QColor(176, 130, 80));
    fillMetal(p, polygonPath({{-10, -7}, {4, -7}, {4, 7}, {-10, 7}}), QPointF(0, -7), QPointF(0, 7),
              QColor(90, 96, 108));
    p.restore();
    // Iron bars on the floor.
    for (double i = 0; i < 3; ++i) {
        const double y = 108 + i * 5;
        fillMetal(
            p, polygonPath({{14 + i * 4, y}, {64 + i * 4, y - 3}, {66 + i * 4, y + 1}, {16 + i * 4, y + 4}}),
            QPointF(0, y - 3), QPointF(0, y + 4), QColor(96, 100, 110));
    }
    paintSparkle(p, QPointF(100, 35), 4, QColor(240, 245, 255));
}

void paintTendril(QPainter& p, QPointF start, double size, bool clockwise) {
    QPainterPath spiral;
    spiral.moveTo(start);
    for (int i = 1; i <= 30; ++i) {
        const double t = i / 30.0;
        const double a = t * 3.5 * kPi * (clockwise ? 1 : -1);
        const double r = size * (1 - t * 0.8);
        spiral.lineTo(start + QPointF(std::sin(a) * r, -std::cos(a) * r + r) * 0.7 + QPointF(0, -size * t));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 170, 70), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(spiral);
}

void drawTurukusa(QPainter& p) {
    SeededRandom rng(126);
    paintSky(p, kH, {QColor(226, 214, 190), QColor(200, 186, 160)});
    // A wooden lattice for the vines to climb.
    p.setPen(QPen(QColor(170, 130, 90), 3.0));
    for (double x = -130; x < kW + 130; x += 26) {
        p.drawLine(QPointF(x, 0), QPointF(x + kH, kH));
        p.drawLine(QPointF(x, kH), QPointF(x + kH, 0));
    }
    // Three vines winding upwards.
    for (int v = 0; v < 3; ++v) {
        const double x0 = 30 + v * 72;
        QPainterPath stem;
        std::vector<QPointF> nodes;
        for (int i = 0; i <= 24; ++i) {
            const double t = i / 24.0;
            const QPointF pt(x0 + 22 * std::sin(t * 3 * kPi + v) + 24 * t, kH + 4 - (kH + 8) * t);
            if (i == 0)
                stem.moveTo(pt);
            else
                stem.lineTo(pt);
            if (i % 3 == 1) nodes.push_back(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(80, 110, 50), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(stem);
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const bool left = (i + static_cast<std::size_t>(v)) % 2 == 0;
            paintHeartLeaf(p, nodes[i], left ? 200 - 20 * rng.unit() : -20 + 20 * rng.unit(),
                           10 + 4 * rng.unit(), QColor(70, 150, 60));
            if (i % 2 == 1) paintTendril(p, nodes[i] + QPointF(left ? 3 : -3, -3), 5, left);
        }
    }
}

void drawYama(QPainter& p) {
    SeededRandom rng(127);
    paintSky(p, kH, kClearSky);
    paintCloud(p, QPointF(36, 22), 50, QColor(255, 255, 255), QColor(224, 236, 246));
    paintCloud(p, QPointF(186, 40), 44, QColor(255, 255, 255), QColor(224, 236, 246));
    fillVertical(p, ridgePath({{-10, 74}, {20, 58}, {50, 70}, {170, 60}, {200, 50}, {230, 66}}, kH + 1),
                 QColor(140, 166, 200), QColor(170, 190, 210));
    // The main peak, shaded on its right flank.
    const QPointF peak(110, 14);
    QPainterPath mountain;
    mountain.moveTo(-4, 112);
    mountain.quadTo(QPointF(60, 78), QPointF(96, 24));
    mountain.quadTo(peak, QPointF(124, 24));
    mountain.quadTo(QPointF(160, 78), QPointF(224, 112));
    mountain.closeSubpath();
    fillVertical(p, mountain, QColor(120, 126, 150), QColor(92, 110, 120));
    p.save();
    p.setClipPath(mountain);
    fillPath(p, polygonPath({peak, {140, 40}, {150, 80}, {240, 120}, {118, 120}, {122, 60}}),
             QColor(30, 40, 60, 70));
    // Snow cap with a ragged lower edge.
    const QPainterPath snow = polygonPath({{80, 40},
                                           {90, 46},
                                           {96, 42},
                                           {102, 50},
                                           {110, 44},
                                           {117, 52},
                                           {124, 44},
                                           {132, 48},
                                           {142, 40},
                                           {130, 0},
                                           {90, 0}});
    fillPath(p, snow,
             ramp(QPointF(90, 20), QPointF(140, 30), {QColor(255, 255, 255), QColor(214, 226, 240)}));
    p.restore();
    paintHills(p, rng, 100, 4, 40, kGrassLight, kGrassDark);
    for (double x = 4; x < kW; x += 12 + 8 * rng.unit())
        paintConifer(p, QPointF(x, 112 + 6 * rng.unit()), 16 + 10 * rng.unit(), QColor(40, 100, 60));
}

void drawZassou(QPainter& p) {
    SeededRandom rng(128);
    paintSky(p, 40, kSoftSky);
    // A block wall with weeds growing at its foot.
    fillVertical(p, QRectF(0, 30, kW, 52), QColor(190, 186, 178), QColor(158, 154, 146));
    p.setPen(QPen(QColor(130, 126, 120), 0.8));
    for (int row = 0; row < 4; ++row) {
        const double y = 30 + row * 13;
        p.drawLine(QPointF(0, y), QPointF(kW, y));
        for (double x = row % 2 ? 20 : 0; x < kW; x += 40) p.drawLine(QPointF(x, y), QPointF(x, y + 13));
    }
    paintGround(p, 82, QColor(140, 116, 86), QColor(108, 86, 62));
    // Untidy clumps of grass of every height.
    for (int i = 0; i < 22; ++i) {
        const QPointF base(4 + 10 * i + 6 * rng.symmetric(), 84 + 40 * rng.unit());
        paintTuft(p, rng, base, 14 + 42 * rng.unit(), 10,
                  mix(QColor(80, 140, 46), QColor(150, 176, 64), rng.unit()));
    }
    // Broad-leaved rosettes.
    for (const QPointF c : {QPointF(22, 122), QPointF(112, 114), QPointF(204, 124)})
        for (int k = 0; k < 6; ++k) paintLeaf(p, c, -160 + k * 28, 18, 9, QColor(70, 120, 50));
    // Foxtails nodding on thin stalks.
    for (const QPointF base : {QPointF(40, 100), QPointF(96, 92), QPointF(150, 110), QPointF(196, 96)}) {
        const QPointF head = base + QPointF(10, -58 + 10 * rng.unit());
        QPainterPath stalk;
        stalk.moveTo(base);
        stalk.quadTo(base + QPointF(-2, -40), head);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(110, 150, 60), 1.0));
        p.drawPath(stalk);
        p.save();
        p.translate(head);
        p.rotate(30);
        fillPath(p, ellipsePath(QPointF(0, 6), 3, 8), QColor(190, 200, 120));
        p.restore();
    }
    // Dandelions: toothed leaves, flowers and a seed clock.
    for (const QPointF c : {QPointF(70, 116), QPointF(176, 118)}) {
        for (int k = 0; k < 5; ++k) paintLeaf(p, c, -170 + k * 40, 18, 6, QColor(60, 130, 50));
        p.setPen(QPen(QColor(90, 140, 60), 1.2));
        p.drawLine(c, c + QPointF(2, -16));
        paintBlossom(p, c + QPointF(2, -18), 9, 14, QColor(250, 210, 30), QColor(240, 180, 20));
    }
    p.setPen(QPen(QColor(120, 150, 90), 1.0));
    p.drawLine(QPointF(124, 120), QPointF(126, 66));
    const QPointF clock(126, 62);
    fillPath(p, ellipsePath(clock, 9, 9), QColor(255, 255, 255, 120));
    p.setPen(QPen(QColor(255, 255, 255, 220), 0.6));
    for (int k = 0; k < 24; ++k) {
        const double a = k * 15 * kDegree;
        const QPointF tip = clock + QPointF(std::cos(a), std::sin(a)) * 9;
        p.drawLine(clock, tip);
        fillPath(p, ellipsePath(tip, 1, 1), QColor(255, 255, 255));
    }
    fillPath(p, ellipsePath(clock, 2, 2), QColor(200, 190, 150));
}

// ---------------------------------------------------------------- registry

struct Picture {
    std::string_view name;
    void (*draw)(QPainter&);
};

constexpr std::array<Picture, 32> kPictures = {{{"ame", drawAme},           {"doro", drawDoro},
                                                {"dorokawa", drawDorokawa}, {"garasu", drawGarasu},
                                                {"gasuhi", drawGasuhi},     {"hana", drawHana},
                                                {"hasami", drawHasami},     {"hi", drawHi},
                                                {"houseki", drawHouseki},   {"huboku", drawHuboku},
                                                {"iwa", drawIwa},           {"kabin", drawKabin},
                                                {"kawa", drawKawa},         {"kin", drawKin},
                                                {"konbo", drawKonbo},       {"kusabana", drawKusabana},
                                                {"maki", drawMaki},         {"mizuumi", drawMizuumi},
                                                {"mori", drawMori},         {"ono", drawOno},
                                                {"ooame", drawOoame},       {"ro", drawRo},
                                                {"siba", drawSiba},         {"taiboku", drawTaiboku},
                                                {"taiyo", drawTaiyo},       {"takibi", drawTakibi},
                                                {"tanbo", drawTanbo},       {"teibo", drawTeibo},
                                                {"tetu", drawTetu},         {"turukusa", drawTurukusa},
                                                {"yama", drawYama},         {"zassou", drawZassou}}};

constexpr bool registryMatchesNames() {
    for (std::size_t i = 0; i < kPictures.size(); ++i)
        if (kPictures[i].name != kStemPictureNames[i]) return false;
    return true;
}
static_assert(registryMatchesNames(), "every picture name needs its drawing, in the same order");

QFont gothic(int px) {
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(px);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void save(const QImage& img, const QString& path) {
    // RGB888 keeps the BMP at 24 bits per pixel.
    if (!img.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

QImage paintStemPicture(std::string_view name) {
    const auto it = std::find_if(kPictures.begin(), kPictures.end(),
                                 [&](const Picture& pic) { return pic.name == name; });
    if (it == kPictures.end()) throw std::invalid_argument("no stem picture named " + std::string(name));
    QImage img(kStemPictureSize, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    it->draw(p);
    p.end();
    return img;
}

QImage paintCompass() {
    QImage img(kCompassSize, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF c(kCompassSize.width() / 2.0, kCompassSize.height() / 2.0);
    QRadialGradient paper(c, 92);
    paper.setColorAt(0, QColor(250, 244, 228));
    paper.setColorAt(1, QColor(222, 208, 178));
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(kCompassSize)), paper);

    const QColor navy(36, 48, 86), gold(214, 170, 80);
    const double outer = 63, inner = 47;
    fillPath(p, ellipsePath(c, outer, outer),
             ramp(c - QPointF(0, outer), c + QPointF(0, outer), {navy.lighter(130), navy, navy.darker(130)}));
    fillPath(p, ellipsePath(c, inner, inner), QColor(252, 248, 236));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 1.4));
    p.drawEllipse(c, outer - 1.5, outer - 1.5);
    p.drawEllipse(c, inner, inner);
    p.setPen(QPen(faded(navy, 90), 0.7));
    p.drawEllipse(c, inner - 14, inner - 14);
    for (int k = 0; k < 32; ++k) {
        const double a = k * 11.25 * kDegree;
        const QPointF d(std::cos(a), std::sin(a));
        p.setPen(QPen(faded(navy, 150), k % 4 == 0 ? 1.2 : 0.6));
        p.drawLine(c + d * (inner - (k % 4 == 0 ? 5 : 3)), c + d * inner);
    }

    // Eight points, clockwise from south at the top; each half lit, half shaded.
    const auto point = [&](double degrees, double length, double width, const QColor& light,
                           const QColor& dark) {
        const double a = (degrees - 90) * kDegree;
        const QPointF d(std::cos(a), std::sin(a)), n(-std::sin(a), std::cos(a));
        fillPath(p, polygonPath({c, c + d * length, c + n * width}), light);
        fillPath(p, polygonPath({c, c + d * length, c - n * width}), dark);
    };
    for (int k = 1; k < 8; k += 2) point(k * 45.0, 30, 7, gold.lighter(120), gold.darker(130));
    for (int k = 0; k < 8; k += 2) {
        const bool south = k == 0;
        point(k * 45.0, 44, 8.5, south ? QColor(224, 80, 64) : QColor(90, 104, 150),
              south ? QColor(160, 40, 34) : navy);
    }
    fillPath(p, ellipsePath(c, 4.5, 4.5),
             ramp(c - QPointF(4, 4), c + QPointF(4, 4), {gold.lighter(140), gold.darker(140)}));

    // Labels in the ring: south at the top, east on the left.
    p.setFont(gothic(13));
    const double mid = (outer + inner) / 2;
    const std::array<std::pair<const char*, QPointF>, 4> labels = {
        {{"南", QPointF(0, -1)}, {"北", QPointF(0, 1)}, {"東", QPointF(-1, 0)}, {"西", QPointF(1, 0)}}};
    for (const auto& [text, dir] : labels) {
        const QPointF at = c + dir * mid;
        p.setPen(dir.y() < 0 ? QColor(255, 150, 130) : QColor(250, 240, 214));
        p.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter, QString::fromUtf8(text));
    }
    p.end();
    return img;
}

void writeStemPictures(const QString& dir) {
    if (!QDir().mkpath(dir)) throw std::runtime_error("cannot create " + dir.toStdString());
    const QDir out(dir);
    for (const std::string_view name : kStemPictureNames)
        save(paintStemPicture(name),
             out.filePath(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + ".bmp"));
    save(paintCompass(), out.filePath(QStringLiteral("compass.bmp")));
}

} // namespace hoshi::assets
