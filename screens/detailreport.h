#pragma once
// The direction detail report: what is printed, as plain data, and its
// painter. The detail window fills it from what it shows; the board
// printer fills it from the board run.

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include "boardrun.h"

class QPainter;

namespace hoshi {

class Tprntunt;

struct DetailReport {
    QString title;  // "日盤 方位詳細鑑定表"
    QString header; // date text + " : " + direction + " の方位の詳細鑑定"
    QString ten, ti, kyusei, hatimon, kyugu, hatijin; // the value labels
    QStringList memo;                                 // the memo's lines as displayed
    QImage heaven, earth;                             // the stem pictures
    QString ownerTitle, ownerTel;
};

// The width the detail memo's lines wrap at, in pixels.
inline constexpr int detailMemoWidth = 580;

// The header line of the report.
QString detailHeader(BoardKind kind, const BoardPeriod& period, const QString& direction);

// The report of palace p of a board read from its record, as the detail
// window shows it right after the board was computed. Throws Error when a
// picture file cannot be loaded.
DetailReport detailReportOf(const BoardSnapshot& s, PalaceNo p);

// Paints the report: title, header, labels and pictures, the memo from
// 189 mm 5 mm apart, the footer. Memo lines that do not fit above the footer
// go on further pages (the header and footer on each). The layout must be
// prepared for the painter's device, a paged one.
void paintDetailReport(QPainter& p, const Tprntunt& layout, const DetailReport& r);

// A picture beside the program ("hana" → hana.bmp); Error when it cannot be loaded.
QImage loadPicture(std::string_view name);
// The folder the pictures are read from; empty (the default) is the
// program's folder. Tests point it elsewhere.
void setPictureFolder(const QString& folder);

} // namespace hoshi
