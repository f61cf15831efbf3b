#pragma once
// Tversionfrm: the version screen, shown modelessly from the main menu. It
// stays above other windows and is hidden, not destroyed, when closed.

#include <QDialog>

class QPushButton;

namespace hoshi {

class Tversionfrm : public QDialog {
    Q_OBJECT
public:
    explicit Tversionfrm(QWidget* parent = nullptr);

    QPushButton* closebtn;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace hoshi
