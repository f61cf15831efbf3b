#pragma once
// Whether a record has the forms its table requires: first everything a
// post requires (decoders.h recordFault: the key a real date in the table's
// form, 局 one digit, a board that can be computed), then 干支 exactly two
// characters, 陰陽 "陰" or "陽" (the month and year boards do not read it),
// and for days 節気 one of the 24 names of the table and 3元 one
// of 上元/中元/下元 (as the hour board reads them), 節入り日 "MM/DD" and 時刻
// "HH:MM". An import checks every row with it before anything is written.

#include <optional>
#include <string>

#include "decoders.h"
#include "record.h"
#include "schema.h"

namespace hoshi::koyomi {

using RecordProblem = RecordFault;

std::optional<RecordProblem> recordProblem(schema::TableKind kind, const CalendarRecord& r);

} // namespace hoshi::koyomi
