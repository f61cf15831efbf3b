#pragma once
// Gregorian dates as the calendar generator counts them: a date, its day
// number (days since 1970-01-01, proleptic Gregorian) and the day's place in
// the sixty-day cycle.

#include <compare>
#include <string>
#include <string_view>

namespace hoshi::koyomi {

struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;
    auto operator<=>(const CivilDate&) const = default;
};

// A date and a time of day, floored to the second.
struct CivilDateTime {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool isValidDate(int year, int month, int day);

// Days since 1970-01-01. The date must be valid.
int dayNumber(CivilDate d);
CivilDate fromDayNumber(int n);

// Position of the day in the sixty-day cycle, 0..59 with 甲子 = 0
// (1970-01-01 is 辛巳, 17). The sexagenary number of the vocabulary is this + 1.
int daySexagenaryIndex(int dayNumber);

// Parses "YYYY-MM-DD" or "YYYY/MM/DD" (exactly 10 characters, a valid date);
// throws ConversionError naming the text otherwise.
CivilDate parseDate(std::string_view text);

// "YYYY/MM/DD", the key form of the day table.
std::string dayKey(CivilDate d);
// "YYYY-MM-DD HH:MM:SS".
std::string isoText(const CivilDateTime& t);

} // namespace hoshi::koyomi
