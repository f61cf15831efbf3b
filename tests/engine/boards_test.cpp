#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "boardtext.h"
#include "dayban.h"
#include "jiban.h"
#include "nenban.h"
#include "tukiban.h"

using namespace hoshi;
using hoshi::test::palaceText;
using hoshi::test::plate;

namespace {

struct Calculators : ::testing::Test {
    Tkyokaku kyokaku;
    Tnenban nen;
    Ttukiban tuki;
    Tdayban day;
    Tjiban ji;
    Calculators() {
        for (BoardFields* b : std::initializer_list<BoardFields*>{&nen, &tuki, &day, &ji})
            b->kyokaku = &kyokaku;
        tuki.nenban = &nen;
    }
    void year(int y) {
        nen.nen = y;
        nen.nenKansi();
        nen.keisan();
    }
    // A month of solar year `y`.
    void month(int y, int kan, int si, int kyoku) {
        nen.nen = y;
        nen.nenKansi();
        tuki.kan = kan;
        tuki.si = si;
        tuki.kyoku = kyoku;
        tuki.keisan();
    }
    void dayBoard(int kan, int si, int inyou, int kyoku, int sekkiPalace, int tukikan = 1) {
        day.kan = kan;
        day.si = si;
        day.inyou = inyou;
        day.kyoku = kyoku;
        day.sekkiPalace = sekkiPalace;
        day.tukikan = tukikan;
        day.keisan();
    }
    void hour(int nitikan, int nitisi, int jisi, int sekkiNo, int sangen) {
        ji.nitikan = nitikan;
        ji.nitisi = nitisi;
        ji.jisi = jisi;
        ji.sekkiNo = sekkiNo;
        ji.sangen = sangen;
        ji.sekkiPalace = sekkiPalace(sekkiNo);
        ji.keisan();
    }
};

void expectPalaces(const BoardFields& b, const std::array<const char*, 9>& expected) {
    for (int p = 1; p <= 9; ++p) EXPECT_EQ(palaceText(b, p), expected[p - 1]) << "palace " << p;
}

} // namespace

TEST_F(Calculators, Year2000PalaceByPalace) {
    year(2000);
    EXPECT_EQ(nen.kyoku, 9);
    EXPECT_EQ(nen.jungan, 6);
    EXPECT_EQ(nen.junganName, "己");
    EXPECT_EQ(nen.junpos, 7);
    EXPECT_EQ(nen.kanpos, 6);
    expectPalaces(nen,
                  {"庚/癸 天禽 開門 八白 六合", "辛/戊 天蓬 休門 四禄 太陰", "乙/丙 天冲 生門 六白 縢蛇",
                   "丙/丁 天輔 驚門 七赤 勾陳", "-/壬 天心 - 九紫 -", "甲/庚 天任 傷門 二黒 直符",
                   "戊/甲 天英 死門 三碧 朱雀", "癸/乙 天内 景門 五黄 九地", "丁/辛 天柱 杜門 一白 九天"});
}

TEST_F(Calculators, Year1984IsFukugin) {
    year(1984);
    EXPECT_EQ(nen.kyoku, 7);
    EXPECT_EQ(nen.junpos, 6);
    EXPECT_EQ(nen.kanpos, 6);
    EXPECT_EQ(nen.ti[6], "甲");
    EXPECT_EQ(nen.ten[6], "甲");
    for (int p : outerPalaces) EXPECT_EQ(nen.ten[p], nen.ti[p]) << p;
    EXPECT_EQ(nen.ten[5], "");
}

TEST_F(Calculators, Year2001StemInCentre) {
    year(2001); // 辛巳, ju 8: 辛 lies in the centre
    EXPECT_EQ(nen.kyoku, 8);
    EXPECT_EQ(nen.kanpos, 5);
    for (int p : outerPalaces) EXPECT_EQ(nen.ten[p], nen.ti[p]) << p;
    EXPECT_EQ(nen.jin[6], "直符");
    // The 直符 star still flies, to the centre.
    EXPECT_EQ(nen.seiNo[5], loshu(nen.junpos));
    EXPECT_EQ(nen.kyuNo[5], 8);
}

