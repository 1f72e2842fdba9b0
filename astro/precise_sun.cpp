#include "astro/precise_sun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plx {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

// A moment is settled when a step moves it by less than this many hours (a few milliseconds).
constexpr double kSettled = 1e-6;
// Newton settles in two or three steps; bisection inside the bracket needs at most ~45 to reach
// kSettled over half a day, so this bound is only a guard.
constexpr int kMaxSteps = 80;

// The parabola through the values at -1, 0 and +1, at x.
double Interpolate(double before, double middle, double after, double x) {
    return middle + x * (after - before) / 2 + x * x * (before - 2 * middle + after) / 2;
}

ApparentSun SunAt(const PreciseSunDay& sun, double hours) {
    const double x = (hours - sun.meanNoon) / 12;
    const auto& [before, middle, after] = sun.samples;
    return {Interpolate(before.declination, middle.declination, after.declination, x),
            Interpolate(before.equationOfTime, middle.equationOfTime, after.equationOfTime, x)};
}

// The sun seen from the place at `hours` UT of the date. The sine of its altitude is
// `level + across * cos(hour angle)`; `slope` is how fast it changes per hour through the Earth's
// turning (the slow drift of the declination is left to the iteration).
struct Sight {
    double level = 0;
    double across = 0;
    double sineAltitude = 0;
    double slope = 0;
};

Sight SightAt(const PreciseSunDay& sun, double hours) {
    const ApparentSun place = SunAt(sun, hours);
    // Hour angle: apparent solar time at the place, counted from its noon.
    const double hourAngle =
        (15 * (hours - 12) + sun.longitude + place.equationOfTime / 4) * kRadians;
    const double latitude = sun.latitude * kRadians;
    const double declination = place.declination * kRadians;
    Sight sight;
    sight.level = std::sin(latitude) * std::sin(declination);
    sight.across = std::cos(latitude) * std::cos(declination);
    sight.sineAltitude = sight.level + sight.across * std::cos(hourAngle);
    sight.slope = -sight.across * std::sin(hourAngle) * 15 * kRadians;
    return sight;
}

// The moment in the half day from noon to the lower transit before it (rising) or after it
// (setting) at which the sun's centre crosses `altitude`. The first guess takes the sun as it
// stands at noon, as the classic calculation does for the whole day; Newton steps then take the
// sun at each moment. The steps stay inside a bracket that bisection shrinks, so a sun grazing
// the altitude can neither make them swing nor carry them out of the half day.
std::optional<double> Crossing(const PreciseSunDay& sun, double altitude, bool rising) {
    const double target = std::sin(altitude * kRadians);
    const double toward = rising ? -1.0 : 1.0;  // from noon toward the crossing
    const double far = sun.noon + 12 * toward;
    const double lowest = rising ? sun.lowestSineBefore : sun.lowestSineAfter;
    // Above the altitude at noon, below it at the lower transit: a crossing lies between.
    if (!(sun.noonSine >= target && lowest <= target))
        return std::nullopt;

    const double cosine = std::clamp((target - sun.noonLevel) / sun.noonAcross, -1.0, 1.0);
    double t = sun.noon + toward * std::acos(cosine) / kRadians / 15;
    double above = sun.noon;
    double below = far;
    for (int step = 0; step < kMaxSteps; ++step) {
        const Sight here = SightAt(sun, t);
        const double value = here.sineAltitude - target;
        if (value == 0)
            return t;
        (value > 0 ? above : below) = t;
        double next = here.slope != 0 ? t - value / here.slope : (above + below) / 2;
        if (!(next > std::min(above, below) && next < std::max(above, below)))
            next = (above + below) / 2;
        if (std::fabs(next - t) < kSettled || std::fabs(above - below) < kSettled)
            return next;
        t = next;
    }
    return t;
}

}  // namespace

PreciseSunDay PreciseSunOfDate(double julianDay, double latitude, double longitude) noexcept {
    PreciseSunDay sun;
    sun.latitude = latitude;
    sun.longitude = longitude;
    sun.meanNoon = 12 - longitude / 15;
    for (int i = 0; i < 3; ++i)
        sun.samples[static_cast<std::size_t>(i)] =
            ApparentSunAt(julianDay + (sun.meanNoon + 12 * (i - 1)) / 24);
    // The transit is where the hour angle is zero: the mean noon less the equation of time, which
    // changes by under a minute a day, so two passes settle it.
    sun.noon = sun.meanNoon;
    for (int pass = 0; pass < 2; ++pass)
        sun.noon = sun.meanNoon - SunAt(sun, sun.noon).equationOfTime / 60;
    const Sight atNoon = SightAt(sun, sun.noon);
    sun.noonSine = atNoon.sineAltitude;
    sun.noonLevel = atNoon.level;
    sun.noonAcross = atNoon.across;
    sun.lowestSineBefore = SightAt(sun, sun.noon - 12).sineAltitude;
    sun.lowestSineAfter = SightAt(sun, sun.noon + 12).sineAltitude;
    return sun;
}

std::optional<double> PreciseMorning(const PreciseSunDay& sun, double altitude) noexcept {
    return Crossing(sun, altitude, true);
}

std::optional<double> PreciseEvening(const PreciseSunDay& sun, double altitude) noexcept {
    return Crossing(sun, altitude, false);
}

}  // namespace plx
