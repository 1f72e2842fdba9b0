// The fixed Hebrew calendar, the civil (Julian/Gregorian) calendar, and the date value both share.
//
// Every date is tied to a DayNumber: day 1 is 1 Tishrei of year 1 (7 October -3761, a Monday).
// All functions are pure; the stepping and normalising operations clamp into the supported range
// 1 Tishrei 1 .. 29 Elul 110999 (7 October -3761 .. 19 December 107240).
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
int HebrewYearKind(std::int32_t year) noexcept;    // 1 deficient, 2 regular, 3 complete
int HebrewMonthLength(std::int32_t year, int month) noexcept;
// Days of the year before `month` (1-based); month 13 (14 in a leap year) gives the year length.
int HebrewDaysBeforeMonth(std::int32_t year, int month) noexcept;
DayNumber HebrewToDayNumber(std::int32_t year, int month, int day) noexcept;
CalendarDate LocateInHebrewYear(DayNumber n, std::int32_t guessYear) noexcept;
constexpr int DayNumberWeekday(DayNumber n) noexcept {
    return n % 7 + 1;
}

// ---- Civil calendar --------------------------------------------------------------------------

int IsCivilLeapYear(std::int32_t year) noexcept;
int CivilMonthLength(std::int32_t year, int month) noexcept;
// Days of the year before month index + 1 (index 0..12; index 12 is the year length).
int CivilDaysBeforeMonth(std::int32_t year, int index) noexcept;
DayNumber CivilToDayNumber(CalendarDate civil) noexcept;
CalendarDate NormalizeCivilDate(CalendarDate civil) noexcept;

// ---- Conversions -----------------------------------------------------------------------------

CalendarDate CivilToHebrew(CalendarDate civil) noexcept;
CalendarDate HebrewToCivil(CalendarDate hebrew) noexcept;
CalendarDate DayNumberToCivil(DayNumber n) noexcept;
CalendarDate DayNumberToHebrew(DayNumber n) noexcept;
inline DayNumber HebrewToDayNumber(CalendarDate hebrew) noexcept {
    return HebrewToDayNumber(hebrew.year, hebrew.month, hebrew.day);
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
