#include "searchtool.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <ostream>

#include "boardtool.h"
#include "calendartable.h"
#include "datetext.h"
#include "patterntexts.h"
#include "purposesearch.h"
#include "tablesearchboard.h"

namespace hoshi::tool {

const char* const searchUsageText =
    R"(書き方: hoshikura-search [--db フォルダ] [--json] [--from YYYY/MM/DD] [--count 件数] [--back] [--female] 目的 盤

目的の画面が見つける時期を一行に一つ: 時期<TAB>方位。
  目的        kekkon, endukuri, ninsin, siken, syodan, homon, syori, wagou,
              ryoko, hikkosi, myhome、または画面の表題（結婚式, 旅行, ...）
  盤          year, month, day, hour: その目的が探す盤の一つ
  --db フォルダ   暦日.DB、暦月.DB、暦年.DB のあるフォルダ（既定: プログラムの横の "db"）
  --from 日付     探し始めるレコードの日付（既定: 今日）。その日そのものは調べません
  --count 件数    探す時期の数（既定 1）
  --back          前へ探す（前）。既定は次へ（次）
  --female        縁づくりを「女」で探す
  --json          見つけた時期を JSON の配列一つで
終了コード 2: 入力の誤り、探し始めるレコードがない、読めないレコードがある。
)";

namespace {

struct Options {
    QString db;
    bool json = false, back = false, female = false;
    std::string from;
    int count = 1;
    std::vector<std::string> words;
};

class Usage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options parse(const std::vector<std::string>& args, const QString& defaultDb, const QDate& today) {
    Options o;
    o.db = defaultDb;
    o.from = dateText(today).toStdString();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 == args.size()) throw Usage(a + " のあとに値を指定してください。");
            return args[++i];
        };
        if (a == "--json") {
            o.json = true;
        } else if (a == "--back") {
            o.back = true;
        } else if (a == "--female") {
            o.female = true;
        } else if (a == "--db") {
            o.db = QString::fromStdString(value());
        } else if (a == "--from") {
            o.from = value();
            if (!schema::hasKeyForm(schema::TableKind::Day, o.from))
                throw Usage("--from の日付「" + o.from +
                            "」は YYYY/MM/DD の形で書いてください（月と日は2桁）。");
        } else if (a == "--count") {
            const std::string& v = value();
            auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), o.count);
            if (v.empty() || ec != std::errc() || p != v.data() + v.size() || o.count < 1)
                throw Usage("--count の件数「" + v + "」は 1 以上の整数で書いてください。");
        } else if (a.starts_with("--")) {
            throw Usage("オプション「" + a + "」はありません（--help で一覧）。");
        } else {
            o.words.push_back(a);
        }
    }
    if (o.words.size() != 2)
        throw Usage(
            "目的と盤の二つを指定してください（例：hoshikura-search kekkon year、--help で書き方）。");
    return o;
}

const PurposeSearchDef& searchOf(const Purpose& p, const std::string& kindWord) {
    static constexpr std::string_view kindWords[] = {"year", "month", "day", "hour"};
    std::string offered;
    for (const PurposeSearchDef& s : p.searches) {
        const std::string_view word = kindWords[static_cast<std::size_t>(s.kind)];
        if (word == kindWord) return s;
        offered += (offered.empty() ? "" : ", ") + std::string(word);
    }
    throw Usage(std::string(p.caption) + "（" + std::string(p.name) + "）は盤「" + kindWord +
                "」では探せません（" + offered + " のどれか）。");
}

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

int runSearchTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const QString& defaultDb, const QDate& today) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            out << searchUsageText;
            return 0;
        }
    Options o;
    const Purpose* purpose = nullptr;
    const PurposeSearchDef* entry = nullptr;
    try {
        o = parse(args, defaultDb, today);
        purpose = findPurpose(o.words[0]);
        if (!purpose) throw Usage("目的「" + o.words[0] + "」はありません（--help で一覧）。");
        entry = &searchOf(*purpose, o.words[1]);
        if (o.female && entry->femaleSet.empty())
            throw Usage("--female は縁づくり（endukuri）の検索だけに使えます。");
    } catch (const Usage& e) {
        err << "hoshikura-search: " << e.what() << '\n';
        return 2;
    }

    StreamSink sink(err);
    TKanMo1 kanmo(sink);
    Calculators calc;
    assignPatternTexts(calc.kyokaku);
    const BoardKindInfo& kind = boardKind(entry->kind);
    CalendarTable table(kind.table);
    BoardRun run(entry->kind, calc, kanmo);
    TableSearchBoard board(table, run);
    const bool female = o.female;
    const PurposeSearch search(entry->kind, ruleOf(*entry, [female] { return female; }), kanmo);

    QJsonArray hits;
    try {
        table.open(o.db);
        const std::string key = o.from.substr(0, static_cast<std::size_t>(kind.keyLength()));
        if (!table.findKey(key))
            throw Error(std::string(schema::info(kind.table).fileName) + " に「" + key +
                        "」のレコードがありません。");
        try {
            board.computeShown();
        } catch (const Error& e) {
            throw Error(table.current().key() + "：" + e.what());
        }
        for (int n = 0; n < o.count; ++n) {
            SearchLabels labels;
            ScanEnd end;
            try {
                end = o.back ? search.previous(board, labels) : search.next(board, labels);
            } catch (const Error& e) {
                throw Error(table.current().key() + "：" + e.what());
            }
            if (end != ScanEnd::found) {
                err << "hoshikura-search: 暦の" << (o.back ? "初め" : "終わり")
                    << "までに、これ以上の時期はありません。\n";
                break;
            }
            if (!o.json) {
                out << labels.period << '\t' << labels.directions << '\n';
                continue;
            }
            const BoardFields& b = board.board();
            QJsonObject hit;
            hit["key"] = q(table.current().key());
            hit["period"] = q(labels.period);
            if (entry->kind == BoardKind::hour) hit["slot"] = board.period().slot;
            QJsonArray directions;
            for (PalaceNo p : search.qualifying(b)) {
                QJsonObject d;
                d["palace"] = p;
                d["label"] = q(houiLabel[static_cast<std::size_t>(p)]);
                d["ten"] = q(b.ten[p]);
                d["ti"] = q(b.ti[p]);
                d["kitikaku"] = b.kitikaku[p];
                d["pattern"] = q(TKanMo1::patternName(b.kitikaku[p]));
                directions.append(d);
            }
            hit["directions"] = directions;
            hits.append(hit);
        }
    } catch (const std::exception& e) {
        err << "hoshikura-search: " << e.what() << '\n';
        return 2;
    }
    if (o.json) out << QJsonDocument(hits).toJson(QJsonDocument::Compact).toStdString() << '\n';
    return 0;
}

} // namespace hoshi::tool
