#pragma once
// The response period (応期) of one direction: the stem of the year, month,
// day or hour at which acting in that direction shows its effect most
// strongly, and the nearest such time after the board's own date, worded as
// the lines the direction detail screen appends to the direction's reading.

#include <array>
#include <string>
#include <vector>

#include "boardkind.h"
#include "vocabulary.h"

namespace hoshi {

// What the lines are worked out from, taken from the board screen and its
// calculator at the moment of the call. Fields a board kind does not use are
// not read.
struct ResponseSnapshot {
    std::array<std::string, 10> ten; // heaven-plate stem names by PalaceNo, as shown
    std::string inyou;               // the record's 陰陽 text as shown; "陽" selects the yang table
    std::string junganName;          // the 六儀 stem the board hides 甲 under
    int nen = 0;                     // year (year, month and day boards)
    int tuki = 0;                    // month 1..12 (month and day boards)
    int niti = 0;                    // day 1..31 (day board)
    StemNo nitikan = 0;              // the day's stem (day and hour boards)
    int jisi = 0;                    // hour index 1..12, 子 = 1 (hour board)
};

// Given:    kind; s; p, an outer palace.
// Returned: four lines: "", the heading, the stem line ("  このトキに実行すると「X」…")
//           and the nearest-time line ("  => 一番近いトキは、N です。").
//           When the stem at p (甲 replaced by the 六儀 stem) is on no
//           response board — never the case on a computed board — only the
//           first two lines are returned: there is no period to word.
// Throws:   OutOfRangeError for p outside 1..9 or the centre, and for a
//           month, day, day stem or hour outside its range on a kind that
//           reads it.
// Notes:    1. The year and month stems are the engine's yearStem and
//              monthStem (the Gregorian month's solar month).
//           2. The current period never counts: a stem equal to the current
//              one is next reached ten periods on.
//           3. The day rule steps at most one month on, and counts February
//              29 days when (Y - 1920) is divisible by 4; the year is not shown.
//           4. The hour rule looks at hours 3..12 of the board's day and of
//              the next day; today's hour is "該当なし" when it lies before
//              the board's hour.
std::vector<std::string> responseLines(BoardKind kind, const ResponseSnapshot& s, PalaceNo p);

} // namespace hoshi
