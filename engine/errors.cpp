#include "errors.h"

namespace hoshi {

namespace {

// The names a person meets, for the names the code checks by.
std::string userName(std::string_view what) {
    static constexpr std::pair<std::string_view, std::string_view> names[] = {
        {"year", "年"},
        {"month", "月"},
        {"day", "日"},
        {"ju", "局"},
        {"hour slot", "時刻（1..12、子の刻が1）"},
        {"hour", "時刻（1..12、子の刻が1）"},
        {"hour index", "時刻（1..12、子の刻が1）"},
        {"hour branch", "時刻の支"},
        {"stem", "干"},
        {"branch", "支"},
        {"day stem", "日干"},
        {"month stem", "月干"},
        {"year stem", "年干"},
        {"day branch", "日支"},
        {"month branch", "月支"},
        {"year branch", "年支"},
        {"heaven-plate stem", "天盤の干"},
        {"earth-plate stem", "地盤の干"},
        {"palace", "方位（宮）"},
        {"solar-term index", "節気"},
        {"solar term", "節気"},
        {"inyou", "陰陽"},
        {"元", "3元"},
        {"time-bar position", "時刻バーの位置"},
        {"sexagenary number", "六十干支の番号"},
        {"pattern code", "吉格の番号"},
        {"record", "レコード"},
        {"millimetre", "ミリ"},
        {"UTC offset in minutes", "UTC との時差（分）"},
    };
    for (const auto& [code, name] : names)
        if (code == what) return std::string(name);
    return std::string(what);
}

} // namespace

void throwOutOfRange(long long v, long long lo, long long hi, const char* what) {
    throw OutOfRangeError(userName(what) + "「" + std::to_string(v) + "」は範囲外です（" +
                          std::to_string(lo) + "～" + std::to_string(hi) + "）。");
}

std::string fieldName(std::string_view what) {
    return userName(what);
}

} // namespace hoshi
