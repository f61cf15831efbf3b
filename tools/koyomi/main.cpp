// hoshikura-koyomi: generates the calendar tables, moves them to and from
// CSV, and lists the solar terms. Forms in args.h.

#include <QCoreApplication>
#include <cstdio>
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
    if (std::filesystem::is_directory(file)) throw hoshi::Error(file.string() + " is a folder, not a file");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw hoshi::Error("cannot read " + file.string());
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
    std::cout << "wrote 暦日.DB (" << k.days.size() << " records), 暦月.DB (" << k.months.size()
              << "), 暦年.DB (" << k.years.size() << ") to " << c.out.string() << "\n";
    return 0;
}

int run(const cli::TableCommand& c) {
    if (c.import) {
        const ImportCount n = importTable(c.db, c.kind, c.file, c.encoding);
        std::cout << "imported " << c.file.filename().string() << ": " << n.replaced << " records replaced, "
                  << n.added << " added\n";
    } else {
        exportTable(c.db, c.kind, c.file, c.encoding);
    }
    return 0;
}

int run(const cli::TermsCommand& c) {
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
