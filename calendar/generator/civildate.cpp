#include "civildate.h"

#include "schema.h"

#include <chrono>
#include <cstdio>

#include "errors.h"

namespace hoshi::koyomi {

namespace {

std::chrono::year_month_day ymd(CivilDate d) {
    return {std::chrono::year{d.year}, std::chrono::month{static_cast<unsigned>(d.month)},
            std::chrono::day{static_cast<unsigned>(d.day)}};
}

int digits(std::string_view s) {
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

bool isValidDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && ymd({year, month, day}).ok();
}

int dayNumber(CivilDate d) {
    return static_cast<int>(std::chrono::sys_days{ymd(d)}.time_since_epoch().count());
}

CivilDate fromDayNumber(int n) {
    std::chrono::year_month_day t{std::chrono::sys_days{std::chrono::days{n}}};
    return {static_cast<int>(t.year()), static_cast<int>(static_cast<unsigned>(t.month())),
            static_cast<int>(static_cast<unsigned>(t.day()))};
}

int daySexagenaryIndex(int dayNumber) {
    int i = (dayNumber + 17) % 60;
    return i < 0 ? i + 60 : i;
}

CivilDate parseDate(std::string_view text) {
    bool form = text.size() == 10 && (text[4] == '-' || text[4] == '/') && text[7] == text[4];
    int y = form ? digits(text.substr(0, 4)) : -1;
    int m = form ? digits(text.substr(5, 2)) : -1;
    int d = form ? digits(text.substr(8, 2)) : -1;
    if (y < 0 || m < 0 || d < 0 || !isValidDate(y, m, d))
        throw ConversionError("日付「" + std::string(text) +
                              "」は暦にある日付を YYYY-MM-DD の形で書いてください。");
    return {y, m, d};
}

std::string dayKey(CivilDate d) {
    return schema::makeKey(schema::TableKind::Day, d.year, d.month, d.day);
}

std::string isoText(const CivilDateTime& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.date.year, t.date.month, t.date.day,
                  t.hour, t.minute, t.second);
    return buf;
}

} // namespace hoshi::koyomi
