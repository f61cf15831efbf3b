#pragma once
// From Terrestrial Time (TT), the time scale of the ephemeris, to the civil
// time on which the calendar's dates and clock times are counted.
//
// - From 1960-01-01, when UTC begins, civil time is UTC:
//   TT − UTC = 32.184 s + (TAI − UTC), the latter from ERFA's table of
//   leap seconds and of the drift rates of 1960–1971 (eraDat).
// - Before 1960 clocks kept mean solar time, so civil time is UT = TT − ΔT,
//   with ΔT from the polynomials of Espenak & Meeus (2006).
// - After the last leap second of the table, TAI − UTC is held at its last
//   value (37 s since 2017-01-01), so TT − UTC stays 69.184 s. Leap seconds
//   cannot be predicted, and the CGPM decided in 2022 (Resolution 4) to
//   stop inserting them by 2035: the offset held is the best forecast of
//   UTC. A ΔT extrapolation would forecast UT1, which civil clocks will no
//   longer follow.
// The local time of the calendar is civil time plus a fixed UTC offset
// (Japan Standard Time, +09:00, by default).

#include "civildate.h"

namespace hoshi::koyomi {

// Julian Date of 1960-01-01 0h UTC, the start of UTC.
inline constexpr double utcStartJd = 2436934.5;

// ΔT = TT − UT in seconds at the decimal year y, for 1700 <= y < 1961.
// Source: F. Espenak, J. Meeus, "Five Millennium Canon of Solar Eclipses:
// -1999 to +3000", NASA/TP-2006-214141 (2006), section "Polynomial
// expressions for ΔT". Throws OutOfRangeError outside those years.
double deltaTEspenakMeeus(double y);

// TT − civil time in seconds at the TT instant ttJd (Julian Date).
double ttMinusCivil(double ttJd);

enum class Rounding { ToSecond, ToMinute };

// The local date and time of the TT instant ttJd at the UTC offset given in
// minutes, rounded to the nearest second or minute (the date carried when
// the rounding reaches midnight). Throws OutOfRangeError for an instant
// before 1700 (outside the ΔT model).
CivilDateTime ttToLocal(double ttJd, int utcOffsetMinutes, Rounding rounding);

} // namespace hoshi::koyomi
