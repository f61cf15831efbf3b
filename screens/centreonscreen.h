#pragma once
// Places a top-level window in the middle of the primary screen's working
// area, as the program's windows open.

class QWidget;

namespace hoshi {

void centreOnScreen(QWidget& window);

} // namespace hoshi
