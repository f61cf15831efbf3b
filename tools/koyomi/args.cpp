#include "args.h"

#include <map>

#include "errors.h"
#include "generator/civildate.h"

namespace hoshi::koyomi::cli {

const char* const usageText =
    "書き方:\n"
    "  hoshikura-koyomi generate --out フォルダ [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--utc-offset +09:00] "
    "[--leap-table ファイル]\n"
    "  hoshikura-koyomi export --db フォルダ day|month|year ファイル [--sjis]\n"
    "  hoshikura-koyomi import --db フォルダ day|month|year ファイル [--sjis]\n"
    "  hoshikura-koyomi terms --from YYYY --to YYYY [--utc-offset +09:00]\n";

namespace {

// The options and positional arguments after the command word.
struct Parsed {
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> positional;
};

Parsed split(std::span<const std::string> args, std::span<const std::string_view> valued,
             std::span<const std::string_view> flags) {
    Parsed p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.starts_with("--")) {
            p.positional.push_back(a);
            continue;
        }
        std::string name = a.substr(0, a.find('='));
        std::optional<std::string> value;
        if (name.size() < a.size()) value = a.substr(name.size() + 1);
        bool takesValue = false, known = false;
        for (auto v : valued) takesValue = takesValue || v == name;
        for (auto f : flags) known = known || f == name;
        if (!takesValue && !known)
            throw UsageError("オプション「" + name + "」はありません（--help で書き方）。");
        if (takesValue && !value) {
            if (i + 1 >= args.size()) throw UsageError(name + " のあとに値を指定してください。");
            value = args[++i];
        }
        if (!takesValue && value) throw UsageError(name + " には値を付けません。");
        if (p.options.count(name)) throw UsageError(name + " が二度指定されています。");
        p.options[name] = value.value_or("");
    }
    return p;
}

std::optional<std::string> option(const Parsed& p, std::string_view name) {
    auto it = p.options.find(name);
    if (it == p.options.end()) return std::nullopt;
    return it->second;
}

std::string required(const Parsed& p, std::string_view name, std::string_view command) {
    auto v = option(p, name);
    if (!v) throw UsageError(std::string(command) + " には " + std::string(name) + " が必要です。");
    if (v->empty()) throw UsageError(std::string(name) + " のあとに値を指定してください。");
    return *v;
}

CivilDate dateOption(const std::string& text, std::string_view name) {
    CivilDate d;
    try {
        d = parseDate(text);
    } catch (const ConversionError&) {
        throw UsageError(std::string(name) + " の日付「" + text +
                         "」は暦にある日付を YYYY-MM-DD の形で書いてください。");
    }
    if (d < earliestDate || latestDate < d)
        throw UsageError(std::string(name) + " の日付「" + text +
                         "」は範囲外です（1800-01-01～2200-12-31）。");
    return d;
}

int yearOption(const std::string& text, std::string_view name) {
    bool digits = text.size() == 4;
    for (char c : text) digits = digits && c >= '0' && c <= '9';
    if (!digits)
        throw UsageError(std::string(name) + " の年「" + text + "」は4桁の数字 YYYY で書いてください。");
    int y = std::stoi(text);
    if (y < earliestDate.year || y > latestDate.year)
        throw UsageError(std::string(name) + " の年「" + text + "」は範囲外です（1800～2200）。");
    return y;
}

void noPositional(const Parsed& p, std::string_view command) {
    if (!p.positional.empty())
        throw UsageError(std::string(command) + " に余分な引数「" + p.positional[0] + "」があります。");
}

GenerateCommand generate(std::span<const std::string> args) {
    static constexpr std::string_view valued[] = {"--out", "--from", "--to", "--utc-offset", "--leap-table"};
    Parsed p = split(args, valued, {});
    noPositional(p, "generate");
    GenerateCommand c;
    c.out = required(p, "--out", "generate");
    if (auto v = option(p, "--from")) c.options.from = dateOption(*v, "--from");
    if (auto v = option(p, "--to")) c.options.to = dateOption(*v, "--to");
    if (c.options.to < c.options.from) throw UsageError("--from が --to より後になっています。");
    if (auto v = option(p, "--utc-offset")) c.options.utcOffsetMinutes = parseUtcOffset(*v);
    if (auto v = option(p, "--leap-table")) c.leapTable = *v;
    return c;
}

TableCommand table(std::span<const std::string> args, bool import) {
    static constexpr std::string_view valued[] = {"--db"};
    static constexpr std::string_view flags[] = {"--sjis"};
    const char* command = import ? "import" : "export";
    Parsed p = split(args, valued, flags);
    TableCommand c;
    c.import = import;
    c.db = required(p, "--db", command);
    c.encoding = option(p, "--sjis") ? Encoding::ShiftJis : Encoding::Utf8;
    if (p.positional.size() != 2)
        throw UsageError(std::string(command) +
                         " には表（day, month, year のどれか）とファイルを指定してください。");
    const std::string& kind = p.positional[0];
    if (kind == "day")
        c.kind = schema::TableKind::Day;
    else if (kind == "month")
        c.kind = schema::TableKind::Month;
    else if (kind == "year")
        c.kind = schema::TableKind::Year;
    else
        throw UsageError("表「" + kind + "」はありません（day, month, year のどれか）。");
    c.file = p.positional[1];
    return c;
}

TermsCommand terms(std::span<const std::string> args) {
    static constexpr std::string_view valued[] = {"--from", "--to", "--utc-offset"};
    Parsed p = split(args, valued, {});
    noPositional(p, "terms");
    TermsCommand c;
    c.fromYear = yearOption(required(p, "--from", "terms"), "--from");
    c.toYear = yearOption(required(p, "--to", "terms"), "--to");
    if (c.toYear < c.fromYear) throw UsageError("--from が --to より後になっています。");
    if (auto v = option(p, "--utc-offset")) c.utcOffsetMinutes = parseUtcOffset(*v);
    return c;
}

} // namespace

int parseUtcOffset(std::string_view t) {
    auto digit = [&](std::size_t i) { return t[i] >= '0' && t[i] <= '9'; };
    bool form = t.size() == 6 && (t[0] == '+' || t[0] == '-') && digit(1) && digit(2) && t[3] == ':' &&
                digit(4) && digit(5);
    int h = form ? (t[1] - '0') * 10 + (t[2] - '0') : 0;
    int m = form ? (t[4] - '0') * 10 + (t[5] - '0') : 0;
    if (!form || m > 59 || h * 60 + m > 14 * 60)
        throw UsageError("--utc-offset の時差「" + std::string(t) +
                         "」は ±HH:MM の形で ±14:00 までにしてください。");
    return (t[0] == '-' ? -1 : 1) * (h * 60 + m);
}

Command parseArgs(std::span<const std::string> args) {
    if (args.empty())
        throw UsageError(
            "コマンドがありません（generate, export, import, terms のどれか。--help で書き方）。");
    const std::string& command = args[0];
    auto rest = args.subspan(1);
    if (command == "--help" || command == "-h" || command == "help") return HelpCommand{};
    if (command == "generate") return generate(rest);
    if (command == "export") return table(rest, false);
    if (command == "import") return table(rest, true);
    if (command == "terms") return terms(rest);
    throw UsageError("コマンド「" + command + "」はありません（generate, export, import, terms のどれか）。");
}

} // namespace hoshi::koyomi::cli
