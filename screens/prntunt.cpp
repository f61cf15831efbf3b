#include "prntunt.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "errors.h"

namespace hoshi {

namespace {

QFont gothic(int pointSize) {
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPointSize(pointSize);
    return f;
}

} // namespace

int Tprntunt::roundDots(double v) {
    return static_cast<int>(std::nearbyint(v)); // the default rounding mode: to nearest, ties to even
}

void Tprntunt::prepareLayout(const QPaintDevice& device) {
    prepareLayout(device.logicalDpiX());
}

void Tprntunt::prepareLayout(int deviceDpi) {
    if (deviceDpi <= 0)
        throw OutOfRangeError("プリンタの解像度が正しくありません（" + std::to_string(deviceDpi) + " dpi）");
    dpi = deviceDpi;
    dotsPerMm = static_cast<float>(dpi) / 25.4f;
    for (int i = 1; i <= maxMm; ++i)
        mmDots[static_cast<std::size_t>(i)] = roundDots(i * static_cast<double>(dotsPerMm));
    titlePos = mm(60, 10);
    headerPos = mm(20, 20);
    for (int j = 1; j <= 4; ++j) {
        gridX[static_cast<std::size_t>(j)] = roundDots((20 + 50 * (j - 1)) * static_cast<double>(dotsPerMm));
        gridY[static_cast<std::size_t>(j)] = roundDots((30 + 30 * (j - 1)) * static_cast<double>(dotsPerMm));
    }
    static constexpr std::array<QPoint, 7> slotOffset = {QPoint{0, 0},  QPoint{5, 7},  QPoint{20, 7},
                                                         QPoint{35, 7}, QPoint{5, 18}, QPoint{20, 18},
                                                         QPoint{35, 18}};
    for (int p = 1; p <= 9; ++p) {
        const int col = (p - 1) % 3, row = (p - 1) / 3;
        const auto i = static_cast<std::size_t>(p);
        palaceOrigin[i] = mm(20 + 50 * col, 30 + 30 * row);
        memoPos[i] = mm(20 + 55 * col, 130 + 50 * row);
        for (int s = 1; s <= 6; ++s) {
            const QPoint off = slotOffset[static_cast<std::size_t>(s)];
            slotPos[static_cast<std::size_t>(s)][i] = mm(20 + 50 * col + off.x(), 30 + 30 * row + off.y());
        }
    }
}

QPoint Tprntunt::mm(int x, int y) const {
    checkRange(x, 0, maxMm, "millimetre");
    checkRange(y, 0, maxMm, "millimetre");
    return {mmDots[static_cast<std::size_t>(x)], mmDots[static_cast<std::size_t>(y)]};
}

void Tprntunt::textOut(QPainter& p, QPoint at, const QString& text) {
    const QFontMetrics fm = p.fontMetrics();
    // As a printer's text-out: the text's cell is filled with the brush
    // first, so a label set on a grid line interrupts the line.
    if (p.brush().style() == Qt::SolidPattern)
        p.fillRect(QRect(at, QSize(fm.horizontalAdvance(text), fm.height())), p.brush());
    p.drawText(QPoint(at.x(), at.y() + fm.ascent()), text);
}

void Tprntunt::printTitle(QPainter& p, const QString& suffix) const {
    QFont f = p.font();
    f.setPointSize(18);
    p.setFont(f);
    textOut(p, titlePos, QStringLiteral("奇門遁甲   立向") + suffix);
    f.setPointSize(16);
    p.setFont(f);
}

void Tprntunt::printBoardGrid(QPainter& p) const {
    p.setPen(QPen(Qt::black, 5));
    for (int i = 1; i <= 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        p.drawLine(gridX[1], gridY[k], gridX[4], gridY[k]);
        p.drawLine(gridX[k], gridY[1], gridX[k], gridY[4]);
    }
    p.setFont(gothic(20));
    textOut(p, mm(90, 26), QStringLiteral("南"));
    textOut(p, mm(90, 117), QStringLiteral("北"));
    textOut(p, mm(17, 70), QStringLiteral("東"));
    textOut(p, mm(167, 70), QStringLiteral("西"));
}

void Tprntunt::printFooter(QPainter& p, const QString& title, const QString& tel) const {
    p.setBrush(Qt::white);
    p.setPen(Qt::black);
    p.setFont(gothic(10));
    QString text = QStringLiteral("(著作)") + title;
    if (!tel.isEmpty()) text += QStringLiteral("     TEL ") + tel;
    textOut(p, mm(40, 275), text);
}

} // namespace hoshi
