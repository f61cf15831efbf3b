#pragma once
// Tjiban: the board of one two-hour period (時盤). It derives its own stem
// from the day's stem and the period, its dun from the half of the year the
// solar term lies in, and its ju from the term, its 元 and the hour's decade;
// then it lays the plates as the day board does. The nine-star centre comes
// from the day's branch group and the hour; the day's stem is the second
// stem of the patterns.

#include "calculator.h"

namespace hoshi {

class Tjiban : public BoardCalculator<Tjiban> {
public:
    int nen = 0;
    int tuki = 0;
    int niti = 0;
    int jisi = 0;        // the period as its BranchNo 1..12 (子 = 1, from 23時)
    StemNo nitikan = 0;  // the day's stem: the second stem
    BranchNo nitisi = 0; // the day's branch
    int sekkiNo = 0;     // the day's solar-term index 0..23
    int sangen = 0;      // 1 上元, 2 中元, 3 下元
    PalaceNo sekkiPalace = 0;
    int inyou = 0; // derived: 1 yang, 0 yin
    // kan, si, kyoku: derived by jikan.

    // jikan, then the shared steps.
    void keisan(Judge judge = Judge::all) {
        jikan();
        layBoard(judge);
    }
    void jikan(); // kan, si, inyou, kyoku from the inputs

private:
    friend class BoardCalculator<Tjiban>;
    bool yang() const { return inyou != 0; }
    CentreRule centreRule() const { return {true, sekkiPalace}; }
    int kyuguCentre() const;
    StemNo secondStem() const {
        checkRange(nitikan, 1, 10, "day stem");
        return nitikan;
    }
};

// The hour ju table: ju of sangen (1..3), term (0..23) and decade (1..6).
// The first decade is the ju of the term's period; each further decade moves
// one ju on, forward for 冬至..芒種 and backward for 夏至..大雪.
int jikyoku(int sangen, int sekkiNo, int decade);

// The stem of period jisi (1..12) on a day with stem nitikan.
StemNo hourStem(StemNo nitikan, int jisi);

} // namespace hoshi
