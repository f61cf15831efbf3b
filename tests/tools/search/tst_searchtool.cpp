// hoshikura-search: its hits against the purpose screens' own (on the
// generated calendar), its JSON, the end of the calendar and its errors.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

#include "boardscreens.h"
#include "calculators.h"
#include "calendarfixture.h"
#include "hoshimidb1.h"
#include "jibanfrm.h"
#include "nenbanfrm.h"
#include "nitibanfrm.h"
#include "patterntexts.h"
#include "programfile.h"
#include "purposemenu.h"
#include "searchtool.h"
#include "tukibanfrm.h"

using namespace hoshi;

namespace {

struct Result {
    int status;
    QString out, err;
};

Result search(std::vector<std::string> args, const QString& db = programFile(QStringLiteral("db"))) {
    std::ostringstream out, err;
    const int status = tool::runSearchTool(args, out, err, db, QDate(2026, 12, 10));
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

struct NoSink : MessageSink {
    void information(const std::string&) override {}
};

} // namespace

class SearchTool : public QObject {
    Q_OBJECT

private slots:
    // The same periods as pressing the screen's start, then 次 (or 前).
    void agreesWithThePurposeScreens() {
        Thoshimidb1 store;
        QVERIFY(!store.hoshimidb1Create(programFile(QStringLiteral("db"))));
        Calculators calc;
        assignPatternTexts(calc.kyokaku);
        NoSink sink;
        TKanMo1 kanmo(sink);
        test::FourBoardScreens screens(calc, kanmo, store);
        const BoardScreens boards = screens.byKind();
        struct Case {
            const char* purpose;
            int search;
            const char* kind;
            QDate from;
            bool back;
        };
        const Case cases[] = {{"kekkon", 1, "month", {2026, 12, 10}, false},
                              {"siken", 0, "hour", {2026, 12, 10}, false},
                              {"ryoko", 1, "day", {1999, 12, 31}, true},
                              {"hikkosi", 0, "year", {1950, 6, 1}, false},
                              {"wagou", 0, "day", {2100, 12, 1}, false}};
        for (const Case& c : cases) {
            TPurposeMenu m(*findPurpose(c.purpose), boards, kanmo, [&c] { return c.from; });
            const TPurposeMenu::Search& s = m.searches[static_cast<std::size_t>(c.search)];
            QStringList screen;
            for (int i = 0; i < 4; ++i) {
                (i == 0 ? s.start : c.back ? s.previous : s.next)->click();
                if (i == 0 && c.back) { // the tool's --back scans backward from the start record
                    screen.clear();
                    screens.day.table()->findKey(c.from.toString(QStringLiteral("yyyy/MM/dd")).toStdString());
                    continue;
                }
                screen << s.period->text() + '\t' + s.directions->text();
            }
            std::vector<std::string> args = {
                "--from",  c.from.toString(QStringLiteral("yyyy/MM/dd")).toStdString(),
                "--count", c.back ? "3" : "4",
                c.purpose, c.kind};
            if (c.back) args.push_back("--back");
            const Result r = search(args);
            QCOMPARE(r.status, 0);
            QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
            screen.removeDuplicates(); // the end of the calendar repeats the last label
            QCOMPARE(lines.mid(0, static_cast<int>(screen.size())), screen);
        }
    }

    void jsonHits() {
        const Result r = search({"--json", "--from", "2026/12/10", "--count", "2", "syodan", "hour"});
        QCOMPARE(r.status, 0);
        const QJsonArray hits = QJsonDocument::fromJson(r.out.toUtf8()).array();
        QCOMPARE(hits.size(), 2);
        const Result text = search({"--from", "2026/12/10", "--count", "2", "syodan", "hour"});
        const QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
        for (int i = 0; i < 2; ++i) {
            const QJsonObject h = hits[i].toObject();
            QString labels;
            for (const QJsonValue& d : h["directions"].toArray()) {
                const QJsonObject o = d.toObject();
                labels += o["label"].toString();
                QVERIFY(o["palace"].toInt() != 5);
                QVERIFY(!o["pattern"].toString().isEmpty()); // every hit has a pattern of the set
            }
            QCOMPARE(h["period"].toString() + '\t' + labels, lines[i]);
            QVERIFY(h["key"].toString().startsWith(QStringLiteral("202")));
            QVERIFY(h["slot"].toInt() >= 5 && h["slot"].toInt() <= 11);
        }
        QVERIFY(!QJsonDocument::fromJson(search({"--json", "kekkon", "year"}).out.toUtf8())
                     .array()[0]
                     .toObject()
                     .contains("slot"));
    }

    void endOfTheCalendarAndErrors() {
        const Result end = search({"--from", "2100/12/01", "--count", "50", "hikkosi", "year"});
        QCOMPARE(end.status, 0);
        QCOMPARE(end.out, QString());
        QVERIFY(end.err.contains(QStringLiteral("暦の終わりまでに、これ以上の時期はありません。")));
        const Result start = search({"--from", "1900/03/10", "--count", "400", "--back", "wagou", "day"});
        QCOMPARE(start.status, 0);
        QVERIFY(start.err.contains(QStringLiteral("暦の初めまでに、これ以上の時期はありません。")));

        const std::vector<std::vector<std::string>> bad = {{"foo", "year"},
                                                           {"kekkon", "day"},
                                                           {"kekkon"},
                                                           {"--count", "0", "kekkon", "year"},
                                                           {"--count", "x", "kekkon", "year"},
                                                           {"--from", "2026-12-10", "kekkon", "year"},
                                                           {"--from", "1899/12/31", "kekkon", "year"},
                                                           {"--female", "kekkon", "year"},
                                                           {"--bogus", "kekkon", "year"}};
        for (const auto& args : bad) {
            const Result r = search(args);
            QCOMPARE(r.status, 2);
            QCOMPARE(r.err.count('\n'), 1);
            QVERIFY(r.out.isEmpty());
        }
        QVERIFY(search({"kekkon", "day"}).err.contains(QStringLiteral("year, month")));
        QCOMPARE(search({"結婚式", "year", "--from", "2026/12/10"}).out,
                 search({"kekkon", "year", "--from", "2026/12/10"}).out);

        // An undecodable record names its key.
        QTemporaryDir dir;
        test::writeCalendarTable(dir.path(), schema::TableKind::Day,
                                 {{"2001/05/03", "丙寅", "陽", "1", "立夏", "中元", "05/05", "20:39"},
                                  {"2001/05/04", "乙丑", "陽", "x", "冬至", "上元", "05/05", "20:39"}});
        const Result broken = search({"--from", "2001/05/03", "wagou", "day"}, dir.path());
        QCOMPARE(broken.status, 2);
        QVERIFY(broken.err.contains(QStringLiteral("2001/05/04")));
    }
};

QTEST_MAIN(SearchTool)
#include "tst_searchtool.moc"
