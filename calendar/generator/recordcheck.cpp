#include "recordcheck.h"

#include <string_view>

#include "civildate.h"
#include "decoders.h"
#include "text.h"
#include "vocabulary.h"

namespace hoshi::koyomi {

namespace {

using Problem = std::optional<RecordProblem>;
using enum RecordProblem::Kind;

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

// The decoder reads the first two characters; a stored 干支 has no more.
Problem checkKansiLength(const std::string& v) {
    if (utf8Chars(v).size() == 2) return {};
    return RecordProblem{Form, "干支「" + v + "」は十干と十二支の二文字（例：丙寅）で入力してください。"};
}

// 節気 and 3元 as the hour board reads them from a day record.
Problem checkHourFields(const CalendarRecord& r) {
    try {
        Tjiban j;
        decodeHourRecord(r, 1, j);
    } catch (const OutOfRangeError& e) {
        return RecordProblem{Range, e.what()};
    }
    return {};
}

Problem checkMonthDay(const std::string& v) {
    if (!matches(v, "99/99"))
        return RecordProblem{Form, "節入り日「" + v +
                                       "」は MM/DD の形（半角数字、月と日は2桁）で入力してください。"};
    int m = number(v.substr(0, 2)), d = number(v.substr(3, 2));
    if (!isValidDate(2000, m, d)) return RecordProblem{Range, "節入り日「" + v + "」は暦にない月日です。"};
    return {};
}

Problem checkTime(const std::string& v) {
    if (!matches(v, "99:99"))
        return RecordProblem{Form,
                             "時刻「" + v + "」は HH:MM の形（半角数字、時と分は2桁）で入力してください。"};
    if (number(v.substr(0, 2)) > 23 || number(v.substr(3, 2)) > 59)
        return RecordProblem{Range, "時刻「" + v + "」は 00:00～23:59 で入力してください。"};
    return {};
}

// The forms the generator writes and the hour board needs, beyond a post's.
Problem findProblem(schema::TableKind kind, const CalendarRecord& r) {
    if (auto p = checkKansiLength(r[schema::Kansi])) return p;
    if (!findName(inyouName, r[schema::Inyou])) return RecordProblem{Range, inyouFault(r[schema::Inyou])};
    if (kind != schema::TableKind::Day) return {};
    if (auto p = checkHourFields(r)) return p;
    if (auto p = checkMonthDay(r[schema::Setuiri])) return p;
    return checkTime(r[schema::Jikoku]);
}

} // namespace

std::optional<RecordProblem> recordProblem(schema::TableKind kind, const CalendarRecord& r) {
    // First what a post refuses, in the post's words.
    if (auto fault = recordFault(kind, r)) return fault;
    auto problem = findProblem(kind, r);
    if (problem) problem->text = visibleText(problem->text); // control characters made visible
    return problem;
}

} // namespace hoshi::koyomi
