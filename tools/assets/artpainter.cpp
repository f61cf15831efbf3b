#include "artpainter.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "seededrandom.h"

namespace hoshi::assets {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
const QColor kGold(222, 184, 96);
const QColor kPaleGold(248, 230, 176);

// Layout of the splash.
const QPointF kCompassCentre(338, 258);
constexpr double kCompassRadius = 158;
const QRectF kVersionArea(450, 26, 162, 78); // kept plain for "Ver3.7" at (496, 56)
const QPointF kMoonCentre(66, 70);
const QRectF kVerticalTitle(28, 150, 84, 260);
const QRectF kBottomTitle(150, 440, 380, 110);
const QRectF kDipperBox(150, 18, 250, 62);

QFont mincho(int px) {
    QFont f(QStringLiteral("IPAMincho"));
    f.setPixelSize(px);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void paintGlow(QPainter& p, QPointF c, double radius, QColor colour) {
    QRadialGradient g(c, radius);
    g.setColorAt(0, colour);
    colour.setAlpha(0);
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

void paintStar(QPainter& p, QPointF c, double size, QColor colour, bool sparkle) {
    QColor halo = colour;
    halo.setAlpha(colour.alpha() / 3);
    paintGlow(p, c, size * 3.2, halo);
    if (sparkle) {
        for (const QPointF arm : {QPointF(size * 6, 0), QPointF(0, size * 6)}) {
            QLinearGradient g(c - arm, c + arm);
            QColor clear = colour;
            clear.setAlpha(0);
            g.setColorAt(0, clear);
            g.setColorAt(0.5, colour);
            g.setColorAt(1, clear);
            p.setPen(QPen(QBrush(g), std::max(0.8, size * 0.35)));
            p.drawLine(c - arm, c + arm);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, size * 0.55, size * 0.55);
}

void paintSky(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(3, 6, 24));
    g.setColorAt(0.5, QColor(10, 22, 62));
    g.setColorAt(1.0, QColor(34, 18, 62));
    p.fillRect(r, g);
    // A faint dawn-coloured haze along the bottom edge.
    QLinearGradient h(QPointF(0, r.bottom() - 150), r.bottomLeft());
    h.setColorAt(0, QColor(120, 60, 140, 0));
    h.setColorAt(1, QColor(120, 60, 140, 70));
    p.fillRect(QRectF(r.left(), r.bottom() - 150, r.width(), 150), h);
}

// Roughly normal offset from the sum of three uniforms.
double spread(SeededRandom& rng) {
    return (rng.symmetric() + rng.symmetric() + rng.symmetric()) / 3.0;
}

bool keepPlain(QPointF at) {
    return kVersionArea.adjusted(-8, -8, 8, 8).contains(at) || QLineF(at, kMoonCentre).length() < 40;
}

void paintMilkyWay(QPainter& p, SeededRandom& rng, const QRectF& r) {
    // A diagonal band from the lower left towards the upper middle.
    const QPointF from(r.left() - 20, r.bottom() - 40), to(r.left() + r.width() * 0.62, r.top() - 30);
    const QPointF along = to - from;
    const QPointF across = QPointF(-along.y(), along.x()) / QLineF(from, to).length();
    for (int i = 0; i < 900; ++i) {
        const QPointF at = from + along * rng.unit() + across * (70 * spread(rng));
        if (keepPlain(at)) continue;
        const double radius = 8 + 18 * rng.unit();
        paintGlow(p, at, radius, QColor(140, 150, 235, 5 + rng.below(8)));
    }
    for (int i = 0; i < 700; ++i) {
        const QPointF at = from + along * rng.unit() + across * (55 * spread(rng));
        if (keepPlain(at)) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 225, 255, 50 + rng.below(110)));
        const double s = 0.35 + 0.45 * rng.unit();
        p.drawEllipse(at, s, s);
    }
}

bool clearOfFigures(QPointF at) {
    return !keepPlain(at) && !kDipperBox.adjusted(-10, -10, 10, 10).contains(at) &&
           QLineF(at, kCompassCentre).length() > kCompassRadius + 14 && !kVerticalTitle.contains(at) &&
           !kBottomTitle.contains(at);
}

void paintStarField(QPainter& p, SeededRandom& rng, const QRectF& r) {
    const std::array<QColor, 4> tints = {QColor(255, 255, 255), QColor(200, 215, 255), QColor(255, 240, 210),
                                         QColor(230, 235, 255)};
    for (int i = 0; i < 320; ++i) {
        const QPointF at(r.width() * rng.unit(), r.height() * rng.unit());
        if (keepPlain(at)) continue;
        QColor c = tints[static_cast<std::size_t>(rng.below(4))];
        c.setAlpha(70 + rng.below(150));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        const double s = 0.4 + 0.7 * rng.unit() * rng.unit();
        p.drawEllipse(at, s, s);
    }
    int bright = 0;
    while (bright < 16) {
        const QPointF at(r.width() * rng.unit(), r.height() * rng.unit());
        const double size = 1.2 + 1.6 * rng.unit();
        const QColor c = tints[static_cast<std::size_t>(rng.below(4))];
        if (!clearOfFigures(at)) continue;
        paintStar(p, at, size, c, size > 2.0);
        ++bright;
    }
}

void paintMoon(QPainter& p, QPointF c, double r) {
    paintGlow(p, c, r * 3.0, QColor(255, 236, 190, 46));
    QPainterPath disc, bite;
    disc.addEllipse(c, r, r);
    bite.addEllipse(c + QPointF(r * 0.42, -r * 0.22), r * 0.92, r * 0.92);
    QRadialGradient g(c - QPointF(r * 0.4, -r * 0.2), r * 1.3);
    g.setColorAt(0, QColor(255, 248, 222));
    g.setColorAt(1, QColor(236, 204, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(disc.subtracted(bite));
}

// The seven stars of the Big Dipper (right ascension in hours, declination in
// degrees), drawn east to the left as on a sky map, turned and scaled to fit `box`.
void paintDipper(QPainter& p, const QRectF& box, double turnDegrees) {
    struct SkyStar {
        double ra, dec, size;
    };
    constexpr std::array<SkyStar, 7> stars = {{{11.062, 61.75, 2.4},
                                               {11.031, 56.38, 2.2},
                                               {11.897, 53.69, 2.0},
                                               {12.257, 57.03, 1.6},
                                               {12.900, 55.96, 2.3},
                                               {13.399, 54.93, 2.1},
                                               {13.792, 49.31, 2.2}}};
    const double cs = std::cos(turnDegrees * kDegree), sn = std::sin(turnDegrees * kDegree);
    std::array<QPointF, 7> at;
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const double x = -(stars[i].ra - 12.4) * 15.0 * std::cos(55.0 * kDegree);
        const double y = -(stars[i].dec - 55.5);
        at[i] = QPointF(x * cs - y * sn, x * sn + y * cs);
        left = std::min(left, at[i].x());
        right = std::max(right, at[i].x());
        top = std::min(top, at[i].y());
        bottom = std::max(bottom, at[i].y());
    }
    const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    for (QPointF& pt : at) pt = box.center() + (pt - bounds.center()) * scale;
    p.setPen(QPen(QColor(170, 190, 255, 70), 1.0));
    for (std::size_t i = 0; i + 1 < at.size(); ++i) p.drawLine(at[i], at[i + 1]);
    p.drawLine(at[3], at[0]); // close the bowl
    for (std::size_t i = 0; i < at.size(); ++i)
        paintStar(p, at[i], stars[i].size, QColor(235, 240, 255), i == 0);
}

// Trigram lines from the bottom up, 1 = unbroken; the palaces in the order
// S, SW, W, NW, N, NE, E, SE, clockwise from the top.
struct Palace {
    const char* trigram;
    const char* name;
    const char* number;
    std::array<int, 3> lines;
};
constexpr std::array<Palace, 8> kPalaces = {{{"離", "南", "九", {1, 0, 1}},
                                             {"坤", "南西", "二", {0, 0, 0}},
                                             {"兌", "西", "七", {1, 1, 0}},
                                             {"乾", "北西", "六", {1, 1, 1}},
                                             {"坎", "北", "一", {0, 1, 0}},
                                             {"艮", "北東", "八", {0, 0, 1}},
                                             {"震", "東", "三", {1, 0, 0}},
                                             {"巽", "南東", "四", {0, 1, 1}}}};

void paintTrigram(QPainter& p, QPointF c, double radius, double angleDeg, const std::array<int, 3>& lines,
                  double scale) {
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    const double len = 24 * scale, thick = 3.2 * scale, gap = 6 * scale, pitch = 6 * scale;
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int k = 0; k < 3; ++k) {
        // Bottom line innermost.
        const double y = -radius + pitch * (1 - k) - thick / 2;
        if (lines[static_cast<std::size_t>(k)])
            p.drawRoundedRect(QRectF(-len / 2, y, len, thick), 1, 1);
        else {
            p.drawRoundedRect(QRectF(-len / 2, y, (len - gap) / 2, thick), 1, 1);
            p.drawRoundedRect(QRectF(gap / 2, y, (len - gap) / 2, thick), 1, 1);
        }
    }
    p.restore();
}

void drawCentredText(QPainter& p, QPointF c, const QString& text) {
    const QRectF box(c.x() - 60, c.y() - 30, 120, 60);
    p.drawText(box, Qt::AlignCenter, text);
}

void paintCompass(QPainter& p, QPointF c, double R) {
    paintGlow(p, c, R * 1.35, QColor(70, 100, 210, 60));

    // Rings: the outer scale of 24 divisions, the band of names, the trigrams.
    const double rScale = R, rBand = R - 8, rNames = R - 36, rInner = R - 66;
    p.setBrush(QColor(8, 14, 44, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, rScale, rScale);
    p.setBrush(QColor(14, 24, 70, 170));
    p.drawEllipse(c, rInner, rInner);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 2.0));
    p.drawEllipse(c, rScale, rScale);
    p.setPen(QPen(kGold, 1.0));
    p.drawEllipse(c, rBand, rBand);
    p.drawEllipse(c, rNames, rNames);
    p.setPen(QPen(QColor(222, 184, 96, 150), 1.0));
    p.drawEllipse(c, rInner, rInner);

