#include "boardcommand.h"

#include <charconv>
#include <tuple>

#include "json.h"
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

} // namespace

Board computeBoard(const std::vector<std::string>& words, Calculators& calc) {
    if (words.empty()) throw UsageError("usage: year|month|day|hour ...");
    const std::string& kind = words[0];
    if (kind == "year") {
        requireCount(words, 2, "year YEAR");
        Tnenban& n = calc.nenban;
        n.nen = parseInt(words[1], "year");
        n.nenKansi();
        n.keisan();
        return {Kind::Year, &n, 0};
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
        return {Kind::Month, &t, 0};
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
        return {Kind::Day, &d, d.inyou};
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
        return {Kind::Hour, &j, j.inyou};
    }
    throw UsageError("unknown board kind '" + kind + "' (year, month, day or hour)");
}

namespace {

const char* kindName(Kind k) {
    switch (k) {
    case Kind::Year:
        return "年盤";
    case Kind::Month:
        return "月盤";
    case Kind::Day:
        return "日盤";
    case Kind::Hour:
        return "時盤";
    }
    return "";
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

std::string renderText(const Board& board, Tkyokaku&) {
    const BoardFields& b = *board.fields;
    std::string out = std::string(kanName[b.kan]) + std::string(siName[b.si]) + " [" + kindName(board.kind) +
                      "] " + std::string(inyouName[board.inyou ? 1 : 0]) + " " + std::to_string(b.kyoku) +
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

std::string renderJson(const Board& board, Tkyokaku& d) {
    const BoardFields& b = *board.fields;
    Json j;
    j.beginObject();
    j.key("kind").value(kindName(board.kind));
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
        j.endObject();
    }
    j.endArray();
    j.endObject();
    return j.str();
}

} // namespace hoshi::tool
