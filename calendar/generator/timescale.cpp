#include "timescale.h"

#include <cmath>
#include <cstdint>
#include <erfa.h>
#include <erfam.h>
#include <string>

#include "errors.h"

namespace hoshi::koyomi {

double deltaTEspenakMeeus(double y) {
    // Espenak & Meeus (2006), one polynomial per interval; t in years from
    // the interval's epoch. Only the intervals the generator reaches (it
    // spans 1799..2201 and uses UTC from 1960) are kept.
    if (y >= 1700 && y < 1800) {
        double t = y - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - t * t * t * t / 1174000;
    }
    if (y >= 1800 && y < 1860) {
        double t = y - 1800;
        return 13.72 +
               t * (-0.332447 +
                    t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 +
                                                           t * (0.0000121272 +
                                                                t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y >= 1860 && y < 1900) {
        double t = y - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
    }
    if (y >= 1900 && y < 1920) {
        double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
    }
    if (y >= 1920 && y < 1941) {
        double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
    }
    if (y >= 1941 && y < 1961) {
        double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    throw OutOfRangeError("年「" + std::to_string(y) + "」は ΔT の表の範囲外です（1700～1960）。");
}

namespace {

// Decimal year of a Julian Date, as the ΔT polynomials take it.
double decimalYear(double jd) {
    return 2000.0 + (jd - ERFA_DJ00) / ERFA_DJY;
}

struct Civil {
    double jd; // UT, or UTC as a quasi-JD (ERFA's convention on a leap-second day)
    bool utc;
};

// TT − UT is about 33 s at the start of UTC; an instant less than a minute
// (TT) after that start is tested with the ΔT model first.
constexpr double utcStartMarginDays = 60.0 / ERFA_DAYSEC;

Civil civilOf(double ttJd) {
    if (ttJd < utcStartJd + utcStartMarginDays) {
        double ut = ttJd - deltaTEspenakMeeus(decimalYear(ttJd)) / ERFA_DAYSEC;
        if (ut < utcStartJd) return {ut, false};
    }
    double tai1, tai2, utc1, utc2;
    eraTttai(ttJd, 0.0, &tai1, &tai2);
    // Status +1 (a year beyond the table's horizon) is expected: the last
    // TAI − UTC is held. Negative status cannot occur from 1960 on.
    if (eraTaiutc(tai1, tai2, &utc1, &utc2) < 0)
        throw OutOfRangeError("ユリウス日 " + std::to_string(ttJd) + " の UTC を求められません。");
    return {utc1 + utc2, true};
}

} // namespace

double ttMinusCivil(double ttJd) {
    Civil c = civilOf(ttJd);
    if (!c.utc) return (ttJd - c.jd) * ERFA_DAYSEC;
    // 32.184 s + TAI − UTC, read on the UTC date (exact also on a leap-second day).
    int iy, im, id;
    double fd, dat;
    eraJd2cal(c.jd, 0.0, &iy, &im, &id, &fd);
    eraDat(iy, im, id, fd, &dat);
    return ERFA_TTMTAI + dat;
}

CivilDateTime ttToLocal(double ttJd, int utcOffsetMinutes, Rounding rounding) {
    Civil c = civilOf(ttJd);
    int iy, im, id, ihmsf[4];
    // eraD2dtf rounds at the resolution asked for (0: 1 s, -2: 1 min) and
    // knows the days with a leap second. A whole-minute offset added after
    // the rounding keeps it.
    int ndp = rounding == Rounding::ToSecond ? 0 : -2;
    if (eraD2dtf(c.utc ? "UTC" : "UT1", ndp, c.jd, 0.0, &iy, &im, &id, ihmsf) < 0)
        throw OutOfRangeError("ユリウス日 " + std::to_string(c.jd) + " を暦の日時にできません。");
    std::int64_t s = static_cast<std::int64_t>(dayNumber({iy, im, id})) * 86400 + ihmsf[0] * 3600 +
                     ihmsf[1] * 60 + ihmsf[2] + static_cast<std::int64_t>(utcOffsetMinutes) * 60;
    std::int64_t days = s >= 0 ? s / 86400 : -((-s + 86399) / 86400);
    int rest = static_cast<int>(s - days * 86400);
    return {fromDayNumber(static_cast<int>(days)), rest / 3600, rest / 60 % 60, rest % 60};
}

} // namespace hoshi::koyomi