    for (int k = 0; k < 24; ++k) {
        const double a = (k * 15.0 - 90.0) * kDegree;
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(QPen(kGold, k % 3 == 0 ? 2.0 : 1.0));
        p.drawLine(c + dir * rBand, c + dir * (k % 3 == 0 ? rScale - 1 : rScale - 4));
    }
    // Sector borders between the eight palaces.
    p.setPen(QPen(QColor(222, 184, 96, 110), 1.0));
    for (int k = 0; k < 8; ++k) {
        const double a = (k * 45.0 + 22.5 - 90.0) * kDegree;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c + dir * rInner, c + dir * rBand);
    }

    // Trigram names in the band, trigrams below them.
    p.setFont(mincho(19));
    for (std::size_t k = 0; k < kPalaces.size(); ++k) {
        const double deg = k * 45.0;
        const double a = (deg - 90.0) * kDegree;
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(kPaleGold);
        drawCentredText(p, c + dir * ((rBand + rNames) / 2), QString::fromUtf8(kPalaces[k].trigram));
        paintTrigram(p, c, (rNames + rInner) / 2 + 1, deg, kPalaces[k].lines, 1.0);
    }

    // The nine palaces with the Lo Shu numbers, south at the top.
    const double side = rInner * std::sqrt(2.0) - 8;
    const double cell = side / 3;
    const QPointF topLeft = c - QPointF(side / 2, side / 2);
    const std::array<const char*, 9> numbers = {"四", "九", "二", "三", "五", "七", "八", "一", "六"};
    paintGlow(p, c, cell * 0.9, QColor(255, 220, 140, 70));
    p.setFont(mincho(24));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF box(topLeft + QPointF(col * cell, row * cell), QSizeF(cell, cell));
            const bool centre = row == 1 && col == 1;
            p.setPen(QPen(kGold, 1.2));
            p.setBrush(centre ? QColor(90, 70, 30, 120) : QColor(20, 32, 84, 140));
            p.drawRect(box.adjusted(2, 2, -2, -2));
            p.setPen(centre ? QColor(255, 240, 200) : kPaleGold);
            p.drawText(box, Qt::AlignCenter,
                       QString::fromUtf8(numbers[static_cast<std::size_t>(row * 3 + col)]));
        }
    }
    p.setPen(QPen(kGold, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(topLeft, QSizeF(side, side)));
}

