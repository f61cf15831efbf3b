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

// Each family of the detector holds, in order, the texts whose labels name
// its members: the labels are built here from the vocabulary, apart from
// the slot layout the assignment follows.
TEST(PatternTexts, AssignedIntoTheDetectorSlots) {
    Tkyokaku k;
    assignPatternTexts(k);
    auto startsWith = [](const std::string& text, const std::string& label) {
        return text.starts_with("■" + label);
    };
    auto stem = [](int s) { return std::string(kanName[s]); };
    for (int s = 1; s <= 10; ++s) {
        EXPECT_TRUE(startsWith(k.nenkakuText[s], stem(s) + "の年格:")) << k.nenkakuText[s];
        EXPECT_TRUE(startsWith(k.hikanText[s], stem(s) + "の飛干格：")) << k.hikanText[s];
        EXPECT_TRUE(startsWith(k.fukuginText[s], stem(s) + "の伏吟：")) << k.fukuginText[s];
    }
    const char* fukuginSei[] = {"天蓬と休門", "天内と死門", "天任と生門", "天冲と傷門",
                                "天輔と杜門", "天英と景門", "天柱と驚門", "天心と開門"};
    const char* hanginSei[] = {"天英と休門", "天内と生門", "天柱と傷門", "天心と杜門",
                               "天任と死門", "天蓬と景門", "天冲と驚門", "天輔と開門"};
    for (int i = 1; i <= 8; ++i) {
        EXPECT_TRUE(startsWith(k.fukuginSeiText[i], std::string(fukuginSei[i - 1]) + "の伏吟："))
            << k.fukuginSeiText[i];
        EXPECT_TRUE(startsWith(k.hanginSeiText[i], std::string(hanginSei[i - 1]) + "の反吟："))
            << k.hanginSeiText[i];
    }
    const char* hangin[] = {"戊と辛", "己と壬", "庚と癸", "辛と戊", "壬と己", "癸と庚"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(startsWith(k.hanginText[i], std::string(hangin[i - 1]) + "の反吟：")) << k.hanginText[i];
    EXPECT_TRUE(startsWith(k.kakuText[1], "年悖格："));
    EXPECT_TRUE(startsWith(k.kakuText[14], "滕蛇格："));
    EXPECT_TRUE(startsWith(k.banText[1], "門迫（休門）："));
    EXPECT_TRUE(startsWith(k.banText[19], "五不遇時："));
    // text(slot) reads the same slots: the first and last of each family.
    EXPECT_EQ(k.text(1), k.kakuText[1]);
    EXPECT_EQ(k.text(15), k.banText[1]);
    EXPECT_EQ(k.text(34), k.nenkakuText[1]);
    EXPECT_EQ(k.text(53), k.hikanText[10]);
    EXPECT_EQ(k.text(54), k.fukuginText[1]);
    EXPECT_EQ(k.text(71), k.fukuginSeiText[8]);
    EXPECT_EQ(k.text(72), k.hanginText[1]);
    EXPECT_EQ(k.text(85), k.hanginSeiText[8]);
}

} // namespace
} // namespace hoshi
