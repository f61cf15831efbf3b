#include "recordcheck.h"

#include <string_view>

#include "civildate.h"
#include "decoders.h"
#include "sjis.h"
#include "vocabulary.h"

namespace hoshi::koyomi {

namespace {

using Problem = std::optional<RecordProblem>;

Problem form(std::string_view field, const std::string& value, std::string_view expected) {
    return RecordProblem{RecordProblem::Kind::Form,
                         std::string(field) + " \"" + value + "\" is not " + std::string(expected)};
}

Problem range(std::string_view field, const std::string& value, std::string_view expected) {
    return RecordProblem{RecordProblem::Kind::Range,
                         std::string(field) + " \"" + value + "\" is not " + std::string(expected)};
}

// '9' in the pattern stands for an ASCII digit, any other character for itself.
bool matches(std::string_view s, std::string_view pattern) {
    if (s.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (pattern[i] == '9' ? (s[i] < '0' || s[i] > '9') : s[i] != pattern[i]) return false;
    return true;
}

int number(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

Problem checkKey(schema::TableKind kind, const std::string& key) {
    auto field = schema::info(kind).fields[0];
    switch (kind) {
    case schema::TableKind::Day:
        if (!schema::hasKeyForm(kind, key)) return form(field, key, "of the form YYYY/MM/DD");
        if (!isValidDate(number(key.substr(0, 4)), number(key.substr(5, 2)), number(key.substr(8, 2))))
            return range(field, key, "a date of the calendar");
        return {};
    case schema::TableKind::Month:
        if (!schema::hasKeyForm(kind, key)) return form(field, key, "of the form YYYY/MM");
        if (number(key.substr(5, 2)) < 1 || number(key.substr(5, 2)) > 12)
            return range(field, key, "a month 01..12");
        return {};
    case schema::TableKind::Year:
        if (!schema::hasKeyForm(kind, key)) return form(field, key, "of the form YYYY");
        return {};
    }
    return {};
}

// Last, what a post refuses too, in the post's words: 局 other than one
// digit, years before the stem rules, a record the board cannot be computed from.
Problem recordFaultProblem(schema::TableKind kind, const CalendarRecord& r) {
    if (auto fault = recordFault(kind, r)) return RecordProblem{RecordProblem::Kind::Form, *fault};
    return {};
}

Problem checkKansi(const std::string& v) {
    // Two characters of three UTF-8 bytes each.
    auto kan = v.size() == 6 ? findName(kanName, std::string_view(v).substr(0, 3), 1) : std::nullopt;
    auto si = v.size() == 6 ? findName(siName, std::string_view(v).substr(3, 3), 1) : std::nullopt;
    if (!kan || !si) return range("干支", v, "a stem (甲..癸) then a branch (子..亥)");
    if (!isKansi(*kan, *si)) return range("干支", v, "a pair of the sixty-cycle");
    return {};
}

Problem checkKyoku(const std::string& v) {
    if (v.empty() || v[0] < '1' || v[0] > '9') return form("局", v, "a digit 1-9 first");
    std::string sjis;
    try {
        sjis = utf8ToSjis(v);
    } catch (const ConversionError&) {
        return form("局", v, "text that Shift-JIS can hold");
    }
    if (sjis.size() > 4) return form("局", v, "at most 4 bytes long");
    return {};
}

Problem checkMonthDay(const std::string& v) {
    if (!matches(v, "99/99")) return form("節入り日", v, "of the form MM/DD");
    int m = number(v.substr(0, 2)), d = number(v.substr(3, 2));
    if (!isValidDate(2000, m, d)) return range("節入り日", v, "a month and day of the calendar");
    return {};
}

Problem checkTime(const std::string& v) {
    if (!matches(v, "99:99")) return form("時刻", v, "of the form HH:MM");
    if (number(v.substr(0, 2)) > 23 || number(v.substr(3, 2)) > 59)
        return range("時刻", v, "a time 00:00..23:59");
    return {};
}

} // namespace

std::optional<RecordProblem> recordProblem(schema::TableKind kind, const CalendarRecord& r) {
    if (auto p = checkKey(kind, r[schema::Key])) return p;
    if (auto p = checkKansi(r[schema::Kansi])) return p;
    if (!findName(inyouName, r[schema::Inyou])) return range("陰陽", r[schema::Inyou], "陰 or 陽");
    if (auto p = checkKyoku(r[schema::Kyoku])) return p;
    if (kind != schema::TableKind::Day) return recordFaultProblem(kind, r);
    auto sekki = findName(sekkiName, r[schema::Sekki]);
    if (!sekki) return range("節気", r[schema::Sekki], "one of the 24 solar-term names");
    if (!findName(sangenName, r[schema::Sangen], 1))
        return range("3元", r[schema::Sangen], "上元, 中元 or 下元");
    if (auto p = checkMonthDay(r[schema::Setuiri])) return p;
    if (auto p = checkTime(r[schema::Jikoku])) return p;
    return recordFaultProblem(kind, r);
}

} // namespace hoshi::koyomi
