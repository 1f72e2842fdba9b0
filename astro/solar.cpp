#include "astro/solar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plx {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;  // degrees to radians
constexpr double kDegrees = 180.0 / std::numbers::pi;  // radians to degrees

double SinDeg(double x) {
    return std::sin(x * kRadians);
}
double CosDeg(double x) {
    return std::cos(x * kRadians);
}

double Fold360(double x) {
    return (x < 0 || x > 360) ? x - 360.0 * std::floor(x / 360.0) : x;
}

bool IsGregorian(CalendarDate civil) {
    if (civil.year != 1582)
        return civil.year > 1582;
    return civil.month > 10 || (civil.month == 10 && civil.day >= 15);
}

constexpr double kJulianDay1999Dec31 = 2451543.5;

// Newton would settle within a handful of steps; the bound only guards against a cycle longer
// than two values, which rounding could in principle produce.
constexpr int kMaxKeplerSteps = 64;

constexpr double kRefractionIsrael = 0.5166666666666667;  // 31'
constexpr double kRefractionWorld = 0.5833333333333334;   // 35'
constexpr double kSemidiameter = 0.26666666666666666;     // 16'

// The hour of a clock time must fit in two digits; beyond that the text would not be a time.
constexpr double kLatestClockHour = 100.0;

}  // namespace

double JulianDayOfDate(CalendarDate civil) noexcept {
    double year = civil.year < 1 ? civil.year + 1.0 : civil.year;
    double month = civil.month;
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    double b = 0;
    if (IsGregorian(civil))
        b = 2 - std::floor(year / 100) + std::floor(year / 400);
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + civil.day + b -
           1524.5;
}

double DaysSince2000(CalendarDate civil) noexcept {
    return JulianDayOfDate(civil) - kJulianDay1999Dec31;
}

double EccentricAnomaly(double meanAnomaly, double eccentricity) noexcept {
    const double e = eccentricity;
    const double m = meanAnomaly;
    double before = std::nan("");
    double current = m + e * kDegrees * SinDeg(m) * (1 + e * CosDeg(m));
    for (int step = 0; step < kMaxKeplerSteps; ++step) {
        const double next =
            current - (current - e * kDegrees * SinDeg(current) - m) / (1 - e * CosDeg(current));
        if (next == current || next == before)
            return next;
        before = current;
        current = next;
    }
    return current;
}

SunPosition ComputeSunPosition(CalendarDate civil, double longitude) noexcept {
    const double d = DaysSince2000(civil);
    const double w = 282.9404 + 4.70935E-5 * d;
    const double e = 0.016709 - 1.151E-9 * d;
    const double m = Fold360(356.047 + 0.9856002585 * d);
    const double obliquity = 23.4393 - 3.563E-7 * d;
    const double meanLongitude = Fold360(m + w);

    const double eccentric = EccentricAnomaly(m, e);
    const double x = CosDeg(eccentric) - e;
    const double y = std::sqrt(1 - e * e) * SinDeg(eccentric);
    const double r = std::sqrt(x * x + y * y);
    const double trueLongitude = Fold360(std::atan2(y, x) * kDegrees + w);

    const double xs = r * CosDeg(trueLongitude);
    const double ys = r * SinDeg(trueLongitude);
    const double ye = ys * CosDeg(obliquity);
    const double ze = ys * SinDeg(obliquity);

    SunPosition sun;
    sun.rightAscension = std::atan2(ye, xs) * kDegrees;
    sun.declination = std::atan2(ze, std::sqrt(xs * xs + ye * ye)) * kDegrees;
    const double siderealTime = Fold360(meanLongitude + 180);
    sun.noon = (sun.rightAscension - siderealTime - longitude) / 15.0;
    if (sun.noon < 0) {
        sun.noon += 24;
    } else if (sun.noon >= 24) {
        sun.noon -= 24;
    }
    return sun;
}

