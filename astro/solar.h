// The sun of one civil date: position at 0h UT, solar noon, the hour angles at which it crosses
// the horizon or stands at a given depression, and the clock text of a time.
//
// Low-precision solar theory with mean elements counted from 31 December 1999 0h UT. Angles are
// degrees, times are hours of UT of the civil date (they may fall below 0 or beyond 24).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "astro/precise_sun.h"
#include "engine/calendar.h"

namespace plx {

// How a clock time is cut to a minute: to the nearest minute, or (for times one must not be
// early for, such as sunrise) first to whole seconds and then 59.4 seconds later.
enum class MinuteRounding { Nearest, Later };

struct SunPosition {
    double rightAscension = 0;  // degrees, -180..180
    double declination = 0;     // degrees
    double noon = 0;            // solar noon at the longitude, UT hours, folded once toward 0..24
};

// Julian day at 0h of a civil date (Julian calendar before 15 October 1582; year -1 is 1 BCE).
double JulianDayOfDate(CalendarDate civil) noexcept;
// Whole days since 31 December 1999 0h UT.
double DaysSince2000(CalendarDate civil) noexcept;

// Kepler's equation in degrees by Newton's method, stopping when a step repeats the value or the
// value before it (rounding can leave the last digit swinging between two values).
double EccentricAnomaly(double meanAnomaly, double eccentricity) noexcept;

SunPosition ComputeSunPosition(CalendarDate civil, double longitude) noexcept;

// Hours from noon to the moment the sun's centre stands at `altitude` degrees; none when the sun
// never reaches that altitude on the date (or the inputs are not numbers).
std::optional<double> EventHourAngle(double altitude, double latitude, double declination) noexcept;

// Dip of the horizon seen from `height` metres, degrees; a place below sea level raises it.
double HorizonDip(double height) noexcept;
// Altitude of the sun's centre when its upper limb touches the horizon: refraction (Israel or
// world average), semidiameter and dip.
double HorizonAltitude(int refractionIsrael, double dip) noexcept;

// A clock time in hours rounded to whole minutes as the times are shown, counted from the date's
// midnight: negative before it, 1440 and beyond after the next one. Nothing when the time is not
// a number or lies 100 hours or more from midnight.
std::optional<int> ClockMinutes(double hours, MinuteRounding mode);

// "HH:MM" of a clock time in hours. Negative times wrap once to the previous day (-0.5 is 23:30);
// times of 24 and beyond keep their hour (24:00). Empty when the time is not a number or its hour
// does not fit in two digits.
std::u16string FormatClockTime(double hours, MinuteRounding mode);

// Where the sun of a date is taken from. Classic: the low-precision theory above, evaluated once
// at 0h UT, its place serving every time of the day. Precise: the sun's apparent place
// (astro/apparent_sun.h) at the moment of each time. Stored as 0 and 1.
enum class SolarCalculation : std::uint8_t { Classic = 0, Precise = 1 };

// Everything the halachic times of one date at one place are built from.
struct SolarDay {
    double noon = 0;         // T, UT hours
    double sunrise = 0;      // UT hours
    double sunset = 0;       // UT hours
    double declination = 0;  // at noon
    double latitude = 0;
    double dip = 0;      // of the place's height, degrees
    double horizon = 0;  // sunrise/sunset altitude, degrees
    SolarCalculation calculation = SolarCalculation::Classic;
    PreciseSunDay precise;  // the precise calculation's sun of the date
};

// None when the sun does not rise or set on the date, or the place is not on the globe
// (latitude beyond +-90, longitude beyond +-180, height not a number).
std::optional<SolarDay> ComputeSolarDay(
    CalendarDate civil, int refractionIsrael, double latitude, double longitude, double height,
    SolarCalculation calculation = SolarCalculation::Classic) noexcept;

// Hours from noon back to the morning moment, and forward to the evening moment, at which the
// sun's centre stands at `altitude` degrees; none when it does not reach that altitude. The
// classic calculation has one hour angle for both.
std::optional<double> MorningHours(const SolarDay& day, double altitude) noexcept;
std::optional<double> EveningHours(const SolarDay& day, double altitude) noexcept;

// The same for the sun `depression` degrees below the horizon, the dip of the place's height
// included.
std::optional<double> MorningDepressionHours(const SolarDay& day, double depression) noexcept;
std::optional<double> EveningDepressionHours(const SolarDay& day, double depression) noexcept;

}  // namespace plx
