// The sun's apparent place at a given instant: the solar equations NOAA publishes for its solar
// calculator (Meeus, "Astronomical Algorithms", chapters 25 and 28 in their low-accuracy form).
// Good to a few seconds of time around the present; over thousands of years the polynomials drift,
// but every value stays a finite number.
#pragma once

namespace plx {

struct ApparentSun {
    double declination = 0;     // degrees
    double equationOfTime = 0;  // minutes: apparent solar time minus mean solar time
};

// The sun at a Julian day (UT; the difference from dynamical time is below the formulas'
// accuracy around the present).
ApparentSun ApparentSunAt(double julianDay) noexcept;

}  // namespace plx
