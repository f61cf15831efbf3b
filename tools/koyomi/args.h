#pragma once
// Command line of hoshikura-koyomi, parsed apart from running it:
//
//   hoshikura-koyomi generate --out DIR [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//                             [--utc-offset +09:00] [--leap-table FILE]
//   hoshikura-koyomi export --db DIR day|month|year FILE [--sjis]
//   hoshikura-koyomi import --db DIR day|month|year FILE [--sjis]
//   hoshikura-koyomi terms --from YYYY --to YYYY [--utc-offset +09:00]
//
// Options take their value as the next argument or after "=".

#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "generator/csvfile.h"
#include "generator/koyomi.h"
#include "schema.h"

namespace hoshi::koyomi::cli {

// A command line that does not fit the forms; what() is one line.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct HelpCommand {};

struct GenerateCommand {
    std::filesystem::path out;
    KoyomiOptions options; // from, to, offset; leapDates filled by the caller from leapTable
    std::optional<std::filesystem::path> leapTable;
};

struct TableCommand {
    bool import = false; // else export
    std::filesystem::path db;
    schema::TableKind kind = schema::TableKind::Day;
    std::filesystem::path file;
    Encoding encoding = Encoding::Utf8;
};

struct TermsCommand {
    int fromYear = 0;
    int toYear = 0;
    int utcOffsetMinutes = 9 * 60;
};

using Command = std::variant<HelpCommand, GenerateCommand, TableCommand, TermsCommand>;

// `args` without the program name. Throws UsageError.
Command parseArgs(std::span<const std::string> args);

// "+09:00" or "-05:30" to minutes east of UTC, within ±14:00. Throws UsageError.
int parseUtcOffset(std::string_view text);

extern const char* const usageText;

} // namespace hoshi::koyomi::cli
