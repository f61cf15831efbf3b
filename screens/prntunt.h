#pragma once
// Tprntunt: the print module. It lays out a page in whole millimetres of
// the device it prints on, and draws what every report shares: the title,
// the board grid with its four directions, and the footer with the
// reader's report title and telephone number.
//
// Positions are device dots from the device's origin (the top-left corner
// of the printable area); the horizontal resolution serves both axes.

#include <QPoint>
#include <QString>
#include <array>

class QPainter;
class QPaintDevice;

namespace hoshi {

class Tprntunt {
public:
    int dpi = 0;
    float dotsPerMm = 0;                 // dpi / 25.4 in single precision
    std::array<int, 5> gridX{}, gridY{}; // [1..4]
    QPoint titlePos, headerPos;
    std::array<QPoint, 10> palaceOrigin{};           // [palace 1..9]
    std::array<std::array<QPoint, 10>, 7> slotPos{}; // [slot 1..6][palace 1..9]
    std::array<QPoint, 10> memoPos{};                // [palace 1..9]
    std::array<int, 281> mmDots{};                   // [1..280]: i mm in dots, rounded half to even

    static constexpr int maxMm = 280;

    // The layout for a device of `dpi` dots per inch; prepareLayout(device)
    // takes the device's horizontal resolution.
    void prepareLayout(int dpi);
    void prepareLayout(const QPaintDevice& device);

    // The nearest integer, ties to even.
    static int roundDots(double v);

    // (x mm, y mm) in dots.
    QPoint mm(int x, int y) const;

    // "奇門遁甲   立向" + suffix at titlePos in size 18, then size 16. The
    // font family is the caller's.
    void printTitle(QPainter& p, const QString& suffix) const;
    // The grid lines (5 dots wide) and 南 北 東 西 in "ＭＳ ゴシック" 20.
    void printBoardGrid(QPainter& p) const;
    // "(著作)" + title, and "     TEL " + tel when tel is not empty, at
    // (40 mm, 275 mm) in "ＭＳ ゴシック" 10, black.
    void printFooter(QPainter& p, const QString& title, const QString& tel) const;

    // Text whose top-left corner stands at `at` (as a printer's text-out
    // places it), in the painter's current font, on its brush.
    static void textOut(QPainter& p, QPoint at, const QString& text);
};

} // namespace hoshi
