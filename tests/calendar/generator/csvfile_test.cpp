// Table files and their CSV form: round trips, and imports that refuse a bad
// line with its number and change nothing.

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "decoders.h"
#include "errors.h"
#include "generator/csvfile.h"
#include "generator/koyomi.h"
#include "generator/tablefile.h"
#include "sjis.h"
#include "tempdir.h"

namespace hoshi::koyomi {
namespace {

using schema::TableKind;
using testing::TempDir;

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void spit(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

const Koyomi& sample() {
    static const Koyomi k = [] {
        KoyomiOptions o;
        o.from = {2019, 11, 20};
        o.to = {2020, 2, 10};
        return generateKoyomi(o);
    }();
    return k;
}

const std::vector<CalendarRecord>& rows(TableKind kind) {
    const Koyomi& k = sample();
    return kind == TableKind::Day ? k.days : kind == TableKind::Month ? k.months : k.years;
}

TEST(CsvFile, ExportImportRoundTrip) {
    for (Encoding enc : {Encoding::Utf8, Encoding::ShiftJis}) {
        TempDir a, b;
        writeKoyomi(a.path(), sample());
        for (TableKind kind : {TableKind::Day, TableKind::Month, TableKind::Year}) {
            std::filesystem::path csv = a.path() / "table.csv";
            exportTable(a.path(), kind, csv, enc);
            importTable(b.path(), kind, csv, enc);
            EXPECT_EQ(readTable(b.path(), kind), rows(kind));
        }
    }
}

TEST(CsvFile, ImportMergesCorrectionsByKey) {
    TempDir dir;
    writeKoyomi(dir.path(), sample());
    std::filesystem::path csv = dir.path() / "fix.csv";
    spit(csv, "年,干支,陰陽,局\r\n2020,庚子,陰,5\r\n2021,辛丑,陰,6\r\n");
    const ImportCount n = importTable(dir.path(), TableKind::Year, csv, Encoding::Utf8);
    EXPECT_EQ(n.replaced, 1u);
    EXPECT_EQ(n.added, 1u);
    const auto years = readTable(dir.path(), TableKind::Year);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(years[0], rows(TableKind::Year)[0]); // not in the file: kept
    EXPECT_EQ(years[1][schema::Kyoku], "5");
    EXPECT_EQ(years[2].key(), "2021");
}

// The three tables are replaced together or not at all: when one cannot be
// put in place, the others keep their old contents.
TEST(TableFiles, ASetIsReplacedWholeOrNotAtAll) {
    TempDir dir;
    writeKoyomi(dir.path(), sample());
    const std::filesystem::path day = dir.path() / std::string(schema::info(TableKind::Day).fileName);
    const std::filesystem::path year = dir.path() / std::string(schema::info(TableKind::Year).fileName);
    const std::string dayBefore = slurp(day);
    std::filesystem::remove(year);
    std::filesystem::create_directory(year); // a year table that cannot be replaced
    spit(year / "keep", "x");
    KoyomiOptions o;
    o.from = {2001, 1, 1};
    o.to = {2001, 3, 1};
    EXPECT_THROW(writeKoyomi(dir.path(), generateKoyomi(o)), Error);
    EXPECT_EQ(slurp(day), dayBefore);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3)
        << "left a temporary file";
}

TEST(CsvFile, TextForm) {
    std::string csv = tableToCsv(TableKind::Day, std::span(rows(TableKind::Day)).first(1), Encoding::Utf8);
    EXPECT_EQ(csv, "日,干支,陰陽,局,節気,3元,節入り日,時刻\r\n"
                   "2019/11/20,辛酉,陰,3,立冬,下元,11/08,02:24\r\n");
    EXPECT_EQ(tableToCsv(TableKind::Year, rows(TableKind::Year), Encoding::ShiftJis),
              utf8ToSjis("年,干支,陰陽,局\r\n2019,己亥,陰,8\r\n2020,庚子,陰,7\r\n"));
}

struct BadFile {
    TableKind kind;
    int line;           // line that carries the fault (1 = header)
    std::string text;   // replaces that line of a good file ("" = remove the line)
    const char* reason; // part of the message
    bool range;         // OutOfRangeError, else ConversionError
};

const BadFile badFiles[] = {
    {TableKind::Day, 1, "日,干支,陰陽,局,節気,3元,節入日,時刻",
     "見出しの行は「日,干支,陰陽,局,節気,3元,節入り日,時刻」", false},
    {TableKind::Day, 3, "2019/11/2,壬戌,陰,3,立冬,中元,11/08,02:24", "日", false},
    {TableKind::Day, 3, "2019/11/31,壬戌,陰,3,立冬,中元,11/08,02:24", "日", true},
    {TableKind::Day, 3, "2019/11/20,壬戌,陰,3,立冬,中元,11/08,02:24", "より後ではありません", true},
    {TableKind::Day, 4, "2019/11/22,子亥,陰,2,小雪,中元,11/08,02:24", "干支", true},
    {TableKind::Day, 4, "2019/11/22,癸子,陰,2,小雪,中元,11/08,02:24", "六十干支にない組み合わせ", true},
    {TableKind::Day, 4, "2019/11/22,癸亥,阳,2,小雪,中元,11/08,02:24", "陰陽", true},
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,１,小雪,中元,11/08,02:24", "局", false},
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,0,小雪,中元,11/08,02:24", "局", false},
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,2,処暑,中元,11/08,02:24", "節気", true},
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,2,小雪,上,11/08,02:24", "3元", true},
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,2,小雪,中元,11/8,02:24", "節入り日", false},
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,2,小雪,中元,11/08,24:00", "時刻", true},
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,2,小雪,中元,11/08", "項目が 7 個", false},
    {TableKind::Day, 4, "\"2019/11/22,癸亥,陰,2,小雪,中元,11/08,02:24", "閉じていません", false},
    {TableKind::Day, 4, "", "空の行", false},
    {TableKind::Month, 2, "2019/13,乙亥,陰,5", "月", true},
    {TableKind::Month, 3, "2019/12,丙子,陰陰,4", "陰陽", true},
    {TableKind::Year, 2, "19,己亥,陰,1", "年", false},
    // What a post refuses too, in its words.
    {TableKind::Day, 4, "2019/11/22,癸亥,陰,10,小雪,中元,11/08,02:24", "局「10」は 1～9", false},
    {TableKind::Year, 2, "0001,辛酉,陰,1", "1312 年以降", true},
};

// A good CSV of the sample with line `b.line` replaced.
std::string withBadLine(const BadFile& b) {
    std::istringstream in(tableToCsv(b.kind, rows(b.kind), Encoding::Utf8));
    std::string out, line;
    for (int n = 1; std::getline(in, line); ++n) out += (n == b.line ? b.text + "\r" : line) + "\n";
    return out;
}

TEST(CsvFile, ImportRefusesABadLineAndChangesNothing) {
    TempDir dir;
    writeKoyomi(dir.path(), sample());
    for (const BadFile& b : badFiles) {
        std::filesystem::path table = dir.path() / std::string(schema::info(b.kind).fileName);
        std::string before = slurp(table);
        std::filesystem::path csv = dir.path() / "bad.csv";
        spit(csv, withBadLine(b));
        try {
            importTable(dir.path(), b.kind, csv, Encoding::Utf8);
            ADD_FAILURE() << "accepted: " << b.text;
        } catch (const Error& e) {
            std::string what = e.what();
            EXPECT_NE(what.find("bad.csv の " + std::to_string(b.line) + " 行目："), std::string::npos)
                << what;
            EXPECT_NE(what.find(b.reason), std::string::npos) << what;
            EXPECT_EQ(dynamic_cast<const OutOfRangeError*>(&e) != nullptr, b.range) << what;
        }
        EXPECT_TRUE(slurp(table) == before) << "table changed by: " << b.text;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 4)
        << "left a temporary file";
}

// What a post refuses, an import refuses in the same words: 局 texts the
// board would read as another number, and years before the stem rules.
TEST(CsvFile, ImportRefusesWhatAPostRefusesInItsWords) {
    const struct {
        TableKind kind;
        std::string line;
    } rows[] = {
        {TableKind::Day, "2019/11/22,癸亥,陰,10,小雪,中元,11/08,02:24"},
        {TableKind::Day, std::string("2019/11/22,癸亥,陰,1") + '\0' + ",小雪,中元,11/08,02:24"},
        {TableKind::Day, "2019/11/22,癸亥,陰,1\x01,小雪,中元,11/08,02:24"},
        {TableKind::Day, "2019/11/22,癸亥,陰,1\r,小雪,中元,11/08,02:24"},
        {TableKind::Day, "2019/11/22,癸亥,陰,1ｱ,小雪,中元,11/08,02:24"},
        {TableKind::Day, "2019/11/22,癸亥,陰,1,小雪,中元,11/08,02:24"}, // good: the control row
        {TableKind::Year, "0000,庚申,陰,1"},
        {TableKind::Year, "0001,辛酉,陰,1"},
    };
    for (const auto& r : rows) {
        const std::string header = tableToCsv(r.kind, {}, Encoding::Utf8);
        CalendarRecord record;
        std::istringstream fields(r.line);
        std::string f;
        for (std::size_t i = 0; std::getline(fields, f, ','); ++i) record.f[i] = f;
        const auto post = recordFault(r.kind, record);
        try {
            tableFromCsv(r.kind, header + r.line + "\r\n", Encoding::Utf8, "t.csv");
            EXPECT_FALSE(post) << "a post refuses what the import accepted: " << r.line;
        } catch (const Error& e) {
            ASSERT_TRUE(post) << "only the import refused: " << e.what();
            EXPECT_EQ(std::string(e.what()), "t.csv の 2 行目：" + post->text);
        }
    }
}

TEST(CsvFile, ShiftJisLinesAreCheckedLineByLine) {
    std::string good = tableToCsv(TableKind::Year, rows(TableKind::Year), Encoding::ShiftJis);
    EXPECT_EQ(tableFromCsv(TableKind::Year, good, Encoding::ShiftJis, "y.csv"), rows(TableKind::Year));
    std::string bad = good + "2021,\x81\x7f\xff,\x89\x41,8\r\n"; // bytes that are not code page 932
    try {
        tableFromCsv(TableKind::Year, bad, Encoding::ShiftJis, "y.csv");
        FAIL() << "accepted bytes that are not Shift-JIS";
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("y.csv の 4 行目：Shift-JIS の文字として読めません"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_THROW(tableFromCsv(TableKind::Year, "年,干支,陰陽,局\r\n", Encoding::Utf8, "y.csv"),
                 ConversionError);
    EXPECT_EQ(tableFromCsv(TableKind::Year, "\xEF\xBB\xBF年,干支,陰陽,局\n2019,己亥,陰,1局\n", Encoding::Utf8,
                           "y.csv")
                  .at(0)[schema::Kyoku],
              "1局");
}

TEST(TableFile, MissingOrForeignFiles) {
    TempDir dir;
    EXPECT_THROW(readTable(dir.path(), TableKind::Day), Error);
    spit(dir.path() / "暦日.DB", "not a database");
    EXPECT_THROW(readTable(dir.path(), TableKind::Day), Error);
    EXPECT_THROW(writeTable(dir.path() / "missing", TableKind::Day, rows(TableKind::Day)), Error);
}

} // namespace
} // namespace hoshi::koyomi
