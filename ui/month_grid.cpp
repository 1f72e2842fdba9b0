#include "ui/month_grid.h"

namespace plx {
namespace {

constexpr CalendarDate kLastJulianDay{4, 10, 1582};

struct MonthStart {
    GridDay first;
    int length;
};

MonthStart HebrewMonthStart(CalendarDate selected) {
    const CalendarDate h = CivilToHebrew(selected);
    const CalendarDate first{1, h.month, h.year};
    return {{HebrewToCivil(first), first, 1}, HebrewMonthLength(h.year, h.month)};
}

MonthStart CivilMonthStart(CalendarDate selected) {
    CalendarDate first{1, selected.month, selected.year};
    // The supported range opens on 7 October of its first year.
    const CalendarDate rangeStart = DayNumberToCivil(kFirstDayNumber);
    if (first.year == rangeStart.year && first.month == rangeStart.month)
        first.day = rangeStart.day;
    return {{first, CivilToHebrew(first), first.day},
            CivilMonthLength(selected.year, selected.month)};
}

void Advance(GridDay& day, int length, bool civilMode) {
    ++day.dayOfMonth;
    if (civilMode) {
        if (day.civil == kLastJulianDay)
            day.dayOfMonth = 15;  // the Gregorian reform
        day.civil.day = static_cast<std::uint8_t>(day.dayOfMonth);
        if (day.dayOfMonth <= length)
            day.hebrew = NextHebrewDay(day.hebrew);
    } else {
        day.hebrew.day = static_cast<std::uint8_t>(day.dayOfMonth);
        if (day.dayOfMonth <= length)
            day.civil = NextCivilDay(day.civil);
    }
}

}  // namespace

std::array<std::optional<GridDay>, kWeekCells> MonthGridDays(CalendarDate selected,
                                                             bool civilMode) {
    const MonthStart start = civilMode ? CivilMonthStart(selected) : HebrewMonthStart(selected);
    std::array<std::optional<GridDay>, kWeekCells> cells;
    GridDay day = start.first;
    const int firstColumn =
        civilMode ? CivilToDayNumber(day.civil) % 7 : HebrewToDayNumber(day.hebrew) % 7;
    for (int cell = firstColumn; cell < kWeekCells && day.dayOfMonth <= start.length; ++cell) {
        cells[cell] = day;
        Advance(day, start.length, civilMode);
    }
    return cells;
}

}  // namespace plx
