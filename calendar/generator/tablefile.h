#pragma once
// The calendar table files: one SQLite database per table, named by
// schema.h, holding one table of TEXT columns named by the schema's fields
// (no constraints; the store adds the primary index when it opens a table),
// rows in key order. Written with Qt Sql (QSQLITE).
//
// A write never leaves a half-written table in place: each file is written
// complete under a temporary name in the same folder, then renamed over the
// old one.

#include <filesystem>
#include <span>
#include <vector>

#include "record.h"
#include "schema.h"

namespace hoshi::koyomi {

struct Koyomi;

// Throws hoshi::Error when the folder or the file cannot be written.
void writeTable(const std::filesystem::path& dbDir, schema::TableKind kind,
                std::span<const CalendarRecord> records);
// All three tables; creates dbDir. The three files are renamed into place
// only after all three have been written.
void writeKoyomi(const std::filesystem::path& dbDir, const Koyomi& koyomi);

// The records of a table file in key order. Throws hoshi::Error when the
// file is missing or is not a table of that kind.
std::vector<CalendarRecord> readTable(const std::filesystem::path& dbDir, schema::TableKind kind);

} // namespace hoshi::koyomi
