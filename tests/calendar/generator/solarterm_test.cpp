// Solar-term instants and the time scales under them.

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "generator/solarterm.h"
#include "generator/timescale.h"

namespace hoshi::koyomi {
namespace {

struct Anchor {
    int year, index;
    CivilDateTime published; // JST, to the minute
};

// 国立天文台 暦要項 (2019, 2021), JST rounded to the minute: the computed
// instant must round to the published minute, i.e. lie within ±30 s of it.
const Anchor anchors[] = {
    {2019, 3, {{2019, 2, 4}, 12, 14, 0}},    // 立春
    {2019, 12, {{2019, 6, 22}, 0, 54, 0}},   // 夏至
    {2019, 22, {{2019, 11, 22}, 23, 59, 0}}, // 小雪
    {2019, 0, {{2019, 12, 22}, 13, 19, 0}},  // 冬至
    {2021, 3, {{2021, 2, 3}, 23, 59, 0}},    // 立春
};

long long secondsOf(const CivilDateTime& t) {
    return static_cast<long long>(dayNumber(t.date)) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

TEST(SolarTerm, PublicAnchorsToTheMinute) {
    for (const Anchor& a : anchors) {
        int found = 0;
        for (const SolarTerm& t : solarTerms(a.year, a.year, 9 * 60)) {
            if (t.index != a.index) continue;
            ++found;
            CivilDateTime exact = ttToLocal(t.ttJd, 9 * 60, Rounding::ToSecond);
            long long diff = secondsOf(exact) - secondsOf(a.published);
            EXPECT_LE(std::llabs(diff), 30)
                << "term " << a.index << " of " << a.year << ": " << isoText(exact);
            EXPECT_EQ(isoText(t.start), isoText(a.published)) << "term " << a.index << " of " << a.year;
        }
        EXPECT_EQ(found, 1) << "term " << a.index << " of " << a.year;
    }
}

TEST(SolarTerm, InstantsBracketTheirLongitude) {
    // One second either side of each instant of a year the longitude lies
    // on either side of the term's.
    for (const SolarTerm& t : solarTerms(2020, 2020, 9 * 60)) {
        const double pi = std::numbers::pi, target = (270.0 + 15.0 * t.index) * pi / 180;
        double before = std::remainder(apparentSolarLongitude(t.ttJd - 1.0 / 86400).lambda - target, 2 * pi);
        double after = std::remainder(apparentSolarLongitude(t.ttJd + 1.0 / 86400).lambda - target, 2 * pi);
        EXPECT_LT(before, 0.0) << "term " << t.index;
        EXPECT_GT(after, 0.0) << "term " << t.index;
    }
}

TEST(SolarTerm, YearHoldsTheTwentyFourInOrder) {
    std::vector<SolarTerm> terms = solarTerms(1900, 1901, 9 * 60);
    ASSERT_EQ(terms.size(), 48u);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        EXPECT_EQ(terms[i].index, static_cast<int>((i + 1) % 24));
        EXPECT_EQ(terms[i].start.date.year, 1900 + static_cast<int>(i / 24));
        if (i > 0) {
            EXPECT_NEAR(terms[i].ttJd - terms[i - 1].ttJd, 15.2, 0.8);
        }
    }
}

struct TimeScaleRow {
    const char* source;
    double ttJd;
    double expected; // TT − civil time, s
    double tolerance;
};

double jd(int y, int m, int d) {
    return dayNumber({y, m, d}) + 2440587.5;
}

TEST(TimeScale, TtMinusCivil) {
    const TimeScaleRow rows[] = {
        {"Espenak & Meeus 2006, 1900", jd(1900, 1, 1), -2.79, 0.05},
        {"Espenak & Meeus 2006, 1950", jd(1950, 1, 1), 29.07, 0.01},
        {"TAI-UTC 10 s from 1972-01-01 (IERS)", jd(1972, 1, 2), 42.184, 1e-6},
        {"TAI-UTC 19 s from 1980-01-01 (IERS)", jd(1980, 6, 1), 51.184, 1e-6},
        {"TAI-UTC 37 s from 2017-01-01 (IERS)", jd(2020, 1, 1), 69.184, 1e-6},
        {"held at the last TAI-UTC", jd(2150, 1, 1), 69.184, 1e-6},
    };
    for (const auto& r : rows) EXPECT_NEAR(ttMinusCivil(r.ttJd), r.expected, r.tolerance) << r.source;
}

TEST(TimeScale, ModelMeetsUtcAt1960) {
    double before = ttMinusCivil(utcStartJd - 1e-3), after = ttMinusCivil(utcStartJd + 1e-3);
    EXPECT_NEAR(before, after, 0.1);
}

TEST(TimeScale, LocalTimeRoundsAndCarriesTheDate) {
    // 2019-12-31 14:59:59.6 UTC (TT − UTC 69.184 s) is 23:59:59.6 JST.
    double tt = jd(2019, 12, 31) + (14 * 3600 + 59 * 60 + 59.6 + 69.184) / 86400;
    EXPECT_EQ(isoText(ttToLocal(tt, 9 * 60, Rounding::ToSecond)), "2020-01-01 00:00:00");
    EXPECT_EQ(isoText(ttToLocal(tt - 30.0 / 86400, 9 * 60, Rounding::ToMinute)), "2019-12-31 23:59:00");
    EXPECT_EQ(isoText(ttToLocal(tt, -5 * 60, Rounding::ToMinute)), "2019-12-31 10:00:00");
}

} // namespace
} // namespace hoshi::koyomi
