#include "engine/events.h"

#include "engine/event_phrases.h"
#include "engine/month_events.h"
#include "engine/vocabulary.h"
#include "engine/year_shape.h"

namespace plx {
namespace {

constexpr Holiday kNoHoliday{};

Holiday Day(int code) {
    return {code, DayKind::kFestival};
}
Holiday Eve(int code) {
    return {code, DayKind::kEve};
}

Holiday TishreiHoliday(int day) {
    switch (day) {
        case 1:
            return {1, DayKind::kRoshHashanaFirst};
        case 2:
            return Day(2);
        case 9:
            return Eve(3);
        case 10:
            return Day(3);
        case 14:
            return Eve(4);
        case 15:
            return Day(4);
        case 16:
            return Day(5);
        case 21:
            return Eve(6);
        case 22:
            return Day(6);
        case 23:
            return Day(7);
        default:
            return kNoHoliday;
    }
}

Holiday NisanHoliday(int day) {
    switch (day) {
        case 14:
            return Eve(8);
        case 15:
            return Day(8);
        case 16:
            return Day(9);
        case 20:
            return Eve(10);
        case 21:
            return Day(10);
        case 22:
            return Day(11);
        default:
            return kNoHoliday;
    }
}

Holiday SivanHoliday(int day) {
    switch (day) {
        case 5:
            return Eve(12);
        case 6:
            return Day(12);
        case 7:
            return Day(13);
        default:
            return kNoHoliday;
    }
}

// HolidayEveNames index by holiday code - 1; -1 where the code is a second day with no eve.
constexpr int kEveNameIndex[13] = {0, -1, 1, 2, 2, 3, 3, 5, 5, 6, 6, 7, 7};

void AddRoshChodesh(CalendarDate hebrew, EventWriter& out) {
    switch (RoshChodeshKind(hebrew)) {
        case 1:
            out.Add(hebrew.day == 30 ? Phrase::kRoshChodeshFirstOfTwo : Phrase::kRoshChodesh);
            break;
        case 2:
            out.Add(Phrase::kRoshChodeshSecondOfTwo);
            break;
        default:
            break;
    }
}

// The two days either side of the Gregorian reform carry three lines of explanation each.
void AddReformNotes(CalendarDate civil, EventWriter& out) {
    if (civil.year != 1582 || civil.month != 10 || (civil.day != 4 && civil.day != 15))
        return;
    const int first =
        static_cast<int>(civil.day == 4 ? Phrase::kJulianEndNote : Phrase::kGregorianStartNote);
    for (int line = first; line < first + 3; ++line)
        out.Add(static_cast<Phrase>(line));
}

}  // namespace

Holiday HolidayCode(CalendarDate hebrew) noexcept {
    switch (MonthOfYear(hebrew.month, IsHebrewLeapYear(hebrew.year))) {
        case HebrewMonth::kTishrei:
            return TishreiHoliday(hebrew.day);
        case HebrewMonth::kNisan:
            return NisanHoliday(hebrew.day);
        case HebrewMonth::kSivan:
            return SivanHoliday(hebrew.day);
        case HebrewMonth::kElul:
            return hebrew.day == 29 ? Eve(1) : kNoHoliday;
        default:
            return kNoHoliday;
    }
}

Holiday HolidayCodeForCivilDate(CalendarDate civil) noexcept {
    return HolidayCode(CivilToHebrew(civil));
}

const char16_t* HolidayName(int language, int code, DayKind kind) noexcept {
    if (code < 1 || code > 13)
        return nullptr;
    const PlxLocaleBase& vocabulary = Vocabulary(language);
    if (kind != DayKind::kEve)
        return vocabulary.HolidayNames(0)[code - 1];
    const int eve = kEveNameIndex[code - 1];
    return eve < 0 ? nullptr : vocabulary.HolidayEveNames()[eve];
}

int RoshChodeshKind(CalendarDate hebrew) noexcept {
    if (hebrew.day == 30)
        return 1;
    if (hebrew.day != 1 || hebrew.month == 1)
        return 0;
    return HebrewMonthLength(hebrew.year, hebrew.month - 1) == 29 ? 1 : 2;
}

DayEventList DayEvents(int language, CalendarDate civil) {
    const DayNumber n = CivilToDayNumber(civil);
    const CalendarDate hebrew = DayNumberToHebrew(n);
    DayEventList list;
    list.entries.reserve(4);
    EventWriter out(language, list.entries);

    if (const Holiday holiday = HolidayCode(hebrew); holiday.code != 0) {
        out.Add(HolidayName(language, holiday.code, holiday.kind));
        list.kind = holiday.kind;
    }
    AddRoshChodesh(hebrew, out);
    const YearShape year = ShapeOfHebrewYear(hebrew.year);
    const EventDay day{year, MonthOfYear(hebrew.month, year.leap), hebrew.day, DayNumberWeekday(n),
                       civil.year};
    AddMonthEvents(day, out);
    if (IsSigdDay(day))
        out.Add(Phrase::kSigd);
    AddReformNotes(civil, out);
    return list;
}

}  // namespace plx
