#include "houitorilines.h"

#include <gtest/gtest.h>

namespace hoshi {
namespace {

HouitoriSnapshot snapshot(StemNo kan, int inyou, StemNo jungan = 0) {
    HouitoriSnapshot s;
    s.kan = kan;
    s.inyou = inyou;
    s.jungan = jungan;
    s.ymd = "2001/05/10";
    s.jisi = 1;
    return s;
}

constexpr std::string_view yangEnding = "」になっており、かつ吉方位である。";
constexpr std::string_view yinEnding = "」になっていて、かつ吉方位である。";

// The condition lines, reduced to their stems in palace order 1, 2, 3, 4, 6, 7, 8, 9.
std::string conditionStems(const std::vector<std::string>& lines, std::string_view ending) {
    std::string stems;
    for (const auto& l : lines) {
        if (!l.starts_with(" ●")) continue;
        auto open = l.find("「");
        EXPECT_NE(open, std::string::npos) << l;
        EXPECT_TRUE(l.ends_with(ending)) << l;
        stems += l.substr(open + std::string_view("「").size(), 3);
    }
    return stems;
}

TEST(HouitoriLines, YangDayOfOtsuFullText) {
    const std::vector<std::string> expected = {
        "『ここでは、計画を実行するこの日の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
        "あらかじめ、実行日以前に吉の方位に出向いて体と精神の状態を宇宙の気に合わずことを\"方位取りをする\"と"
        "いいます。",
        "",
        "■実行日：2001/05/10日の場合の方位取りの条件は下記のようになります。",
        "■方位取りの日の条件一覧",
        " ●東南の方位が「丙」になっており、かつ吉方位である。",
        " ●南の方位が「辛」になっており、かつ吉方位である。",
        " ●南西の方位が「癸」になっており、かつ吉方位である。",
        " ●東の方位が「丁」になっており、かつ吉方位である。",
        " ●西の方位が「己」になっており、かつ吉方位である。",
        " ●北東の方位が「庚」になっており、かつ吉方位である。",
        " ●北の方位が「壬」になっており、かつ吉方位である。",
        " ●北西の方位が「戊」になっており、かつ吉方位である。",
        "",
        "以上のような条件のいづれかを満たす日を暦をさかのぼって探して方位取りを行うと効果があります。",
    };
    EXPECT_EQ(houitoriLines(BoardKind::day, snapshot(2, 1)), expected);
}

TEST(HouitoriLines, ConditionStemsByTable) {
    struct Case {
        const char* what;
        BoardKind kind;
        HouitoriSnapshot s;
        std::string stems;
        std::string_view ending;
    };
    const Case cases[] = {
        {"yin day of 乙: yin board 1", BoardKind::day, snapshot(2, 0), "戊壬庚己丁癸辛丙", yinEnding},
        {"yang hour of 乙", BoardKind::hour, snapshot(2, 1), "丙辛癸丁己庚壬戊", yangEnding},
        {"year board is always yin", BoardKind::year, snapshot(2, 1), "戊壬庚己丁癸辛丙", yinEnding},
        {"month board is always yin", BoardKind::month, snapshot(2, 1), "戊壬庚己丁癸辛丙", yinEnding},
        {"甲 with 六儀 戊: yang board 4", BoardKind::day, snapshot(1, 1, 5), "乙壬丁丙庚辛癸己", yangEnding},
        {"甲 with 六儀 戊: yin board 4", BoardKind::year, snapshot(1, 0, 5), "己癸辛庚丙丁壬乙", yinEnding},
    };
    for (const auto& c : cases) {
        auto lines = houitoriLines(c.kind, c.s);
        EXPECT_EQ(lines.size(), 15u) << c.what;
        EXPECT_EQ(conditionStems(lines, c.ending), c.stems) << c.what;
    }
}

TEST(HouitoriLines, FixedLinesByKind) {
    struct Case {
        BoardKind kind;
        std::string_view opening, second, execution, heading, closing;
    };
    const Case cases[] = {
        {BoardKind::hour,
         "『ここでは、計画を実行するこの日時の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
         "あらかじめ、実行時刻に吉の方位に出向いて体と精神の状態を宇宙の気に合わずことを\"方位取りをする\"と"
         "いいます。",
         "■実行日：2001/05/10日23時 の場合の方位取りの条件は下記のようになります。",
         "■方位取りの時刻の条件一覧",
         "以上のような条件のいづれかを満たす日時を暦をさかのぼって探して方位取りを行うと効果があります。"},
        {BoardKind::month,
         "『ここでは、計画を実行するこの月の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
         "あらかじめ、実行月以前に吉の方位に出向いて体と精神の状態を宇宙の気に合わずことを\"方位取りをする\""
         "といいます。",
         "■実行日：2001/05/10月の場合の方位取りの条件は下記のようになります。", "■方位取りの月の条件一覧",
         "以上のような条件のいづれかを満たす月を暦をさかのぼって探して方位取りを行うと効果があります。"},
        {BoardKind::year,
         "『ここでは、計画を実行するこの年の前に効果的な\"方位取り\"を行う秘伝の内容について説明します。』",
         "あらかじめ、実行日以前に吉の方位に出向いて体と精神の状態を宇宙の気に合わずことを\"方位取りをする\""
         "といいます。",
         "■実行日：2001/05/10年の場合の方位取りの条件は下記のようになります。", "■方位取りの年の条件一覧",
         "以上のような条件のいづれかを満たす年を暦をさかのぼって探して方位取りを行うと効果があります。"},
    };
    for (const auto& c : cases) {
        auto lines = houitoriLines(c.kind, snapshot(2, 0));
        ASSERT_EQ(lines.size(), 15u);
        EXPECT_EQ(lines[0], c.opening);
        EXPECT_EQ(lines[1], c.second);
        EXPECT_EQ(lines[2], "");
        EXPECT_EQ(lines[3], c.execution);
        EXPECT_EQ(lines[4], c.heading);
        EXPECT_EQ(lines[13], "");
        EXPECT_EQ(lines[14], c.closing);
    }
}

TEST(HouitoriLines, HourLabelFollowsTheBoardsHour) {
    auto s = snapshot(2, 1);
    s.jisi = 12;
    EXPECT_EQ(houitoriLines(BoardKind::hour, s)[3],
              "■実行日：2001/05/10日21時 の場合の方位取りの条件は下記のようになります。");
    s.jisi = 0;
    EXPECT_THROW(houitoriLines(BoardKind::hour, s), OutOfRangeError);
}

TEST(HouitoriLines, TimeStemOnNoBoardLeavesTheConditionsOut) {
    for (auto s : {snapshot(1, 1, 0), snapshot(1, 1, 1), snapshot(0, 1)}) {
        auto lines = houitoriLines(BoardKind::day, s);
        EXPECT_EQ(lines.size(), 7u);
        EXPECT_EQ(conditionStems(lines, yangEnding), "");
    }
}

} // namespace
} // namespace hoshi
