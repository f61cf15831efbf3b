#include "responselines.h"

#include <string_view>

#include "errors.h"
#include "jiban.h"
#include "oukiban.h"

namespace hoshi {

namespace {

constexpr std::string_view heading =
    "『方位効果が顕現する応期の説明(凶の場合も吉の場合も効果が顕著に出る時期)』";

// Hour labels by hour index 1..12.
constexpr std::array<std::string_view, 13> hourLabel = {"",       "０時",   "２時",   "４時",   "６時",
                                                        "８時",   "１０時", "１２時", "１４時", "１６時",
                                                        "１８時", "２０時", "２２時"};

// Steps from the current stem c on to stem x, 1..10.
constexpr int stemDistance(StemNo x, StemNo c) {
    return x > c ? x - c : x - c + 10;
}

int monthLength(int y, int m) {
    if (m == 4 || m == 6 || m == 9 || m == 11) return 30;
    // The Gregorian rule: the same as "every fourth year from 1920" for
    // 1901..2099, and right for 1900 and 2100, which have no 29 February.
    if (m == 2) return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0 ? 29 : 28;
    return 31;
}

// The first hour 3..12 of a day of stem d whose stem is x; hours 3..12 carry
// all ten stems.
int firstHour(StemNo d, StemNo x) {
    for (int h = 3; h <= 12; ++h)
        if (hourStem(d, h) == x) return h;
    return 0;
}

std::string nearestYear(const ResponseSnapshot& s, StemNo x) {
    int y = s.nen + 1;
    while (yearStem(y) != x) ++y;
    return std::to_string(y) + "年と" + std::to_string(y + 10) + "年";
}

std::string nearestMonth(const ResponseSnapshot& s, StemNo x) {
    checkRange(s.tuki, 1, 12, "month");
    int m = s.tuki + stemDistance(x, monthStem(s.nen, s.tuki));
    int y = s.nen;
    if (m > 12) {
        m -= 12;
        ++y;
    }
    return std::to_string(y) + "年 " + std::to_string(m) + "月";
}

std::string nearestDay(const ResponseSnapshot& s, StemNo x) {
    checkRange(s.tuki, 1, 12, "month");
    checkRange(s.niti, 1, 31, "day");
    checkRange(s.nitikan, 1, 10, "day stem");
    int m = s.tuki;
    int d = s.niti + stemDistance(x, s.nitikan);
    int length = monthLength(s.nen, m);
    if (d > length) {
        d -= length;
        m = m % 12 + 1;
    }
    return std::to_string(m) + "月" + std::to_string(d) + "日";
}

std::string nearestHour(const ResponseSnapshot& s, StemNo x) {
    checkRange(s.nitikan, 1, 10, "day stem");
    checkRange(s.jisi, 1, 12, "hour");
    int today = firstHour(s.nitikan, x);
    int tomorrow = firstHour(s.nitikan % 10 + 1, x);
    std::string todayText = today < s.jisi ? std::string("該当なし") : std::string(hourLabel[today]);
    return "当日は" + todayText + " そして翌日は" + std::string(hourLabel[tomorrow]);
}

} // namespace

std::vector<std::string> responseLines(BoardKind kind, const ResponseSnapshot& s, PalaceNo p) {
    checkRange(p, 1, 9, "palace");
    if (p == 5) throw OutOfRangeError("宮 5 は中央で、方位ではありません。");

    std::vector<std::string> lines = {"", std::string(heading)};

    const std::string& heaven = s.ten[static_cast<std::size_t>(p)];
    const std::string& target = heaven == kanName[1] ? s.junganName : heaven;
    ResponseTable table = s.inyou == inyouName[1] ? ResponseTable::yang : ResponseTable::yin;
    auto stem = findName(kanName, target, 1);
    auto board = stem ? findResponseBoard(table, p, *stem) : std::nullopt;
    if (!board) return lines;

    StemNo x = responseStem(table, *board, 5);
    std::string n;
    switch (kind) {
    case BoardKind::year:
        n = nearestYear(s, x);
        break;
    case BoardKind::month:
        n = nearestMonth(s, x);
        break;
    case BoardKind::day:
        n = nearestDay(s, x);
        break;
    case BoardKind::hour:
        n = nearestHour(s, x);
        break;
    }
    lines.push_back("  このトキに実行すると「" + std::string(kanName[static_cast<std::size_t>(x)]) + "」" +
                    std::string(boardKindMarker(kind)) + "のトキに方位効果が最も現れます。");
    lines.push_back("  => 一番近いトキは、" + n + " です。");
    return lines;
}

} // namespace hoshi
