// The fixed Hebrew calendar and the civil (Julian/Gregorian) calendar.
//
// All functions are pure; the stepping and normalising operations clamp into the supported range
// 1 Tishrei 1 .. 29 Elul 110999 (7 October -3761 .. 19 December 107240).
#pragma once

#include <algorithm>
#include <cstdint>

#include "engine/calendar_arithmetic.h"
#include "engine/calendar_date.h"

namespace plx {

// The molad of a month: weekday 1..7 (Sunday = 1), hour since 6 p.m. of the eve, minute, parts.
struct Molad {
    int weekday = 0;
    int hour = 0;
    int minute = 0;
    int parts = 0;
};

// ---- Hebrew calendar arithmetic ------------------------------------------------------------

int IsHebrewLeapYear(std::int32_t year) noexcept;
std::int32_t HebrewMonthsBeforeYear(std::int32_t year) noexcept;
int MoladTishreiWeekday(std::int32_t year) noexcept;
Molad MoladOfMonth(std::int32_t year, int month) noexcept;
int RoshHashanaWeekday(std::int32_t year) noexcept;  // 2, 3, 5 or 7
// The postponement rules applied to a Tishrei molad (weekday, parts since 6 p.m. of its eve).
int RoshHashanaWeekdayForMolad(int moladWeekday, int partsSinceEve, bool leapYear,
                               bool previousYearLeap) noexcept;
int HebrewYearLength(std::int32_t year) noexcept;  // 353..355, 383..385
// A year's Heshvan and Kislev: both 29 days, 29 and 30, or both 30; the value is the year's
// length beyond 352 days in a common year.
enum class YearKind : int { kDeficient = 1, kRegular = 2, kComplete = 3 };
YearKind HebrewYearKind(std::int32_t year) noexcept;
int HebrewMonthLength(std::int32_t year, int month) noexcept;
// Days of the year before `month` (1-based); month 13 (14 in a leap year) gives the year length.
int HebrewDaysBeforeMonth(std::int32_t year, int month) noexcept;
CalendarDate LocateInHebrewYear(DayNumber n, std::int32_t guessYear) noexcept;
constexpr int DayNumberWeekday(DayNumber n) noexcept {
    return n % 7 + 1;
}

// ---- Civil calendar --------------------------------------------------------------------------

int IsCivilLeapYear(std::int32_t year) noexcept;
int CivilMonthLength(std::int32_t year, int month) noexcept;
// Days of the year before month index + 1 (index 0..12; index 12 is the year length).
int CivilDaysBeforeMonth(std::int32_t year, int index) noexcept;

// ---- Conversions -----------------------------------------------------------------------------

// The usual cases inline, for the loops that convert day after day; the rare ones out of line.
namespace detail {

CalendarDate NormalizeCivilDateInFull(CalendarDate civil) noexcept;
DayNumber HebrewToDayNumberInFull(std::int32_t year, int month, int day) noexcept;
// Day n up to the end of Kislev of the estimated year, or in the year before: the year's kind
// counts, so its first day is needed as well as the next year's.
CalendarDate DateBeforeTevet(DayNumber n, std::int32_t estimate, CycleYear y,
                             DayNumber next) noexcept;

}  // namespace detail

inline CalendarDate NormalizeCivilDate(CalendarDate civil) noexcept {
    return detail::IsPlainCivilDate(civil) ? civil : detail::NormalizeCivilDateInFull(civil);
}

// The usual closed form, counted from 1 March of year -4800 (astronomically) so that the leap day
// ends the year; Gregorian from 15 October 1582. A month out of range counts as January, and a
// day past its month's end runs on into the next months.
inline DayNumber CivilToDayNumber(CalendarDate civil) noexcept {
    const std::int32_t y = civil.year;
    const int m = civil.month >= 1 && civil.month <= 13 ? civil.month : 1;
    const std::uint32_t beforeMarch = m <= 2 ? 1u : 0u;
    const std::int32_t astronomical = y < 1 ? y + 1 : y;  // no year 0
    const std::uint32_t years = static_cast<std::uint32_t>(astronomical + 4800) - beforeMarch;
    std::uint32_t days =
        civil.day + detail::kDaysFromMarch[static_cast<std::size_t>(m)] + 365u * years + years / 4u;
    const bool gregorian = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && civil.day > 14)));
    if (!gregorian)
        return static_cast<DayNumber>(days) - 32083 - detail::kJulianDayOfDayZero;
    const std::uint32_t centuries = years / 100u;
    days = days - centuries + centuries / 4u;
    return static_cast<DayNumber>(days) - 32045 - detail::kJulianDayOfDayZero;
}

