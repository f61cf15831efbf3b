// The day, month and year rules, and invariants over the whole default range.

#include <gtest/gtest.h>
#include <map>

#include "errors.h"
#include "generator/koyomi.h"
#include "generator/recordcheck.h"
#include "vocabulary.h"

namespace hoshi::koyomi {
namespace {

TEST(Koyomi, KansiOfKnownDays) {
    struct Row {
        CivilDate day;
        const char* kansi;
    } rows[] = {{{2000, 1, 1}, "戊午"}, {{1984, 1, 1}, "甲午"}};
    for (const Row& r : rows)
        EXPECT_EQ(kansiText(daySexagenaryIndex(dayNumber(r.day))), r.kansi) << dayKey(r.day);
}

TEST(Koyomi, SangenByTheFutou) {
    // The 符頭 is the latest 甲 or 己 day; its branch group gives the 元.
    struct Row {
        int index;
        int sangen;
    } rows[] = {
        {0, 1},  /* 甲子 */ {4, 1},  /* 戊辰 under 甲子 */ {5, 2},                     /* 己巳 */
        {10, 3}, /* 甲戌 */ {15, 1}, /* 己卯 */ {20, 2},           /* 甲申 */ {25, 3}, /* 己丑 */
        {30, 1}, /* 甲午 */ {35, 2}, /* 己亥 */ {40, 3},           /* 甲辰 */ {59, 3} /* 癸亥 under 己未 */};
    for (const Row& r : rows) EXPECT_EQ(sangenOf(r.index), r.sangen) << kansiText(r.index);
}

TEST(Koyomi, MonthRecords) {
    struct Row {
        int year, month;
        const char* kansi;
        const char* kyoku;
    } rows[] = {
        {2001, 2, "庚寅", "2"},  // 寅 month of 辛巳 (寅巳申亥)
        {2001, 1, "己丑", "3"},  // 丑 month of 庚辰 (丑辰未戌)
        {2000, 12, "戊子", "4"}, // 子 month of 庚辰
        {1984, 2, "丙寅", "8"},  // 寅 month of 甲子 (子卯午酉)
    };
    for (const Row& r : rows) {
        CalendarRecord m = monthRecord(r.year, r.month);
        EXPECT_EQ(m[schema::Kansi], r.kansi) << m.key();
        EXPECT_EQ(m[schema::Inyou], "陰") << m.key();
        EXPECT_EQ(m[schema::Kyoku], r.kyoku) << m.key();
    }
    EXPECT_EQ(monthRecord(2001, 2).key(), "2001/02");
}

TEST(Koyomi, YearRecords) {
    struct Row {
        int year;
        const char* kansi;
        const char* kyoku;
    } rows[] = {{1990, "庚午", "1"},
                {1991, "辛未", "9"},
                {1989, "己巳", "2"},
                {1984, "甲子", "7"},
                {2000, "庚辰", "9"}};
    for (const Row& r : rows) {
        CalendarRecord y = yearRecord(r.year);
        EXPECT_EQ(y[schema::Kansi], r.kansi) << r.year;
        EXPECT_EQ(y[schema::Inyou], "陰") << r.year;
        EXPECT_EQ(y[schema::Kyoku], r.kyoku) << r.year;
    }
}

TEST(Koyomi, TermOfTheDayCountsTheStartDate) {
    // 2021 立春 began at 23:59 on 02-03: 02-03 is already 立春, its own 節入り.
    KoyomiOptions o;
    o.from = {2021, 2, 2};
    o.to = {2021, 2, 4};
    Koyomi k = generateKoyomi(o);
    ASSERT_EQ(k.days.size(), 3u);
    EXPECT_EQ(k.days[0][schema::Sekki], "大寒");
    EXPECT_EQ(k.days[1][schema::Sekki], "立春");
    EXPECT_EQ(k.days[1][schema::Setuiri], "02/03");
    EXPECT_EQ(k.days[1][schema::Jikoku], "23:59");
    EXPECT_EQ(k.days[0][schema::Setuiri], "01/05");
    ASSERT_EQ(k.months.size(), 1u);
    ASSERT_EQ(k.years.size(), 1u);
}

TEST(Koyomi, RangeOutsideTheModelIsRefused) {
    KoyomiOptions early, reversed;
    early.from = {1799, 12, 31};
    reversed.from = {2000, 1, 2};
    reversed.to = {2000, 1, 1};
    EXPECT_THROW(generateKoyomi(early), OutOfRangeError);
    EXPECT_THROW(generateKoyomi(reversed), OutOfRangeError);
}

// The default range, generated once per test program run.
class WholeRange : public ::testing::Test {
protected:
    static void SetUpTestSuite() { koyomi = new Koyomi(generateKoyomi({})); }
    static void TearDownTestSuite() {
        delete koyomi;
        koyomi = nullptr;
    }
    static Koyomi* koyomi;
};
Koyomi* WholeRange::koyomi = nullptr;

int kyoku(const CalendarRecord& r) {
    return r[schema::Kyoku][0] - '0';
}

TEST_F(WholeRange, RecordsAreWellFormedAndCoverTheRange) {
    const Koyomi& k = *koyomi;
    EXPECT_EQ(k.days.size(), 73414u);
    EXPECT_EQ(k.months.size(), 201u * 12);
    EXPECT_EQ(k.years.size(), 201u);
    EXPECT_EQ(k.days.front().key(), "1900/01/01");
    EXPECT_EQ(k.days.back().key(), "2100/12/31");
    for (const auto* table : {&k.days, &k.months, &k.years}) {
        schema::TableKind kind = table == &k.days     ? schema::TableKind::Day
                                 : table == &k.months ? schema::TableKind::Month
                                                      : schema::TableKind::Year;
        for (std::size_t i = 0; i < table->size(); ++i) {
            const CalendarRecord& r = (*table)[i];
            auto p = recordProblem(kind, r);
            ASSERT_FALSE(p) << r.key() << ": " << p->text;
            EXPECT_EQ(r[schema::Kyoku].size(), 1u) << r.key();
            if (i > 0) {
                ASSERT_LT((*table)[i - 1].key(), r.key());
            }
        }
    }
}

TEST_F(WholeRange, DayStarsRunBetweenSwitchDays) {
    const Koyomi& k = *koyomi;
    for (std::size_t i = 1; i < k.switchDays.size(); ++i) {
        int span = dayNumber(k.switchDays[i]) - dayNumber(k.switchDays[i - 1]);
        EXPECT_TRUE(span == 180 || span == 240) << dayKey(k.switchDays[i]) << ": " << span;
    }
    std::map<std::string, bool> turns; // switch days (true) and 閏 days (false) by key
    for (CivilDate d : k.switchDays) turns[dayKey(d)] = true;
    for (CivilDate d : k.leapDays) turns[dayKey(d)] = false;
    int seenSwitch = 0, seenLeap = 0;
    for (std::size_t i = 1; i < k.days.size(); ++i) {
        const CalendarRecord &prev = k.days[i - 1], &r = k.days[i];
        bool yang = r[schema::Inyou] == "陽";
        auto turn = turns.find(r.key());
        if (turn == turns.end()) {
            // Every other day steps one star in its direction.
            ASSERT_EQ(r[schema::Inyou], prev[schema::Inyou]) << r.key();
            ASSERT_EQ(kyoku(r), wrap9(kyoku(prev) + (yang ? 1 : -1))) << r.key();
        } else if (turn->second) {
            ++seenSwitch;
            ASSERT_EQ(r[schema::Kansi], "甲子") << r.key();
            ASSERT_EQ(kyoku(r), yang ? 1 : 9) << r.key();
            // The star repeats as the direction turns; after a 閏 the
            // direction has already turned and the count runs on.
            if (r[schema::Inyou] != prev[schema::Inyou]) {
                ASSERT_EQ(kyoku(r), kyoku(prev)) << r.key();
            } else {
                ASSERT_EQ(kyoku(r), wrap9(kyoku(prev) + (yang ? 1 : -1))) << r.key();
            }
        } else {
            ++seenLeap;
            ASSERT_EQ(r[schema::Kansi], "甲午") << r.key();
            ASSERT_NE(r[schema::Inyou], prev[schema::Inyou]) << r.key();
            ASSERT_EQ(kyoku(r), kyoku(prev)) << r.key();
            ASSERT_EQ(kyoku(r), yang ? 7 : 3) << r.key();
        }
    }
    EXPECT_GE(seenSwitch, 400);
    EXPECT_GE(seenLeap, 15);
}

TEST_F(WholeRange, SolarMonthsAndTerms) {
    const Koyomi& k = *koyomi;
    std::map<std::string, int> setuDays; // per "YYYY/MM", days on which a 節 began
    for (std::size_t i = 0; i < k.days.size(); ++i) {
        const CalendarRecord& r = k.days[i];
        auto term = findName(sekkiName, r[schema::Sekki]);
        ASSERT_TRUE(term) << r.key();
        if (r.key().substr(5) == r[schema::Setuiri]) {
            ++setuDays[r.key().substr(0, 7)];
            EXPECT_EQ(*term % 2, 1) << r.key() << " begins a solar month with " << r[schema::Sekki];
        }
        if (i == 0) continue;
        const CalendarRecord& prev = k.days[i - 1];
        auto before = findName(sekkiName, prev[schema::Sekki]);
        if (*term != *before) {
            ASSERT_EQ(*term, (*before + 1) % 24) << r.key();
        }
        if (r[schema::Setuiri] != prev[schema::Setuiri]) {
            ASSERT_EQ(r.key().substr(5), r[schema::Setuiri]) << r.key();
        }
    }
    for (const CalendarRecord& m : k.months) EXPECT_EQ(setuDays[m.key()], 1) << m.key();
}

TEST_F(WholeRange, KansiAndSangenFollowTheCycle) {
    const Koyomi& k = *koyomi;
    int futouBranch = -1; // branch of the latest 甲 or 己 day
    for (std::size_t i = 0; i < k.days.size(); ++i) {
        const CalendarRecord& r = k.days[i];
        auto kan = findName(kanName, r[schema::Kansi].substr(0, 3), 1);
        auto si = findName(siName, r[schema::Kansi].substr(3), 1);
        ASSERT_TRUE(kan && si) << r.key();
        if (i) {
            int n = sexagenary(*kan, *si);
            const std::string& p = k.days[i - 1][schema::Kansi];
            int before = sexagenary(*findName(kanName, p.substr(0, 3), 1), *findName(siName, p.substr(3), 1));
            ASSERT_EQ(n, before % 60 + 1) << r.key();
        }
        if (*kan == 1 || *kan == 6) futouBranch = *si;
        if (futouBranch < 0) continue;
        static constexpr int group[13] = {0, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2}; // 子 上, 丑 下, 寅 中 …
        EXPECT_EQ(r[schema::Sangen], sangenName[group[futouBranch]]) << r.key();
    }
}

} // namespace
} // namespace hoshi::koyomi
