#pragma once
// The day nine-star (日家九星) and its direction, by the solstice switch-day
// rule.
//
// Each solstice has a switch day: the 甲子 nearest its local date (with the
// solstice's sexagenary index i, 甲子 = 0: the date − i when i <= 29, else
// the date + 60 − i). From a 冬至 switch day the star counts up from 一白 in
// 陽 (1, 2, … 9, 1, …); from a 夏至 switch day it counts down from 九紫 in 陰.
// Consecutive switch days lie 180 or 240 days apart. Across 240 days (閏)
// the old direction runs 210 days, to the 甲午 thirty days before the next
// switch day; on that 甲午 the previous day's star repeats and the direction
// turns (陽→陰: 癸巳 三碧, 甲午 三碧, 乙未 二黒 …; 陰→陽: 癸巳 七赤, 甲午 七赤,
// 乙未 八白 …), which reaches the next switch day without a jump.
//
// Almanacs place a few 閏 differently. A 閏 date D (a 甲午) given as an
// override fixes the two switch days around it, D − 210 and D + 30; each
// must be one of the two 甲子 next to its solstice. Source of the rule: the
// 日家九星 遁甲 of the Japanese almanac tradition (docs/tables.md).

#include <span>
#include <string_view>
#include <vector>

#include "civildate.h"

namespace hoshi::koyomi {

class NikkaKyusei {
public:
    struct Solstice {
        bool winter;   // 冬至 (else 夏至)
        int dayNumber; // its local date
    };
    struct Star {
        bool yang; // 陽 (else 陰)
        int kyu;   // KyuNo 1..9
        bool operator==(const Star&) const = default;
    };

    // `solstices` alternate and are in date order. Throws OutOfRangeError for
    // a 閏 date that is not a 甲午 lying 30 days before a switch-day
    // candidate, or for overrides that leave switch days other than 180 or
    // 240 days apart. A 閏 date outside the solstices' span has no effect.
    NikkaKyusei(std::vector<Solstice> solstices, std::span<const CivilDate> leapDates = {});

    // Throws OutOfRangeError for a day before the first switch day or from
    // the last one on.
    Star at(int dayNumber) const;

    const std::vector<int>& switchDays() const { return switch_; }
    // The 閏 days (the 甲午 on which the direction turns), in date order.
    std::vector<int> leapDays() const;

private:
    std::vector<Solstice> solstices_;
    std::vector<int> switch_; // one per solstice
};

// A 閏 override table: one date a line ("YYYY-MM-DD" or "YYYY/MM/DD"),
// blank lines and text after '#' ignored. Throws ConversionError naming
// `source` and the line for anything else.
std::vector<CivilDate> parseLeapTable(std::string_view text, std::string_view source);

} // namespace hoshi::koyomi
