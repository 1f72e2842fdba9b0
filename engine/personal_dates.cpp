#include "engine/personal_dates.h"

#include "engine/calendar.h"

namespace plx {
namespace {

// Months by name, in the order of a leap year: Adar is Adar I of a leap year and the Adar of a
// common year alike.
enum class Month : int {
    Tishrei = 1,
    Heshvan,
    Kislev,
    Tevet,
    Shevat,
    Adar,
    AdarII,
    Nisan,
    Iyar,
    Sivan,
    Tammuz,
    Av,
    Elul
};

bool IsLeap(std::int32_t year) {
    return IsHebrewLeapYear(year) != 0;
}

// The name of month `month` (Tishrei = 1) of `year`.
Month NameOf(std::int32_t year, int month) {
    return static_cast<Month>(!IsLeap(year) && month >= static_cast<int>(Month::AdarII) ? month + 1
                                                                                        : month);
}

// The number of the month called `name` in `year`; Adar II in a common year is its Adar.
int NumberIn(std::int32_t year, Month name) {
    const int n = static_cast<int>(name);
    if (IsLeap(year) || n < static_cast<int>(Month::AdarII))
        return n;
    return n - 1;
}

// The Adar that ends the winter: Adar II of a leap year, Adar of a common one.
bool IsLastAdar(std::int32_t year, Month name) {
    return name == (IsLeap(year) ? Month::AdarII : Month::Adar);
}

// Day `day` of the month called `name` in `year`, a day the month lacks rolling into the next.
DayNumber DayOfNamedMonth(std::int32_t year, Month name, int day) {
    return HebrewToDayNumber(year, NumberIn(year, name), 1) + day - 1;
}

DayNumber LastDayOf(std::int32_t year, Month name) {
    const int month = NumberIn(year, name);
    return HebrewToDayNumber(year, month, HebrewMonthLength(year, month));
}

bool InRange(std::int32_t year) {
    return year >= kFirstHebrewYear && year <= kLastHebrewYear;
}

bool IsValid(CalendarDate hebrew) {
    return InRange(hebrew.year) && hebrew.month >= 1 &&
           hebrew.month <= (IsLeap(hebrew.year) ? 13 : 12) && hebrew.day >= 1 &&
           hebrew.day <= HebrewMonthLength(hebrew.year, hebrew.month);
}

Observances One(DayNumber day) {
    return {{day, 0}, 1};
}

}  // namespace

CalendarDate PersonalHebrewDate(CalendarDate civil, bool afterSunset) noexcept {
    const CalendarDate day = afterSunset ? NextCivilDay(civil) : civil;
    return CivilToHebrew(day);
}

Observances BirthdayObservances(CalendarDate event, std::int32_t year) noexcept {
    if (!IsValid(event) || !InRange(year) || year < event.year)
        return {};
    if (year == event.year)
        return One(HebrewToDayNumber(event));
    const Month name = NameOf(event.year, event.month);
    if (IsLastAdar(event.year, name))
        return One(HebrewToDayNumber(year, NumberIn(year, Month::AdarII), event.day));
    return One(DayOfNamedMonth(year, name, event.day));
}

Observances YahrzeitObservances(CalendarDate death, std::int32_t year, AdarChoice adar) noexcept {
    if (!IsValid(death) || !InRange(year) || year <= death.year)
        return {};
    const Month name = NameOf(death.year, death.month);
    const int day = death.day;
    // A 30th of Heshvan or Kislev that the year after the death did not have is kept on the
    // month's last day, whatever its length in the target year.
    if (day == 30 && (name == Month::Heshvan || name == Month::Kislev) &&
        HebrewMonthLength(death.year + 1, static_cast<int>(name)) < 30)
        return One(LastDayOf(year, name));
    if (name == Month::AdarII)
        return One(HebrewToDayNumber(year, NumberIn(year, Month::AdarII), day));
    if (name == Month::Adar && !IsLeap(year)) {
        // 30 Adar I has no day in a common year's Adar: it is kept on 30 Shevat.
        if (day == 30)
            return One(HebrewToDayNumber(year, static_cast<int>(Month::Shevat), 30));
        return One(DayOfNamedMonth(year, name, day));
    }
    if (name == Month::Adar && !IsLeap(death.year)) {
        // Adar of a common year in a leap year: customs differ.
        const DayNumber first = HebrewToDayNumber(year, static_cast<int>(Month::Adar), day);
        const DayNumber second = HebrewToDayNumber(year, static_cast<int>(Month::AdarII), day);
        switch (adar) {
            case AdarChoice::AdarII:
                return One(second);
            case AdarChoice::Both:
                return {{first, second}, 2};
            case AdarChoice::AdarI:
                break;
        }
        return One(first);
    }
    return One(DayOfNamedMonth(year, name, day));
}

Observances PersonalObservances(PersonalKind kind, CalendarDate hebrew, std::int32_t year,
                                AdarChoice adar) noexcept {
    return kind == PersonalKind::Yahrzeit ? YahrzeitObservances(hebrew, year, adar)
                                          : BirthdayObservances(hebrew, year);
}

}  // namespace plx
