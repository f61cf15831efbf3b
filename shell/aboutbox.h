#pragma once
// TAboutBox: the settings screen. The report title and telephone number are
// read into their fields once, when the screen is created, and written
// together by the save button, which confirms itself under the fields; the
// start-up sound switch is read each time the screen is shown and written at
// every click. A refused write shows its text in an error box, names the
// field whose text the file cannot hold, and the screen goes on.

#include <QDialog>

class QCheckBox;
class QLabel;
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
    QLabel* savedlbl; // "保存しました。" after a save, until the texts change
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