std::optional<double> EventHourAngle(double altitude, double latitude,
                                     double declination) noexcept {
    constexpr double kTolerance =
        1.000000000001;  // rounding noise beyond +-1 is clamped, not refused
    const double c = (SinDeg(altitude) - SinDeg(latitude) * SinDeg(declination)) /
                     (CosDeg(latitude) * CosDeg(declination));
    if (!(c >= -kTolerance && c <= kTolerance))
        return std::nullopt;
    return std::acos(std::clamp(c, -1.0, 1.0)) * kDegrees / 15.0;
}

double HorizonDip(double height) noexcept {
    const double sign = height < 0 ? -1.0 : 1.0;
    return sign * 2.12 * std::sqrt(std::fabs(height)) / 60.0;
}

double HorizonAltitude(int refractionIsrael, double dip) noexcept {
    return -((refractionIsrael != 0 ? kRefractionIsrael : kRefractionWorld) + kSemidiameter + dip);
}

std::optional<int> ClockMinutes(double hours, MinuteRounding mode) {
    double x = hours;
    if (mode == MinuteRounding::Later)
        x = std::trunc(hours * 3600) / 3600 + 0.0165;
    if (!(std::fabs(x) < kLatestClockHour))
        return std::nullopt;
    const int h = static_cast<int>(std::trunc(x));
    const double m = (x - h) * 60;
    return h * 60 + static_cast<int>(m > 0 ? std::trunc(m + 0.5) : std::trunc(m - 0.5));
}

std::u16string FormatClockTime(double hours, MinuteRounding mode) {
    const std::optional<int> minutes = ClockMinutes(hours, mode);
    if (!minutes)
        return {};
    const int shown = *minutes < 0 ? *minutes + 24 * 60 : *minutes;
    const int h = shown / 60;
    const int m = shown % 60;
    if (shown < 0 || h >= kLatestClockHour)
        return {};
    return {static_cast<char16_t>(u'0' + h / 10), static_cast<char16_t>(u'0' + h % 10), u':',
            static_cast<char16_t>(u'0' + m / 10), static_cast<char16_t>(u'0' + m % 10)};
}

std::optional<SolarDay> ComputeSolarDay(CalendarDate civil, int refractionIsrael, double latitude,
                                        double longitude, double height,
                                        SolarCalculation calculation) noexcept {
    if (!(std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180 && std::isfinite(height))) {
        return std::nullopt;
    }
    SolarDay day;
    day.calculation = calculation;
    day.latitude = latitude;
    day.dip = HorizonDip(height);
    day.horizon = HorizonAltitude(refractionIsrael, day.dip);
    if (calculation == SolarCalculation::Precise) {
        day.precise = PreciseSunOfDate(JulianDayOfDate(civil), latitude, longitude);
        day.noon = day.precise.noon;
        day.declination = day.precise.samples[1].declination;
    } else {
        const SunPosition sun = ComputeSunPosition(civil, longitude);
        day.noon = sun.noon;
        day.declination = sun.declination;
    }
    const std::optional<double> morning = MorningHours(day, day.horizon);
    const std::optional<double> evening = EveningHours(day, day.horizon);
    if (!morning || !evening)
        return std::nullopt;
    day.sunrise = day.noon - *morning;
    day.sunset = day.noon + *evening;
    return day;
}

std::optional<double> MorningHours(const SolarDay& day, double altitude) noexcept {
    if (day.calculation == SolarCalculation::Classic)
        return EventHourAngle(altitude, day.latitude, day.declination);
    const std::optional<double> moment = PreciseMorning(day.precise, altitude);
    return moment ? std::optional(day.noon - *moment) : std::nullopt;
}

std::optional<double> EveningHours(const SolarDay& day, double altitude) noexcept {
    if (day.calculation == SolarCalculation::Classic)
        return EventHourAngle(altitude, day.latitude, day.declination);
    const std::optional<double> moment = PreciseEvening(day.precise, altitude);
    return moment ? std::optional(*moment - day.noon) : std::nullopt;
}

std::optional<double> MorningDepressionHours(const SolarDay& day, double depression) noexcept {
    return MorningHours(day, -(depression + day.dip));
}

std::optional<double> EveningDepressionHours(const SolarDay& day, double depression) noexcept {
    return EveningHours(day, -(depression + day.dip));
}

}  // namespace plx
