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
    R"(書き方: hoshikura-board [--db フォルダ] [--json] 盤の指定
        hoshikura-board [--db フォルダ] --batch   標準入力の一行に一つの盤の指定、一つにつき JSON 一行
        hoshikura-board --json texts             読みの文章をまとめた JSON 一つ

入力をそのまま与える盤:
  year 年                           例: year 2000
  month 年 月 干支 局               例: month 2001 2 庚寅 2
  day 干支 陰陽 局 節気 月干        例: day 丙寅 陽 1 冬至 甲
  hour 日干支 時刻 節気 3元         例: hour 丙寅 8 立夏 中元

日付で選ぶ盤（暦の、その日付そのもののレコードから）:
  date year YYYY                    例: date year 2000
  month YYYY/MM                     例: month 2001/02
  day YYYY/MM/DD                    例: day 2001/05/03
  hour YYYY/MM/DD 時刻              例: hour 2001/05/03 8
スラッシュのある日付は暦から読みます。スラッシュのない年には "date" を
付けます（どの日付の形の前にも付けられます）。月と日は2桁で書きます。
時刻は 1..12（子の刻 = 1、23時から）。

  --db フォルダ   暦日.DB、暦月.DB、暦年.DB のあるフォルダ（既定: プログラムの横の "db"）
  --json          文字の盤の代わりに JSON を一つ
  --pdf ファイル  盤の鑑定表（1ページ）を PDF でファイルに、盤の画面が印刷するとおりに。
                  日付で選ぶ盤だけ
  --detail 方位   --pdf と一緒に: その方位（東南, 南, 南西, 東, 西, 北東, 北, 北西）の
                  詳細説明を、詳細説明の画面が印刷するとおりに
  --houitori      --pdf と一緒に: 方位取りの時期を、その画面が印刷するとおりに
終了コード 2: 入力の誤り、レコードがない・読めない、表が開けない。
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
                err << "hoshikura-board: --db のあとにフォルダを指定してください。\n";
                return 2;
            }
            db = QString::fromStdString(args[++i]);
        } else if (a == "--pdf") {
            if (i + 1 == args.size()) {
                err << "hoshikura-board: --pdf のあとに PDF のファイル名を指定してください。\n";
                return 2;
            }
            pdf = QString::fromStdString(args[++i]);
        } else if (a == "--houitori") {
            houitori = true;
        } else if (a == "--detail") {
            if (i + 1 == args.size()) {
                err << "hoshikura-board: --detail のあとに方位（東南, 南, 南西, 東, 西, 北東, 北, "
                       "北西）を指定してください。\n";
                return 2;
            }
            detail = args[++i];
        } else if (a == "--help" || a == "-h") {
            out << usageText;
            return 0;
        } else if (a.starts_with("--")) {
            err << "hoshikura-board: オプション「" << a << "」はありません（--help で一覧）。\n";
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
        if ((detail || houitori) && !pdf)
            throw UsageError("--detail と --houitori は --pdf ファイル と一緒に使います。");
        if (detail && houitori)
            throw UsageError("--detail と --houitori は別々の印刷です。どちらか一つにしてください。");
        if (pdf) {
            if (json || batch || !isByDate(words))
                throw UsageError(
                    "--pdf には日付で選ぶ盤を一つ指定します（--json、--batch とは一緒に使えません）。");
            const BoardSnapshot board = computeBoard(words, calc, kanmo, &calendar);
            Tprntunt layout;
            if (detail) {
                const auto p = findName(directionCaption, *detail, 1);
                if (!p || *p == 5)
                    throw UsageError("--detail の方位「" + *detail +
                                     "」はありません（東南, 南, 南西, 東, 西, 北東, 北, 北西 のどれか）。");
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
