#pragma once
// The calendar generator: the records of the day, month and year tables for
// a range of dates, from the solar terms (solarterm.h) and the rules of the
// method.
//
// Day record:
//   日        "YYYY/MM/DD"
//   干支      the day's stem and branch (2000-01-01 戊午)
//   陰陽, 局  the day nine-star's direction and number (nikkakyusei.h)
//   節気      the term in force: the latest whose start falls on the local
//             date or before
//   3元       by 拆補法: the 符頭 is the latest 甲 or 己 day (the day itself
//             included); its branch 子午卯酉 gives 上元, 寅申巳亥 中元,
//             辰戌丑未 下元
//   節入り日, 時刻  "MM/DD" and "HH:MM" of the start of the 節 that began
//             the solar month holding the day
// Month record (one per Gregorian month; its solar month is the one whose
// 節 falls in it, so month 1 is the 丑 month of the previous solar year):
//   月 "YYYY/MM", 干支 of that solar month, 陰陽 "陰", 局 the month
//   nine-star centre (tukiKyuguCentre) by the solar year's branch.
// Year record: 年 "YYYY", 干支 by nenKansi, 陰陽 "陰", 局 1 + ((1990 − Y) mod 9).
// 局 always holds the digit alone ("3").

#include <vector>

#include "civildate.h"
#include "record.h"

namespace hoshi::koyomi {

inline constexpr CivilDate earliestDate{1800, 1, 1};
inline constexpr CivilDate latestDate{2200, 12, 31};

struct KoyomiOptions {
    CivilDate from{1900, 1, 1};
    CivilDate to{2100, 12, 31};
    int utcOffsetMinutes = 9 * 60;    // Japan Standard Time
    std::vector<CivilDate> leapDates; // 閏 overrides (nikkakyusei.h)
};

struct Koyomi {
    std::vector<CalendarRecord> days;   // from .. to
    std::vector<CalendarRecord> months; // from's month .. to's month
    std::vector<CalendarRecord> years;  // from's year .. to's year
    // The day nine-star's switch days and 閏 days that the range was
    // generated with, a solstice either side of it included.
    std::vector<CivilDate> switchDays;
    std::vector<CivilDate> leapDays;
};

// Throws OutOfRangeError for a range outside earliestDate..latestDate or
// with from after to, or for bad 閏 overrides.
Koyomi generateKoyomi(const KoyomiOptions& options);

// The rules that need no astronomy, one by one.
std::string kansiText(int sexagenaryIndex); // 0..59 (甲子 = 0) to "甲子"
int sangenOf(int daySexagenaryIndex);       // 1..3 by 拆補法
int monthSexagenaryIndex(int year, int month);
int yearKyoku(int year);
CalendarRecord monthRecord(int year, int month);
CalendarRecord yearRecord(int year);

} // namespace hoshi::koyomi
