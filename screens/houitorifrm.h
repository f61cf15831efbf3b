#pragma once
// Thouitorifrm: "方位取りの時期", the direction-taking text of the board a
// board screen shows, and its printout. Made once at start-up; every
// "方位取" press replaces its text and shows it again.

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

class QPainter;
class QPushButton;
class QTextEdit;

namespace hoshi {

class Tprntunt;

// The width the memo's lines wrap at, in pixels.
inline constexpr int houitoriMemoWidth = 620;

// The printout: the lines from (10 mm, 30 mm), 5 mm apart, in "ＭＳ ゴシック"
// 12, each broken again where it would cross the printable width; no title,
// no footer.
void paintHouitoriPage(QPainter& p, const Tprntunt& layout, const QStringList& lines);

class Thouitorifrm : public QWidget {
    Q_OBJECT
public:
    explicit Thouitorifrm(Tprntunt* printModule, QWidget* parent = nullptr);

    // Replaces the memo's text with the lines, shows the window on top and
    // scrolls to the first line.
    void showLines(const std::vector<std::string>& lines);
    // "プリント出力".
    void prnbtnClick();
    // The memo's lines as it displays them.
    QStringList displayedLines() const;

    QTextEdit* Memo1 = nullptr;
    QPushButton* prnbtn = nullptr;
    QPushButton* closeButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Tprntunt* prntunt_;
};

} // namespace hoshi
