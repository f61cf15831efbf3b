#pragma once
// The 24 solar terms (二十四節気): the instants at which the Sun's apparent
// geocentric ecliptic longitude, referred to the true equinox of date,
// reaches a multiple of 15°. Term index k (冬至 = 0, the vocabulary's
// sekkiName) is the longitude 270° + 15°·k; the odd indices (小寒, 立春, …
// 大雪) are the 節 that begin the solar months.

#include <vector>

#include "civildate.h"

namespace hoshi::koyomi {

struct SunLongitude {
    double lambda; // apparent ecliptic longitude of date, radians 0..2π
    double rate;   // its rate, radians per day (geometric motion)
};

// The Sun's apparent geocentric ecliptic longitude at the TT instant ttJd:
//   1. Earth's heliocentric and barycentric position and velocity, eraEpv00
//      (TDB taken as TT: they differ by under 2 ms);
//   2. the Sun where it was when the light left it (light time ≈ 8.3 min);
//   3. annual aberration with Earth's barycentric velocity, eraAb;
//   4. GCRS to the mean ecliptic and equinox of date (frame bias and IAU 2006
//      precession), eraEcm06;
//   5. plus the nutation in longitude Δψ (IAU 2000A, IAU 2006 adjusted),
//      eraNut06a.
// Source: the routines of ERFA (liberfa), derived from the IAU SOFA library;
// IERS Conventions (2010), chapter 5. eraEpv00 is a simplified VSOP2000
// (Moisson & Bretagnon 2001): heliocentric position within 11.2 km of JPL
// DE405 over 1900–2100, about twice that by 1800 and 2200 — 0.4 s and
// 0.8 s of the Sun's motion. Precession, nutation and aberration add a few
// milliarcseconds at most (< 0.1 s).
SunLongitude apparentSolarLongitude(double ttJd);

// The TT instant (Julian Date) at which the apparent longitude reaches term
// `index` (0..23), found by Newton's method from guessJd (which must lie
// within a few days of it) to better than 1e-7 day.
double solarTermInstant(int index, double guessJd);

struct SolarTerm {
    int index;           // 0..23, 冬至 = 0
    double ttJd;         // the instant, TT
    CivilDateTime start; // local time rounded to the minute, as almanacs publish it
};

// The 24 terms of each Gregorian year fromYear..toYear, in time order: per
// year 小寒 (1) … 大雪 (23), then that year's 冬至 (0). Local times at the UTC
// offset in minutes (timescale.h). The calendar counts a term from its
// start: its date and its 時刻 are those of the minute, so a term at
// 23:59:40 begins at 00:00 the next day, as in the national almanac.
std::vector<SolarTerm> solarTerms(int fromYear, int toYear, int utcOffsetMinutes);

// True for the 節 (odd index), which begin the solar months.
constexpr bool isSetu(int index) {
    return index % 2 == 1;
}

} // namespace hoshi::koyomi
