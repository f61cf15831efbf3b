#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "calendarfixture.h"
#include "calendarmodel.h"
#include "errors.h"
#include "hoshimidb1.h"

using namespace hoshi;

namespace {

// The fields after the key of a record a post accepts.
const std::vector<std::string> goodDay = {"甲子", "陽", "1", "冬至", "上元", "12/22", "00:00"};

// A small table file with the given keys, the other fields those of goodDay.
void writeTable(const QString& folder, schema::TableKind kind, const std::vector<std::string>& keys) {
    std::vector<std::vector<std::string>> records;
    for (const auto& k : keys) {
        std::vector<std::string> r{k};
        for (std::size_t i = 1; i < schema::info(kind).fields.size(); ++i) r.push_back(goodDay[i - 1]);
        records.push_back(r);
    }
    test::writeCalendarTable(folder, kind, records);
}

// Fills an inserted day record with goodDay after its key.
void fillRecord(CalendarTable& t) {
    for (std::size_t i = 0; i < goodDay.size(); ++i) t.setField(static_cast<int>(i + 1), goodDay[i]);
}

struct Store : ::testing::Test {
    QTemporaryDir dir;
    CalendarTable table{schema::TableKind::Day};
    void SetUp() override {
        // Written out of order: the table reads them in key order.
        writeTable(dir.path(), schema::TableKind::Day, {"2001/01/03", "2001/01/01", "2001/01/02"});
        table.open(dir.path());
    }
    std::string key() const { return table.current().key(); }
};

} // namespace

TEST_F(Store, OpensInKeyOrder) {
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(key(), "2001/01/01");
    EXPECT_EQ(table.fieldText("干支"), "甲子");
    EXPECT_EQ(table.fieldIndex("3元"), 5);
    EXPECT_EQ(table.fieldIndex("無い"), -1);
}

TEST_F(Store, CursorMovesAndFlags) {
    struct Step {
        const char* move;
        const char* key;
        bool eof, bof;
    };
    const Step steps[] = {
        {"next", "2001/01/02", false, false},
        {"next", "2001/01/03", false, false},
        {"next", "2001/01/03", true, false},
        {"next", "2001/01/03", true, false},
        {"prior", "2001/01/02", false, false},
        {"first", "2001/01/01", false, false},
        {"prior", "2001/01/01", false, true},
        {"find 2001/01/09", "2001/01/01", false, true},
        {"find 2001/01/03", "2001/01/03", false, false},
        {"last", "2001/01/03", false, false},
        {"next", "2001/01/03", true, false},
        {"first", "2001/01/01", false, false},
    };
    for (const auto& s : steps) {
        std::string m = s.move;
        if (m == "next")
            table.next();
        else if (m == "prior")
            table.prior();
        else if (m == "first")
            table.first();
        else if (m == "last")
            table.last();
        else
            table.findKey(m.substr(5));
        EXPECT_EQ(key(), s.key) << m;
        EXPECT_EQ(table.eof(), s.eof) << m;
        EXPECT_EQ(table.bof(), s.bof) << m;
    }
}

TEST_F(Store, EditPostWritesThroughAndSurvivesReopen) {
    table.next();
    table.setField(1, "丙寅");
    EXPECT_EQ(table.state(), RecordCursor::State::Edit);
    table.post();
    EXPECT_EQ(table.state(), RecordCursor::State::Browse);
    CalendarTable again(schema::TableKind::Day);
    again.open(dir.path());
    ASSERT_TRUE(again.findKey("2001/01/02"));
    EXPECT_EQ(again.fieldText("干支"), "丙寅");
}

TEST_F(Store, CancelRestoresAndMovingAwayPosts) {
    table.setField(1, "X");
    table.cancel();
    EXPECT_EQ(table.fieldText("干支"), "甲子");
    table.setField(1, "乙丑");
    table.next(); // a move posts the edit first
    table.first();
    EXPECT_EQ(table.fieldText("干支"), "乙丑");
    EXPECT_EQ(table.state(), RecordCursor::State::Browse);
}

TEST_F(Store, InsertIsEmptyUntilPostedAndThenSorted) {
    table.next();
    table.insert();
    EXPECT_EQ(table.state(), RecordCursor::State::Insert);
    EXPECT_EQ(table.recordCount(), 4);
    EXPECT_EQ(key(), "");
    table.cancel();
    EXPECT_EQ(table.recordCount(), 3);
    EXPECT_EQ(key(), "2001/01/02");

    table.insert();
    table.setField(0, "2000/12/31");
    fillRecord(table);
    table.post();
    EXPECT_EQ(table.recNo(), 0);
    EXPECT_EQ(key(), "2000/12/31");
    EXPECT_EQ(table.recordCount(), 4);
}

