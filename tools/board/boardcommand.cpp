#include "boardcommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cctype>
#include <charconv>
#include <tuple>

#include "detailtexts.h"
#include "patterntexts.h"
#include "text.h"

namespace hoshi::tool {

int parseInt(const std::string& text, const char* what) {
    int v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end)
        throw ConversionError(fieldName(what) + "「" + text +
                              "」は数ではありません。半角の整数で書いてください。");
    return v;
}

std::pair<StemNo, BranchNo> parseKansi(const std::string& text) {
    auto chars = utf8Chars(text);
    std::optional<int> kan, si;
    if (chars.size() == 2) {
        kan = findName(kanName, chars[0], 1);
        si = findName(siName, chars[1], 1);
    }
    if (!kan || !si)
        throw OutOfRangeError("干支「" + text + "」は干と支の二文字ではありません（例：丙寅）。");
    if (!isKansi(*kan, *si))
        throw OutOfRangeError(
            "干支「" + text +
            "」は六十干支にない組み合わせです（陽の干は陽の支と、陰の干は陰の支と組みます）。");
    return {*kan, *si};
}

namespace {

// `expected` says what the field may hold, as the message shows it.
int parseName(const std::string& text, const auto& table, int from, const char* what, const char* expected) {
    auto i = findName(table, text, from);
    if (!i) throw OutOfRangeError(fieldName(what) + "「" + text + "」は" + expected + "で書いてください。");
    return *i;
}

constexpr char anySekki[] = "二十四節気の名前（冬至、小寒 … 大雪。處暑・驚蟄はこの字）";

void requireCount(const std::vector<std::string>& words, std::size_t n, const char* form) {
    if (words.size() != n) throw UsageError(std::string("語の数が違います。") + form);
}

BoardSnapshot explicitBoard(const std::vector<std::string>& words, Calculators& calc, const TKanMo1& kanmo) {
    auto snapshot = [&](BoardKind kind, const BoardFields& b, int inyou) {
        return makeSnapshot(kind, b, inyou, kanmo, calc.kyokaku, std::nullopt);
    };
    const std::string& kind = words[0];
    if (kind == "year") {
        requireCount(words, 2, "書き方：year 年（例：year 2000）");
        Tnenban& n = calc.nenban;
        n.nen = parseInt(words[1], "year");
        checkRange(n.nen, 1, 9999, "year"); // before any arithmetic on it
        n.nenKansi();
        n.keisan();
        return snapshot(BoardKind::year, n, 0);
    }
    if (kind == "month") {
        requireCount(words, 5, "書き方：month 年 月 干支 局（例：month 2001 2 庚寅 2）");
        Ttukiban& t = calc.tukiban;
        t.nen = parseInt(words[1], "year");
        checkRange(t.nen, 1, 9999, "year"); // before any arithmetic on it
        t.tuki = parseInt(words[2], "month");
        checkRange(t.tuki, 1, 12, "month");
        calc.nenban.nen = solarYearOfMonth(t.nen, t.tuki);
        calc.nenban.nenKansi();
        std::tie(t.kan, t.si) = parseKansi(words[3]);
        t.kyoku = parseInt(words[4], "ju");
        checkRange(t.kyoku, 1, 9, "ju");
        t.keisan();
        return snapshot(BoardKind::month, t, 0);
    }
    if (kind == "day") {
        requireCount(words, 6, "書き方：day 干支 陰陽 局 節気 月干（例：day 丙寅 陽 1 冬至 甲）");
        Tdayban& d = calc.dayban;
        std::tie(d.kan, d.si) = parseKansi(words[1]);
        d.inyou = parseName(words[2], inyouName, 0, "inyou", "「陰」か「陽」");
        d.kyoku = parseInt(words[3], "ju");
        checkRange(d.kyoku, 1, 9, "ju");
        d.sekkiPalace = sekkiPalace(parseName(words[4], sekkiName, 0, "solar term", anySekki));
        d.tukikan = parseName(words[5], kanName, 1, "month stem",
                              "十干（甲・乙・丙・丁・戊・己・庚・辛・壬・癸）のどれか");
        d.keisan();
        return snapshot(BoardKind::day, d, d.inyou);
    }
    if (kind == "hour") {
        requireCount(words, 5, "書き方：hour 日干支 時刻 節気 3元（例：hour 丙寅 8 立夏 中元）");
        Tjiban& j = calc.jiban;
        std::tie(j.nitikan, j.nitisi) = parseKansi(words[1]);
        j.jisi = parseInt(words[2], "hour slot");
        checkRange(j.jisi, 1, 12, "hour slot");
        j.sekkiNo = parseName(words[3], sekkiName, 0, "solar term", anySekki);
        j.sekkiPalace = sekkiPalace(j.sekkiNo);
        j.sangen = parseName(words[4], sangenName, 1, "元", "上元・中元・下元のどれか");
        j.keisan();
        return snapshot(BoardKind::hour, j, j.inyou);
    }
    throw UsageError("盤の種類「" + kind + "」はありません（year, month, day, hour, texts のどれか）。");
}

// A key in its table's zero-padded form, e.g. "YYYY/MM/DD".
std::string requireKey(const std::string& key, schema::TableKind table, const char* kind) {
    if (!schema::hasKeyForm(table, key))
        throw UsageError(std::string(kind) + "「" + key + "」は " + std::string(schema::info(table).keyForm) +
                         " の形で書いてください（月と日は2桁）。");
    return key;
}

BoardSnapshot boardByDate(const std::vector<std::string>& words, Calculators& calc, const TKanMo1& kanmo,
                          RecordSource* calendar) {
    std::vector<std::string> w(words.begin() + (words[0] == "date" ? 1 : 0), words.end());
    if (w.empty())
        throw UsageError(
            "書き方：date year YYYY、month YYYY/MM、day YYYY/MM/DD、hour YYYY/MM/DD 時刻 のどれか。");
    struct Form {
        const char* word;
        BoardKind kind;
        std::size_t count;
        const char* usage;
        const char* keyName;
    };
    static constexpr Form forms[] = {
        {"year", BoardKind::year, 2, "書き方：date year YYYY（例：date year 2000）", "年"},
        {"month", BoardKind::month, 2, "書き方：month YYYY/MM（例：month 2001/02）", "年月"},
        {"day", BoardKind::day, 2, "書き方：day YYYY/MM/DD（例：day 2001/05/03）", "日付"},
        {"hour", BoardKind::hour, 3, "書き方：hour YYYY/MM/DD 時刻（例：hour 2001/05/03 8、時刻は子の刻が1）",
         "日付"},
    };
    const Form* form = nullptr;
    for (const Form& f : forms)
        if (w[0] == f.word) form = &f;
    if (!form) throw UsageError("盤の種類「" + w[0] + "」はありません（year, month, day, hour のどれか）。");
    requireCount(w, form->count, form->usage);
    const schema::TableKind table = boardKind(form->kind).table;
    const std::string key = requireKey(w[1], table, form->keyName);
    int slot = 0;
    if (form->kind == BoardKind::hour) {
        slot = parseInt(w[2], "hour slot");
        checkRange(slot, 1, 12, "hour slot");
    }
    if (!calendar) throw Error("暦が開かれていないため「" + key + "」を読めません。");
    const CalendarRecord* r = calendar->find(table, key);
    const std::string fileName(schema::info(table).fileName);
    if (!r) throw RecordError(fileName + " に「" + key + "」のレコードがありません。");
    try {
        return BoardRun(form->kind, calc, kanmo).run(*r, slot);
    } catch (const Error& e) {
        throw RecordError(fileName + " の「" + key + "」：" + e.what());
    }
}

} // namespace

