#include "boardcommand.h"

#include <charconv>
#include <functional>
#include <tuple>

#include "decoders.h"
#include "json.h"
#include "patterntexts.h"
#include "text.h"

namespace hoshi::tool {

int parseInt(const std::string& text, const char* what) {
    int v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end)
        throw ConversionError(std::string(what) + " '" + text + "' is not a number");
    return v;
}

std::pair<StemNo, BranchNo> parseKansi(const std::string& text) {
    auto chars = utf8Chars(text);
    std::optional<int> kan, si;
    if (chars.size() == 2) {
        kan = findName(kanName, chars[0], 1);
        si = findName(siName, chars[1], 1);
    }
    if (!kan || !si) throw OutOfRangeError("'" + text + "' is not a stem and branch such as 丙寅");
    if (!isKansi(*kan, *si)) throw OutOfRangeError("'" + text + "' is not a pair of the sixty-cycle");
    return {*kan, *si};
}

namespace {

int parseName(const std::string& text, const auto& table, int from, const char* what) {
    auto i = findName(table, text, from);
    if (!i) throw OutOfRangeError(std::string(what) + " '" + text + "' is unknown");
    return *i;
}

void requireCount(const std::vector<std::string>& words, std::size_t n, const char* form) {
    if (words.size() != n) throw UsageError(std::string("usage: ") + form);
}

Board explicitBoard(const std::vector<std::string>& words, Calculators& calc) {
    const std::string& kind = words[0];
    if (kind == "year") {
        requireCount(words, 2, "year YEAR");
        Tnenban& n = calc.nenban;
        n.nen = parseInt(words[1], "year");
        n.nenKansi();
        n.keisan();
        return {BoardKind::year, &n, 0, {}};
    }
    if (kind == "month") {
        requireCount(words, 5, "month YEAR MONTH KANSI KYOKU");
        Ttukiban& t = calc.tukiban;
        t.nen = parseInt(words[1], "year");
        t.tuki = parseInt(words[2], "month");
        checkRange(t.tuki, 1, 12, "month");
        calc.nenban.nen = t.tuki == 1 ? t.nen - 1 : t.nen;
        calc.nenban.nenKansi();
        std::tie(t.kan, t.si) = parseKansi(words[3]);
        t.kyoku = parseInt(words[4], "ju");
        checkRange(t.kyoku, 1, 9, "ju");
        t.keisan();
        return {BoardKind::month, &t, 0, {}};
    }
    if (kind == "day") {
        requireCount(words, 6, "day KANSI INYOU KYOKU SEKKI TUKIKAN");
        Tdayban& d = calc.dayban;
        std::tie(d.kan, d.si) = parseKansi(words[1]);
        d.inyou = parseName(words[2], inyouName, 0, "dun");
        d.kyoku = parseInt(words[3], "ju");
        checkRange(d.kyoku, 1, 9, "ju");
        d.sekkiPalace = sekkiPalace(parseName(words[4], sekkiName, 0, "solar term"));
        d.tukikan = parseName(words[5], kanName, 1, "month stem");
        d.keisan();
        return {BoardKind::day, &d, d.inyou, {}};
    }
    if (kind == "hour") {
        requireCount(words, 5, "hour DAYKANSI SLOT SEKKI SANGEN");
        Tjiban& j = calc.jiban;
        std::tie(j.nitikan, j.nitisi) = parseKansi(words[1]);
        j.jisi = parseInt(words[2], "hour slot");
        checkRange(j.jisi, 1, 12, "hour slot");
        j.sekkiNo = parseName(words[3], sekkiName, 0, "solar term");
        j.sekkiPalace = sekkiPalace(j.sekkiNo);
        j.sangen = parseName(words[4], sangenName, 1, "元");
        j.keisan();
        return {BoardKind::hour, &j, j.inyou, {}};
    }
    throw UsageError("unknown board kind '" + kind + "' (year, month, day, hour or texts)");
}

// A key in its table's zero-padded form, e.g. form "YYYY/MM/DD": every
// letter stands for a digit.
std::string requireKey(const std::string& key, std::string_view form, const char* kind) {
    bool ok = key.size() == form.size();
    for (std::size_t i = 0; ok && i < key.size(); ++i)
        ok = form[i] == '/' ? key[i] == '/' : key[i] >= '0' && key[i] <= '9';
    if (!ok)
        throw UsageError(std::string(kind) + " key '" + key + "' is not of the form " + std::string(form));
    return key;
}

// The record with that key, decoded and computed by `compute`; a missing
// record or any failure on it becomes a RecordError naming the key.
CalendarInfo fromRecord(RecordSource* calendar, schema::TableKind table, const std::string& key,
                        const std::function<void(const CalendarRecord&)>& compute) {
    if (!calendar) throw Error("no calendar to read " + key + " from");
    const CalendarRecord* r = calendar->find(table, key);
    const std::string fileName(schema::info(table).fileName);
    if (!r) throw RecordError("no record " + key + " in " + fileName);
    CalendarInfo info{key, (*r)[schema::Inyou], {}, {}};
    try {
        compute(*r);
    } catch (const Error& e) {
        throw RecordError(fileName + " " + key + ": " + e.what());
    }
    return info;
}

Board boardByDate(const std::vector<std::string>& words, Calculators& calc, RecordSource* calendar) {
    std::vector<std::string> w(words.begin() + (words[0] == "date" ? 1 : 0), words.end());
    if (w.empty())
        throw UsageError("usage: date year YYYY | month YYYY/MM | day YYYY/MM/DD | hour YYYY/MM/DD SLOT");
    const std::string& kind = w[0];
    Board board;
    CalendarInfo info;
    ResponseSnapshot& rs = info.response;
    if (kind == "year") {
        requireCount(w, 2, "date year YYYY");
        Tnenban& n = calc.nenban;
        info = fromRecord(calendar, schema::TableKind::Year, requireKey(w[1], "YYYY", "year"),
                          [&](const CalendarRecord& r) {
                              decodeYearRecord(r, n);
                              n.keisan();
                          });
        board = {BoardKind::year, &n, 0, {}};
        rs.nen = n.nen;
    } else if (kind == "month") {
        requireCount(w, 2, "month YYYY/MM");
        Ttukiban& t = calc.tukiban;
        info = fromRecord(calendar, schema::TableKind::Month, requireKey(w[1], "YYYY/MM", "month"),
                          [&](const CalendarRecord& r) {
                              decodeMonthRecord(r, t, calc.nenban);
                              t.keisan();
                          });
        board = {BoardKind::month, &t, 0, {}};
        rs.nen = t.nen;
        rs.tuki = t.tuki;
    } else if (kind == "day") {
        requireCount(w, 2, "day YYYY/MM/DD");
        Tdayban& d = calc.dayban;
        info = fromRecord(calendar, schema::TableKind::Day, requireKey(w[1], "YYYY/MM/DD", "day"),
                          [&](const CalendarRecord& r) {
                              decodeDayRecord(r, d);
                              d.keisan();
                          });
        board = {BoardKind::day, &d, d.inyou, {}};
        rs.nen = d.nen;
        rs.tuki = d.tuki;
        rs.niti = d.niti;
        rs.nitikan = d.kan;
    } else if (kind == "hour") {
        requireCount(w, 3, "hour YYYY/MM/DD SLOT");
        Tjiban& j = calc.jiban;
        const std::string key = requireKey(w[1], "YYYY/MM/DD", "day");
        const int slot = parseInt(w[2], "hour slot");
        checkRange(slot, 1, 12, "hour slot");
        info = fromRecord(calendar, schema::TableKind::Day, key, [&](const CalendarRecord& r) {
            decodeHourRecord(r, slot, j);
            j.keisan();
        });
        board = {BoardKind::hour, &j, j.inyou, {}};
        rs.nitikan = j.nitikan;
        rs.jisi = j.jisi;
        info.houitori.jisi = j.jisi;
    } else {
        throw UsageError("unknown board kind '" + kind + "' (year, month, day or hour)");
    }
    const BoardFields& b = *board.fields;
    rs.ten = b.ten;
    rs.inyou = info.inyou;
    rs.junganName = b.junganName;
    info.houitori.kan = b.kan;
    info.houitori.jungan = b.jungan;
    info.houitori.inyou = board.inyou;
    info.houitori.ymd = info.key;
    board.calendar = std::move(info);
    return board;
}

} // namespace

