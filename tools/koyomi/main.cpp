// hoshikura-koyomi: generates the calendar tables, moves them to and from
// CSV, and lists the solar terms. Forms in args.h.

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "args.h"
#include "errors.h"
#include "generator/nikkakyusei.h"
#include "generator/solarterm.h"
#include "generator/tablefile.h"
#include "generator/timescale.h"
#include "vocabulary.h"

namespace {

using namespace hoshi::koyomi;

std::string readText(const std::filesystem::path& file) {
    // A folder opens as a stream too, and reads as empty.
    if (std::filesystem::is_directory(file))
        throw hoshi::Error(file.string() + " はフォルダです。ファイルを指定してください。");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw hoshi::Error(file.string() + " を読めません。");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int run(const cli::HelpCommand&) {
    std::cout << cli::usageText;
    return 0;
}

int run(cli::GenerateCommand c) {
    if (c.leapTable)
        c.options.leapDates = parseLeapTable(readText(*c.leapTable), c.leapTable->filename().string());
    Koyomi k = generateKoyomi(c.options);
    writeKoyomi(c.out, k);
    std::cout << c.out.string() << " に書き込みました: 暦日.DB " << k.days.size() << " 件、暦月.DB "
              << k.months.size() << " 件、暦年.DB " << k.years.size() << " 件\n";
    return 0;
}

int run(const cli::TableCommand& c) {
    if (c.import) {
        const ImportCount n = importTable(c.db, c.kind, c.file, c.encoding);
        std::cout << c.file.filename().string() << " を取り込みました: " << n.replaced << " 件を置き換え、"
                  << n.added << " 件を追加\n";
    } else {
        exportTable(c.db, c.kind, c.file, c.encoding);
    }
    return 0;
}

// "UTC+09:00", "UTC-00:30".
std::string offsetText(int minutes) {
    const int m = std::abs(minutes);
    char text[16];
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", minutes < 0 ? '-' : '+', m / 60, m % 60);
    return text;
}

// A header saying the years and the clock, then one term per line in time
// order: number (冬至 = 0), name, local date and time to the second.
int run(const cli::TermsCommand& c) {
    std::cout << "# 二十四節気 " << c.fromYear << "年～" << c.toYear << "年、時刻の順。時刻は"
              << (c.utcOffsetMinutes == 9 * 60 ? "日本標準時（JST、UTC+09:00）"
                                               : " " + offsetText(c.utcOffsetMinutes) + " の地方時")
              << "、秒まで\n";
    for (const SolarTerm& t : solarTerms(c.fromYear, c.toYear, c.utcOffsetMinutes))
        std::cout << t.index << ' ' << hoshi::sekkiName[t.index] << ' '
                  << isoText(ttToLocal(t.ttJd, c.utcOffsetMinutes, Rounding::ToSecond)) << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // Qt Sql loads the SQLite driver as a plugin
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return std::visit([](auto&& c) { return run(c); }, cli::parseArgs(args));
    } catch (const cli::UsageError& e) {
        std::cerr << "hoshikura-koyomi: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "hoshikura-koyomi: " << e.what() << "\n";
        return 1;
    }
}
