#include "koyomi.h"

#include <cstdio>
#include <string>

#include "errors.h"
#include "nenban.h"
#include "nikkakyusei.h"
#include "solarterm.h"
#include "tukiban.h"
#include "vocabulary.h"

namespace hoshi::koyomi {

namespace {

std::string twoDigits(int a, char sep, int b) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%c%02d", a, sep, b);
    return buf;
}

} // namespace

std::string kansiText(int sexagenaryIndex) {
    auto [kan, si] = kansiOf(sexagenaryIndex + 1);
    return std::string(kanName[kan]) + std::string(siName[si]);
}

int sangenOf(int daySexagenaryIndex) {
    // 甲 and 己 days are the multiples of 5 in the cycle.
    int futou = daySexagenaryIndex - daySexagenaryIndex % 5;
    switch (futou % 12 % 3) { // 子午卯酉 0, 寅申巳亥 2, 辰戌丑未 1 (BranchNo − 1, mod 3)
    case 0:
        return 1;
    case 2:
        return 2;
    default:
        return 3;
    }
}

int monthSexagenaryIndex(int year, int month) {
    // The 寅 month of 1984 (甲子) is 丙寅 (2); month m of year Y is
    // 12·(Y − 1984) + m − 2 solar months later, month 1 being the 丑 month
    // of the solar year before.
    return floorMod(12LL * (year - 1984) + month, 60);
}

int yearKyoku(int year) {
    return nenKyoku(year);
}

CalendarRecord monthRecord(int year, int month) {
    int n = monthSexagenaryIndex(year, month);
    BranchNo monthBranch = n % 12 + 1;
    BranchNo yearBranch = nenKansi(solarYearOfMonth(year, month)).second;
    CalendarRecord r;
    r[schema::Key] = schema::makeKey(schema::TableKind::Month, year, month);
    r[schema::Kansi] = kansiText(n);
    r[schema::Inyou] = std::string(inyouName[0]);
    r[schema::Kyoku] = std::to_string(tukiKyuguCentre(yearBranch, monthBranch));
    return r;
}

CalendarRecord yearRecord(int year) {
    auto [kan, si] = nenKansi(year);
    CalendarRecord r;
    r[schema::Key] = schema::makeKey(schema::TableKind::Year, year);
    r[schema::Kansi] = std::string(kanName[kan]) + std::string(siName[si]);
    r[schema::Inyou] = std::string(inyouName[0]);
    r[schema::Kyoku] = std::to_string(yearKyoku(year));
    return r;
}

Koyomi generateKoyomi(const KoyomiOptions& o) {
    if (o.from < earliestDate || latestDate < o.to || o.to < o.from)
        throw OutOfRangeError("期間 " + dayKey(o.from) + "～" + dayKey(o.to) + " は " + dayKey(earliestDate) +
                              "～" + dayKey(latestDate) + " の中で、古い日から新しい日へ指定してください。");
    checkRange(o.utcOffsetMinutes, -14 * 60, 14 * 60, "UTC offset in minutes");

    // A year either side: the term in force and the switch day before the
    // first date, and the switch day after the last.
    std::vector<SolarTerm> terms = solarTerms(o.from.year - 1, o.to.year + 1, o.utcOffsetMinutes);
    std::vector<NikkaKyusei::Solstice> solstices;
    for (const SolarTerm& t : terms)
        if (t.index % 12 == 0) solstices.push_back({t.index == 0, dayNumber(t.start.date)});
    NikkaKyusei kyusei(std::move(solstices), o.leapDates);

    Koyomi k;
    for (int d : kyusei.switchDays()) k.switchDays.push_back(fromDayNumber(d));
    for (int d : kyusei.leapDays()) k.leapDays.push_back(fromDayNumber(d));
    const int first = dayNumber(o.from), last = dayNumber(o.to);
    k.days.reserve(static_cast<std::size_t>(last - first + 1));
    std::size_t term = 0; // next term not yet in force
    const SolarTerm* inForce = nullptr;
    const SolarTerm* setu = nullptr;
    for (int day = first; day <= last; ++day) {
        while (term < terms.size() && dayNumber(terms[term].start.date) <= day) {
            inForce = &terms[term];
            if (isSetu(inForce->index)) setu = inForce;
            ++term;
        }
        if (!inForce || !setu)
            throw OutOfRangeError(dayKey(fromDayNumber(day)) + " より前の節気が見つかりません。");
        int n = daySexagenaryIndex(day);
        NikkaKyusei::Star star = kyusei.at(day);
        CalendarRecord r;
        r[schema::Key] = dayKey(fromDayNumber(day));
        r[schema::Kansi] = kansiText(n);
        r[schema::Inyou] = std::string(inyouName[star.yang ? 1 : 0]);
        r[schema::Kyoku] = std::to_string(star.kyu);
        r[schema::Sekki] = std::string(sekkiName[inForce->index]);
        r[schema::Sangen] = std::string(sangenName[sangenOf(n)]);
        r[schema::Setuiri] = twoDigits(setu->start.date.month, '/', setu->start.date.day);
        r[schema::Jikoku] = twoDigits(setu->start.hour, ':', setu->start.minute);
        k.days.push_back(std::move(r));
    }
    for (int y = o.from.year, m = o.from.month; y < o.to.year || (y == o.to.year && m <= o.to.month);) {
        k.months.push_back(monthRecord(y, m));
        if (++m > 12) m = 1, ++y;
    }
    for (int y = o.from.year; y <= o.to.year; ++y) k.years.push_back(yearRecord(y));
    return k;
}

} // namespace hoshi::koyomi
