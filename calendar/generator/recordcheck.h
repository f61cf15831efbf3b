#pragma once
// Whether a record has the forms its table requires: the key ("YYYY/MM/DD",
// "YYYY/MM" or "YYYY", a real date), 干支 a stem then a branch that pair in
// the sixty-cycle, 陰陽 "陰" or "陽", 局 an ASCII digit 1-9 first (at most 4
// bytes in Shift-JIS), and for days 節気 one of the 24 term names, 3元 one of
// 上元/中元/下元, 節入り日 "MM/DD" and 時刻 "HH:MM". An import checks every
// row with it before anything is written.

#include <optional>
#include <string>

#include "record.h"
#include "schema.h"

namespace hoshi::koyomi {

struct RecordProblem {
    enum class Kind {
        Form,
        Range
    } kind;           // Form: a conversion error; Range: a name or number outside its table
    std::string text; // names the field and the rejected value
};

std::optional<RecordProblem> recordProblem(schema::TableKind kind, const CalendarRecord& r);

} // namespace hoshi::koyomi
