// An independent sun for the tests: the NOAA solar calculator's formulas (NOAA Global Monitoring
// Laboratory, "NOAA Solar Calculator" spreadsheet, after Meeus, "Astronomical Algorithms"), written
// out here so that the expected times owe nothing to the program's own solar theory or constants.
#pragma once

#include <cmath>
#include <numbers>
#include <optional>

namespace plx::noaa {

inline double Rad(double degrees) {
    return degrees * std::numbers::pi / 180;
}
inline double Deg(double radians) {
    return radians * 180 / std::numbers::pi;
}

// The sun of a Gregorian date, seen at local noon from a place; times are minutes of local clock
// time (zone hours east of Greenwich).
class Sun {
public:
    Sun(int year, int month, int day, double latitude, double longitude, double zone)
        : latitude_(latitude) {
        // Julian day of the date at noon of the zone's clock (Meeus, chapter 7).
        const int y = month <= 2 ? year - 1 : year;
        const int m = month <= 2 ? month + 12 : month;
        const int a = y / 100;
        const double jd = std::floor(365.25 * (y + 4716)) + std::floor(30.6001 * (m + 1)) + day +
                          2 - a + a / 4 - 1524.5 + (12 - zone) / 24;
        const double t = (jd - 2451545) / 36525;  // Julian centuries from J2000.0
        const double l0 = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360);
        const double anomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
        const double e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
        const double centre = std::sin(Rad(anomaly)) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                              std::sin(Rad(2 * anomaly)) * (0.019993 - 0.000101 * t) +
                              std::sin(Rad(3 * anomaly)) * 0.000289;
        const double omega = 125.04 - 1934.136 * t;
        const double apparent = l0 + centre - 0.00569 - 0.00478 * std::sin(Rad(omega));
        const double meanObliquity =
            23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
        const double obliquity = meanObliquity + 0.00256 * std::cos(Rad(omega));
        declination_ = Deg(std::asin(std::sin(Rad(obliquity)) * std::sin(Rad(apparent))));
        const double v = std::pow(std::tan(Rad(obliquity / 2)), 2);
        const double equationOfTime =
            4 *
            Deg(v * std::sin(2 * Rad(l0)) - 2 * e * std::sin(Rad(anomaly)) +
                4 * e * v * std::sin(Rad(anomaly)) * std::cos(2 * Rad(l0)) -
                0.5 * v * v * std::sin(4 * Rad(l0)) - 1.25 * e * e * std::sin(2 * Rad(anomaly)));
        noon_ = 720 - 4 * longitude - equationOfTime + zone * 60;
    }

    double Noon() const { return noon_; }
    double Declination() const { return declination_; }

    // Minutes from noon to the moment the sun's centre stands at `altitude` degrees.
    std::optional<double> MinutesFromNoon(double altitude) const {
        const double c =
            (std::sin(Rad(altitude)) - std::sin(Rad(latitude_)) * std::sin(Rad(declination_))) /
            (std::cos(Rad(latitude_)) * std::cos(Rad(declination_)));
        if (c < -1 || c > 1)
            return std::nullopt;
        return 4 * Deg(std::acos(c));
    }
    double Before(double altitude) const { return noon_ - *MinutesFromNoon(altitude); }
    double After(double altitude) const { return noon_ + *MinutesFromNoon(altitude); }

private:
    double latitude_;
    double declination_ = 0;
    double noon_ = 0;
};

}  // namespace plx::noaa
