#pragma once
// The CSV form of a calendar table, so that a reader can bring corrections
// from their own almanac and back up their edits: a header line with the
// field names, then one line per record in key order; fields separated by
// commas and quoted (RFC 4180) only where they must be; lines end in CRLF.
// UTF-8 without a byte-order mark (one is accepted on reading), or Shift-JIS
// (code page 932).
//
// Reading validates every line (recordcheck.h, and keys strictly rising)
// and refuses the whole file at the first bad line, naming the file, the
// line and the reason; an import then changes nothing.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record.h"
#include "schema.h"

namespace hoshi::koyomi {

enum class Encoding { Utf8, ShiftJis };

std::string tableToCsv(schema::TableKind kind, std::span<const CalendarRecord> records, Encoding encoding);

// Throws ConversionError (malformed text) or OutOfRangeError (a value
// outside its table) with the text "SOURCE line N: reason".
std::vector<CalendarRecord> tableFromCsv(schema::TableKind kind, std::string_view bytes, Encoding encoding,
                                         std::string_view source);

// The table file of `kind` in dbDir to a CSV file (written under a
// temporary name, then renamed). Throws hoshi::Error.
void exportTable(const std::filesystem::path& dbDir, schema::TableKind kind,
                 const std::filesystem::path& file, Encoding encoding);

struct ImportCount {
    std::size_t replaced = 0; // records whose key the table had
    std::size_t added = 0;    // records with a new key
};
// Merges a CSV file into the table by key: a record of the file replaces the
// table's record with its key or is added in key order; records the file
// does not name stay as they were, so a file of corrections changes only
// what it holds. A bad file changes nothing. Throws hoshi::Error.
ImportCount importTable(const std::filesystem::path& dbDir, schema::TableKind kind,
                        const std::filesystem::path& file, Encoding encoding);

} // namespace hoshi::koyomi
