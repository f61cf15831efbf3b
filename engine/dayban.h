#pragma once
// Tdayban: the day board (日盤). Yin or yang dun from the calendar record;
// when the day's stem lies in the centre the 直符 goes to the palace of the
// solar term instead of taking the 伏吟 layout; the nine-star plate is
// centred on the ju; the month's stem is the second stem of the patterns.

#include "calculator.h"

namespace hoshi {

class Tdayban : public BoardCalculator<Tdayban> {
public:
    int nen = 0;              // calendar year (screens and searches read it)
    int tuki = 0;             // calendar month 1..12
    StemNo nenkan = 0;        // stem of the solar year (立春 boundary); not used by the calculation
    StemNo tukikan = 0;       // stem of the solar month (節入り boundary): the second stem
    int niti = 0;             // day of the month 1..31
    PalaceNo sekkiPalace = 0; // palace of the day's solar term (never 5)
    int inyou = 0;            // dun: 0 yin, any other value yang
    // kan, si: the day's stem and branch; kyoku: the day's ju (inputs).

    void keisan(Judge judge = Judge::all) { layBoard(judge); }

private:
    friend class BoardCalculator<Tdayban>;
    bool yang() const { return inyou != 0; }
    CentreRule centreRule() const { return {true, sekkiPalace}; }
    int kyuguCentre() const { return kyoku; }
    StemNo secondStem() const {
        checkRange(tukikan, 1, 10, "month stem");
        return tukikan;
    }
};

} // namespace hoshi