void fillTextPath(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom) {
    const QRectF b = path.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 10, 150));
    p.drawPath(path.translated(2, 2));
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.drawPath(path);
}

void paintTitles(QPainter& p) {
    // 奇門遁甲 written vertically down the left side.
    const QFont big = mincho(46);
    const QString chars = QString::fromUtf8("奇門遁甲");
    const double step = 58;
    QPainterPath vertical;
    for (int i = 0; i < chars.size(); ++i) {
        QPainterPath ch;
        ch.addText(0, 0, big, chars.mid(i, 1));
        const QRectF b = ch.boundingRect();
        const QPointF cell(kVerticalTitle.center().x(), kVerticalTitle.top() + step * (i + 0.5));
        vertical.addPath(ch.translated(cell - b.center()));
    }
    paintGlow(p, kVerticalTitle.center(), 120, QColor(40, 60, 150, 50));
    fillTextPath(p, vertical, QColor(255, 236, 180), QColor(206, 160, 70));

    // The program name under the compass, between two fine rules.
    QFont name(QStringLiteral("IPAPMincho"));
    name.setPixelSize(46);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    QPainterPath word;
    word.addText(0, 0, name, QStringLiteral("Hoshikura"));
    const QPointF at(kCompassCentre.x(), 500);
    word.translate(at - word.boundingRect().center());
    const QRectF wb = word.boundingRect();
    fillTextPath(p, word, QColor(240, 244, 255), QColor(170, 186, 236));

    for (const double y : {wb.top() - 14, wb.bottom() + 14}) {
        QLinearGradient g(QPointF(wb.left() - 40, y), QPointF(wb.right() + 40, y));
        g.setColorAt(0, QColor(222, 184, 96, 0));
        g.setColorAt(0.5, kGold);
        g.setColorAt(1, QColor(222, 184, 96, 0));
        p.setPen(QPen(QBrush(g), 1.0));
        p.drawLine(QPointF(wb.left() - 40, y), QPointF(wb.right() + 40, y));
    }
    paintStar(p, QPointF(at.x(), wb.top() - 14), 1.8, kPaleGold, true);
}

} // namespace