TEST_F(Store, RefusedPostKeepsTheTypedValues) {
    struct Case {
        const char* key;
        const char* reason;
    };
    const Case cases[] = {{"2001/01/03", "すでにあります"}, {"2001/1/4", "形"}, {"", "形"}};
    for (const auto& c : cases) {
        table.first();
        table.insert();
        table.setField(0, c.key);
        fillRecord(table);
        try {
            table.post();
            ADD_FAILURE() << c.key;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(table.state(), RecordCursor::State::Insert);
        EXPECT_EQ(table.fieldText("干支"), "甲子");
        EXPECT_THROW(table.next(), Error); // cannot move away from a refused record
        table.cancel();
    }
    EXPECT_EQ(table.recordCount(), 3);
}

// A post refuses any record whose board cannot be computed, in the
// user's words, and writes nothing; the forms stored tables hold stay.
TEST_F(Store, PostRefusesRecordsThatCannotBeComputed) {
    struct Case {
        int field;
        std::string value;
        const char* message;
    };
    const Case refused[] = {
        {0, "2026/02/30", "日「2026/02/30」は暦にない日付です。"},
        {0, "2026/13/01", "日「2026/13/01」の月は 01～12 で入力してください。"},
        {0, "0001/01/01", "日「0001/01/01」の年は 1312 年以降で入力してください。"},
        {3, "x", "局「x」は 1～9 の数字一つ（後ろに「局」を付けてもよい）で入力してください。"},
        {3, "10", "局「10」は 1～9 の数字一つ（後ろに「局」を付けてもよい）で入力してください。"},
        {3, "1\x01", "局「1[U+0001]」は"},
        {3, std::string("1\0", 2), "局「1[U+0000]」は"},
        {3, "", "局「」は"},
        {2, "", "陰陽「」は「陰」か「陽」で入力してください。"},
        {1, "晴", "干支「晴」の一文字目が十干（甲～癸）ではありません。"},
        {1, "甲丑", "干支「甲丑」は六十干支にない組み合わせです"},
    };
    for (const Case& c : refused) {
        table.first();
        const CalendarRecord before = table.current();
        table.setField(c.field, c.value);
        try {
            table.post();
            ADD_FAILURE() << c.value;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_EQ(table.current()[static_cast<schema::Field>(c.field)], c.value); // kept for correction
        table.cancel();
        CalendarTable again(schema::TableKind::Day);
        again.open(dir.path());
        EXPECT_EQ(again.current(), before); // nothing written
    }
    const Case accepted[] = {{3, "3局", ""}, {4, "処暑", ""}, {3, "9", ""}};
    for (const Case& c : accepted) {
        table.first();
        table.setField(c.field, c.value);
        EXPECT_NO_THROW(table.post()) << c.value;
    }
}

TEST_F(Store, NotificationsHeldAndReleasedOnce) {
    int moves = 0;
    QObject::connect(&table, &CalendarTable::currentChanged, [&](int) { ++moves; });
    table.holdNotifications();
    table.next();
    table.next();
    EXPECT_EQ(moves, 0);
    table.releaseNotifications();
    EXPECT_EQ(moves, 1);
    table.prior();
    EXPECT_EQ(moves, 2);
}

TEST_F(Store, ModelEditsTheRecordItShows) {
    CalendarModel model(table);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), "節入り日");
    EXPECT_TRUE(model.setData(model.index(2, 1), "戊辰", Qt::EditRole));
    EXPECT_EQ(table.recNo(), 2);
    EXPECT_EQ(model.data(model.index(2, 1), Qt::DisplayRole).toString(), "戊辰");
    QString failure;
    QObject::connect(&model, &CalendarModel::failed, [&](const QString& m) { failure = m; });
    table.post();
    table.insert();
    table.setField(0, "2001/01/01");
    table.setField(1, "x");
    EXPECT_FALSE(model.setData(model.index(0, 1), "y", Qt::EditRole)); // moving away posts a duplicate
    EXPECT_FALSE(failure.isEmpty());
}

TEST(StoreOpening, MissingFolderAndCorruptFileStopInOrder) {
    QTemporaryDir dir;
    Thoshimidb1 store;
    auto error = store.hoshimidb1Create(dir.path() + "/db");
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains("暦日.DB"));
    EXPECT_FALSE(store.Table1.isOpen());
    EXPECT_FALSE(store.Table3.isOpen());
    EXPECT_EQ(store.Table1.current().key(), "");

    writeTable(dir.path(), schema::TableKind::Day, {"2001/01/01"});
    QFile corrupt(dir.path() + "/暦月.DB");
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write("this is not a database file at all, just text that goes on for a while............");
    corrupt.close();
    writeTable(dir.path(), schema::TableKind::Year, {"2001"});
    error = store.hoshimidb1Create(dir.path());
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(store.Table1.isOpen());
    EXPECT_FALSE(store.Table2.isOpen());
    EXPECT_FALSE(store.Table3.isOpen()); // stopped at the month table
    EXPECT_THROW(store.Table2.next(), Error);
}

TEST(StoreOpening, ExistingIndexIsTolerated) {
    QTemporaryDir dir;
    writeTable(dir.path(), schema::TableKind::Year, {"2000", "2001"});
    for (int i = 0; i < 2; ++i) {
        CalendarTable t(schema::TableKind::Year);
        t.open(dir.path());
        EXPECT_EQ(t.recordCount(), 2);
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