bool isByDate(const std::vector<std::string>& words) {
    if (!words.empty() && words[0] == "date") return true;
    return words.size() >= 2 && words[1].find('/') != std::string::npos;
}

BoardSnapshot computeBoard(const std::vector<std::string>& words, Calculators& calc, const TKanMo1& kanmo,
                           RecordSource* calendar) {
    if (words.empty()) throw UsageError("盤の指定がありません（year, month, day, hour, texts のどれか）。");
    // A date written with '-' (2001-05-03) is meant as a date: say how to write it.
    for (std::size_t i = 1; i < words.size(); ++i)
        if (words[i].size() >= 7 && words[i][4] == '-' &&
            std::isdigit(static_cast<unsigned char>(words[i][0])))
            throw UsageError("日付「" + words[i] + "」は YYYY/MM/DD（月は YYYY/MM）の形で書いてください。");
    return isByDate(words) ? boardByDate(words, calc, kanmo, calendar) : explicitBoard(words, calc, kanmo);
}

namespace {

// "年盤", "月盤", "日盤", "時盤".
std::string kindName(BoardKind k) {
    return std::string(boardKindMarker(k)) + "盤";
}

std::string pad(std::string_view s, int width) {
    std::string out(s);
    for (int w = displayWidth(s); w < width; ++w) out += ' ';
    return out;
}

std::string orDash(std::string_view s) {
    return s.empty() ? "－" : std::string(s);
}

} // namespace

