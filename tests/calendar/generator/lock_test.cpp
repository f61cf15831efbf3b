// An import or a generate while another program has the calendar open: it
// is refused, the open program's posts keep reaching the table, and after
// the program closes the import goes through. Also: tables are written with
// their key index, leftovers of a killed run are removed.

#include <gtest/gtest.h>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <fstream>

#include "calendartable.h"
#include "errors.h"
#include "generator/koyomi.h"
#include "generator/tablefile.h"
#include "tempdir.h"

namespace hoshi::koyomi {
namespace {

using testing::TempDir;

std::vector<CalendarRecord> days() {
    Koyomi k = generateKoyomi({{2001, 5, 1}, {2001, 5, 10}, 9 * 60, {}});
    return k.days;
}

// The second program, open on `folder` until it is told to quit.
struct Holder {
    QProcess p;
    explicit Holder(const std::filesystem::path& folder) {
        p.start(QStringLiteral(HOLDER_EXE), {QString::fromStdString(folder.string())});
        EXPECT_TRUE(p.waitForStarted(10000));
        EXPECT_EQ(reply(), "open");
    }
    std::string reply() {
        while (!p.canReadLine())
            if (!p.waitForReadyRead(10000)) return "(no reply)";
        return p.readLine().trimmed().toStdString();
    }
    std::string send(const std::string& command) {
        p.write((command + "\n").c_str());
        p.waitForBytesWritten(5000);
        return reply();
    }
    ~Holder() {
        if (p.state() == QProcess::NotRunning) return;
        p.write("quit\n");
        p.waitForFinished(10000);
    }
};

int koyomi(const std::string& args, std::string* err = nullptr) {
    QProcess p;
    p.start(QStringLiteral(KOYOMI_EXE), QProcess::splitCommand(QString::fromStdString(args)));
    p.waitForFinished(60000);
    if (err) *err = p.readAllStandardError().toStdString();
    return p.exitCode();
}

TEST(OpenCalendar, ImportAndGenerateWaitForTheProgramToClose) {
    TempDir dir;
    const std::filesystem::path db = dir.path() / "db";
    std::filesystem::create_directories(db);
    writeKoyomi(db, generateKoyomi({{2001, 5, 1}, {2001, 5, 10}, 9 * 60, {}}));
    const std::filesystem::path csv = dir.path() / "fix.csv";
    std::ofstream(csv)
        << "日,干支,陰陽,局,節気,3元,節入り日,時刻\n2001/05/03,丙寅,陽,9,立夏,中元,05/05,20:39\n";
    {
        Holder program(db);
        std::string err;
        EXPECT_EQ(koyomi("import --db " + db.string() + " day " + csv.string(), &err), 1);
        EXPECT_NE(err.find("プログラムを閉じてから"), std::string::npos) << err;
        EXPECT_EQ(koyomi("generate --out " + db.string() + " --from 2001-05-01 --to 2001-05-10", &err), 1);
        // The open program's post reaches the table.
        EXPECT_EQ(program.send("post 2001/05/04 3 7"), "ok");
    }
    auto find = [&](const std::string& key) {
        for (const CalendarRecord& r : readTable(db, schema::TableKind::Day))
            if (r.key() == key) return r;
        return CalendarRecord{};
    };
    EXPECT_EQ(find("2001/05/04")[schema::Kyoku], "7");
    EXPECT_EQ(find("2001/05/03")[schema::Kyoku], std::string(find("2001/05/03")[schema::Kyoku]));
    // Closed: the import goes through, and the earlier post stays.
    EXPECT_EQ(koyomi("import --db " + db.string() + " day " + csv.string()), 0);
    EXPECT_EQ(find("2001/05/03")[schema::Kyoku], "9");
    EXPECT_EQ(find("2001/05/04")[schema::Kyoku], "7");
}

TEST(OpenCalendar, TablesCarryTheirIndexAndLeftoversGo) {
    TempDir dir;
    const std::filesystem::path db = dir.path();
    for (const char* name : {".暦日.DB.tmp4242", ".暦日.DB.tmp4242-journal", ".暦月.DB.tmp7.old"})
        std::ofstream(db / name) << "left by a killed run";
    writeTable(db, schema::TableKind::Day, days());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(db), {}), 1);
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("index-check"));
        c.setDatabaseName(QString::fromStdString((db / "暦日.DB").string()));
        ASSERT_TRUE(c.open());
        QSqlQuery q(c);
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA index_list(\"暦日\")")));
        bool day = false;
        while (q.next()) day = day || q.value(1).toString() == QStringLiteral("day");
        EXPECT_TRUE(day); // so the program opens it without writing
    }
    QSqlDatabase::removeDatabase(QStringLiteral("index-check"));
}

TEST(OpenCalendar, SayWhatIsWrongWithATable) {
    TempDir dir;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        c.setDatabaseName(QString::fromStdString((dir.path() / "暦日.DB").string()));
        ASSERT_TRUE(c.open());
        QSqlQuery(c).exec(QStringLiteral("CREATE TABLE other (x TEXT)"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    CalendarTable t(schema::TableKind::Day);
    try {
        t.open(QString::fromStdString(dir.path().string()));
        FAIL() << "opened";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("テーブル「暦日」がありません"), std::string::npos) << e.what();
    }
    std::string err;
    EXPECT_EQ(
        koyomi("generate --out " + (dir.path() / "db").string() + " --leap-table " + dir.path().string(),
               &err),
        1);
    EXPECT_NE(err.find("はフォルダです"), std::string::npos) << err;
}

} // namespace
} // namespace hoshi::koyomi
