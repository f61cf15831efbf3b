#include "selectedprinter.h"

#include <QPrintDialog>
#include <QPrinter>

namespace hoshi {

QPrinter& selectedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool runPrinterDialog(QWidget* parent) {
    QPrintDialog dialog(&selectedPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("プリンタ設定"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace hoshi
