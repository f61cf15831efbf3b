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
    R"(usage: hoshikura-search [--db DIR] [--json] [--from YYYY/MM/DD] [--count N] [--back] [--female] PURPOSE KIND

The periods a purpose screen finds, one per line: PERIOD<TAB>DIRECTIONS.
  PURPOSE    kekkon, endukuri, ninsin, siken, syodan, homon, syori, wagou,
             ryoko, hikkosi, myhome, or the screen's caption (結婚式, 旅行, ...)
  KIND       year, month, day or hour: one that the purpose offers
  --db DIR   folder of 暦日.DB, 暦月.DB, 暦年.DB (default: "db" beside the program)
  --from D   the starting record's date (default: today); it is not evaluated
  --count N  how many periods (default 1)
  --back     search backward (前) instead of forward (次)
  --female   the 縁づくり search with "女" selected
  --json     one JSON array of the periods found
Exit status 2 for bad input, a missing starting record or a record that
cannot be decoded.
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
            if (i + 1 == args.size()) throw Usage(a + " needs a value");
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
                throw Usage("--from '" + o.from + "' is not a date of the form YYYY/MM/DD");
        } else if (a == "--count") {
            const std::string& v = value();
            auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), o.count);
            if (v.empty() || ec != std::errc() || p != v.data() + v.size() || o.count < 1)
                throw Usage("--count '" + v + "' is not a whole number of at least 1");
        } else if (a.starts_with("--")) {
            throw Usage("unknown option '" + a + "' (see --help)");
        } else {
            o.words.push_back(a);
        }
    }
    if (o.words.size() != 2) throw Usage("usage: hoshikura-search [options] PURPOSE KIND (see --help)");
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
    throw Usage(std::string(p.name) + " searches " + offered + ", not '" + kindWord + "'");
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
        if (!purpose) throw Usage("unknown purpose '" + o.words[0] + "' (see --help)");
        entry = &searchOf(*purpose, o.words[1]);
        if (o.female && entry->femaleSet.empty()) throw Usage("--female applies to the endukuri search only");
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
            throw Error("no record " + key + " in " + std::string(schema::info(kind.table).fileName));
        try {
            board.computeShown();
        } catch (const Error& e) {
            throw Error(table.current().key() + ": " + e.what());
        }
        for (int n = 0; n < o.count; ++n) {
            SearchLabels labels;
            ScanEnd end;
            try {
                end = o.back ? search.previous(board, labels) : search.next(board, labels);
            } catch (const Error& e) {
                throw Error(table.current().key() + ": " + e.what());
            }
            if (end != ScanEnd::found) {
                err << "hoshikura-search: no further period in the calendar\n";
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
