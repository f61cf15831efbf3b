#pragma once
// The direction-taking text (方位取り): for the time of the board shown, the
// stem each of the eight directions must carry on an earlier board of the
// same kind (the stem at that direction on the response board whose centre
// is the board's time stem), with the opening, heading and closing lines of
// the board kind.

#include <string>
#include <vector>

#include "boardkind.h"
#include "vocabulary.h"

namespace hoshi {

// Taken from the board screen and its calculator at the moment of the press.
struct HouitoriSnapshot {
    StemNo kan = 0;    // the board's time stem: year, month, day or hour stem
    StemNo jungan = 0; // the 六儀 stem that stands for a time stem 甲
    int inyou = 0;     // the board's dun, 0 yin, any other value yang (day and hour boards)
    std::string ymd;   // the screen's date field as shown
    int jisi = 0;      // hour index 1..12, 子 = 1 (hour board)
};

// Given:    kind; s.
// Returned: the lines of the text, to be joined with line breaks: opening,
//           second line, "", execution line, list heading, eight condition
//           lines (palaces 1, 2, 3, 4, 6, 7, 8, 9), "", closing line.
// Notes:    1. Year and month boards always use the yin table; day and hour
//              boards the table of their dun. The condition lines end
//              "」になっており、かつ吉方位である。" with the yang table and
//              "」になっていて、かつ吉方位である。" with the yin table.
//           2. When the time stem (甲 replaced by s.jungan) is not one of
//              乙..癸 — never the case on a computed board — no response
//              board has it in its centre and the eight condition lines are
//              left out.
// Throws:   OutOfRangeError for an hour outside 1..12 on the hour board.
std::vector<std::string> houitoriLines(BoardKind kind, const HouitoriSnapshot& s);

} // namespace hoshi
