#include "oukiban.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace hoshi {
namespace {

const ResponseTable both[] = {ResponseTable::yang, ResponseTable::yin};

std::string label(ResponseTable t) {
    return t == ResponseTable::yang ? "yang" : "yin";
}

TEST(ResponseTable, CentreOfBoardIHoldsStemIPlusOne) {
    for (auto t : both)
        for (int i = 1; i <= 9; ++i) EXPECT_EQ(responseStem(t, i, 5), i + 1) << label(t) << " board " << i;
}

TEST(ResponseTable, EachStemOncePerBoardAndOncePerPalace) {
    const std::set<StemNo> all = {2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (auto t : both)
        for (int n = 1; n <= 9; ++n) {
            std::set<StemNo> onBoard, atPalace;
            for (int m = 1; m <= 9; ++m) {
                onBoard.insert(responseStem(t, n, m));
                atPalace.insert(responseStem(t, m, n));
            }
            EXPECT_EQ(onBoard, all) << label(t) << " board " << n;
            EXPECT_EQ(atPalace, all) << label(t) << " palace " << n;
        }
}

// Yang ju J lays RokugiNo j + 1 on Lo Shu number J + j, yin ju J on J - j.
TEST(ResponseTable, EachBoardIsTheEarthPlateOfItsJu) {
    struct Case {
        ResponseTable table;
        int ju[10];
        int step;
    };
    const Case cases[] = {
        {ResponseTable::yang, {0, 6, 7, 8, 5, 4, 3, 2, 1, 9}, +1},
        {ResponseTable::yin, {0, 4, 3, 2, 5, 6, 7, 8, 9, 1}, -1},
    };
    for (const auto& c : cases)
        for (int i = 1; i <= 9; ++i)
            for (int j = 0; j < 9; ++j) {
                PalaceNo p = loshuPalace(wrap9(c.ju[i] + c.step * j));
                EXPECT_EQ(kanName[responseStem(c.table, i, p)], rokugiName[j + 1])
                    << label(c.table) << " board " << i << " palace " << p;
            }
}

TEST(ResponseTable, YinBoardOneAsPrinted) {
    std::string grid;
    for (int p = 1; p <= 9; ++p) grid += kanName[responseStem(ResponseTable::yin, 1, p)];
    EXPECT_EQ(grid, "戊壬庚己乙丁癸辛丙");
}

TEST(ResponseTable, ReverseSearchFindsTheOneBoard) {
    for (auto t : both)
        for (int p = 1; p <= 9; ++p) {
            for (StemNo s = 2; s <= 10; ++s) {
                auto b = findResponseBoard(t, p, s);
                ASSERT_TRUE(b) << label(t) << " palace " << p << " stem " << kanName[s];
                EXPECT_EQ(responseStem(t, *b, p), s);
            }
            for (StemNo s : {1, 0, 11}) EXPECT_FALSE(findResponseBoard(t, p, s)) << label(t) << " stem " << s;
        }
    EXPECT_EQ(findResponseBoard(ResponseTable::yang, 1, 2), 4); // 乙 in the south-east: board 4
}

TEST(ResponseTable, RefusesBoardsAndPalacesOutside1To9) {
    for (int bad : {0, 10}) {
        EXPECT_THROW(responseStem(ResponseTable::yang, bad, 1), OutOfRangeError);
        EXPECT_THROW(responseStem(ResponseTable::yin, 1, bad), OutOfRangeError);
        EXPECT_THROW(findResponseBoard(ResponseTable::yang, bad, 2), OutOfRangeError);
    }
}

} // namespace
} // namespace hoshi
