#include "responselines.h"

#include <gtest/gtest.h>

namespace hoshi {
namespace {

ResponseSnapshot board(std::string heavenAt1, std::string inyou = "陽") {
    ResponseSnapshot s;
    s.ten[1] = std::move(heavenAt1);
    s.inyou = std::move(inyou);
    return s;
}

TEST(ResponseLines, YearBoardFullText) {
    auto s = board("乙"); // yang board 4 has 乙 in the south-east: X = 戊
    s.nen = 2001;
    const std::vector<std::string> expected = {
        "",
        "『方位効果が顕現する応期の説明(凶の場合も吉の場合も効果が顕著に出る時期)』",
        "  このトキに実行すると「戊」年のトキに方位効果が最も現れます。",
        "  => 一番近いトキは、2008年と2018年 です。",
    };
    EXPECT_EQ(responseLines(BoardKind::year, s, 1), expected);
}

TEST(ResponseLines, NearestTime) {
    struct Case {
        const char* what;
        BoardKind kind;
        ResponseSnapshot s;
        std::string stemLine, nearest;
    };
    auto at = [](std::string heaven, int nen, int tuki, int niti, StemNo nitikan, int jisi,
                 std::string inyou = "陽", std::string jungan = "") {
        auto s = board(std::move(heaven), std::move(inyou));
        s.junganName = std::move(jungan);
        s.nen = nen;
        s.tuki = tuki;
        s.niti = niti;
        s.nitikan = nitikan;
        s.jisi = jisi;
        return s;
    };
    // Heaven stems at palace 1 and their yang response stems: 丙 → 乙, 乙 → 戊,
    // 戊 → 己, 丁 → 丙; yin: 乙 → 丙.
    const Case cases[] = {
        {"own year stem counts ten years on", BoardKind::year, at("丙", 2005, 0, 0, 0, 0),
         "  このトキに実行すると「乙」年のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2015年と2025年 です。"},
        {"甲 stands for the 六儀 stem", BoardKind::year, at("甲", 2001, 0, 0, 0, 0, "陽", "戊"),
         "  このトキに実行すると「己」年のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2009年と2019年 です。"},
        {"陰 selects yin", BoardKind::year, at("乙", 2001, 0, 0, 0, 0, "陰"),
         "  このトキに実行すると「丙」年のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2006年と2016年 です。"},
        {"empty dun text selects yin", BoardKind::year, at("乙", 2001, 0, 0, 0, 0, ""),
         "  このトキに実行すると「丙」年のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2006年と2016年 です。"},
        {"2001/11 to 乙 runs into the next year", BoardKind::month, at("丙", 2001, 11, 0, 0, 0),
         "  このトキに実行すると「乙」月のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2002年 5月 です。"},
        {"own month stem counts ten months on", BoardKind::month, at("戊", 2001, 11, 0, 0, 0),
         "  このトキに実行すると「己」月のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2002年 9月 です。"},
        {"month within the year", BoardKind::month, at("丙", 2001, 1, 0, 0, 0),
         "  このトキに実行すると「乙」月のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2001年 7月 です。"},
        {"2001-12-28, f = 5", BoardKind::day, at("戊", 2001, 12, 28, 1, 0),
         "  このトキに実行すると「己」日のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、1月2日 です。"},
        {"February 2000 has 29 days", BoardKind::day, at("丙", 2000, 2, 28, 1, 0),
         "  このトキに実行すると「乙」日のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、2月29日 です。"},
        {"February 2001 has 28 days", BoardKind::day, at("丙", 2001, 2, 28, 1, 0),
         "  このトキに実行すると「乙」日のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、3月1日 です。"},
        {"February 2100 has 28 days", BoardKind::day, at("丙", 2100, 2, 28, 1, 0),
         "  このトキに実行すると「乙」日のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、3月1日 です。"},
        {"February 1900 has 28 days", BoardKind::day, at("丙", 1900, 2, 28, 1, 0),
         "  このトキに実行すると「乙」日のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、3月1日 です。"},
        {"own day stem counts ten days on", BoardKind::day, at("丙", 2001, 5, 10, 2, 0),
         "  このトキに実行すると「乙」日のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、5月20日 です。"},
        {"亥 hour: today's hour has passed", BoardKind::hour, at("丁", 0, 0, 0, 1, 12),
         "  このトキに実行すると「丙」時のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、当日は該当なし そして翌日は２０時 です。"},
        {"子 hour: today's hour still ahead", BoardKind::hour, at("丁", 0, 0, 0, 1, 1),
         "  このトキに実行すると「丙」時のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、当日は４時 そして翌日は２０時 です。"},
        {"the board's own hour counts", BoardKind::hour, at("丁", 0, 0, 0, 1, 3),
         "  このトキに実行すると「丙」時のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、当日は４時 そして翌日は２０時 です。"},
        {"癸 day: the next day is 甲", BoardKind::hour, at("丙", 0, 0, 0, 10, 4),
         "  このトキに実行すると「乙」時のトキに方位効果が最も現れます。",
         "  => 一番近いトキは、当日は６時 そして翌日は２２時 です。"},
    };
    for (const auto& c : cases) {
        auto lines = responseLines(c.kind, c.s, 1);
        ASSERT_EQ(lines.size(), 4u) << c.what;
        EXPECT_EQ(lines[2], c.stemLine) << c.what;
        EXPECT_EQ(lines[3], c.nearest) << c.what;
    }
}

TEST(ResponseLines, StemOnNoBoardKeepsOnlyTheHeading) {
    auto hidden = board("甲");
    hidden.junganName = "甲";
    for (auto s : {board(""), board("子"), hidden}) {
        s.nen = 2001;
        auto lines = responseLines(BoardKind::year, s, 1);
        ASSERT_EQ(lines.size(), 2u) << "heaven \"" << s.ten[1] << "\"";
        EXPECT_EQ(lines[0], "");
    }
}

TEST(ResponseLines, RefusesTheCentreAndBadInputs) {
    auto s = board("乙");
    s.ten[5] = "乙";
    EXPECT_THROW(responseLines(BoardKind::year, s, 5), OutOfRangeError);
    EXPECT_THROW(responseLines(BoardKind::year, s, 0), OutOfRangeError);
    EXPECT_THROW(responseLines(BoardKind::year, s, 10), OutOfRangeError);
    s.tuki = 13;
    EXPECT_THROW(responseLines(BoardKind::month, s, 1), OutOfRangeError);
    s.tuki = 1;
    s.niti = 1;
    EXPECT_THROW(responseLines(BoardKind::day, s, 1), OutOfRangeError); // day stem 0
    s.nitikan = 1;
    EXPECT_THROW(responseLines(BoardKind::hour, s, 1), OutOfRangeError); // hour 0
}

} // namespace
} // namespace hoshi
