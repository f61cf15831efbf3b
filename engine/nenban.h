#pragma once
// Tnenban: the year board (年盤). Always yin dun: the earth plate is laid
// backward and the deities turn counter-clockwise. The ju comes from the
// year number and falls by one each year.

#include "calculator.h"

namespace hoshi {

class Tnenban : public BoardCalculator<Tnenban> {
public:
    int nen = 0; // input: the year, e.g. 2001 (kan, si: the year's stem and branch)

    // Computes the whole board from nen, kan and si: kyokuNen, then the
    // shared steps. Any kyoku set before is replaced. OutOfRangeError for
    // kan/si outside their ranges or not a pair of the sixty-cycle; fields
    // written before the failing step keep their new values.
    void keisan(Judge judge = Judge::all) {
        kyokuNen();
        layBoard(judge);
    }
    // kan, si := the stem and branch of nen (1984 = 甲子).
    void nenKansi();
    // kyoku := 1 + ((1990 − nen) mod 9)
    void kyokuNen();

private:
    friend class BoardCalculator<Tnenban>;
    bool yang() const { return false; }
    CentreRule centreRule() const { return {}; }
    int kyuguCentre() const { return kyoku; }
    StemNo secondStem() const { return 0; } // the year board has none
};

// The year's ju, 1..9, for any year (1864 → 1, 1865 → 9, 1984 → 7).
int nenKyoku(int nen);

} // namespace hoshi
