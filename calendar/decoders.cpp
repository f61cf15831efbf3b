#include "decoders.h"

#include <string>
#include <tuple>

#include "calculators.h"
#include "text.h"

namespace hoshi {

int integerValue(std::string_view text, const char* what) {
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) negative = text[i++] == '-';
    bool ok = i < text.size();
    long long v = 0;
    for (; ok && i < text.size(); ++i) {
        ok = text[i] >= '0' && text[i] <= '9' && v < 100'000'000;
        v = v * 10 + (text[i] - '0');
    }
    if (!ok) throw ConversionError(fieldName(what) + "「" + std::string(text) + "」は数字ではありません。");
    return static_cast<int>(negative ? -v : v);
}

namespace {

std::string chars(std::string_view text, std::size_t from, std::size_t n) {
    return std::string(utf8Slice(text, from, n));
}

struct Ymd {
    int year, month, day;
    std::string monthText, dayText;
};

// Steps 1-3 of the day and hour decoders: year, month 1..12, day 1..31 of 日.
template <typename Board> Ymd decodeDate(const std::string& key, Board& b) {
    Ymd d;
    d.year = integerValue(chars(key, 1, 4), "year");
    b.nen = d.year;
    d.monthText = chars(key, 6, 2);
    d.month = integerValue(d.monthText, "month");
    checkRange(d.month, 1, 12, "month");
    b.tuki = d.month;
    d.dayText = chars(key, 9, 2);
    d.day = integerValue(d.dayText, "day");
    checkRange(d.day, 1, 31, "day");
    b.niti = d.day;
    return d;
}

// The term's palace when 節気 is one of the 24 names; otherwise the palace is left as it was.
void decodeSekkiPalace(std::optional<int> sekki, PalaceNo& palace) {
    if (sekki && *sekki < 24) palace = sekkiPalaceTable[static_cast<std::size_t>(*sekki)];
}

std::pair<StemNo, BranchNo> decodeKansi(const std::string& kansi) {
    auto cs = utf8Chars(kansi);
    std::string_view first = cs.size() > 0 ? cs[0] : std::string_view{};
    std::string_view second = cs.size() > 1 ? cs[1] : std::string_view{};
    auto kan = first.empty() ? std::nullopt : findName(kanName, first, 1);
    if (!kan) throw OutOfRangeError("干支「" + kansi + "」の一文字目が十干（甲～癸）ではありません。");
    auto si = second.empty() ? std::nullopt : findName(siName, second, 1);
    if (!si) throw OutOfRangeError("干支「" + kansi + "」の二文字目が十二支（子～亥）ではありません。");
    return {*kan, *si};
}

int decodeKyoku(const std::string& kyoku) {
    return integerValue(chars(kyoku, 1, 1), "ju");
}

} // namespace

void decodeDayRecord(const CalendarRecord& r, Tdayban& d) {
    const Ymd date = decodeDate(r[schema::Key], d);
    decodeSekkiPalace(findName(sekkiName, r[schema::Sekki]), d.sekkiPalace);
    std::tie(d.nenkan, d.tukikan) =
        yearMonthStems(integerValue(date.monthText + date.dayText, "month and day"), date.year);
    std::tie(d.kan, d.si) = decodeKansi(r[schema::Kansi]);
    auto inyou = findName(inyouName, r[schema::Inyou]);
    if (!inyou) throw OutOfRangeError(inyouFault(r[schema::Inyou]));
    d.inyou = *inyou;
    d.kyoku = decodeKyoku(r[schema::Kyoku]);
}

void decodeHourRecord(const CalendarRecord& r, int slot, Tjiban& j) {
    checkRange(slot, 1, 12, "hour slot");
    j.jisi = slot;
    decodeDate(r[schema::Key], j);
    const auto sekki = findName(sekkiName, r[schema::Sekki]);
    decodeSekkiPalace(sekki, j.sekkiPalace);
    std::tie(j.nitikan, j.nitisi) = decodeKansi(r[schema::Kansi]);
    if (!sekki) throw OutOfRangeError("節気「" + r[schema::Sekki] + "」は二十四節気の名前ではありません。");
    j.sekkiNo = *sekki;
    auto sangen = findName(sangenName, r[schema::Sangen], 1);
    if (!sangen)
        throw OutOfRangeError("3元「" + r[schema::Sangen] +
                              "」は「上元」「中元」「下元」のいずれかで入力してください。");
    j.sangen = *sangen;
}

void decodeMonthRecord(const CalendarRecord& r, Ttukiban& t, Tnenban& n) {
    const std::string& key = r[schema::Key];
    t.nen = integerValue(chars(key, 1, 4), "year");
    t.tuki = integerValue(chars(key, 6, 2), "month");
    checkRange(t.tuki, 1, 12, "month");
    n.nen = solarYearOfMonth(t.nen, t.tuki);
    n.nenKansi();
    std::tie(t.kan, t.si) = decodeKansi(r[schema::Kansi]);
    t.kyoku = decodeKyoku(r[schema::Kyoku]);
}

void decodeYearRecord(const CalendarRecord& r, Tnenban& n) {
    n.nen = integerValue(r[schema::Key], "year");
    std::tie(n.kan, n.si) = decodeKansi(r[schema::Kansi]);
    n.kyoku = decodeKyoku(r[schema::Kyoku]);
}

