#pragma once
// Tjibanfrm: the hour board screen. It shares the day table's cursor with
// the day board screen and computes the board of the two-hour period chosen
// on its time bar: positions 0..11 are the periods from 23時 to 21時 (slot =
// position + 1); the bar's last tick, 12, folds back to 11.

#include "boardscreen.h"

class QLabel;
class QSlider;

namespace hoshi {

class Tjibanfrm : public TBoardScreen {
    Q_OBJECT
public:
    Tjibanfrm(Calculators& calc, const TKanMo1& kanmo, QWidget* parent = nullptr);

    void kanteiClick() { compute(); }
    // The slot of the time bar's position: position + 1.
    int slot() const override;

    // The time bar's change notification: fold 12 back to 11, name the
    // period, compute.
    void timeBarChange();
    // Puts the time bar on a slot 1..12 and names its period, without
    // computing (a search shows the board it stops on itself).
    void setSlotQuietly(int slot);

    QSlider* timeBar = nullptr;
    QLabel* tlabel = nullptr;
    std::array<QLabel*, 13> Label{}; // Label[1..12] under the bar

    // The period text of a time-bar position 0..11.
    static QString slotText(int position);
};

} // namespace hoshi
