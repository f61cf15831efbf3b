#pragma once
// The response boards (応期盤): two fixed tables, yang (陽局) and yin (陰局),
// of nine small stem layouts each. Board i holds stem i + 1 in the centre and
// every stem 乙..癸 once; across the nine boards each palace holds every stem
// 乙..癸 once. Each board is the earth plate of the ju whose centre holds its
// centre stem: yang boards 1..9 are yang ju 6, 7, 8, 5, 4, 3, 2, 1, 9, yin
// boards yin ju 4, 3, 2, 5, 6, 7, 8, 9, 1. No board holds 甲.
//
// Looked up one way (stem at a palace of a board) they say which stem a
// direction must carry for a given time stem to be central (方位取り); the
// other way (which board has stem T at palace p) they say when a direction's
// effect shows (応期).

#include <optional>

#include "vocabulary.h"

namespace hoshi {

enum class ResponseTable { yang, yin };

// Given:    table; board 1..9; p, PalaceNo 1..9.
// Returned: the StemNo 2..10 of board `board` at palace p.
// Throws:   OutOfRangeError for a board or palace outside 1..9.
StemNo responseStem(ResponseTable table, int board, PalaceNo p);

// Given:    table; p, PalaceNo 1..9; stem, any StemNo.
// Returned: the first board 1..9 whose stem at p is `stem`; nullopt when none
//           is (甲, or a number outside 2..10).
// Throws:   OutOfRangeError for a palace outside 1..9.
std::optional<int> findResponseBoard(ResponseTable table, PalaceNo p, StemNo stem);

} // namespace hoshi
