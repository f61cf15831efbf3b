#pragma once
// A print job of one report page: on the printer chosen with "プリンタ設定",
// without a dialog, portrait; or, when no printer is installed or PDF
// output was chosen, into a PDF file that a save dialog names. The
// hourglass shows while the page is made; a failing job is abandoned and
// its error thrown.

#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace hoshi {

class Tprntunt;

// Paints one page; the layout is prepared for the painter's device.
using PagePainter = std::function<void(QPainter&, const Tprntunt&)>;

// Returns false when the reader cancelled the save dialog. Throws Error
// when the job cannot be begun or finished.
bool printReport(QWidget* parent, Tprntunt& layout, const QString& proposedPdfName, const PagePainter& paint);

// Writes the page into a PDF file (A4, the fonts embedded). Throws Error
// when the file cannot be written.
void writeReportPdf(const QString& file, Tprntunt& layout, const PagePainter& paint);

// The save dialog: given the proposed path, the chosen path ("" for
// cancel). Tests put in their own; an empty chooser restores the dialog.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& proposedPath)>;
void setSaveFileChooser(SaveFileChooser chooser);

} // namespace hoshi
