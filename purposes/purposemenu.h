#pragma once
// The purpose screens (Tkekkonmenu … Tmyhomemenu), each built from its
// catalogue entry, its object name the class name without the "T": a heading strip, then per
// search its start button, "前" and "次" on one row and the three labels
// (period, "吉の方位", directions); the 縁づくり screen adds "男" and "女".
// Each button runs one operation of the purpose search on the board screen
// of the search's kind.

#include <QDate>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "boardscreen.h"
#include "catalogue.h"
#include "purposesearch.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace hoshi {

class TPurposeMenu : public QWidget {
    Q_OBJECT
public:
    TPurposeMenu(const Purpose& entry, const BoardScreens& screens, const TKanMo1& kanmo,
                 std::function<QDate()> today, QWidget* parent = nullptr);

    const Purpose& purpose() const { return purpose_; }

    // The controls of one search, top to bottom.
    struct Search {
        QPushButton* start = nullptr;
        QPushButton* previous = nullptr;
        QPushButton* next = nullptr;
        QLabel* period = nullptr;
        QLabel* heading = nullptr;
        QLabel* directions = nullptr;
    };
    std::vector<Search> searches;
    QLabel* headingStrip = nullptr;
    QRadioButton* male = nullptr; // the 縁づくり screen only
    QRadioButton* female = nullptr;

    // The three operations of search i.
    void startClick(int i);
    void nextClick(int i);
    void previousClick(int i);

private:
    enum class Op { start, next, previous };
    void runSearch(int i, Op op);

    const Purpose& purpose_;
    BoardScreens screens_;
    std::vector<PurposeSearch> engines_;
    std::function<QDate()> today_;
};

} // namespace hoshi