bool isByDate(const std::vector<std::string>& words) {
    if (!words.empty() && words[0] == "date") return true;
    return words.size() >= 2 && words[1].find('/') != std::string::npos;
}

Board computeBoard(const std::vector<std::string>& words, Calculators& calc, RecordSource* calendar) {
    if (words.empty()) throw UsageError("no command (year, month, day, hour or texts)");
    return isByDate(words) ? boardByDate(words, calc, calendar) : explicitBoard(words, calc);
}

namespace {

// "年盤", "月盤", "日盤", "時盤".
std::string kindName(BoardKind k) { return std::string(boardKindMarker(k)) + "盤"; }

std::string pad(std::string_view s, int width) {
    std::string out(s);
    for (int w = displayWidth(s); w < width; ++w) out += ' ';
    return out;
}

std::string orDash(std::string_view s) {
    return s.empty() ? "－" : std::string(s);
}

// The reading content of an outer palace of the board computed last.
struct PalaceReading {
    std::string_view mark, reading;
    std::vector<std::string> lines; // the detector's pattern lines (makeList)
};

PalaceReading palaceReading(const BoardFields& b, Tkyokaku& kyokaku, const TKanMo1& kanmo, PalaceNo p) {
    const StemNo ten = kanmo.lookupStem(b.ten[p]);
    const StemNo ti = kanmo.lookupStem(b.ti[p]);
    PalaceReading r{TKanMo1::mark(ten, ti), TKanMo1::reading(ten, ti), {}};
    kyokaku.makeList(p);
    for (int i = 1; i <= kyokaku.kakuCount; ++i)
        r.lines.push_back(kyokaku.kakuList[static_cast<std::size_t>(i)]);
    return r;
}

} // namespace

