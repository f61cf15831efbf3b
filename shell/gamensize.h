#pragma once
// TGamensize: the notice start-up shows, modally, when the screen is too
// small for the program's windows; "終了" closes only the notice.

#include <QDialog>
#include <QSize>

class QPushButton;

namespace hoshi {

// True when a screen of this size gets the notice: narrower than 799 or
// lower than 599 pixels (800 x 600 passes, 798 wide does not).
bool screenTooSmall(QSize screen);

class TGamensize : public QDialog {
    Q_OBJECT
public:
    explicit TGamensize(QWidget* parent = nullptr);

    QPushButton* endbtn;
};

} // namespace hoshi
