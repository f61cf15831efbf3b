#include "boardtool.h"

#include <iostream>
#include <optional>
#include <sstream>

#include "boardcommand.h"
#include "boardreport.h"
#include "detailreport.h"
#include "detailtexts.h"
#include "houitorifrm.h"
#include "memotext.h"
#include "patterntexts.h"
#include "printjob.h"
#include "prntunt.h"
#include "tablesource.h"

namespace hoshi::tool {

const char* const usageText =
    R"(usage: hoshikura-board [--db DIR] [--json] COMMAND
       hoshikura-board [--db DIR] --batch     one COMMAND per line on standard input, one JSON line each
       hoshikura-board --json texts           the reading content as one JSON object

A board from explicit inputs:
  year YEAR                               e.g. year 2000
  month YEAR MONTH KANSI KYOKU            e.g. month 2001 2 庚寅 2
  day KANSI INYOU KYOKU SEKKI TUKIKAN     e.g. day 丙寅 陽 1 冬至 甲
  hour DAYKANSI SLOT SEKKI SANGEN         e.g. hour 丙寅 8 立夏 中元

A board by date, decoded from the calendar record with exactly that key:
  date year YYYY                          e.g. date year 2000
  month YYYY/MM                           e.g. month 2001/02
  day YYYY/MM/DD                          e.g. day 2001/05/03
  hour YYYY/MM/DD SLOT                    e.g. hour 2001/05/03 8
A date with a slash is read from the calendar; a year, having no slash,
needs the word "date", which may precede any by-date form. Keys are
zero-padded. SLOT is the hour 1..12 (子 = 1, from 23時).

  --db DIR   folder of 暦日.DB, 暦月.DB, 暦年.DB (default: "db" beside the program)
  --json     one JSON object instead of the text grid
  --pdf FILE the board's one-page report (鑑定表) into FILE as PDF, as the
             board screen prints it; a board by date only
  --detail D with --pdf: the detail report of direction D (東南, 南, 南西,
             東, 西, 北東, 北, 北西), as the detail window prints it
  --houitori with --pdf: the direction-taking printout (方位取りの時期), as
             its window prints it
Exit status 2 for bad input, a missing or undecodable record, or a table
that cannot be opened.
)";

void StreamSink::information(const std::string& text) {
    out_ << text << '\n';
}

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

// One command: the board (or the texts) as JSON or as the text grid.
std::string runCommand(const std::vector<std::string>& words, bool json, Calculators& calc,
                       const TKanMo1& kanmo, RecordSource& calendar) {
    if (words.size() == 1 && words[0] == "texts") return textsJson() + "\n";
    BoardSnapshot b = computeBoard(words, calc, kanmo, &calendar);
    return json ? renderJson(b, calc.kyokaku) + "\n" : renderText(b);
}

} // namespace

int runBoardTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                 const QString& defaultDb) {
    bool json = false, batch = false;
    std::optional<QString> db, pdf;
    std::optional<std::string> detail;
    bool houitori = false;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--batch") {
            batch = true;
        } else if (a == "--db") {
            if (i + 1 == args.size()) {
                err << "hoshikura-board: --db needs a folder\n";
                return 2;
            }
            db = QString::fromStdString(args[++i]);
        } else if (a == "--pdf") {
            if (i + 1 == args.size()) {
                err << "hoshikura-board: --pdf needs a file\n";
                return 2;
            }
            pdf = QString::fromStdString(args[++i]);
        } else if (a == "--houitori") {
            houitori = true;
        } else if (a == "--detail") {
            if (i + 1 == args.size()) {
                err << "hoshikura-board: --detail needs a direction (東南, 南, 南西, 東, 西, 北東, 北, "
                       "北西)\n";
                return 2;
            }
            detail = args[++i];
        } else if (a == "--help" || a == "-h") {
            out << usageText;
            return 0;
        } else if (a.starts_with("--")) {
            err << "hoshikura-board: unknown option '" << a << "' (see --help)\n";
            return 2;
        } else {
            words.push_back(a);
        }
    }
    StreamSink sink(err);
    TKanMo1 kanmo(sink);
    Calculators calc;
    assignPatternTexts(calc.kyokaku);
    TableSource calendar(db.value_or(defaultDb));
    if (batch) {
        for (std::string line; std::getline(in, line);) {
            auto w = splitWords(line);
            if (w.empty()) continue;
            try {
                out << runCommand(w, true, calc, kanmo, calendar);
            } catch (const std::exception& e) {
                out << errorJson(e.what()) << '\n';
            }
        }
        return 0;
    }
    if (words.empty()) {
        err << usageText;
        return 2;
    }
    try {
        if ((detail || houitori) && !pdf) throw UsageError("--detail and --houitori go with --pdf FILE");
        if (detail && houitori) throw UsageError("--detail and --houitori are two reports: choose one");
        if (pdf) {
            if (json || batch || !isByDate(words))
                throw UsageError("--pdf takes one board by date and no --json");
            const BoardSnapshot board = computeBoard(words, calc, kanmo, &calendar);
            Tprntunt layout;
            if (detail) {
                const auto p = findName(directionCaption, *detail, 1);
                if (!p || *p == 5)
                    throw UsageError("--detail '" + *detail +
                                     "' is not a direction (東南, 南, 南西, 東, 西, 北東, 北, 北西)");
                const DetailReport report = detailReportOf(board, *p);
                writeReportPdf(*pdf, layout, [&report](QPainter& q, const Tprntunt& l) {
                    paintDetailReport(q, l, report);
                });
                return 0;
            }
            if (houitori) {
                QStringList lines;
                for (const std::string& line : houitoriLines(board.kind, board.houitori))
                    lines << QString::fromStdString(line);
                lines = wrappedLines(lines, memoFont(), houitoriMemoWidth);
                writeReportPdf(*pdf, layout,
                               [&lines](QPainter& q, const Tprntunt& l) { paintHouitoriPage(q, l, lines); });
                return 0;
            }
            const BoardReport report = reportOf(board);
            writeReportPdf(*pdf, layout,
                           [&report](QPainter& q, const Tprntunt& l) { paintBoardReport(q, l, report); });
            return 0;
        }
        out << runCommand(words, json, calc, kanmo, calendar);
    } catch (const std::exception& e) {
        err << "hoshikura-board: " << e.what() << '\n';
        return 2;
    }
    return 0;
}

} // namespace hoshi::tool
