#include "kanmo1.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace hoshi {
namespace {

struct RecordingSink : MessageSink {
    std::vector<std::string> messages;
    void information(const std::string& text) override { messages.push_back(text); }
};

TEST(StemLookup, ExactMatchOverTheTable) {
    struct Case {
        std::string name;
        int expected;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"甲", 1, {}},
        {"癸", 10, {}},
        {"", 0, {}},
        {"子", 0, {"子:Not Found プログラムエラー"}},
        {"甲 ", 0, {"甲 :Not Found プログラムエラー"}},
        {"甲乙", 0, {"甲乙:Not Found プログラムエラー"}},
    };
    for (const auto& c : cases) {
        RecordingSink sink;
        TKanMo1 kanmo(sink);
        EXPECT_EQ(kanmo.lookupStem(c.name), c.expected) << "name \"" << c.name << "\"";
        EXPECT_EQ(sink.messages, c.messages) << "name \"" << c.name << "\"";
    }
}

TEST(StemLookup, ZeroStopsTheTableReaders) {
    RecordingSink sink;
    TKanMo1 kanmo(sink);
    int none = kanmo.lookupStem("子");
    EXPECT_THROW(TKanMo1::reading(none, 1), OutOfRangeError);
    EXPECT_THROW(TKanMo1::mark(1, none), OutOfRangeError);
}

TEST(KanMo1, AccessorsRefuseIndicesOutsideTheirRange) {
    for (int bad : {0, 11, -1}) {
        EXPECT_THROW(TKanMo1::reading(bad, 1), OutOfRangeError) << bad;
        EXPECT_THROW(TKanMo1::reading(1, bad), OutOfRangeError) << bad;
        EXPECT_THROW(TKanMo1::mark(bad, 1), OutOfRangeError) << bad;
        EXPECT_THROW(TKanMo1::mark(1, bad), OutOfRangeError) << bad;
    }
    EXPECT_THROW(TKanMo1::patternName(-1), OutOfRangeError);
    EXPECT_THROW(TKanMo1::patternName(19), OutOfRangeError);
}

TEST(KanMo1, PatternNames) {
    EXPECT_EQ(TKanMo1::patternName(0), "");
    EXPECT_EQ(TKanMo1::patternName(1), "青竜返首");
    EXPECT_EQ(TKanMo1::patternName(9), "玉女守門");
    EXPECT_EQ(TKanMo1::patternName(18), "雲遁");
    std::set<std::string_view> names;
    for (int code = 1; code <= 18; ++code) names.insert(TKanMo1::patternName(code));
    EXPECT_EQ(names.size(), 18u);
}

TEST(KanMo1, MarkCountsByRow) {
    const int goodPerRow[] = {6, 6, 6, 8, 4, 3, 1, 1, 3, 3}; // 甲..癸
    int good = 0, bad = 0;
    for (int h = 1; h <= 10; ++h) {
        int row = 0;
        for (int e = 1; e <= 10; ++e) {
            auto m = TKanMo1::mark(h, e);
            ASSERT_TRUE(m == "○" || m == "×") << h << "/" << e;
            (m == "○" ? good : bad)++;
            row += TKanMo1::isGood(h, e);
        }
        EXPECT_EQ(row, goodPerRow[h - 1]) << "heaven " << kanName[h];
    }
    EXPECT_EQ(good, 41);
    EXPECT_EQ(bad, 59);
}

TEST(KanMo1, MarkEdgeCases) {
    struct Case {
        StemNo heaven, earth;
        std::string_view mark;
    };
    const Case cases[] = {
        {2, 9, "○"},
        {9, 2, "×"}, // 乙/壬 against 壬/乙
        {4, 7, "○"},
        {7, 4, "○"}, // 丁/庚 and 庚/丁
    };
    for (const auto& c : cases)
        EXPECT_EQ(TKanMo1::mark(c.heaven, c.earth), c.mark) << kanName[c.heaven] << "/" << kanName[c.earth];

    // The diagonal is good only for 甲甲 and 丁丁.
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(TKanMo1::isGood(s, s), s == 1 || s == 4) << kanName[s];
    // Rows 庚 and 辛 have one good pair each: over 丁 and over 丙.
    for (int e = 1; e <= 10; ++e) {
        EXPECT_EQ(TKanMo1::isGood(7, e), e == 4) << "庚/" << kanName[e];
        EXPECT_EQ(TKanMo1::isGood(8, e), e == 3) << "辛/" << kanName[e];
    }
}

TEST(KanMo1, QuotedReadings) {
    struct Case {
        StemNo heaven, earth;
        std::string_view text;
    };
    const Case cases[] = {
        {1, 1, "大樹が天と地にありますので森になり威勢良く発展します。"},
        {1, 2, "草花が大樹にまきついて天に向かってのびるごとく目上の引き立てがあって発展します"},
        {2, 1, "草花を天に高く掲げるように、吉の中にさらに吉が加わる方位です。"},
        {2, 3, "草花が太陽によって元気がでるように、地位や名声があがり財運もある方位です。 "},
        {3, 1, "大樹の上に太陽がさんさんと輝くように、何でも望みがかない財運もある吉の方位です。"},
        {3, 3, "太陽が天に２つあるように、強引に策略もなく物事を強引に進め、損失があります。"},
        {4, 7, "金属が火によって錬金されます。物事が成就し、完成され効果を発揮する方位です。"},
        {5, 9, "山紫水明の方位です。知恵と戦略で物事がどんどん解決します。"},
        {6, 6, "泥と泥が重なります。何も良いことがなく病人にとっては致命的です。"},
        {7, 1, "大樹の上に鉄がかぶさり良くありません。地位を失い商売に失敗する方位です。"},
        {8, 5, "要領がまずく信頼を失う方位です。"},
        {9, 7, "鉄が川に埋まっています。特に吉もなく凶も作用しません。"},
        {10, 10, "雲が厚く空に立ち込め、全てにハッキリせず明かりが見えない方位です。"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TKanMo1::reading(c.heaven, c.earth), c.text)
            << kanName[c.heaven] << "/" << kanName[c.earth];
}

TEST(KanMo1, EveryReadingIsOneDistinctLine) {
    std::set<std::string_view> seen;
    for (int h = 1; h <= 10; ++h)
        for (int e = 1; e <= 10; ++e) {
            auto r = TKanMo1::reading(h, e);
            EXPECT_FALSE(r.empty()) << kanName[h] << "/" << kanName[e];
            EXPECT_EQ(r.find_first_of("\r\n"), std::string_view::npos) << kanName[h] << "/" << kanName[e];
            EXPECT_TRUE(seen.insert(r).second) << "repeated: " << r;
        }
    EXPECT_EQ(seen.size(), 100u);
}

} // namespace
} // namespace hoshi
