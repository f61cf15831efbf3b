#include "solarterm.h"

#include <cmath>
#include <erfa.h>
#include <erfam.h>
#include <string>

#include "errors.h"
#include "timescale.h"

namespace hoshi::koyomi {

SunLongitude apparentSolarLongitude(double ttJd) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(ttJd, 0.0, pvh, pvb);

    // Earth to Sun (au), with the Sun moved back along its barycentric
    // motion by the light time.
    double sunVel[3], toSun[3], geoVel[3];
    for (int i = 0; i < 3; ++i) {
        sunVel[i] = pvb[1][i] - pvh[1][i];
        toSun[i] = -pvh[0][i];
        geoVel[i] = -pvh[1][i];
    }
    double lightDays = eraPm(toSun) * ERFA_AULT / ERFA_DAYSEC;
    for (int i = 0; i < 3; ++i) toSun[i] -= lightDays * sunVel[i];

    // Annual aberration: Earth's barycentric velocity in units of c.
    double dist, dir[3], v[3], apparent[3];
    eraPn(toSun, &dist, dir);
    for (int i = 0; i < 3; ++i) v[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    eraAb(dir, v, dist, std::sqrt(1.0 - eraPdp(v, v)), apparent);

    // Mean ecliptic and equinox of date, then the true equinox.
    double rm[3][3], ecl[3], p[3], dp[3];
    eraEcm06(ttJd, 0.0, rm);
    eraRxp(rm, apparent, ecl);
    double dpsi, deps;
    eraNut06a(ttJd, 0.0, &dpsi, &deps);
    double lambda = eraAnp(std::atan2(ecl[1], ecl[0]) + dpsi);

    eraRxp(rm, toSun, p);
    eraRxp(rm, geoVel, dp);
    double rate = (p[0] * dp[1] - p[1] * dp[0]) / (p[0] * p[0] + p[1] * p[1]);
    return {lambda, rate};
}

namespace {

// Newton's method on the longitude; `rate` receives the rate at the last
// evaluation, for the next guess.
double solve(int index, double guessJd, double& rate) {
    checkRange(index, 0, 23, "solar-term index");
    const double target = eraAnp((270.0 + 15.0 * index) * ERFA_DD2R);
    double t = guessJd;
    for (int iteration = 0; iteration < 12; ++iteration) {
        SunLongitude s = apparentSolarLongitude(t);
        double step = std::remainder(s.lambda - target, ERFA_D2PI) / s.rate;
        t -= step;
        rate = s.rate;
        if (std::fabs(step) < 1e-7) return t;
    }
    throw OutOfRangeError("節気 " + std::to_string(index) + "（ユリウス日 " + std::to_string(guessJd) +
                          " 付近）の時刻が求まりません。");
}

} // namespace

double solarTermInstant(int index, double guessJd) {
    double rate;
    return solve(index, guessJd, rate);
}

std::vector<SolarTerm> solarTerms(int fromYear, int toYear, int utcOffsetMinutes) {
    std::vector<SolarTerm> out;
    if (toYear < fromYear) return out;
    out.reserve(static_cast<std::size_t>(toYear - fromYear + 1) * 24);
    // 小寒 falls on 5 or 6 January; each next guess is the last term plus 15°
    // at its rate, within an hour or two of the next.
    double djm0, djm;
    eraCal2jd(fromYear, 1, 6, &djm0, &djm);
    double guess = djm0 + djm;
    for (int year = fromYear; year <= toYear; ++year) {
        for (int k = 1; k <= 24; ++k) {
            int index = k % 24;
            double rate;
            double t = solve(index, guess, rate);
            out.push_back({index, t, ttToLocal(t, utcOffsetMinutes, Rounding::ToMinute)});
            guess = t + (ERFA_D2PI / 24) / rate;
        }
    }
    return out;
}

} // namespace hoshi::koyomi