std::string renderText(const BoardSnapshot& board) {
    const BoardFields& b = board.fields;
    std::string out = board.record ? board.record->key + " " : std::string();
    out += std::string(kanName[b.kan]) + std::string(siName[b.si]) + " [" + kindName(board.kind) + "] " +
           std::string(inyouName[board.inyou ? 1 : 0]) + " " + std::to_string(b.kyoku) +
           " 局  六儀:" + std::string(b.junganName) + "\n";
    constexpr int cell = 16;
    const std::string rule =
        "  +" + std::string(cell, '-') + "+" + std::string(cell, '-') + "+" + std::string(cell, '-') + "+\n";
    const std::string centre = pad("", 2 + cell + 1 + (cell - 2) / 2 + 1);
    out += centre + "南\n" + rule;
    for (int row = 0; row < 3; ++row) {
        std::array<std::array<std::string, 4>, 3> lines;
        for (int col = 0; col < 3; ++col) {
            int p = row * 3 + col + 1;
            auto& l = lines[static_cast<std::size_t>(col)];
            l[0] = std::string(houiLabel[p].empty() ? "<中央> " : houiLabel[p]);
            l[1] = orDash(b.ten[p]) + "/" + orDash(b.ti[p]) + " " + std::string(b.sei[p]);
            l[2] = orDash(b.mon[p]) + " " + std::string(b.kyu[p]) + " " + orDash(b.jin[p]);
            if (b.kitikaku[p] > 0) l[3] = std::string(TKanMo1::patternName(b.kitikaku[p]));
        }
        for (std::size_t line = 0; line < 4; ++line) {
            out += row == 1 && line == 1 ? "東|" : "  |";
            for (std::size_t col = 0; col < 3; ++col) out += " " + pad(lines[col][line], cell - 1) + "|";
            out += row == 1 && line == 1 ? "西\n" : "\n";
        }
        out += rule;
    }
    out += centre + "北\n";
    // One block per direction: label and mark, stems, reading, patterns.
    for (PalaceNo p : outerPalaces) {
        const PalaceReading& r = board.palaces[static_cast<std::size_t>(p)];
        out += "\n" + std::string(houiLabel[p]) + std::string(r.mark) + " " + std::string(b.ten[p]) + "/" +
               std::string(b.ti[p]) + "\n";
        out += "  " + std::string(r.reading) + "\n";
        if (!r.patternName.empty()) out += "  ■格：" + std::string(r.patternName) + "\n";
        for (const std::string& line : r.lines) out += "  " + line + "\n";
    }
    return out;
}

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

template <typename Range> QJsonArray textArray(const Range& items) {
    QJsonArray a;
    for (const auto& i : items) a.append(q(i));
    return a;
}

// The indices k >= 1 whose flag is set.
QJsonArray flagList(const auto& flags) {
    QJsonArray a;
    for (std::size_t k = 1; k < flags.size(); ++k)
        if (flags[k]) a.append(static_cast<int>(k));
    return a;
}

