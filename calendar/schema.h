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
    std::string_view keyForm; // the key's zero-padded form: "YYYY/MM/DD"
};

inline constexpr std::array<TableInfo, 3> tables = {{
    {TableKind::Day, "暦日.DB", "暦日", "day", dayFields, "YYYY/MM/DD"},
    {TableKind::Month, "暦月.DB", "暦月", "month", monthFields, "YYYY/MM"},
    {TableKind::Year, "暦年.DB", "暦年", "year", yearFields, "YYYY"},
}};

inline constexpr const TableInfo& info(TableKind k) {
    return tables[static_cast<int>(k)];
}

// True when every letter of the table's key form stands for a digit in
// `key` and every '/' for a '/'.
constexpr bool hasKeyForm(TableKind k, std::string_view key) {
    const std::string_view form = info(k).keyForm;
    if (key.size() != form.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (form[i] == '/' ? key[i] != '/' : key[i] < '0' || key[i] > '9') return false;
    return true;
}

// The key of a date in the table's form; the fields the form lacks are not read.
inline std::string makeKey(TableKind k, int year, int month = 1, int day = 1) {
    auto digits = [](int v, int width) {
        std::string s = std::to_string(v < 0 ? -v : v);
        if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
        return v < 0 ? "-" + s : s;
    };
    std::string key = digits(year, 4);
    if (k != TableKind::Year) key += "/" + digits(month, 2);
    if (k == TableKind::Day) key += "/" + digits(day, 2);
    return key;
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
