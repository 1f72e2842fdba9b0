// The month view's highlight of a day.
#include "engine/event_days.h"
#include "engine/events.h"

namespace plx {
namespace {

bool Between(int day, int first, int last) {
    return day >= first && day <= last;
}

bool IsMarkedInMonth(const YearShape& y, HebrewMonth month, int day) {
    switch (month) {
        case HebrewMonth::kTishrei:
            return day <= 2 || day == TzomGedaliahDay(y) || day == 10 || Between(day, 15, 22);
        case HebrewMonth::kHeshvan:
            return day == 7;
        case HebrewMonth::kKislev:
            return day >= 24;
        case HebrewMonth::kTevet:
            return day <= 2 || (day == 3 && y.kind == YearKind::kDeficient) || day == 10;
        case HebrewMonth::kShevat:
            return day == 15;
        case HebrewMonth::kAdarI:
            return day == 14;
        case HebrewMonth::kAdar:
            return day == 7 || day == TaanitEstherDay(y) || day == 14 || day == 15 ||
                   (day == 16 && y.pesach == 1);
        case HebrewMonth::kNisan:
            return day == BedikatHametzDay(y) || Between(day, 14, 22) ||
                   day == HolocaustRemembranceDay(y);
        case HebrewMonth::kIyar:
            return day == 14 || day == 18 || (day == 28 && y.year >= kJerusalemLiberationYear) ||
                   day == RemembranceDay(y) || day == IndependenceDay(y) ||
                   (day == 5 && y.year == kStateDeclarationYear);
        case HebrewMonth::kSivan:
            return Between(day, 5, 7);
        case HebrewMonth::kTammuz:
            return day == SeventeenthOfTammuzDay(y);
        case HebrewMonth::kAv:
            return (day == NinthOfAvDay(y) && y.year >= kFirstTempleYear) || day == 15;
        case HebrewMonth::kElul:
            return day == 2 || day == 29 || day == AshkenazSelichotDay(y);
    }
    return false;
}

}  // namespace

bool DayHasEvent(CalendarDate hebrew) noexcept {
    return DayHasEvent(hebrew, ShapeOfHebrewYear(hebrew.year));
}

bool DayHasEvent(CalendarDate hebrew, const YearShape& year) noexcept {
    if (hebrew.day == 30 || (hebrew.day == 1 && hebrew.month != 1))
        return true;
    return IsMarkedInMonth(year, MonthOfYear(hebrew.month, year.leap), hebrew.day);
}

}  // namespace plx
