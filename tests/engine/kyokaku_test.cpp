#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dayban.h"
#include "nenban.h"
#include "tukiban.h"

using namespace hoshi;

namespace {

// Texts named by their slot, so a list shows which slots it took.
struct Detector : ::testing::Test {
    Tkyokaku kyokaku;
    std::vector<std::string> storage;
    Detector() {
        std::array<std::string_view, Tkyokaku::textCount> texts;
        for (int i = 0; i < Tkyokaku::textCount; ++i) storage.push_back("slot" + std::to_string(i + 1));
        for (int i = 0; i < Tkyokaku::textCount; ++i)
            texts[static_cast<std::size_t>(i)] = storage[static_cast<std::size_t>(i)];
        kyokaku.assignTexts(texts);
    }
    std::vector<std::string> list(int p) {
        kyokaku.makeList(p);
        return {kyokaku.kakuList.begin() + 1, kyokaku.kakuList.begin() + 1 + kyokaku.kakuCount};
    }
    // A board with every outer palace's plates given, gates and deities laid as the day board would.
    BoardFields board(int kan, int si) {
        BoardFields b;
        b.kan = kan;
        b.si = si;
        b.kyokaku = &kyokaku;
        return b;
    }
};

} // namespace

TEST_F(Detector, TextSlotsInOrder) {
    EXPECT_EQ(kyokaku.kakuText[1], "slot1");
    EXPECT_EQ(kyokaku.kakuText[14], "slot14");
    EXPECT_EQ(kyokaku.banText[1], "slot15");
    EXPECT_EQ(kyokaku.banText[19], "slot33");
    EXPECT_EQ(kyokaku.nenkakuText[1], "slot34");
    EXPECT_EQ(kyokaku.hikanText[1], "slot44");
    EXPECT_EQ(kyokaku.fukuginText[10], "slot63");
    EXPECT_EQ(kyokaku.fukuginSeiText[1], "slot64");
    EXPECT_EQ(kyokaku.hanginText[6], "slot77");
    EXPECT_EQ(kyokaku.hanginSeiText[8], "slot85");
    EXPECT_THROW(kyokaku.text(86), OutOfRangeError);
}

TEST_F(Detector, Year1984) {
    Tnenban nen;
    nen.kyokaku = &kyokaku;
    nen.nen = 1984;
    nen.nenKansi();
    nen.keisan();
    for (int p = 1; p <= 9; ++p) {
        int expected = p == 2 ? 7 : p == 7 ? 18 : 0; // 丙奇昇殿 south; 雲遁 overwrites 虎遁 north-east
        EXPECT_EQ(nen.kitikaku[p], expected) << p;
    }
    EXPECT_EQ(nen.mon[7], "生門");
    EXPECT_EQ(nen.ten[7], "乙");
    // 伏吟 layout: every outer palace has the 伏吟 of its own stem, 甲 at the 旬首 palace.
    for (int p : outerPalaces) {
        int stem = *findName(kanName, nen.ten[p], 1);
        EXPECT_EQ(kyokaku.fukuginFlag[p][stem], 1) << p;
    }
    EXPECT_EQ(kyokaku.fukuginFlag[nen.junpos][1], 1);
    EXPECT_EQ(kyokaku.banFlag[19], 0); // never on the year board
}

TEST_F(Detector, HeiOverKouWithOwnStemKouListsBothLines) {
    BoardFields b = board(7, 1); // own stem 庚
    for (int p : outerPalaces) {
        b.ten[p] = "甲";
        b.ti[p] = "乙";
    }
    b.ten[3] = "丙";
    b.ti[3] = "庚";
    steps::kyokakuHantei(b, 0);
    auto lines = list(3);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "slot1");  // 年悖格
    EXPECT_EQ(lines[1], "slot12"); // 栄惑入白格
    // The same pair with own stem 戊 is only 栄惑入白格 (plus the 飛干格 of nothing).
    b.kan = 5;
    steps::kyokakuHantei(b, 0);
    lines = list(3);
    EXPECT_EQ(lines[0], "slot12");
}

TEST_F(Detector, SecondStemCountsForNenkakuAndHikanUnderOwnStemIndex) {
    BoardFields b = board(3, 3); // own stem 丙, second stem 丁
    for (int p : outerPalaces) {
        b.ten[p] = "甲";
        b.ti[p] = "乙";
    }
    b.ten[1] = "庚";
    b.ti[1] = "丁";
    b.ten[2] = "丁";
    b.ti[2] = "庚";
    steps::kyokakuHantei(b, 4);
    EXPECT_EQ(kyokaku.nenkakuFlag[1][3], 1);
    EXPECT_EQ(kyokaku.hikanFlag[2][3], 1);
    EXPECT_EQ(kyokaku.nenkakuFlag[1][4], 0);
    steps::kyokakuHantei(b, 0); // no second stem: nothing
    EXPECT_EQ(kyokaku.nenkakuFlag[1][3], 0);
    EXPECT_EQ(kyokaku.hikanFlag[2][3], 0);
}

