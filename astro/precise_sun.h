// Solar noon and the moments of a given altitude of the sun's centre, with the sun's apparent
// place (astro/apparent_sun.h) taken at each moment instead of once for the whole date.
#pragma once

#include <array>
#include <optional>

#include "astro/apparent_sun.h"

namespace plx {

// The sun over one date at one place. Its apparent place is computed at the place's mean noon
// and half a day before and after; any moment between is read off the parabola through the
// three, which the sun's even motion over a day keeps within 1e-5 degrees of declination and a
// millisecond of the equation of time.
struct PreciseSunDay {
    double latitude = 0;   // degrees
    double longitude = 0;  // degrees, east positive
    double meanNoon = 0;   // UT hours of the date
    double noon = 0;       // the upper transit nearest the mean noon, UT hours (not folded)
    std::array<ApparentSun, 3> samples{};  // at meanNoon - 12, meanNoon, meanNoon + 12
    // The sine of the sun's altitude at noon, its two terms (sin latitude * sin declination and
    // cos latitude * cos declination), and at the lower transits half a day before and after:
    // every crossing of the date starts from them.
    double noonSine = 0;
    double noonLevel = 0;
    double noonAcross = 0;
    double lowestSineBefore = 0;
    double lowestSineAfter = 0;
};

// `julianDay` is 0h UT of the date.
PreciseSunDay PreciseSunOfDate(double julianDay, double latitude, double longitude) noexcept;

// The moment between the lower transit before noon and noon (the morning) or between noon and
// the lower transit after it (the evening) at which the sun's centre stands at `altitude`
// degrees, in UT hours. None when the sun stays above or below that altitude over the half day.
std::optional<double> PreciseMorning(const PreciseSunDay& sun, double altitude) noexcept;
std::optional<double> PreciseEvening(const PreciseSunDay& sun, double altitude) noexcept;

}  // namespace plx
