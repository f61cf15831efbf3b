#pragma once
// Tnenban: the year board (年盤). Always yin dun: the earth plate is laid
// backward and the deities turn counter-clockwise. The ju comes from the
// year number and falls by one each year.

#include "board.h"

namespace hoshi {

class Tnenban : public BoardFields {
public:
    int nen = 0; // input: the year, e.g. 2001 (kan, si: the year's stem and branch)

    // Computes the whole board from nen, kan and si. Any kyoku set before is
    // replaced. OutOfRangeError for kan/si outside their ranges or not a pair
    // of the sixty-cycle; fields written before the failing step keep their
    // new values.
    void keisan();
    // kan, si := the stem and branch of nen (1984 = 甲子).
    void nenKansi();

    // The steps of keisan, in order.
    void kyokuNen(); // kyoku := 1 + ((1990 − nen) mod 9)
    void junsyu();
    void tiban();
    void tenban();
    void kyusei();
    void hatimon();
    void kyugu();
    void hatijin();
    void kitikakuHantei();
    void kyokakuHantei();

private:
    StemNo secondStem() const { return 0; } // the year board has none
};

// The year's ju, 1..9, for any year (1864 → 1, 1865 → 9, 1984 → 7).
int nenKyoku(int nen);

} // namespace hoshi