std::string renderText(const Board& board, Tkyokaku& kyokaku, const TKanMo1& kanmo) {
    const BoardFields& b = *board.fields;
    std::string out = board.calendar ? board.calendar->key + " " : std::string();
    out += std::string(kanName[b.kan]) + std::string(siName[b.si]) + " [" + kindName(board.kind) + "] " +
           std::string(inyouName[board.inyou ? 1 : 0]) + " " + std::to_string(b.kyoku) +
           " 局  六儀:" + b.junganName + "\n";
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
            l[1] = orDash(b.ten[p]) + "/" + orDash(b.ti[p]) + " " + b.sei[p];
            l[2] = orDash(b.mon[p]) + " " + b.kyu[p] + " " + orDash(b.jin[p]);
            if (b.kitikaku[p] > 0) l[3] = "吉格 " + std::to_string(b.kitikaku[p]);
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
        PalaceReading r = palaceReading(b, kyokaku, kanmo, p);
        out += "\n" + std::string(houiLabel[p]) + std::string(r.mark) + " " + b.ten[p] + "/" + b.ti[p] + "\n";
        out += "  " + std::string(r.reading) + "\n";
        if (b.kitikaku[p] > 0) out += "  ■格：" + std::string(TKanMo1::patternName(b.kitikaku[p])) + "\n";
        for (const std::string& line : r.lines) out += "  " + line + "\n";
    }
    return out;
}

namespace {

void flagList(Json& j, const char* name, const auto& flags) {
    j.key(name).beginArray();
    for (std::size_t k = 1; k < flags.size(); ++k)
        if (flags[k]) j.value(static_cast<int>(k));
    j.endArray();
}

} // namespace

std::string renderJson(const Board& board, Tkyokaku& d, const TKanMo1& kanmo) {
    const BoardFields& b = *board.fields;
    Json j;
    j.beginObject();
    j.key("kind").value(kindName(board.kind));
    if (board.calendar) j.key("date").value(board.calendar->key);
    j.key("kan").value(kanName[b.kan]).key("si").value(siName[b.si]);
    j.key("inyou").value(board.inyou).key("kyoku").value(b.kyoku);
    j.key("junganName").value(b.junganName).key("junpos").value(b.junpos).key("kanpos").value(b.kanpos);
    j.key("palaces").beginArray();
    for (int p = 1; p <= 9; ++p) {
        j.beginObject();
        j.key("palace").value(p);
        j.key("ten").value(b.ten[p]).key("ti").value(b.ti[p]).key("sei").value(b.sei[p]);
        j.key("mon").value(b.mon[p]).key("kyu").value(b.kyu[p]).key("jin").value(b.jin[p]);
        j.key("kitikaku").value(b.kitikaku[p]);
        j.key("flags").beginObject();
        j.key("single").beginArray();
        for (int s = 1; s <= Tkyokaku::singleCount; ++s)
            if (d.kakuFlag[s][p]) j.value(s);
        j.endArray();
        flagList(j, "board", d.banFlag);
        flagList(j, "nenkaku", d.nenkakuFlag[p]);
        flagList(j, "hikan", d.hikanFlag[p]);
        flagList(j, "fukugin", d.fukuginFlag[p]);
        flagList(j, "fukuginSei", d.fukuginSeiFlag[p]);
        flagList(j, "hangin", d.hanginFlag[p]);
        flagList(j, "hanginSei", d.hanginSeiFlag[p]);
        j.endObject();
        if (p != 5) {
            PalaceReading r = palaceReading(b, d, kanmo, p);
            j.key("mark").value(r.mark).key("reading").value(r.reading);
            j.key("lines").array(r.lines);
            if (board.calendar)
                j.key("response").array(responseLines(board.kind, board.calendar->response, p));
        }
        j.endObject();
    }
    j.endArray();
    if (board.calendar) j.key("houitori").array(houitoriLines(board.kind, board.calendar->houitori));
    j.endObject();
    return j.str();
}

std::string textsJson() {
    Json j;
    j.beginObject();
    for (auto [name, table] :
         {std::pair{"readings", &TKanMo1::reading}, std::pair{"marks", &TKanMo1::mark}}) {
        j.key(name).beginArray();
        for (StemNo heaven = 1; heaven <= 10; ++heaven) {
            j.beginArray();
            for (StemNo earth = 1; earth <= 10; ++earth) j.value(table(heaven, earth));
            j.endArray();
        }
        j.endArray();
    }
    j.key("patternNames").beginArray();
    for (int code = 0; code <= TKanMo1::patternCount; ++code) j.value(TKanMo1::patternName(code));
    j.endArray();
    j.key("patternTexts").array(patternTexts());
    j.endObject();
    return j.str();
}

} // namespace hoshi::tool