TEST_F(Detector, GofuguujiOnMonthBoardsListedForEveryPalace) {
    Tnenban nen;
    Ttukiban tuki;
    nen.kyokaku = tuki.kyokaku = &kyokaku;
    tuki.nenban = &nen;
    nen.nen = 1984; // 甲 year
    nen.nenKansi();
    tuki.kan = 7; // 庚午
    tuki.si = 7;
    tuki.kyoku = 4;
    tuki.keisan();
    EXPECT_EQ(kyokaku.banFlag[19], 1);
    for (int p : outerPalaces) {
        auto lines = list(p);
        EXPECT_NE(std::find(lines.begin(), lines.end(), "slot33"), lines.end()) << p;
    }
    nen.nen = 1985; // 乙 year, 庚 month: not a 五不遇時 pair
    nen.nenKansi();
    tuki.keisan();
    EXPECT_EQ(kyokaku.banFlag[19], 0);
}

TEST_F(Detector, JikanNyuboOnlyForItsOwnPair) {
    BoardFields b = board(2, 8); // 乙未 with 乙 over the south-west
    for (int p : outerPalaces) {
        b.ten[p] = "甲";
        b.ti[p] = "乙";
    }
    b.ten[3] = "乙";
    steps::kyokakuHantei(b, 0);
    EXPECT_EQ(kyokaku.banFlag[14], 1);
    EXPECT_EQ(kyokaku.banFlag[11], 1); // 三奇入墓 (乙) holds too
    b.si = 2;                          // 乙丑: the same plate, another pair
    steps::kyokakuHantei(b, 0);
    EXPECT_EQ(kyokaku.banFlag[14], 0);
    for (int s = 14; s <= 18; ++s) EXPECT_EQ(kyokaku.banFlag[s], 0) << s;
}

TEST_F(Detector, EmptyListAndRange) {
    BoardFields b = board(3, 3);
    for (int p : outerPalaces) {
        b.ten[p] = "甲";
        b.ti[p] = "乙";
    }
    steps::kyokakuHantei(b, 0);
    kyokaku.makeList(2);
    EXPECT_EQ(kyokaku.kakuCount, 0);
    for (int i = 1; i <= 30; ++i) EXPECT_EQ(kyokaku.kakuList[i], "");
    EXPECT_THROW(kyokaku.makeList(0), OutOfRangeError);
    EXPECT_THROW(kyokaku.makeList(10), OutOfRangeError);
}

TEST_F(Detector, FukuginAndHanginByStarAndGate) {
    BoardFields b = board(3, 3);
    for (int p : outerPalaces) {
        b.ten[p] = "甲";
        b.ti[p] = "乙";
    }
    b.sei[1] = "天内";
    b.mon[1] = "死門";
    b.sei[2] = "天英";
    b.mon[2] = "休門";
    b.ten[4] = "癸";
    b.ti[4] = "庚";
    steps::kyokakuHantei(b, 0);
    EXPECT_EQ(kyokaku.fukuginSeiFlag[1][2], 1);
    EXPECT_EQ(kyokaku.hanginSeiFlag[2][1], 1);
    EXPECT_EQ(kyokaku.hanginFlag[4][6], 1);
    EXPECT_EQ(kyokaku.banFlag[1], 1); // 休門 in the south: 門迫
}

TEST(Kitikaku, RuleOrderDecides) {
    BoardFields b;
    for (int p : outerPalaces) {
        b.ten[p] = "甲";
        b.ti[p] = "乙";
    }
    b.junpos = 8; // 直使 休門
    b.ten[9] = "乙";
    b.ti[9] = "己";
    b.mon[9] = "開門";
    b.ten[1] = "丁";
    b.mon[1] = "休門";
    b.jin[1] = "太陰";
    b.ten[3] = "丙";
    b.ti[3] = "戊";
    b.mon[3] = "生門";
    b.jin[3] = "九天";
    b.ten[4] = "乙"; // 乙奇昇殿 from the fixed palaces
    steps::kitikakuHantei(b);
    EXPECT_EQ(b.kitikaku[9], 15); // 乙奇得使 < 地遁 < 竜遁
    EXPECT_EQ(b.kitikaku[1], 10); // 玉女守門 then 人遁
    EXPECT_EQ(b.kitikaku[3], 13); // 丙奇得使, 天遁, 神遁
    EXPECT_EQ(b.kitikaku[4], 6);
    b.junpos = 5; // no 直使 gate: 玉女守門 never holds
    b.jin[1] = "直符";
    steps::kitikakuHantei(b);
    EXPECT_EQ(b.kitikaku[1], 0);
}
