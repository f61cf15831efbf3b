#pragma once
// The fields the four board calculators have in common, and the one
// implementation of each board step. A calculator derives from BoardFields
// (so each keeps its own copy of every field) and runs the steps with the
// parameters of its kind: the dun, where the 直符 goes when the board's own
// stem lies in the centre, the nine-star centre and the second stem.

#include <array>
#include <string>
#include <string_view>

#include "kyokaku.h"
#include "vocabulary.h"

namespace hoshi {

template <typename T> using Palaces = std::array<T, 10>; // indexed by PalaceNo 1..9

// A name a board shows: a view of an entry of the vocabulary's name tables
// (or of any text with static storage), so setting one copies no text. The
// rules compare names as exact strings, as they would std::string.
using Name = std::string_view;

struct BoardFields {
    StemNo kan = 0;  // the board's own stem
    BranchNo si = 0; // the board's own branch
    PalaceNo kanpos = 0;
    int kyoku = 0;
    StemNo jungan = 0;
    Name junganName;
    PalaceNo junpos = 0;
    Palaces<int> tiNo{};
    Palaces<Name> ti;
    Palaces<Name> ten;
    Palaces<int> seiNo{};
    Palaces<Name> sei;
    Palaces<int> monNo{};
    Palaces<Name> mon;
    Palaces<int> kyuNo{};
    Palaces<Name> kyu;
    Palaces<int> jinNo{};
    Palaces<Name> jin;
    Palaces<int> kitikaku{};
    Tkyokaku* kyokaku = nullptr; // shared, not owned
};

// Where the heaven plate's 直符 and the 直符 deity go when the board's own
// stem lies in the centre palace.
struct CentreRule {
    // false: the year and month rule (伏吟 heaven layout, deities from palace 6).
    // true: the day and hour rule, to the palace of the solar term, which must
    // then be an outer palace.
    bool toSekki = false;
    PalaceNo sekkiPalace = 0;
};

// What a calculation judges: every pattern, or the auspicious patterns
// alone, leaving the shared detector as it was (a search tests many boards
// and then calculates the one it stops on in full).
enum class Judge { all, auspiciousOnly };

namespace steps {

// jungan := 旬首 of (kan, si); junganName. OutOfRangeError for a pair not in
// the sixty-cycle.
void junsyu(BoardFields& b);

// Earth plate from kyoku (1..9): 戊 on the ju's Lo Shu number, then 己 庚 辛 壬
// 癸 丁 丙 乙 on the next lower (yin) or higher (yang) numbers. Sets junpos,
// kanpos and the "甲" at junpos.
void tiban(BoardFields& b, bool yang);

// Heaven plate: the 伏吟 layout (heaven = earth) when junpos is the centre or
// kan is 甲, and, under the year rule, when kanpos is the centre; otherwise
// the outer ring turns so that the 旬首 stem moves from junpos to the target
// palace (kanpos, or the term's palace under the day rule), where "甲" stands.
void tenban(BoardFields& b, CentreRule rule);

// Qimen stars fly forward in Lo Shu order, the 直符 star landing on kanpos.
void kyusei(BoardFields& b);

// Gates: the 直使 gate (home gate of junpos) moves kan − 1 Lo Shu steps,
// backward in yin dun and forward in yang dun; the others follow clockwise
// with rising numbers. Home layout when junpos or the 直使's palace is the
// centre.
void hatimon(BoardFields& b, bool yang);

// Nine-star plate flying forward from `centre` (1..9).
void kyugu(BoardFields& b, int centre);

// Deities from kanpos (or the rule's palace when kanpos is the centre):
// counter-clockwise in yin dun, clockwise in yang dun.
void hatijin(BoardFields& b, bool yang, CentreRule rule);

// Auspicious-pattern code of every palace (0 = none).
void kitikakuHantei(BoardFields& b);

// Every flag of the shared detector from this board; k2 is the board's
// second stem (0 = none, the year board). 五不遇時 is judged only when k2 is
// given.
void kyokakuHantei(BoardFields& b, StemNo k2);

// kitikakuHantei then (with Judge::all) kyokakuHantei, reading the board's
// names once.
void hantei(BoardFields& b, StemNo k2, Judge judge = Judge::all);

} // namespace steps

} // namespace hoshi
