#pragma once
// Ttukiban: the month board (月盤) of one solar month. The year board's
// procedure with the ju from the calendar record, the nine-star centre from
// the year's branch group and the month's branch, and the year's stem as the
// second stem of the patterns. Always yin dun.

#include "calculator.h"
#include "nenban.h"

namespace hoshi {

class Ttukiban : public BoardCalculator<Ttukiban> {
public:
    int nen = 0;  // calendar year of the month record (read by screens, not by the calculation)
    int tuki = 0; // month number 1..12 of the record
    // kan, si: the month's stem and branch (寅 for the month beginning at 立春); kyoku: input.

    // The year calculator whose kan and si (the solar year of the month) the
    // calculation reads; the month decoder runs its nenKansi first.
    Tnenban* nenban = nullptr;

    // The shared steps; there is no ju step, kyoku is the record's.
    void keisan(Judge judge = Judge::all) { layBoard(judge); }

private:
    friend class BoardCalculator<Ttukiban>;
    bool yang() const { return false; }
    CentreRule centreRule() const { return {}; }
    int kyuguCentre() const;
    StemNo secondStem() const; // the year calculator's stem
    const Tnenban& year() const;
};

// The month nine-star centre, 1..9, by the year's branch and the month's
// branch (BranchNo 1..12 both). Rows 子卯午酉, 丑辰未戌, 寅巳申亥 start at
// 8, 5, 2 in the 寅 month and fall by one each month.
int tukiKyuguCentre(BranchNo yearBranch, BranchNo monthBranch);

} // namespace hoshi
