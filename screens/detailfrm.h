#pragma once
// Tdetailfrm: the direction detail window, "盤の星の詳細説明". It explains
// one direction of the board a board screen shows: the two stems as
// pictures and with their meanings, the star, gate, nine-star and deity of
// the palace, the palace's reading, the inauspicious patterns the shared
// detector lists there, and the response period; and prints it.
//
// It computes nothing: every direction press reads the board-kind marker
// afresh, then the board screen of that kind as it stands.

#include <QImage>
#include <QWidget>

#include "boardscreen.h"

class QLabel;
class QTextEdit;
class QPushButton;

namespace hoshi {

class TPieChart3D;
struct DetailReport;

// The board-kind marker: "年", "月", "日" or "時", set by a board screen's
// "詳細" just before it opens a detail window; "" before the first.
void setBoardKindMarker(const QString& marker);
QString boardKindMarkerText();

class Tdetailfrm : public QWidget {
    Q_OBJECT
public:
    // A window owned by `owner`, reading the four board screens.
    Tdetailfrm(const BoardScreens& screens, Tprntunt* printModule, QWidget* owner);

    // The direction press of palace p (the button's Tag).
    void bClick(PalaceNo p);
    // "印刷": the window's report on the selected printer or into a PDF file.
    void prnbtnClick();
    // What the window shows, as the report prints it.
    DetailReport report() const;

    Palaces<QPushButton*> b{}; // b[1..9], none for the centre
    QLabel* Image2 = nullptr;
    QLabel* guide = nullptr;
    QLabel* houi = nullptr;
    QLabel *tenLabel = nullptr, *tiLabel = nullptr, *kyuLabel = nullptr, *monLabel = nullptr,
           *miyaLabel = nullptr, *kamiLabel = nullptr;
    QLabel *tenbanlbl = nullptr, *tibanlbl = nullptr, *kyuseilbl = nullptr, *hatimonlbl = nullptr,
           *kyugulbl = nullptr, *hatijinlbl = nullptr;
    QLabel* tenimg = nullptr;
    QLabel* tiimg = nullptr;
    QTextEdit* Memo1 = nullptr;
    TPieChart3D* Chart1 = nullptr;
    QPushButton* prnbtn = nullptr;
    QPushButton* closeButton = nullptr;

    // The memo's lines as it displays them.
    QStringList memoDisplayedLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    BoardScreens screens_;
    Tprntunt* prntunt_;
    QImage heaven_, earth_;
};

} // namespace hoshi