TEST_F(Calculators, YearWhoseStemIsItsJunsyu) {
    year(1988); // 戊辰, in the 甲子 decade whose 旬首 is 戊
    EXPECT_EQ(nen.kan, 5);
    EXPECT_EQ(nen.kanpos, nen.junpos);
    for (int p : outerPalaces) EXPECT_EQ(nen.ten[p], nen.ti[p]) << p;
}

TEST(YearKyoku, FallsByOneEachYear) {
    const std::pair<int, int> cases[] = {{1864, 1}, {1865, 9}, {1984, 7}, {2000, 9},
                                         {1990, 1}, {1700, 3}, {2200, 7}};
    for (auto [y, k] : cases) EXPECT_EQ(nenKyoku(y), k) << y;
    for (int y = 1700; y < 2300; ++y) EXPECT_EQ(nenKyoku(y + 1), wrap9(nenKyoku(y) - 1)) << y;
}

TEST(MonthCentre, StarTable) {
    struct Case {
        int yearBranch, monthBranch, centre;
    };
    // 2001/02 寅 month of 辛巳; 2001/01 丑 month of 庚辰; 2000/12 子 month of 庚辰.
    const Case cases[] = {{6, 3, 2},  {5, 2, 3},  {5, 1, 4}, {1, 3, 8},
                          {1, 10, 1}, {1, 11, 9}, {3, 2, 9}, {12, 1, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(tukiKyuguCentre(c.yearBranch, c.monthBranch), c.centre)
            << c.yearBranch << "," << c.monthBranch;
    EXPECT_THROW(tukiKyuguCentre(0, 3), OutOfRangeError);
}

TEST_F(Calculators, MonthBoards) {
    month(2001, 7, 3, 2); // 2001/02 庚寅: 庚 is the 旬首 of the 甲申 decade
    EXPECT_EQ(tuki.kyuNo[5], 2);
    EXPECT_EQ(tuki.kanpos, tuki.junpos);
    for (int p : outerPalaces) EXPECT_EQ(tuki.ten[p], tuki.ti[p]) << p;
    EXPECT_EQ(tuki.ten[tuki.junpos], "甲");

    month(2000, 6, 2, 3); // 2001/01 is 己丑, the 丑 month of 2000 (庚辰)
    EXPECT_EQ(tuki.kyuNo[5], 3);
}

TEST_F(Calculators, MonthStemInCentre) {
    // Ju 5 lays 戊 in the centre: 戊午 (甲寅 decade, 癸 hides 甲) puts the month stem there.
    month(2001, 5, 7, 5);
    EXPECT_EQ(tuki.kanpos, 5);
    for (int p : outerPalaces) EXPECT_EQ(tuki.ten[p], tuki.ti[p]) << p;
    EXPECT_EQ(tuki.jin[6], "直符");
}

TEST_F(Calculators, DayYangAndYin) {
    dayBoard(3, 3, 1, 1, 8); // 丙寅, yang, ju 1
    EXPECT_EQ(plate(day.ti), "辛 乙 己 庚 壬 丁 丙 甲 癸");
    EXPECT_EQ(day.junpos, 8);
    EXPECT_EQ(day.kanpos, 7);
    EXPECT_EQ(plate(day.ten), "庚 辛 乙 丙 - 己 甲 癸 丁");
    EXPECT_EQ(plate(day.mon), "生門 傷門 杜門 休門 - 景門 開門 驚門 死門");
    EXPECT_EQ(plate(day.jin), "太陰 六合 勾陳 縢蛇 - 朱雀 直符 九天 九地");
    EXPECT_EQ(day.kyu[5], "一白");

    dayBoard(3, 3, 0, 1, 8); // the same day in yin dun
    EXPECT_EQ(plate(day.ti), "丁 己 乙 丙 癸 辛 庚 甲 壬");
    EXPECT_EQ(day.kanpos, 4);
    EXPECT_EQ(day.jin[4], "直符");
    EXPECT_EQ(day.jin[7], "縢蛇");
    EXPECT_EQ(day.jin[8], "太陰");
    EXPECT_EQ(day.jin[9], "六合");
}

TEST_F(Calculators, DayStemInCentreGoesToTermPalace) {
    dayBoard(2, 2, 1, 6, 8); // 乙丑, yang, ju 6: 乙 in the centre
    EXPECT_EQ(day.kanpos, 5);
    EXPECT_EQ(day.ten[8], "甲");
    EXPECT_EQ(day.jin[8], "直符");
    EXPECT_NE(plate(day.ten), plate(day.ti)); // no 伏吟 layout

    day.sekkiPalace = 5; // only an outer palace can take the 直符
    EXPECT_THROW(day.keisan(), OutOfRangeError);
}

TEST_F(Calculators, JiaDayIsFukuginInBothDuns) {
    for (int inyou : {0, 1}) {
        dayBoard(1, 1, inyou, 4, 2);
        for (int p : outerPalaces) EXPECT_EQ(day.ten[p], day.ti[p]) << inyou << " " << p;
    }
}

TEST_F(Calculators, HourBoards) {
    hour(3, 3, 8, 9, 2); // day 丙寅, 未 period, 立夏 中元
    EXPECT_EQ(ji.kan, 2);
    EXPECT_EQ(ji.si, 8);
    EXPECT_EQ(ji.inyou, 1);
    EXPECT_EQ(ji.kyoku, 4);
    EXPECT_EQ(ji.kyuNo[5], 5);
    EXPECT_EQ(plate(ji.ti), "戊 癸 丙 乙 己 甲 壬 丁 庚");
    EXPECT_EQ(plate(ji.ten), "庚 丁 壬 甲 - 乙 丙 癸 戊");

    hour(3, 3, 8, 15, 2); // the same hour under 立秋 中元
    EXPECT_EQ(ji.inyou, 0);
    EXPECT_EQ(ji.kyoku, 2);
    EXPECT_EQ(ji.kyuNo[5], 5);

    hour(1, 1, 1, 0, 1); // 子 of a 甲 day is 甲子: 伏吟
    EXPECT_EQ(ji.kan, 1);
    for (int p : outerPalaces) EXPECT_EQ(ji.ten[p], ji.ti[p]) << p;
    hour(5, 5, 1, 0, 1); // 子 of a 戊 day is 壬子
    EXPECT_EQ(ji.kan, 9);
}

TEST(HourJu, TableRule) {
    EXPECT_EQ(jikyoku(1, 0, 1), 1);
    EXPECT_EQ(jikyoku(1, 0, 6), 6);
    EXPECT_EQ(jikyoku(1, 12, 2), 8);
    EXPECT_EQ(jikyoku(1, 12, 6), 4);
    EXPECT_EQ(jikyoku(1, 3, 2), 9);
    EXPECT_EQ(jikyoku(1, 3, 3), 1);
    EXPECT_EQ(jikyoku(3, 23, 1), 1);
    EXPECT_THROW(jikyoku(0, 0, 1), OutOfRangeError);
    EXPECT_THROW(jikyoku(1, 24, 1), OutOfRangeError);
}

TEST_F(Calculators, HourDunByHalfOfYear) {
    hour(1, 1, 3, 11, 1);
    EXPECT_EQ(ji.inyou, 1); // 芒種
    hour(1, 1, 3, 12, 1);
    EXPECT_EQ(ji.inyou, 0); // 夏至
    // Decade always equals 旬首 − 4.
    for (int jisi = 1; jisi <= 12; ++jisi)
        for (int d = 1; d <= 10; ++d) {
            hour(d, d % 2 ? 1 : 2, jisi, 0, 1);
            EXPECT_EQ(ji.kyoku, jikyoku(1, 0, ji.jungan - 4));
        }
}

TEST_F(Calculators, OutOfRangeInputsAreRefused) {
    nen.kan = 1;
    nen.si = 2; // mixed parity
    EXPECT_THROW(nen.keisan(), OutOfRangeError);
    nen.kan = 11;
    nen.si = 1;
    EXPECT_THROW(nen.keisan(), OutOfRangeError);
    day.kan = 3;
    day.si = 3;
    day.kyoku = 0;
    day.tukikan = 1;
    day.sekkiPalace = 8;
    EXPECT_THROW(day.keisan(), OutOfRangeError);
    ji.nitikan = 1;
    ji.nitisi = 1;
    ji.jisi = 13;
    ji.sekkiNo = 0;
    ji.sangen = 1;
    EXPECT_THROW(ji.keisan(), OutOfRangeError);
    ji.jisi = 1;
    ji.sangen = 4;
    EXPECT_THROW(ji.keisan(), OutOfRangeError);
}

// Invariants over every input a calendar can give each kind of board.
namespace {

void expectSoundBoard(const BoardFields& b, const std::string& what) {
    SCOPED_TRACE(what);
    // The earth plate holds each of the nine stems once ("甲" standing in for the 旬首 stem).
    std::multiset<int> rokugi(b.tiNo.begin() + 1, b.tiNo.end());
    EXPECT_EQ(rokugi, (std::multiset<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(b.ti[b.junpos], "甲");
    // The outer heaven ring is a rotation of the outer earth ring (by names, 甲 as its 旬首).
    auto name = [&](Name n, int p) -> std::string {
        return n == "甲" ? std::string(rokugiName[b.tiNo[p]]) : std::string(n);
    };
    std::array<std::string, 8> earth, heaven;
    for (int r = 1; r <= 8; ++r) {
        int p = ring2riti(r);
        earth[r - 1] = name(b.ti[p], p);
        heaven[r - 1] = b.ten[p];
    }
    PalaceNo target = -1;
    for (int p : outerPalaces)
        if (b.ten[p] == "甲") target = p;
    if (b.junpos != 5) { // with 甲 hidden in the centre no outer palace shows it
        ASSERT_GT(target, 0);
        heaven[riti2ring(target) - 1] = b.junganName;
    }
    bool rotation = false;
    for (int a = 0; a < 8 && !rotation; ++a) {
        std::array<std::string, 8> turned;
        for (int i = 0; i < 8; ++i) turned[(i + a) % 8] = earth[i];
        rotation = turned == heaven;
    }
    EXPECT_TRUE(rotation);
    EXPECT_EQ(b.ten[5], "");
    // Gates and deities: a permutation of 1..8 on the outer palaces, none in the centre.
    std::set<int> gates, deities;
    for (int p : outerPalaces) {
        gates.insert(b.monNo[p]);
        deities.insert(b.jinNo[p]);
    }
    EXPECT_EQ(gates.size(), 8u);
    EXPECT_EQ(*gates.begin(), 1);
    EXPECT_EQ(deities.size(), 8u);
    EXPECT_EQ(*deities.begin(), 1);
    EXPECT_EQ(b.monNo[5], 0);
    EXPECT_EQ(b.jinNo[5], 0);
    // Stars and nine-stars: each of 1..9 once over all nine palaces.
    std::set<int> stars(b.seiNo.begin() + 1, b.seiNo.end()), nine(b.kyuNo.begin() + 1, b.kyuNo.end());
    EXPECT_EQ(stars.size(), 9u);
    EXPECT_EQ(nine.size(), 9u);
    for (int p = 1; p <= 9; ++p) EXPECT_LE(b.kitikaku[p], 18);
    EXPECT_EQ(b.kitikaku[5], 0);
    // No palace lists more than 21 lines.
    for (int p : outerPalaces) {
        b.kyokaku->makeList(p);
        EXPECT_LE(b.kyokaku->kakuCount, 21);
    }
}

} // namespace

TEST_F(Calculators, InvariantsOfEveryBoardKind) {
    for (int y = 1900; y < 1960; ++y) {
        year(y);
        expectSoundBoard(nen, "year " + std::to_string(y));
    }
    for (int n = 1; n <= 60; ++n) {
        auto [kan, si] = kansiOf(n);
        for (int kyoku = 1; kyoku <= 9; ++kyoku) {
            month(1984 + n % 12, kan, si, kyoku);
            expectSoundBoard(tuki, "month " + std::to_string(n) + " ju " + std::to_string(kyoku));
            for (int inyou : {0, 1}) {
                dayBoard(kan, si, inyou, kyoku, outerPalaces[static_cast<std::size_t>(n % 8)], n % 10 + 1);
                expectSoundBoard(day, "day " + std::to_string(n) + " ju " + std::to_string(kyoku));
            }
        }
        for (int jisi = 1; jisi <= 12; ++jisi)
            for (int sekki = 0; sekki < 24; sekki += 5)
                for (int sangen = 1; sangen <= 3; ++sangen) {
                    hour(kan, si, jisi, sekki, sangen);
                    expectSoundBoard(ji, "hour " + std::to_string(n) + " " + std::to_string(jisi));
                }
    }
}
