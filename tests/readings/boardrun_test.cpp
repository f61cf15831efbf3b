// The board run: what a snapshot holds for a known record, how a failing
// record ends the run, and the generated calendar swept through the runs of
// every kind, each decoded board checked against its record's own fields.
#include "boardrun.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "decoders.h"
#include "hoshimidb1.h"
#include "patterntexts.h"
#include "programfile.h"

using namespace hoshi;

namespace {

struct RecordingSink : MessageSink {
    std::vector<std::string> messages;
    void information(const std::string& text) override { messages.push_back(text); }
};

struct Runs : ::testing::Test {
    Calculators calc;
    RecordingSink sink;
    TKanMo1 kanmo{sink};
    void SetUp() override { assignPatternTexts(calc.kyokaku); }
};

CalendarRecord record(std::vector<std::string> fields) {
    CalendarRecord r;
    for (std::size_t i = 0; i < fields.size(); ++i) r.f[i] = fields[i];
    return r;
}

const CalendarRecord may3 = record({"2001/05/03", "丙寅", "陽", "1", "立夏", "中元", "05/05", "20:39"});
const CalendarRecord may4 = record({"2001/05/04", "乙丑", "陽", "8", "冬至", "上元", "05/05", "20:39"});

TEST_F(Runs, DaySnapshotHoldsTheScreensTexts) {
    BoardRun day(BoardKind::day, calc, kanmo);
    const BoardSnapshot s = day.run(may3);
    EXPECT_EQ(s.header, "丙寅 [立向日盤] 陽 1 極");
    EXPECT_EQ(s.rokugi, "六儀:戊");
    EXPECT_EQ(s.fields.ti[1], "辛");
    EXPECT_EQ(s.palaces[1].mark, "×");
    EXPECT_EQ(s.palaces[1].heaven, 7); // 庚 over 辛
    EXPECT_EQ(s.palaces[1].earth, 8);
    EXPECT_EQ(s.palaces[1].reading, TKanMo1::reading(7, 8));
    ASSERT_TRUE(s.record);
    EXPECT_EQ(s.record->key, "2001/05/03");
    EXPECT_EQ(s.response.inyou, "陽");
    EXPECT_EQ(s.response.nitikan, 3); // 丙
    EXPECT_EQ(s.houitori.ymd, "2001/05/03");
    EXPECT_EQ(s.houitori.inyou, 1);
    EXPECT_TRUE(sink.messages.empty());

    // 2001/05/04: 風遁 north-east... of the day board, with the day's colon.
    const BoardSnapshot p = day.run(may4);
    EXPECT_EQ(p.palaces[1].patternName, "風遁");
    EXPECT_EQ(p.patternLine(1), "■格:風遁");
    EXPECT_EQ(p.patternLine(2), "■格:丙奇昇殿");
    EXPECT_EQ(p.patternLine(3), "");
}

TEST_F(Runs, EachKindHasItsHeaderAndInputs) {
    struct Case {
        BoardKind kind;
        CalendarRecord r;
        int slot;
        std::string header;
    };
    const Case cases[] = {
        {BoardKind::year, record({"1984", "甲子", "陰", "5"}), 0, "甲子  [立向年盤] 陰 7 極"},
        {BoardKind::year, record({"2001", "辛巳", "陽", "8"}), 0, "辛巳  [立向年盤] 陰 8 極"},
        {BoardKind::month, record({"2001/02", "庚寅", "陽", "2"}), 0, "庚寅 [立向月盤] 陰 2 極"},
        {BoardKind::hour, may3, 8, "乙未 [立向時盤] 陽 4 極"},
    };
    for (const Case& c : cases) {
        BoardRun run(c.kind, calc, kanmo);
        const BoardSnapshot s = run.run(c.r, c.slot);
        EXPECT_EQ(s.header, c.header);
        EXPECT_EQ(s.record->key, c.r.key());
        EXPECT_EQ(s.patternLine(2).empty() || s.patternLine(2).starts_with("■格："), true);
    }
    BoardRun month(BoardKind::month, calc, kanmo);
    const BoardSnapshot m = month.run(record({"2001/01", "己丑", "陰", "3"}));
    EXPECT_EQ(calc.nenban.nen, 2000); // January's solar year
    EXPECT_EQ(m.response.nen, 2001);
    EXPECT_EQ(m.response.tuki, 1);
    BoardRun hour(BoardKind::hour, calc, kanmo);
    const BoardSnapshot h = hour.run(may3, 12);
    EXPECT_EQ(h.response.jisi, 12);
    EXPECT_EQ(h.houitori.jisi, 12);
    EXPECT_EQ(h.fields.si, 12); // 亥
}

TEST_F(Runs, AFailingRecordThrowsAtItsStep) {
    BoardRun day(BoardKind::day, calc, kanmo);
    EXPECT_THROW(day.run(record({"2001/05/03", "丙寅", "晴", "1", "立夏", "中元"})), OutOfRangeError);
    EXPECT_THROW(day.run(record({"2001/05/03", "丙寅", "陽", "x", "立夏", "中元"})), ConversionError);
    BoardRun hour(BoardKind::hour, calc, kanmo);
    EXPECT_THROW(hour.run(may3, 13), OutOfRangeError);
    EXPECT_THROW(hour.run(may3, 0), OutOfRangeError);
}

TEST_F(Runs, UnknownStemLeavesThePalaceUnread) {
    BoardRun day(BoardKind::day, calc, kanmo);
    day.run(may3);
    calc.dayban.ten[3] = "子";
    const BoardSnapshot s = day.snapshot();
    EXPECT_EQ(s.palaces[3].heaven, 0);
    EXPECT_EQ(s.palaces[3].reading, "");
    EXPECT_EQ(sink.messages, std::vector<std::string>{"子:Not Found プログラムエラー"});
    EXPECT_NE(s.palaces[4].reading, "");
}

int stemOf(const std::string& kansi) {
    return stemNumber(kansi.substr(0, 3));
}

// Every record of the generated calendar through the run of its kind. Each
// decoded day carries its record's own fields; on the 15th of every month
// (past every 節入り) the month stem the decoder derives is that of the
// month record; every hour slot calculates; each year's ju is its record's.
TEST(GeneratedCalendar, EveryRecordRunsAndAgreesWithItsFields) {
    Thoshimidb1 store;
    ASSERT_EQ(store.hoshimidb1Create(programFile(QStringLiteral("db"))), std::nullopt);
    Calculators calc;
    RecordingSink sink;
    TKanMo1 kanmo(sink);
    BoardRun day(BoardKind::day, calc, kanmo), hour(BoardKind::hour, calc, kanmo);
    BoardRun month(BoardKind::month, calc, kanmo), year(BoardKind::year, calc, kanmo);
    EXPECT_EQ(store.Table1.recordCount(), 73414); // 1900-01-01 .. 2100-12-31
    int fifteenths = 0;
    for (int row = 0; row < store.Table1.recordCount(); ++row) {
        const CalendarRecord& r = store.Table1.record(row);
        ASSERT_NO_THROW({
            day.decode(r);
            day.calculate();
            for (int slot = 1; slot <= 12; ++slot) {
                hour.decode(r, slot);
                hour.calculate();
            }
        }) << r.key();
        const Tdayban& d = calc.dayban;
        const std::string key = r.key();
        ASSERT_EQ(schema::makeKey(schema::TableKind::Day, d.nen, d.tuki, d.niti), key);
        ASSERT_EQ(std::string(kanName[d.kan]) + std::string(siName[d.si]), r[schema::Kansi]) << key;
        ASSERT_EQ(std::string(inyouName[d.inyou]), r[schema::Inyou]) << key;
        ASSERT_EQ(std::to_string(d.kyoku), r[schema::Kyoku]) << key;
        ASSERT_EQ(d.sekkiPalace, sekkiPalaceTable[*findName(sekkiName, r[schema::Sekki])]) << key;
        if (d.niti == 15) {
            store.Table2.findKey(schema::makeKey(schema::TableKind::Month, d.nen, d.tuki));
            ASSERT_EQ(store.Table2.current().key(), key.substr(0, 7));
            ASSERT_EQ(d.tukikan, stemOf(store.Table2.current()[schema::Kansi])) << key;
            ASSERT_EQ(yearMonthStems(d.tuki * 100 + 15, d.nen).second, d.tukikan) << key;
            ++fifteenths;
        }
    }
    EXPECT_EQ(fifteenths, 201 * 12);
    for (int row = 0; row < store.Table2.recordCount(); ++row)
        ASSERT_NO_THROW(month.run(store.Table2.record(row))) << store.Table2.record(row).key();
    for (int row = 0; row < store.Table3.recordCount(); ++row) {
        const CalendarRecord& r = store.Table3.record(row);
        ASSERT_NO_THROW(year.run(r)) << r.key();
        EXPECT_EQ(r[schema::Kyoku], std::to_string(calc.nenban.kyoku)) << r.key();
        EXPECT_EQ(stemOf(r[schema::Kansi]), yearStem(calc.nenban.nen)) << r.key();
    }
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
