#include "printjob.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "boardreport.h"
#include "errors.h"
#include "prntunt.h"
#include "selectedprinter.h"

namespace hoshi {

namespace {

SaveFileChooser& chooser() {
    static SaveFileChooser c;
    return c;
}

QString& lastFolder() {
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

QString askFile(QWidget* parent, const QString& proposed) {
    if (chooser()) return chooser()(parent, proposed);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("鑑定表を PDF ファイルに保存"), proposed,
                                        QStringLiteral("PDF ファイル (*.pdf)"));
}

struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

std::string text(const QString& s) {
    return s.toStdString();
}

// Paints one page on a begun painter; on an error the job is abandoned.
template <typename Device, typename Abort>
void paintPage(QPainter& painter, Device& device, Tprntunt& layout, const PagePainter& paint, Abort abort) {
    try {
        layout.prepareLayout(device);
        paint(painter, layout);
    } catch (...) {
        abort();
        painter.end();
        throw;
    }
}

} // namespace

void setSaveFileChooser(SaveFileChooser c) {
    chooser() = std::move(c);
}

void writeReportPdf(const QString& file, Tprntunt& layout, const PagePainter& paint) {
    QPdfWriter writer(file);
    writer.setResolution(600);
    writer.setPageLayout(reportPageLayout());
    writer.setCreator(QStringLiteral("Hoshikura"));
    writer.setTitle(QFileInfo(file).completeBaseName());
    QPainter painter;
    if (!painter.begin(&writer)) throw Error("PDF ファイル「" + text(file) + "」に書き込めません。");
    paintPage(painter, writer, layout, paint, [] {});
    if (!painter.end()) throw Error("PDF ファイル「" + text(file) + "」に書き込めません。");
}

bool printReport(QWidget* parent, Tprntunt& layout, const QString& proposedPdfName,
                 const PagePainter& paint) {
    QPrinter& printer = selectedPrinter();
    if (QPrinterInfo::availablePrinterNames().isEmpty() || printer.outputFormat() == QPrinter::PdfFormat) {
        QString file = askFile(parent, QDir(lastFolder()).filePath(proposedPdfName));
        if (file.isEmpty()) return false;
        if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
        lastFolder() = QFileInfo(file).absolutePath();
        BusyCursor busy;
        writeReportPdf(file, layout, paint);
        return true;
    }
    BusyCursor busy;
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QFileInfo(proposedPdfName).completeBaseName());
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error("プリンタ「" + text(printer.printerName()) + "」で印刷を始められません。");
    paintPage(painter, printer, layout, paint, [&printer] { printer.abort(); });
    if (!painter.end())
        throw Error("プリンタ「" + text(printer.printerName()) + "」で印刷できませんでした。");
    return true;
}

} // namespace hoshi
