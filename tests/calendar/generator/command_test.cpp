// hoshikura-koyomi as a user runs it, and its argument parsing.

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

#include "args.h"
#include "generator/tablefile.h"
#include "tempdir.h"

namespace hoshi::koyomi {
namespace {

using testing::TempDir;

struct Outcome {
    int status;
    std::string out, err;
};

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Outcome run(const TempDir& dir, const std::string& args) {
    std::filesystem::path out = dir.path() / "stdout", err = dir.path() / "stderr";
    std::string command =
        std::string("'") + KOYOMI_EXE + "' " + args + " >'" + out.string() + "' 2>'" + err.string() + "'";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

TEST(Command, GenerateIntoAFolderAndAgain) {
    TempDir dir;
    std::filesystem::path db = dir.path() / "db";
    Outcome r = run(dir, "generate --out '" + db.string() + "' --from 2019-01-01 --to 2019-12-31");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readTable(db, schema::TableKind::Day).size(), 365u);
    EXPECT_EQ(readTable(db, schema::TableKind::Month).size(), 12u);
    EXPECT_EQ(readTable(db, schema::TableKind::Year).size(), 1u);
    // A second run replaces the three files and leaves nothing else.
    r = run(dir, "generate --out=" + db.string() + " --from 2020-02-01 --to 2020-02-29 --utc-offset +08:00");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readTable(db, schema::TableKind::Day).size(), 29u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(db), {}), 3);
}

TEST(Command, LeapTableOption) {
    TempDir dir;
    std::filesystem::path db = dir.path() / "db", leap = dir.path() / "leap.txt";
    std::ofstream(leap) << "1997-12-18 # moved\n";
    Outcome r = run(dir, "generate --out " + db.string() +
                             " --from 1997-12-18 --to 1997-12-18 --leap-table " + leap.string());
    ASSERT_EQ(r.status, 0) << r.err;
    auto days = readTable(db, schema::TableKind::Day);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0][schema::Inyou], "陽");
    EXPECT_EQ(days[0][schema::Kyoku], "7");
}

// Lines after the header: "N 名前 YYYY-MM-DD HH:MM:SS".
std::vector<std::string> termLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (!line.starts_with("#")) lines.push_back(line);
    return lines;
}