QImage paintTitle() {
    QImage img(kTitleSize, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(kTitleSize));
    SeededRandom rng(0x5A17C0DEull);
    paintSky(p, r);
    paintMilkyWay(p, rng, r);
    paintStarField(p, rng, r);
    paintMoon(p, kMoonCentre, 24);
    paintDipper(p, kDipperBox, 10);
    paintCompass(p, kCompassCentre, kCompassRadius);
    paintTitles(p);
    p.end();
    return img;
}

QImage paintIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    const QRectF tile(8, 8, 240, 240);
    QLinearGradient bg(tile.topLeft(), tile.bottomLeft());
    bg.setColorAt(0, QColor(16, 30, 86));
    bg.setColorAt(1, QColor(6, 10, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(tile, 44, 44);

    const QPointF c(128, 128);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 13));
    p.drawEllipse(c, 100, 100);

    // Nine palaces; the centre one is a star.
    const double cell = 36, gap = 8, side = 3 * cell + 2 * gap;
    const QPointF topLeft = c - QPointF(side / 2, side / 2);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (row == 1 && col == 1) continue;
            p.setPen(Qt::NoPen);
            p.setBrush(kGold);
            p.drawRoundedRect(
                QRectF(topLeft + QPointF(col * (cell + gap), row * (cell + gap)), QSizeF(cell, cell)), 6, 6);
        }
    }
    QPainterPath star;
    for (int k = 0; k < 8; ++k) {
        const double a = (k * 45.0 - 90.0) * kDegree;
        const double r = k % 2 == 0 ? 26.0 : 9.0;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    paintGlow(p, c, 30, QColor(255, 250, 220, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 236));
    p.drawPath(star);
    p.end();
    return img;
}

void writeArt(const QString& dir) {
    if (!QDir().mkpath(dir)) throw std::runtime_error("cannot create " + dir.toStdString());
    const QDir out(dir);
    const QString title = out.filePath(QStringLiteral("title.bmp"));
    const QString icon = out.filePath(QStringLiteral("hoshikura.png"));
    if (!paintTitle().save(title, "BMP")) throw std::runtime_error("cannot write " + title.toStdString());
    if (!paintIcon().save(icon, "PNG")) throw std::runtime_error("cannot write " + icon.toStdString());
}

} // namespace hoshi::assets
