#include <gtest/gtest.h>

#include "calculators.h"
#include "vocabulary.h"

using namespace hoshi;

TEST(Vocabulary, JunsyuOfNamedPairs) {
    struct Case {
        int kan, si, jungan;
    };
    // 甲子 戊, 甲戌 己, 甲寅 癸, 乙亥 己, 癸亥 癸, 丙寅 戊 (甲子 decade), 乙丑 戊.
    const Case cases[] = {{1, 1, 5}, {1, 11, 6}, {1, 3, 10}, {2, 12, 6}, {10, 12, 10}, {3, 3, 5}, {2, 2, 5}};
    for (const auto& c : cases) EXPECT_EQ(junsyu(c.kan, c.si), c.jungan) << kanName[c.kan] << siName[c.si];
}

TEST(Vocabulary, SixtyCycleDecadesAndInverse) {
    for (int n = 1; n <= 60; ++n) {
        auto [kan, si] = kansiOf(n);
        EXPECT_EQ(sexagenary(kan, si), n);
        // Decade 1 (甲子) heads with 戊 (5), decade 6 (甲寅) with 癸 (10).
        EXPECT_EQ(junsyu(kan, si), 5 + (n - 1) / 10) << n;
    }
    EXPECT_EQ(kansiOf(11), std::make_pair(1, 11));
    EXPECT_EQ(kansiOf(60), std::make_pair(10, 12));
}

TEST(Vocabulary, MixedParityAndOutOfRangeAreRefused) {
    EXPECT_THROW(junsyu(1, 2), OutOfRangeError);
    EXPECT_THROW(sexagenary(2, 1), OutOfRangeError);
    EXPECT_THROW(junsyu(0, 1), OutOfRangeError);
    EXPECT_THROW(junsyu(11, 1), OutOfRangeError);
    EXPECT_THROW(junsyu(1, 13), OutOfRangeError);
    EXPECT_THROW(kansiOf(0), OutOfRangeError);
    EXPECT_THROW(kansiOf(61), OutOfRangeError);
    EXPECT_THROW(loshu(10), OutOfRangeError);
    EXPECT_THROW(loshu(0), OutOfRangeError);
    EXPECT_THROW(sekkiPalace(24), OutOfRangeError);
    EXPECT_THROW(at(kanName, 11, "stem"), OutOfRangeError);
}

TEST(Vocabulary, NenKansi) {
    struct Case {
        int nen, kan, si;
    };
    const Case cases[] = {{1984, 1, 1}, {1983, 10, 12}, {2000, 7, 5},
                          {1864, 1, 1}, {1974, 1, 3},   {2001, 8, 6}};
    for (const auto& c : cases) EXPECT_EQ(nenKansi(c.nen), std::make_pair(c.kan, c.si)) << c.nen;
}

TEST(Vocabulary, RingsAndLoShu) {
    EXPECT_EQ(riti2ring(5), -1);
    EXPECT_EQ(riti2ord(5), -1);
    EXPECT_EQ(riti2ring(10), -1);
    EXPECT_EQ(ring2riti(9), -1);
    for (int p : outerPalaces) {
        EXPECT_EQ(ring2riti(riti2ring(p)), p);
        EXPECT_EQ(ord2riti(riti2ord(p)), p);
        // The two rings run in opposite directions.
        EXPECT_EQ(ringNext(ringNext(p, true), false), p);
    }
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(loshu(loshuPalace(n)), n);
    // Going clockwise from the north, the home gates are 1, 2, ... 8.
    int p = 8;
    for (int g = 1; g <= 8; ++g, p = ringNext(p, true)) EXPECT_EQ(homeMon(p), g);
}

TEST(Vocabulary, NamesAndLabels) {
    EXPECT_EQ(findName(sekkiName, "冬至"), 0);
    EXPECT_EQ(findName(sekkiName, "處暑"), 16);
    EXPECT_EQ(findName(sekkiName, "処暑"), std::nullopt);
    EXPECT_EQ(findName(kanName, "癸", 1), 10);
    EXPECT_EQ(houiLabel[4], "<東> ");
    EXPECT_EQ(houiLabel[5], "");
    EXPECT_EQ(jikokuName[1], "23時");
    for (int i = 0; i < 24; ++i) EXPECT_NE(sekkiPalace(i), 5);
}

namespace hoshi {
namespace {

TEST(Vocabulary, StemOfIsExactLookup) {
    for (int s = 1; s <= 10; ++s) EXPECT_EQ(stemOf(kanName[static_cast<std::size_t>(s)]), s);
    for (std::string_view other : std::initializer_list<std::string_view>{
             "", "子", "亥", "甲 ", " 甲", "甲乙", "天蓬", "\xE7\x94", "abc", std::string_view("\0\0\0", 3)})
        EXPECT_EQ(stemOf(other), 0) << other;
    EXPECT_EQ(stemOf(std::string("癸")), 10); // the text, not the table's storage
}

// A calculation that judges the auspicious patterns alone leaves the shared
// detector as the board before left it, and finds the same kitikaku.
TEST(Judge, AuspiciousOnlyLeavesTheDetector) {
    Calculators full, quick;
    for (Calculators* c : {&full, &quick}) {
        c->nenban.nen = 1984;
        c->nenban.nenKansi();
        c->nenban.keisan();
    }
    const Tkyokaku before = quick.kyokaku;
    for (int n = 1; n <= 60; ++n) {
        auto [kan, si] = kansiOf(n);
        for (Calculators* c : {&full, &quick}) {
            c->dayban.kan = kan;
            c->dayban.si = si;
            c->dayban.inyou = n % 2;
            c->dayban.kyoku = n % 9 + 1;
            c->dayban.sekkiPalace = 4;
            c->dayban.tukikan = n % 10 + 1;
        }
        full.dayban.keisan();
        quick.dayban.keisan(Judge::auspiciousOnly);
        EXPECT_EQ(quick.dayban.kitikaku, full.dayban.kitikaku) << n;
        EXPECT_EQ(quick.kyokaku.kakuFlag, before.kakuFlag) << n;
        EXPECT_EQ(quick.kyokaku.banFlag, before.banFlag) << n;
        EXPECT_EQ(quick.kyokaku.nenkakuFlag, before.nenkakuFlag) << n;
    }
}

} // namespace
} // namespace hoshi