TEST(Command, TermsListing) {
    TempDir dir;
    Outcome r = run(dir, "terms --from 2019 --to 2020");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "# 二十四節気 2019年～2020年、時刻の順。時刻は日本標準時（JST、UTC+09:00）、秒まで");
    const std::vector<std::string> lines = termLines(r.out);
    ASSERT_EQ(lines.size(), 48u);
    EXPECT_EQ(lines.front().substr(0, 10), "1 小寒 2");
    EXPECT_NE(r.out.find("\n3 立春 2019-02-04 12:14:"), std::string::npos) << r.out;
    EXPECT_EQ(lines.back().substr(0, std::string("0 冬至 2020-12-21 ").size()), "0 冬至 2020-12-21 ");
    // In time order: the date and time (ISO text) ascend line by line.
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_LT(lines[i - 1].substr(lines[i - 1].size() - 19), lines[i].substr(lines[i].size() - 19))
            << lines[i];
    r = run(dir, "terms --from 2019 --to 2019 --utc-offset -00:30");
    EXPECT_NE(r.out.find("時刻は UTC-00:30 の地方時"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n3 立春 2019-02-04 02:44:"), std::string::npos) << r.out;
}

TEST(Command, ExportAndImport) {
    TempDir dir;
    std::string db = (dir.path() / "db").string(), csv = (dir.path() / "m.csv").string();
    ASSERT_EQ(run(dir, "generate --out " + db + " --from 2019-01-01 --to 2019-03-31").status, 0);
    Outcome r = run(dir, "export --db " + db + " month " + csv + " --sjis");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(run(dir, "import --sjis --db " + db + " month " + csv).status, 0);
    r = run(dir, "import --db " + db + " month " + csv); // Shift-JIS read as UTF-8
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("m.csv の 1 行目："), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST(Command, BadInputIsOneLineAndNonZero) {
    struct Row {
        const char* args;
        int status;
        const char* message;
    } rows[] = {
        {"", 2, "コマンドがありません"},
        {"make", 2, "コマンド「make」はありません"},
        {"generate", 2, "--out が必要です"},
        {"generate --out x --from 1799-12-31", 2, "範囲外"},
        {"generate --out x --from 2000-02-30", 2, "暦にある日付を YYYY-MM-DD"},
        {"generate --out x --from 2000-01-02 --to 2000-01-01", 2, "--to より後"},
        {"generate --out x --utc-offset 9", 2, "--utc-offset の時差「9」"},
        {"generate --out x --verbose", 2, "オプション「--verbose」はありません"},
        {"generate --out x --out y", 2, "二度"},
        {"generate --out x --leap-table /nonexistent/leap.txt", 1, "を読めません"},
        {"export --db x week f.csv", 2, "表「week」はありません"},
        {"export --db x day", 2, "表（day, month, year のどれか）とファイル"},
        {"export --db /nonexistent day f.csv", 1, "暦の表 /nonexistent/"},
        {"import --db x day", 2, "表（day, month, year のどれか）とファイル"},
        {"terms --from 2019", 2, "--to が必要です"},
        {"terms --from 19 --to 2019", 2, "4桁の数字"},
        {"terms --from 2019 --to 2201", 2, "範囲外"},
    };
    TempDir dir;
    for (const Row& row : rows) {
        Outcome r = run(dir, row.args);
        EXPECT_EQ(r.status, row.status) << row.args << ": " << r.err;
        EXPECT_NE(r.err.find(row.message), std::string::npos) << row.args << ": " << r.err;
        EXPECT_EQ(r.err.rfind("hoshikura-koyomi: ", 0), 0u) << row.args << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << row.args << ": " << r.err;
    }
}

TEST(Args, UtcOffsets) {
    struct Row {
        const char* text;
        int minutes;
    } good[] = {{"+09:00", 540}, {"-05:30", -330}, {"+00:00", 0}, {"+14:00", 840}};
    for (const Row& r : good) EXPECT_EQ(cli::parseUtcOffset(r.text), r.minutes) << r.text;
    for (const char* bad : {"+9:00", "09:00", "+14:01", "+09:60", "+09-00", ""})
        EXPECT_THROW(cli::parseUtcOffset(bad), cli::UsageError) << bad;
}

TEST(Args, Forms) {
    std::vector<std::string> a = {"generate", "--out", "d", "--from=2000-01-01", "--leap-table", "l"};
    auto g = std::get<cli::GenerateCommand>(cli::parseArgs(a));
    EXPECT_EQ(g.out, "d");
    EXPECT_EQ(g.options.from, (CivilDate{2000, 1, 1}));
    EXPECT_EQ(g.options.to, (CivilDate{2100, 12, 31}));
    EXPECT_EQ(g.options.utcOffsetMinutes, 540);
    EXPECT_EQ(g.leapTable, std::filesystem::path("l"));
    a = {"import", "--db", "d", "year", "y.csv", "--sjis"};
    auto t = std::get<cli::TableCommand>(cli::parseArgs(a));
    EXPECT_TRUE(t.import);
    EXPECT_EQ(t.kind, schema::TableKind::Year);
    EXPECT_EQ(t.file, "y.csv");
    EXPECT_EQ(t.encoding, Encoding::ShiftJis);
    a = {"terms", "--to", "2001", "--from", "2000"};
    auto s = std::get<cli::TermsCommand>(cli::parseArgs(a));
    EXPECT_EQ(s.fromYear, 2000);
    EXPECT_EQ(s.toYear, 2001);
}

} // namespace
} // namespace hoshi::koyomi
