// The day nine-star by the solstice switch-day rule, its 閏, and overrides.

#include <algorithm>
#include <gtest/gtest.h>

#include "errors.h"
#include "generator/koyomi.h"
#include "generator/nikkakyusei.h"

namespace hoshi::koyomi {
namespace {

struct DayRow {
    const char* day;
    const char* kansi;
    const char* inyou;
    const char* kyoku;
};

const CalendarRecord& find(const Koyomi& k, const char* key) {
    for (const CalendarRecord& r : k.days)
        if (r.key() == key) return r;
    throw std::runtime_error(std::string("no record ") + key);
}

void expectDays(const Koyomi& k, std::span<const DayRow> rows) {
    for (const DayRow& row : rows) {
        const CalendarRecord& r = find(k, row.day);
        EXPECT_EQ(r[schema::Kansi], row.kansi) << row.day;
        EXPECT_EQ(r[schema::Inyou], row.inyou) << row.day;
        EXPECT_EQ(r[schema::Kyoku], row.kyoku) << row.day;
    }
}

Koyomi generate(CivilDate from, CivilDate to, std::vector<CivilDate> leap = {}) {
    KoyomiOptions o;
    o.from = from;
    o.to = to;
    o.leapDates = std::move(leap);
    return generateKoyomi(o);
}

TEST(NikkaKyusei, RuleExamples) {
    // 閏 陽→陰 at the 1997 summer solstice, 陰→陽 in December 2008, and a
    // switch day on the 29th day before the 2019 winter solstice.
    const DayRow rows[] = {
        {"1997/06/20", "癸巳", "陽", "3"}, {"1997/06/21", "甲午", "陰", "3"},
        {"1997/06/22", "乙未", "陰", "2"}, {"1997/07/21", "甲子", "陰", "9"},
        {"2008/12/19", "癸巳", "陰", "7"}, {"2008/12/20", "甲午", "陽", "7"},
        {"2008/12/21", "乙未", "陽", "8"}, {"2009/01/19", "甲子", "陽", "1"},
        {"2019/11/22", "癸亥", "陰", "1"}, {"2019/11/23", "甲子", "陽", "1"},
        {"2019/11/24", "乙丑", "陽", "2"},
    };
    expectDays(generate({1997, 6, 1}, {1997, 7, 31}), std::span(rows, 4));
    expectDays(generate({2008, 12, 1}, {2009, 1, 31}), std::span(rows + 4, 4));
    expectDays(generate({2019, 11, 1}, {2019, 11, 30}), std::span(rows + 8, 3));
}

TEST(NikkaKyusei, LeapOverrideMovesTheLeap) {
    // An almanac that starts the 1997 陰 run at the 甲子 before the solstice
    // (05-22) has its 閏 on 1997-12-18 instead of 06-21.
    Koyomi rule = generate({1997, 5, 1}, {1998, 1, 31});
    Koyomi moved = generate({1997, 5, 1}, {1998, 1, 31}, {{1997, 12, 18}});
    const DayRow ruleRows[] = {
        {"1997/05/22", "甲子", "陽", "1"},
        {"1997/06/21", "甲午", "陰", "3"},
        {"1997/12/18", "甲午", "陰", "3"},
        {"1998/01/17", "甲子", "陽", "1"},
    };
    const DayRow movedRows[] = {
        {"1997/05/22", "甲子", "陰", "9"}, {"1997/06/21", "甲午", "陰", "6"},
        {"1997/12/17", "癸巳", "陰", "7"}, {"1997/12/18", "甲午", "陽", "7"},
        {"1997/12/19", "乙未", "陽", "8"}, {"1998/01/17", "甲子", "陽", "1"},
    };
    expectDays(rule, ruleRows);
    expectDays(moved, movedRows);
    auto has = [](const Koyomi& k, CivilDate d) {
        return std::find(k.leapDays.begin(), k.leapDays.end(), d) != k.leapDays.end();
    };
    EXPECT_TRUE(has(rule, {1997, 6, 21}));
    EXPECT_FALSE(has(moved, {1997, 6, 21}));
    EXPECT_TRUE(has(moved, {1997, 12, 18}));
}

TEST(NikkaKyusei, BadOverridesAreRefused) {
    const std::vector<std::vector<CivilDate>> bad = {
        {{1997, 12, 19}},                // not a 甲午
        {{1997, 10, 19}},                // 甲午, but D − 210 is no switch-day candidate
        {{1997, 6, 21}, {1997, 12, 18}}, // two placements of one switch day
    };
    for (const auto& leap : bad)
        EXPECT_THROW(generate({1997, 5, 1}, {1998, 1, 31}, leap), OutOfRangeError) << dayKey(leap.back());
}

TEST(NikkaKyusei, LeapTableFile) {
    auto dates = parseLeapTable("# from almanac X\n\n1997-12-18   # moved\r\n2008/12/20\n", "leap.txt");
    ASSERT_EQ(dates.size(), 2u);
    EXPECT_EQ(dates[0], (CivilDate{1997, 12, 18}));
    EXPECT_EQ(dates[1], (CivilDate{2008, 12, 20}));
    try {
        parseLeapTable("1997-12-18\n\n1997-13-01\n", "leap.txt");
        FAIL() << "accepted a bad date";
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("leap.txt の 3 行目"), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace hoshi::koyomi
