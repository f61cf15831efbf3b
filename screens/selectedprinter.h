#pragma once
// The printer the program prints on: chosen with the print dialog from the
// main menu or the settings screen, used by every printout afterwards.

class QPrinter;
class QWidget;

namespace hoshi {

QPrinter& selectedPrinter();

// Runs the system's print dialog on the selected printer. Returns true when
// the user accepted a printer.
bool runPrinterDialog(QWidget* parent);

} // namespace hoshi