inline DayNumber HebrewToDayNumber(std::int32_t year, int month, int day) noexcept {
    const bool usual = year >= kFirstHebrewYear && year <= kLastHebrewYear && month >= 1 &&
                       month <= 13 && month != detail::kKislev;
    if (!usual)
        return detail::HebrewToDayNumberInFull(year, month, day);
    const detail::CycleYear counted = detail::CountedYearOfMonth(year, month);
    // The leap of the year before the counted one: the month's own year from Tevet on.
    const int leap = detail::FollowsLeapIndex(counted.index) ? 1 : 0;
    return detail::FirstDayOf(counted) - 1 + detail::kMonthStartFromCountedYear[leap][month - 1] +
           day;
}

inline DayNumber HebrewToDayNumber(CalendarDate hebrew) noexcept {
    return HebrewToDayNumber(hebrew.year, hebrew.month, hebrew.day);
}

namespace detail {

inline CalendarDate HebrewDateOfDayInRange(DayNumber n) noexcept {
    const auto [estimate, cycle] = HebrewYearOfMolad(n);
    const int leap = IsLeapIndex(cycle.index) ? 1 : 0;
    const DayNumber next = FirstDayOf(NextCycleYear(cycle));
    // From Tevet on, the day has the same month and day as in a regular year ending there.
    const int daysToYearEnd = next - n;
    if (daysToYearEnd <= kDaysFromMonthToYearEnd[leap][kTevet - 1]) {
        return DateAtOffset(RegularYearLength(leap) - daysToYearEnd, RegularYearRow(leap),
                            estimate);
    }
    return DateBeforeTevet(n, estimate, cycle, next);
}

}  // namespace detail

inline CalendarDate DayNumberToHebrew(DayNumber n) noexcept {
    return detail::HebrewDateOfDayInRange(std::clamp(n, kFirstDayNumber, kLastDayNumber));
}

inline CalendarDate DayNumberToCivil(DayNumber n) noexcept {
    return detail::CivilDateOfDay(std::clamp(n, kFirstDayNumber, kLastDayNumber));
}

inline CalendarDate CivilToHebrew(CalendarDate civil) noexcept {
    // A normalised date lies in the range: its day number needs no clamping.
    return detail::HebrewDateOfDayInRange(CivilToDayNumber(NormalizeCivilDate(civil)));
}

inline CalendarDate HebrewToCivil(CalendarDate hebrew) noexcept {
    return detail::CivilDateOfDay(HebrewToDayNumber(hebrew));
}

// ---- Stepping (clamped to the supported range) -------------------------------------------------

CalendarDate NextCivilMonth(CalendarDate civil) noexcept;
CalendarDate PrevCivilMonth(CalendarDate civil) noexcept;
CalendarDate AddCivilYears(int n, CalendarDate civil) noexcept;

CalendarDate NextHebrewMonth(CalendarDate hebrew) noexcept;
CalendarDate PrevHebrewMonth(CalendarDate hebrew) noexcept;
CalendarDate AddHebrewYears(int n, CalendarDate hebrew) noexcept;

// A step by a day. Every civil month has 28 days at least and every Hebrew month 29, so most days
// step within their month, here, inline; the months' ends, the calendar reform of 1582 and the
// ends of the range take the full rules.
namespace detail {

CalendarDate NextCivilDayInFull(CalendarDate civil) noexcept;
CalendarDate PrevCivilDayInFull(CalendarDate civil) noexcept;
CalendarDate NextHebrewDayInFull(CalendarDate hebrew) noexcept;
CalendarDate PrevHebrewDayInFull(CalendarDate hebrew) noexcept;

constexpr bool IsPlainCivilYear(std::int32_t year) noexcept {
    return year != 1582 && year != kFirstCivilYear && year != kLastCivilYear;
}

}  // namespace detail

inline CalendarDate NextCivilDay(CalendarDate civil) noexcept {
    if (civil.day >= 1 && civil.day < 28 && detail::IsPlainCivilYear(civil.year)) {
        ++civil.day;
        return civil;
    }
    return detail::NextCivilDayInFull(civil);
}

inline CalendarDate PrevCivilDay(CalendarDate civil) noexcept {
    if (civil.day > 1 && detail::IsPlainCivilYear(civil.year)) {
        --civil.day;
        return civil;
    }
    return detail::PrevCivilDayInFull(civil);
}

inline CalendarDate NextHebrewDay(CalendarDate hebrew) noexcept {
    if (hebrew.day >= 1 && hebrew.day < 29) {
        ++hebrew.day;
        return hebrew;
    }
    return detail::NextHebrewDayInFull(hebrew);
}

inline CalendarDate PrevHebrewDay(CalendarDate hebrew) noexcept {
    if (hebrew.day > 1) {
        --hebrew.day;
        return hebrew;
    }
    return detail::PrevHebrewDayInFull(hebrew);
}

}  // namespace plx
