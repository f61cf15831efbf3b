#pragma once
// Decoding a calendar record into the inputs of its board calculator, and
// the calendar utilities the decoders and screens use.
//
// Each decoder writes the calculator's inputs in its fixed step order and
// throws at the failing step: ConversionError for a text that is not a
// number, OutOfRangeError for a value outside its range or a name outside
// its table. Inputs written before the failing step keep their new values.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "dayban.h"
#include "jiban.h"
#include "nenban.h"
#include "record.h"
#include "tukiban.h"

namespace hoshi {

// Day record: 日, 節気 (palace; unchanged when unknown), year and month stems, 干支, 陰陽, 局.
void decodeDayRecord(const CalendarRecord& r, Tdayban& d);
// Day record and hour slot 1..12: slot, 日, 節気 palace (unchanged when
// unknown), 干支, 節気 index (unknown: OutOfRangeError), 3元.
void decodeHourRecord(const CalendarRecord& r, int slot, Tjiban& j);
// Month record: 月, the year calculator's solar year and its nenKansi, 干支, 局.
void decodeMonthRecord(const CalendarRecord& r, Ttukiban& t, Tnenban& n);
// Year record: 年, 干支, 局 (the year calculation replaces the ju).
void decodeYearRecord(const CalendarRecord& r, Tnenban& n);

// A fault of a record, in the user's words (the field as the grid titles it,
// the value, what it may hold). Form: a text not in the field's form (a
// conversion error); Range: a date, name or number outside its calendar or table.
struct RecordFault {
    enum class Kind { Form, Range } kind;
    std::string text;
};

// What is wrong with a record that a post or an import would store; nullopt
// for a record its table's board can be computed from. The key must be a
// real date of the years 1312..9999 in the table's form, 局 one digit 1..9
// with an optional "局" after it, and the record must decode and calculate
// as the board of its table.
std::optional<RecordFault> recordFault(schema::TableKind table, const CalendarRecord& r);

// The refusal of a 陰陽 text other than "陰" or "陽".
std::string inyouFault(const std::string& inyou);

// StemNo 1..10 of a stem name, 0 for any other text (the empty text included).
int stemNumber(std::string_view name);

// Stem numbers (yearStem, monthStem) of the solar year and the solar month
// containing the date mmdd (month × 100 + day) of `year`. These are the
// method's own approximations of 立春 and the 節入り days; years from 1312 on.
std::pair<StemNo, StemNo> yearMonthStems(int mmdd, int year);
// 1 when the date lies before 立春 of that year (4 or 5 February), else 0.
int beforeRisshun(int year, int mmdd);
// 1 when the date lies before the 節入り of its Gregorian month, else 0 (also
// for a month outside 1..12).
int beforeSetsuiri(int year, int mmdd);

// The integer value of a text as the decoders read it: optional sign and
// decimal digits only. ConversionError naming `what` otherwise.
int integerValue(std::string_view text, const char* what);

} // namespace hoshi
