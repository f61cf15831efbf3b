#pragma once
// TAboutBox: the settings screen. The report title and telephone number are
// read into their fields once, when the screen is created, and written by
// the save button; the start-up sound switch is read each time the screen
// is shown and written at every click. A refused write shows its text in an
// error box and the screen goes on.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace hoshi {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLineEdit* titlebox;
    QLineEdit* telbox;
    QPushButton* savebtn;
    QCheckBox* SndCheckBox;
    QPushButton* prnbtn;
    QPushButton* closebtn;

    void FormShow();
    void savebtnClick();
    void SndCheckBoxClick();
    void prnbtnClick();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace hoshi
