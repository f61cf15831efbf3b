// The search over a real calendar table without screens: the board a scan
// stops on is calculated in full (the shared detector describes it), the
// hour periods of a day share one decoded record, and the views of the
// table hear of the cursor once.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "calendarfixture.h"
#include "patterntexts.h"
#include "tablesearchboard.h"

using namespace hoshi;

namespace {

struct NoSink : MessageSink {
    void information(const std::string&) override {}
};

const std::vector<std::vector<std::string>> days = {
    {"2001/05/03", "丙寅", "陽", "1", "立夏", "中元", "05/05", "20:39"},
    {"2001/05/04", "乙丑", "陽", "8", "冬至", "上元", "05/05", "20:39"},
    {"2001/05/05", "丙寅", "陰", "1", "立夏", "中元", "05/05", "20:39"},
};

TEST(TableSearch, TheFoundBoardIsCalculatedInFull) {
    QTemporaryDir dir;
    test::writeCalendarTable(dir.path(), schema::TableKind::Day, days);
    CalendarTable table(schema::TableKind::Day);
    table.open(dir.path());
    NoSink sink;
    TKanMo1 kanmo(sink);
    Calculators calc, fresh;
    assignPatternTexts(calc.kyokaku);
    assignPatternTexts(fresh.kyokaku);
    BoardRun run(BoardKind::hour, calc, kanmo);
    TableSearchBoard board(table, run);
    const PurposeSearch search(BoardKind::hour, ruleOf(findPurpose("syodan")->searches[0]), kanmo);
    QSignalSpy moves(&table, &CalendarTable::currentChanged);
    SearchLabels labels;
    ASSERT_EQ(search.start(board, "2001/05/03", labels), ScanEnd::found);
    EXPECT_EQ(labels.period, "2001年5月4日7時");
    EXPECT_EQ(moves.count(), 1); // one notification for the scan's moves

    ASSERT_EQ(search.next(board, labels), ScanEnd::found);
    EXPECT_EQ(labels.period, "2001年5月5日15時");
    // The same record and slot calculated alone, in full.
    BoardRun(BoardKind::hour, fresh, kanmo).run(table.current(), 9);
    EXPECT_EQ(calc.jiban.ten, fresh.jiban.ten);
    EXPECT_EQ(calc.jiban.kitikaku, fresh.jiban.kitikaku);
    EXPECT_EQ(calc.kyokaku.kakuFlag, fresh.kyokaku.kakuFlag);
    EXPECT_EQ(calc.kyokaku.banFlag, fresh.kyokaku.banFlag);
    EXPECT_EQ(calc.kyokaku.hanginSeiFlag, fresh.kyokaku.hanginSeiFlag);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
