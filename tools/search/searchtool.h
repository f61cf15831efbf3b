#pragma once
// hoshikura-search: the periods a purpose screen would find, from the
// command line.
//
//   hoshikura-search [--db DIR] [--json] [--from YYYY/MM/DD] [--count N] [--back] [--female] PURPOSE KIND

#include <QDate>
#include <QString>
#include <iosfwd>
#include <string>
#include <vector>

namespace hoshi::tool {

extern const char* const searchUsageText;

// Given:    args without the program name; out and err; the folder used
//           without --db; today, the date used without --from.
// Returned: 0, also when the calendar ends before N periods are found
//           ("no further period in the calendar" on err); 2 with one line on
//           err for bad input, a --from record missing from the calendar, a
//           table that cannot be opened or a record that cannot be decoded.
int runSearchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const QString& defaultDb, const QDate& today);

} // namespace hoshi::tool
