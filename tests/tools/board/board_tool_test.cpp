#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>

#include "boardtool.h"
#include "decoders.h"
#include "generator/tablefile.h"
#include "hoshimidb1.h"
#include "kanmo1.h"
#include "programfile.h"
#include "tablesource.h"

using namespace hoshi;

namespace {

QString calendarFolder() {
    return programFile(QStringLiteral("db"));
}

struct Result {
    int status;
    std::string out, err;
};

// One in-process run of the tool, the calendar from `db` (the generated one by default).
Result run(std::vector<std::string> args, const QString& db = calendarFolder(),
           const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    args.insert(args.begin(), {"--db", db.toStdString()});
    int status = tool::runBoardTool(args, in, out, err, QString());
    return {status, out.str(), err.str()};
}

QJsonObject json(const std::string& text) {
    QJsonParseError e;
    QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(text), &e);
    EXPECT_EQ(e.error, QJsonParseError::NoError) << text;
    return d.object();
}

// A copy of a record of the generated calendar.
CalendarRecord record(schema::TableKind table, const std::string& key) {
    tool::TableSource calendar(calendarFolder());
    const CalendarRecord* r = calendar.find(table, key);
    if (!r) throw std::runtime_error("no record " + key);
    return *r;
}

} // namespace

// A by-date board is the explicit board of its record's words, with the key in front.
TEST(ByDate, BoardsEqualTheirExplicitInputs) {
    const CalendarRecord d = record(schema::TableKind::Day, "2001/05/03");
    const CalendarRecord m = record(schema::TableKind::Month, "2001/02");
    // 2001/05/03 decodes to mmdd 503: before the May 節入り, so its month stem is 壬.
    const StemNo monthStem = yearMonthStems(503, 2001).second;
    EXPECT_EQ(kanName[monthStem], "壬");
    struct Case {
        std::vector<std::string> byDate, explicitForm;
        std::string key;
    };
    const std::vector<Case> cases = {
        {{"date", "year", "2000"}, {"year", "2000"}, "2000"},
        {{"month", "2001/02"}, {"month", "2001", "2", m[schema::Kansi], m[schema::Kyoku]}, "2001/02"},
        {{"day", "2001/05/03"},
         {"day", d[schema::Kansi], d[schema::Inyou], d[schema::Kyoku], d[schema::Sekki],
          std::string(kanName[monthStem])},
         "2001/05/03"},
        {{"date", "day", "2001/05/03"},
         {"day", d[schema::Kansi], d[schema::Inyou], d[schema::Kyoku], d[schema::Sekki],
          std::string(kanName[monthStem])},
         "2001/05/03"},
        {{"hour", "2001/05/03", "8"},
         {"hour", d[schema::Kansi], "8", d[schema::Sekki], d[schema::Sangen]},
         "2001/05/03"},
    };
    for (const auto& c : cases) {
        Result a = run(c.byDate), b = run(c.explicitForm);
        ASSERT_EQ(a.status, 0) << a.err;
        ASSERT_EQ(b.status, 0) << b.err;
        EXPECT_EQ(a.out, c.key + " " + b.out) << c.byDate[0] << " " << c.byDate[1];
        EXPECT_EQ(a.err, "");
    }
}

