// The date value both calendars share, and the supported range.
//
// Every date is tied to a DayNumber: day 1 is 1 Tishrei of year 1 (7 October -3761, a Monday).
#pragma once

#include <cstdint>

namespace plx {

using DayNumber = std::int32_t;

inline constexpr std::int32_t kFirstHebrewYear = 1;
inline constexpr std::int32_t kLastHebrewYear = 110999;
inline constexpr std::int32_t kFirstCivilYear = -3761;
inline constexpr std::int32_t kLastCivilYear = 107240;
inline constexpr DayNumber kFirstDayNumber = 1;
inline constexpr DayNumber kLastDayNumber = 40542022;

// A day, month and year in either calendar; the holder knows which one. Hebrew months count from
// Tishrei = 1 (in a leap year 6 is Adar I and 7 Adar II); civil years have no year 0.
struct CalendarDate {
    std::uint8_t day = 1;
    std::uint8_t month = 1;
    std::int32_t year = 1;

    friend constexpr bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

}  // namespace plx
