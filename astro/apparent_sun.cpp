#include "astro/apparent_sun.h"

#include <cmath>
#include <numbers>

namespace plx {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
constexpr double kDegrees = 180.0 / std::numbers::pi;
constexpr double kJulianDay2000 = 2451545.0;  // 1 January 2000, 12h
constexpr double kDaysInCentury = 36525.0;

}  // namespace

ApparentSun ApparentSunAt(double julianDay) noexcept {
    const double t = (julianDay - kJulianDay2000) / kDaysInCentury;
    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = (357.52911 + t * (35999.05029 - 0.0001537 * t)) * kRadians;
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = std::sin(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          std::sin(2 * meanAnomaly) * (0.019993 - 0.000101 * t) +
                          std::sin(3 * meanAnomaly) * 0.000289;
    // Nutation and aberration, through the longitude of the Moon's ascending node.
    const double node = (125.04 - 1934.136 * t) * kRadians;
    const double longitude =
        (meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node)) * kRadians;
    const double meanObliquity =
        23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = (meanObliquity + 0.00256 * std::cos(node)) * kRadians;

    ApparentSun sun;
    sun.declination = std::asin(std::sin(obliquity) * std::sin(longitude)) * kDegrees;
    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double l0 = meanLongitude * kRadians;
    const double e = eccentricity;
    sun.equationOfTime =
        4 * kDegrees *
        (y * std::sin(2 * l0) - 2 * e * std::sin(meanAnomaly) +
         4 * e * y * std::sin(meanAnomaly) * std::cos(2 * l0) - 0.5 * y * y * std::sin(4 * l0) -
         1.25 * e * e * std::sin(2 * meanAnomaly));
    return sun;
}

}  // namespace plx