std::string compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

} // namespace

std::string renderJson(const BoardSnapshot& board, const Tkyokaku& d) {
    const BoardFields& b = board.fields;
    QJsonObject j;
    j["kind"] = q(kindName(board.kind));
    if (board.record) j["date"] = q(board.record->key);
    j["kan"] = q(kanName[b.kan]);
    j["si"] = q(siName[b.si]);
    j["inyou"] = board.inyou;
    j["kyoku"] = b.kyoku;
    j["junganName"] = q(b.junganName);
    j["junpos"] = b.junpos;
    j["kanpos"] = b.kanpos;
    QJsonArray palaces;
    for (int p = 1; p <= 9; ++p) {
        QJsonObject o;
        o["palace"] = p;
        o["direction"] = p == 5 ? QStringLiteral("中央") : q(directionCaption[static_cast<std::size_t>(p)]);
        for (auto [name, plate] : {std::pair{"ten", &BoardFields::ten}, std::pair{"ti", &BoardFields::ti},
                                   std::pair{"sei", &BoardFields::sei}, std::pair{"mon", &BoardFields::mon},
                                   std::pair{"kyu", &BoardFields::kyu}, std::pair{"jin", &BoardFields::jin}})
            o[QLatin1String(name)] = q((b.*plate)[static_cast<std::size_t>(p)]);
        o["kitikaku"] = b.kitikaku[p];
        QJsonArray single;
        for (int s = 1; s <= Tkyokaku::singleCount; ++s)
            if (d.kakuFlag[s][p]) single.append(s);
        QJsonObject flags;
        flags["single"] = single;
        flags["board"] = flagList(d.banFlag);
        flags["nenkaku"] = flagList(d.nenkakuFlag[p]);
        flags["hikan"] = flagList(d.hikanFlag[p]);
        flags["fukugin"] = flagList(d.fukuginFlag[p]);
        flags["fukuginSei"] = flagList(d.fukuginSeiFlag[p]);
        flags["hangin"] = flagList(d.hanginFlag[p]);
        flags["hanginSei"] = flagList(d.hanginSeiFlag[p]);
        o["flags"] = flags;
        if (p != 5) {
            const PalaceReading& r = board.palaces[static_cast<std::size_t>(p)];
            o["mark"] = q(r.mark);
            o["reading"] = q(r.reading);
            o["lines"] = textArray(r.lines);
            if (board.record) o["response"] = textArray(responseLines(board.kind, board.response, p));
        }
        palaces.append(o);
    }
    j["palaces"] = palaces;
    if (board.record) j["houitori"] = textArray(houitoriLines(board.kind, board.houitori));
    return compact(j);
}

std::string textsJson() {
    QJsonObject j;
    for (auto [name, table] :
         {std::pair{"readings", &TKanMo1::reading}, std::pair{"marks", &TKanMo1::mark}}) {
        QJsonArray rows;
        for (StemNo heaven = 1; heaven <= 10; ++heaven) {
            QJsonArray row;
            for (StemNo earth = 1; earth <= 10; ++earth) row.append(q(table(heaven, earth)));
            rows.append(row);
        }
        j[QLatin1String(name)] = rows;
    }
    QJsonArray names;
    for (int code = 0; code <= TKanMo1::patternCount; ++code) names.append(q(TKanMo1::patternName(code)));
    j["patternNames"] = names;
    j["patternTexts"] = textArray(patternTexts());
    return compact(j);
}

std::string errorJson(const std::string& message) {
    // Bad bytes become U+FFFD (so the line is valid UTF-8 and JSON), and a
    // huge echoed input is cut, saying how much was left out.
    constexpr qsizetype limit = 300;
    QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
    if (text.size() > limit)
        text = text.left(limit) + QStringLiteral("…（以下 %1 文字省略）").arg(text.size() - limit);
    QJsonObject j;
    j["error"] = text;
    return compact(j);
}

} // namespace hoshi::tool
