#include "patterntexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "vocabulary.h"

namespace hoshi {
namespace {

constexpr std::string_view weak = "凶の作用は弱い。";

struct Expected {
    std::string label;
    bool startsWeak;
};

// The labels in slot order, and whether the explanation opens with "凶の作用は弱い。".
std::vector<Expected> expectedLabels() {
    std::vector<Expected> out;
    auto add = [&](std::string label, bool startsWeak) { out.push_back({std::move(label), startsWeak}); };
    for (const char* n : {"年悖格", "天羅格", "地網格", "刑格", "戦格", "小格", "大格", "伏宮格", "飛宮格",
                          "青竜逃走格", "白虎猖狂格", "栄惑入白格", "朱雀投江格", "滕蛇格"})
        add("■" + std::string(n) + "：", false);
    for (const char* g : {"休門", "貝門", "生門", "景門"}) add("■門迫（" + std::string(g) + "）：", true);
    for (const char* s : {"戊", "己", "庚", "辛", "壬", "癸"})
        add("■六儀撃刑（" + std::string(s) + "）：", true);
    for (const char* s : {"乙", "丙", "丁"}) add("■三奇入墓（" + std::string(s) + "）：", true);
    for (const char* l :
         {"■時干入墓（乙未のトキに乙が坤の位置）：", "■時干入墓（丙戌のトキに 丙が乾の位置）：",
          "■時干入墓（戊戌のトキに 戊が乾の位置）：", "■時干入墓（辛丑のトキに 辛が艮の位置）：",
          "■時干入墓（壬辰のトキに 壬が巽の位置）："})
        add(l, false);
    add("■五不遇時：", false);
    for (int k = 1; k <= 10; ++k) add("■" + std::string(kanName[k]) + "の年格:", false);
    for (int k = 1; k <= 10; ++k) add("■" + std::string(kanName[k]) + "の飛干格：", false);
    for (int k = 1; k <= 10; ++k) add("■" + std::string(kanName[k]) + "の伏吟：", k != 1 && k != 4 && k != 7);
    const std::pair<int, int> fukugin[] = {{1, 1}, {2, 6}, {8, 2}, {3, 3}, {4, 4}, {9, 5}, {7, 7}, {6, 8}};
    for (auto [sei, mon] : fukugin)
        add("■" + std::string(seiName[sei]) + "と" + std::string(monName[mon]) + "の伏吟：", true);
    for (const char* pair : {"戊と辛", "己と壬", "庚と癸", "辛と戊", "壬と己", "癸と庚"})
        add("■" + std::string(pair) + "の反吟：", true);
    const std::pair<int, int> hangin[] = {{9, 1}, {2, 2}, {7, 3}, {6, 4}, {8, 6}, {1, 5}, {3, 7}, {4, 8}};
    for (auto [sei, mon] : hangin)
        add("■" + std::string(seiName[sei]) + "と" + std::string(monName[mon]) + "の反吟：", true);
    return out;
}

TEST(PatternTexts, EachStartsWithItsLabel) {
    auto labels = expectedLabels();
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(Tkyokaku::textCount));
    const auto& texts = patternTexts();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        std::string_view t = texts[i];
        const auto& [label, startsWeak] = labels[i];
        ASSERT_TRUE(t.starts_with(label)) << "slot " << i + 1 << ": " << t << " / expected " << label;
        std::string_view rest = t.substr(label.size());
        EXPECT_EQ(rest.starts_with(weak), startsWeak) << "slot " << i + 1 << ": " << t;
        if (startsWeak) rest.remove_prefix(weak.size());
        EXPECT_FALSE(rest.empty()) << "slot " << i + 1 << " has no explanation";
    }
}

TEST(PatternTexts, DistinctSingleLines) {
    std::set<std::string_view> seen;
    for (std::string_view t : patternTexts()) {
        EXPECT_EQ(t.find_first_of("\r\n"), std::string_view::npos) << t;
        EXPECT_TRUE(seen.insert(t).second) << "repeated: " << t;
    }
}

TEST(PatternTexts, QuotedTexts) {
    struct Case {
        int slot;
        std::string_view text;
    };
    const Case cases[] = {
        {1, "■年悖格：上下関係の乱れが起こりやすい。"},
        {4, "■刑格：怠け者になる。色情で失敗。"},
        {14, "■滕蛇格：急激な災難があり、他人に誤解され、困難な事態になります。"},
        {16, "■門迫（貝門）：凶の作用は弱い。開放的という良さがだらしないという悪作用になります。"},
        {19, "■六儀撃刑（戊）：凶の作用は弱い。口が災いして信用を落とすような事件が起こります。"},
        {25, "■三奇入墓（乙）：凶の作用は弱い。安定、穏健といった良さがなくなりごたごたが発生します。"},
        {28, "■時干入墓（乙未のトキに乙が坤の位置）：安定しすぎて成長や発展がまったくありません。"},
        {33, "■五不遇時：大凶で方位を使う日・時間などが良くありません。"},
        {34, "■甲の年格:大凶で命の危険があります。"},
        {44, "■甲の飛干格：大凶で命の危険があります。これまでの成果が崩壊します。"},
        {54, "■甲の伏吟：発展し、勢いがあります。"},
        {57, "■丁の伏吟：善悪の判断が正しくおこなえ、知恵があります。"},
        {65, "■天内と死門の伏吟：凶の作用は弱い。成長が停止し、活動が止まってしまいます。"},
        {72, "■戊と辛の反吟：凶の作用は弱い。要領が悪くなり、信用を失います。"},
        {78, "■天英と休門の反吟：凶の作用は弱い。安定するという良さが出ません。"},
    };
    for (const auto& c : cases) EXPECT_EQ(patternTexts()[c.slot - 1], c.text) << "slot " << c.slot;
}

TEST(PatternTexts, AssignedIntoTheDetectorSlots) {
    Tkyokaku k;
    assignPatternTexts(k);
    const auto& texts = patternTexts();
    for (int slot = 1; slot <= Tkyokaku::textCount; ++slot) EXPECT_EQ(k.text(slot), texts[slot - 1]) << slot;
    EXPECT_EQ(k.kakuText[1], texts[0]);
    EXPECT_EQ(k.banText[2], texts[15]);       // 門迫（貝門）
    EXPECT_EQ(k.banText[19], texts[32]);      // 五不遇時
    EXPECT_EQ(k.nenkakuText[1], texts[33]);   // 甲の年格
    EXPECT_EQ(k.fukuginText[4], texts[56]);   // 丁の伏吟
    EXPECT_EQ(k.hanginText[1], texts[71]);    // 戊と辛の反吟
    EXPECT_EQ(k.hanginSeiText[8], texts[84]); // 天輔と開門の反吟
}

} // namespace
} // namespace hoshi
