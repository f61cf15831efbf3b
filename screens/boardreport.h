#pragma once
// The board report (鑑定表): what is printed, as plain data, and the one
// painter that draws it on a page of any paged device. The board screens
// fill it from what they show; the board printer fills it from the board
// run.

#include <QString>
#include <QStringList>
#include <array>

#include "boardrun.h"

class QPainter;
class QPageLayout;

namespace hoshi {

class Tprntunt;

struct BoardReport {
    QString suffix;                              // "日盤   鑑定表"
    QStringList header;                          // 日 (or 月, 年), 干支, 陰陽, 局
    std::array<std::array<QString, 10>, 7> slot; // [slot 1..6][palace 1..9]
    std::array<QStringList, 10> memo;            // [palace] the text box's lines; none for 5
    QString ownerTitle, ownerTel;                // the footer
};

// The six slot values of a palace: star, nine-star, heaven stem, gate,
// deity, earth stem.
void fillSlots(BoardReport& r, const BoardFields& b);
// The footer texts from the settings file, read now.
void fillFooter(BoardReport& r);

// The report of a board read from its record: header from the record's
// fields (on the hour board 日 + " " + the hour's branch + "の刻"), slots
// from the board, memo lines as the screen's text boxes hold them, footer
// from the settings file.
BoardReport reportOf(const BoardSnapshot& s);

// The lines of a memo line broken to fit `widthDots` in the painter's
// current font; a closing mark never starts a line.
QStringList wrapLine(const QPainter& p, const QString& line, int widthDots);

// Paints the report on the painter's page; the module's layout must be
// prepared for the painter's device.
void paintBoardReport(QPainter& p, const Tprntunt& layout, const BoardReport& r);

// The page of every report: A4 portrait, 5 mm margins.
QPageLayout reportPageLayout();

// The proposed PDF file name: "鑑定表-日盤-2026-12-10.pdf".
QString reportFileName(BoardKind kind, const QString& key);

} // namespace hoshi
