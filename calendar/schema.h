#pragma once
// The three calendar tables as the program addresses them: one SQLite file
// per table in the folder "db" beside the program, the table inside named
// like the file without ".DB", every column TEXT, the key field first.
// Identifiers are Japanese (and "3元" starts with a digit), so SQL must
// always quote them: quoted("3元") == "\"3元\"".

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace hoshi::schema {

enum class TableKind { Day, Month, Year };

inline constexpr std::array<std::string_view, 8> dayFields = {"日",   "干支", "陰陽",     "局",
                                                              "節気", "3元",  "節入り日", "時刻"};
inline constexpr std::array<std::string_view, 4> monthFields = {"月", "干支", "陰陽", "局"};
inline constexpr std::array<std::string_view, 4> yearFields = {"年", "干支", "陰陽", "局"};

// Field positions inside a CalendarRecord (calendar/record.h).
enum Field : int { Key = 0, Kansi = 1, Inyou = 2, Kyoku = 3, Sekki = 4, Sangen = 5, Setuiri = 6, Jikoku = 7 };

struct TableInfo {
    TableKind kind;
    std::string_view fileName;  // "暦日.DB"
    std::string_view tableName; // "暦日"
    std::string_view indexName; // primary index added at open: "day"
    std::span<const std::string_view> fields;
};

inline constexpr std::array<TableInfo, 3> tables = {{
    {TableKind::Day, "暦日.DB", "暦日", "day", dayFields},
    {TableKind::Month, "暦月.DB", "暦月", "month", monthFields},
    {TableKind::Year, "暦年.DB", "暦年", "year", yearFields},
}};

inline constexpr const TableInfo& info(TableKind k) {
    return tables[static_cast<int>(k)];
}

inline std::string quoted(std::string_view identifier) {
    std::string q = "\"";
    for (char c : identifier) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

} // namespace hoshi::schema