namespace {

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int digits(std::string_view s) {
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

} // namespace

std::string inyouFault(const std::string& inyou) {
    return "陰陽「" + inyou + "」は「陰」か「陽」で入力してください。";
}

namespace {

std::optional<RecordFault> findRecordFault(schema::TableKind table, const CalendarRecord& r) {
    const std::string field(schema::info(table).fields[0]);
    const std::string& key = r[schema::Key];
    const std::string form(schema::info(table).keyForm);
    using enum RecordFault::Kind;
    if (!schema::hasKeyForm(table, key))
        return RecordFault{Form,
                           field + "「" + key + "」は " + form + " の形（半角数字）で入力してください。"};
    const int y = digits(std::string_view(key).substr(0, 4));
    if (y < 1312) return RecordFault{Range, field + "「" + key + "」の年は 1312 年以降で入力してください。"};
    if (table != schema::TableKind::Year) {
        const int m = digits(std::string_view(key).substr(5, 2));
        if (m < 1 || m > 12)
            return RecordFault{Range, field + "「" + key + "」の月は 01～12 で入力してください。"};
        if (table == schema::TableKind::Day) {
            static constexpr int length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            const int d = digits(std::string_view(key).substr(8, 2));
            const int last = m == 2 && leapYear(y) ? 29 : length[m - 1];
            if (d < 1 || d > last) return RecordFault{Range, field + "「" + key + "」は暦にない日付です。"};
        }
    }
    const std::string& kyoku = r[schema::Kyoku];
    const bool oneDigit = !kyoku.empty() && kyoku[0] >= '1' && kyoku[0] <= '9' &&
                          (kyoku.size() == 1 || std::string_view(kyoku).substr(1) == "局");
    if (!oneDigit)
        return RecordFault{
            Form, "局「" + kyoku + "」は 1～9 の数字一つ（後ろに「局」を付けてもよい）で入力してください。"};
    try {
        Calculators calc;
        switch (table) {
        case schema::TableKind::Year:
            decodeYearRecord(r, calc.nenban);
            calc.nenban.keisan(Judge::auspiciousOnly);
            break;
        case schema::TableKind::Month:
            decodeMonthRecord(r, calc.tukiban, calc.nenban);
            calc.tukiban.keisan(Judge::auspiciousOnly);
            break;
        case schema::TableKind::Day:
            decodeDayRecord(r, calc.dayban);
            calc.dayban.keisan(Judge::auspiciousOnly);
            break;
        }
    } catch (const OutOfRangeError& e) {
        return RecordFault{Range, e.what()};
    } catch (const Error& e) {
        return RecordFault{Form, e.what()};
    }
    return std::nullopt;
}

} // namespace

std::optional<RecordFault> recordFault(schema::TableKind table, const CalendarRecord& r) {
    auto fault = findRecordFault(table, r);
    if (fault) fault->text = visibleText(fault->text); // the quoted value may hold control characters
    return fault;
}

int stemNumber(std::string_view name) {
    return stemOf(name);
}
namespace {

// Entry day of each Gregorian month's solar month, by year mod 12.
constexpr std::array<std::array<int, 12>, 12> setsuiriDay = {{
    {6, 5, 6, 5, 6, 6, 7, 8, 8, 8, 8, 7},
    {6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},
    {6, 4, 6, 5, 6, 6, 8, 8, 8, 9, 8, 8},
    {6, 5, 6, 6, 6, 7, 8, 8, 9, 9, 8, 8},
    {6, 5, 6, 5, 6, 6, 7, 8, 8, 9, 8, 7},
    {6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},
    {6, 5, 6, 6, 6, 6, 8, 8, 8, 9, 8, 8},
    {6, 5, 7, 6, 7, 7, 8, 9, 9, 9, 8, 8},
    {7, 5, 6, 5, 6, 6, 7, 8, 8, 9, 8, 7},
    {6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 8},
    {6, 4, 6, 5, 6, 6, 8, 8, 8, 9, 8, 8},
    {6, 5, 7, 6, 6, 7, 8, 8, 9, 9, 8, 8},
}};

} // namespace

int beforeRisshun(int year, int mmdd) {
    int r = floorMod(year, 12);
    bool fourth = r == 1 || r == 2 || r == 5 || r == 9 || r == 10; // 立春 on 4 February
    return mmdd < (fourth ? 204 : 205) ? 1 : 0;
}

int beforeSetsuiri(int year, int mmdd) {
    int m = mmdd / 100, d = mmdd % 100;
    if (m < 1 || m > 12) return 0;
    return d < setsuiriDay[static_cast<std::size_t>(floorMod(year, 12))][static_cast<std::size_t>(m - 1)] ? 1
                                                                                                          : 0;
}

std::pair<StemNo, StemNo> yearMonthStems(int mmdd, int year) {
    const StemNo y = hoshi::yearStem(beforeRisshun(year, mmdd) ? year - 1 : year);
    StemNo m = hoshi::monthStem(year, mmdd / 100);
    if (beforeSetsuiri(year, mmdd)) m = m == 1 ? 10 : m - 1;
    return {y, m};
}

} // namespace hoshi