TEST(ByDate, KeysMustHaveTheTableForm) {
    for (std::vector<std::string> words : {std::vector<std::string>{"day", "2001/5/3"},
                                           {"hour", "2001/5/03", "8"},
                                           {"month", "2001/2"},
                                           {"date", "year", "01"},
                                           {"date", "month", "2001", "2", "庚寅", "2"},
                                           {"hour", "2001/05/03"}}) {
        Result r = run(words);
        EXPECT_EQ(r.status, 2) << words[1];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_NE(run({"day", "2001/5/3"}).err.find("YYYY/MM/DD"), std::string::npos);
}

TEST(ByDate, MissingRecordExitsWithTwo) {
    for (std::vector<std::string> words : {std::vector<std::string>{"day", "2101/01/01"},
                                           {"day", "2001/02/30"},
                                           {"hour", "1899/12/31", "1"},
                                           {"month", "2001/13"},
                                           {"date", "year", "1899"}}) {
        Result r = run(words);
        EXPECT_EQ(r.status, 2) << words.back();
        EXPECT_NE(r.err.find("のレコードがありません"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    Result noTable = run({"day", "2001/05/03"}, "/nonexistent");
    EXPECT_EQ(noTable.status, 2);
}

TEST(ByDate, ResponseAndHouitoriOnlyFromTheCalendar) {
    QJsonObject byDate = json(run({"--json", "day", "2001/05/03"}).out);
    QJsonObject explicitBoard = json(run({"--json", "day", "丙寅", "陽", "6", "穀雨", "壬"}).out);
    EXPECT_EQ(byDate["date"].toString(), "2001/05/03");
    const QJsonArray houitori = byDate["houitori"].toArray();
    ASSERT_EQ(houitori.size(), 15);
    EXPECT_TRUE(houitori[3].toString().startsWith("■実行日：2001/05/03日の場合"));
    EXPECT_FALSE(explicitBoard.contains("date"));
    EXPECT_FALSE(explicitBoard.contains("houitori"));
    for (const QJsonObject& board : {byDate, explicitBoard}) {
        const QJsonArray palaces = board["palaces"].toArray();
        ASSERT_EQ(palaces.size(), 9);
        for (const auto& v : palaces) {
            QJsonObject p = v.toObject();
            bool outer = p["palace"].toInt() != 5;
            EXPECT_EQ(p.contains("mark"), outer);
            EXPECT_EQ(p.contains("lines"), outer);
            EXPECT_EQ(p.contains("response"), outer && board.contains("date"));
            if (!outer) continue;
            EXPECT_TRUE(p["mark"].toString() == "○" || p["mark"].toString() == "×");
            EXPECT_FALSE(p["reading"].toString().isEmpty());
            for (const auto& line : p["lines"].toArray()) EXPECT_TRUE(line.toString().startsWith("■"));
            if (board.contains("date")) {
                const QJsonArray response = p["response"].toArray();
                ASSERT_EQ(response.size(), 4);
                EXPECT_TRUE(response[3].toString().startsWith("  => 一番近いトキは、"));
            }
        }
    }
    // The day board of 2001/05/03 (丙 day, yang) names its response days by month and day.
    QJsonArray response = byDate["palaces"].toArray()[0].toObject()["response"].toArray();
    EXPECT_TRUE(response[2].toString().endsWith("」日のトキに方位効果が最も現れます。"));
    EXPECT_TRUE(response[3].toString().startsWith("  => 一番近いトキは、5月"));
}

TEST(Texts, SizesAndIndexing) {
    Result r = run({"--json", "texts"});
    ASSERT_EQ(r.status, 0) << r.err;
    QJsonObject t = json(r.out);
    const QJsonArray readings = t["readings"].toArray(), marks = t["marks"].toArray();
    ASSERT_EQ(readings.size(), 10);
    ASSERT_EQ(marks.size(), 10);
    int count = 0;
    for (int h = 0; h < 10; ++h) {
        ASSERT_EQ(readings[h].toArray().size(), 10);
        ASSERT_EQ(marks[h].toArray().size(), 10);
        count += int(readings[h].toArray().size());
    }
    EXPECT_EQ(count, 100);
    // [heaven − 1][earth − 1]: 乙 over 甲.
    EXPECT_EQ(readings[1].toArray()[0].toString().toStdString(), TKanMo1::reading(2, 1));
    EXPECT_EQ(marks[1].toArray()[0].toString().toStdString(), TKanMo1::mark(2, 1));
    EXPECT_EQ(t["patternNames"].toArray().size(), 19);
    EXPECT_EQ(t["patternNames"].toArray()[0].toString(), "");
    EXPECT_EQ(t["patternTexts"].toArray().size(), 85);
}

TEST(Batch, AcceptsByDateForms) {
    Result r = run({"--batch"}, calendarFolder(),
                   "day 2001/05/03\nyear 2000\n\nhour 2001/05/03 13\ndate year 2000\n");
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::vector<QJsonObject> objects;
    for (std::string line; std::getline(lines, line);) objects.push_back(json(line));
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0]["date"].toString(), "2001/05/03");
    EXPECT_FALSE(objects[1].contains("date"));
    EXPECT_TRUE(objects[2].contains("error"));
    EXPECT_EQ(objects[3]["date"].toString(), "2000");
    for (int p = 0; p < 9; ++p) EXPECT_EQ(objects[3]["palaces"][p]["ten"], objects[1]["palaces"][p]["ten"]);
}

// The built program with a small calendar of its own.
class Program : public ::testing::Test {
protected:
    QTemporaryDir dir;
    void SetUp() override {
        CalendarRecord good{{"2001/05/03", "丙寅", "陽", "6", "穀雨", "上元", "04/05", "02:24"}};
        CalendarRecord badDun{{"2001/05/04", "丁卯", "x", "7", "穀雨", "上元", "04/05", "02:24"}};
        CalendarRecord modernTerm{{"2001/05/05", "戊辰", "陽", "8", "処暑", "上元", "04/05", "02:24"}};
        CalendarRecord wideDigit{{"2001/05/06", "己巳", "陽", "１", "穀雨", "中元", "04/05", "02:24"}};
        std::vector<CalendarRecord> days = {good, badDun, modernTerm, wideDigit};
        koyomi::writeTable(dir.path().toStdString(), schema::TableKind::Day, days);
    }
    Result exec(const QStringList& args) {
        QProcess p;
        p.start(BOARD_PROGRAM, QStringList{"--db", dir.path()} + args);
        EXPECT_TRUE(p.waitForFinished(20000));
        return {p.exitCode(), p.readAllStandardOutput().toStdString(),
                p.readAllStandardError().toStdString()};
    }
};

// Every batch line is valid UTF-8 JSON, whatever bytes came in, and a huge
// bad word is not echoed whole.
TEST(Batch, ErrorLinesAreValidJsonAndShort) {
    const std::string huge(2'000'000, 'x');
    Result r =
        run({"--batch"}, calendarFolder(), "year \xff\xfe\nyear " + huge + "\nmonth -2147483648 1 庚寅 2\n");
    std::istringstream lines(r.out);
    int n = 0;
    for (std::string line; std::getline(lines, line); ++n) {
        EXPECT_TRUE(
            QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).toUtf8().toStdString() ==
            line);
        EXPECT_LT(line.size(), 2000u);
        EXPECT_TRUE(json(line).contains("error")) << line.substr(0, 200);
    }
    EXPECT_EQ(n, 3);
    EXPECT_NE(r.out.find("省略"), std::string::npos);
}

// The grid names the pattern; the JSON names each palace's direction; a
// date written with '-' is told how to write it.
TEST(Output, PatternNamesDirectionsAndDashedDates) {
    Result text = run({"day", "2001/05/03"});
    EXPECT_EQ(text.out.find("吉格 "), std::string::npos);
    Result byJson = run({"--json", "day", "2001/05/03"});
    const QJsonArray palaces = json(byJson.out)["palaces"].toArray();
    const char* directions[] = {"東南", "南", "南西", "東", "中央", "西", "北東", "北", "北西"};
    for (int p = 0; p < 9; ++p)
        EXPECT_EQ(palaces[p].toObject()["direction"].toString(), QString::fromUtf8(directions[p]));
    for (const QJsonValue& v : palaces) {
        const int code = v.toObject()["kitikaku"].toInt();
        if (code > 0) {
            EXPECT_NE(text.out.find(std::string(TKanMo1::patternName(code))), std::string::npos);
        }
    }
    Result dashed = run({"day", "2001-05-03"});
    EXPECT_EQ(dashed.status, 2);
    EXPECT_NE(dashed.err.find("YYYY/MM/DD"), std::string::npos) << dashed.err;
    EXPECT_NE(dashed.err.find("2001-05-03"), std::string::npos) << dashed.err;
}

// Each kind of bad input is told in Japanese, naming the input as the usage
// text names it, quoting the value and saying what it may be.
TEST(Explicit, BadInputIsToldInJapanese) {
    const struct {
        std::vector<std::string> words;
        const char* says;
    } rows[] = {
        {{"day", "丙寅", "阳", "1", "冬至", "甲"}, "陰陽「阳」は「陰」か「陽」で書いてください。"},
        {{"day", "丙寅", "陽", "x", "冬至", "甲"}, "局「x」は数ではありません。半角の整数で書いてください。"},
        {{"day", "丙寅", "陽", "10", "冬至", "甲"}, "局「10」は範囲外です（1～9）。"},
        {{"day", "丙寅", "陽", "1", "処暑", "甲"}, "節気「処暑」は二十四節気の名前"},
        {{"day", "丙寅", "陽", "1", "冬至", "子"}, "月干「子」は十干"},
        {{"day", "甲丑", "陽", "1", "冬至", "甲"}, "干支「甲丑」は六十干支にない組み合わせです"},
        {{"day", "丙", "陽", "1", "冬至", "甲"}, "干支「丙」は干と支の二文字ではありません（例：丙寅）。"},
        {{"hour", "丙寅", "8", "立夏", "中"}, "3元「中」は上元・中元・下元のどれかで書いてください。"},
        {{"month", "2001", "13", "庚寅", "2"}, "月「13」は範囲外です（1～12）。"},
        {{"year"}, "語の数が違います。書き方：year 年（例：year 2000）"},
        {{"week", "2000"}, "盤の種類「week」はありません"},
        {{"--bogus", "year", "2000"}, "オプション「--bogus」はありません"},
        {{"--detail", "東", "day", "2001/05/03"},
         "--detail と --houitori は --pdf ファイル と一緒に使います。"},
        {{"day", "2001/5/3"}, "日付「2001/5/3」は YYYY/MM/DD の形で書いてください"},
    };
    for (const auto& r : rows) {
        const Result result = run(r.words);
        EXPECT_EQ(result.status, 2) << r.says;
        EXPECT_TRUE(result.err.starts_with("hoshikura-board: ")) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_NE(result.err.find(r.says), std::string::npos) << result.err;
    }
}

// Numbers are range-checked before any arithmetic on them.
TEST(Explicit, YearsOutsideTheCalendarAreRefused) {
    for (std::vector<std::string> words : {std::vector<std::string>{"month", "-2147483648", "1", "庚寅", "2"},
                                           {"year", "2147483647"},
                                           {"year", "0"}}) {
        Result r = run(words);
        EXPECT_EQ(r.status, 2) << words[1];
        EXPECT_NE(r.err.find("年「"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("1～9999"), std::string::npos) << r.err;
    }
}

TEST_F(Program, ExitStatusAndOneLineErrors) {
    Result good = exec({"--json", "day", "2001/05/03"});
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(json(good.out)["date"].toString(), "2001/05/03");
    struct Bad {
        QStringList args;
        const char* says;
    };
    for (const Bad& b : {Bad{{"day", "2001/05/07"}, "「2001/05/07」のレコードがありません"},
                         Bad{{"day", "2001/05/04"}, "陰陽"}, Bad{{"hour", "2001/05/05", "3"}, "節気"},
                         Bad{{"day", "2001/05/06"}, "2001/05/06"}, Bad{{"month", "2001/05"}, "暦月.DB"}}) {
        Result r = exec(b.args);
        EXPECT_EQ(r.status, 2) << b.args.join(' ').toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(b.says), std::string::npos) << r.err;
    }
    // The explicit forms need no calendar.
    EXPECT_EQ(exec({"year", "2000"}).status, 0);
}

TEST(DefaultDb, IsTheFolderBesideTheProgram) {
    QProcess p;
    p.start(BOARD_PROGRAM, {"day", "2001/05/03"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().startsWith("2001/05/03 丙寅 [日盤]"));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
