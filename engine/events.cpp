#include "engine/events.h"

#include "engine/event_phrases.h"
#include "engine/month_events.h"
#include "engine/vocabulary.h"
#include "engine/year_shape.h"

namespace plx {
namespace {

constexpr Holiday kNoHoliday{};

constexpr Holiday Day(Festival code) {
    return {code, DayKind::kFestival};
}
constexpr Holiday Eve(Festival code) {
    return {code, DayKind::kEve};
}

struct FestivalDay {
    HebrewMonth month;
    int day;
    Holiday holiday;
};

constexpr FestivalDay kFestivalDays[] = {
    {HebrewMonth::kTishrei, 1, {Festival::kRoshHashana, DayKind::kRoshHashanaFirst}},
    {HebrewMonth::kTishrei, 2, Day(Festival::kRoshHashanaSecond)},
    {HebrewMonth::kTishrei, 9, Eve(Festival::kYomKippur)},
    {HebrewMonth::kTishrei, 10, Day(Festival::kYomKippur)},
    {HebrewMonth::kTishrei, 14, Eve(Festival::kSukkot)},
    {HebrewMonth::kTishrei, 15, Day(Festival::kSukkot)},
    {HebrewMonth::kTishrei, 16, Day(Festival::kSukkotSecond)},
    {HebrewMonth::kTishrei, 21, Eve(Festival::kSheminiAtzeret)},
    {HebrewMonth::kTishrei, 22, Day(Festival::kSheminiAtzeret)},
    {HebrewMonth::kTishrei, 23, Day(Festival::kSimchatTorahOutsideIsrael)},
    {HebrewMonth::kNisan, 14, Eve(Festival::kPesach)},
    {HebrewMonth::kNisan, 15, Day(Festival::kPesach)},
    {HebrewMonth::kNisan, 16, Day(Festival::kPesachSecond)},
    {HebrewMonth::kNisan, 20, Eve(Festival::kSeventhOfPesach)},
    {HebrewMonth::kNisan, 21, Day(Festival::kSeventhOfPesach)},
    {HebrewMonth::kNisan, 22, Day(Festival::kEighthOfPesach)},
    {HebrewMonth::kSivan, 5, Eve(Festival::kShavuot)},
    {HebrewMonth::kSivan, 6, Day(Festival::kShavuot)},
    {HebrewMonth::kSivan, 7, Day(Festival::kShavuotSecond)},
    {HebrewMonth::kElul, 29, Eve(Festival::kRoshHashana)},
};

// HolidayEveNames index by festival code - 1; -1 where the festival is a second day with no eve.
constexpr int kEveNameIndex[13] = {0, -1, 1, 2, 2, 3, 3, 5, 5, 6, 6, 7, 7};

void AddRoshChodesh(CalendarDate hebrew, EventWriter& out) {
    switch (RoshChodeshKind(hebrew)) {
        case RoshChodeshDay::kFirst:
            out.Add(hebrew.day == 30 ? Phrase::kRoshChodeshFirstOfTwo : Phrase::kRoshChodesh);
            break;
        case RoshChodeshDay::kSecond:
            out.Add(Phrase::kRoshChodeshSecondOfTwo);
            break;
        case RoshChodeshDay::kNone:
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
    const HebrewMonth month = MonthOfYear(hebrew.month, IsHebrewLeapYear(hebrew.year) != 0);
    for (const FestivalDay& festival : kFestivalDays) {
        if (festival.month == month && festival.day == hebrew.day)
            return festival.holiday;
    }
    return kNoHoliday;
}

Holiday HolidayCodeForCivilDate(CalendarDate civil) noexcept {
    return HolidayCode(CivilToHebrew(civil));
}

std::optional<std::u16string_view> HolidayName(Language language, Festival code,
                                               DayKind kind) noexcept {
    const int index = static_cast<int>(code) - 1;
    if (index < 0 || index >= 13)
        return std::nullopt;
    const PlxLocaleBase& vocabulary = Vocabulary(language);
    if (kind != DayKind::kEve)
        return vocabulary.HolidayNames(HolidayNaming::kIsrael)[index];
    const int eve = kEveNameIndex[index];
    if (eve < 0)
        return std::nullopt;
    return vocabulary.holidayEveNames[eve];
}

RoshChodeshDay RoshChodeshKind(CalendarDate hebrew) noexcept {
    if (hebrew.day == 30)
        return RoshChodeshDay::kFirst;
    if (hebrew.day != 1 || hebrew.month == 1)
        return RoshChodeshDay::kNone;
    return HebrewMonthLength(hebrew.year, hebrew.month - 1) == 29 ? RoshChodeshDay::kFirst
                                                                  : RoshChodeshDay::kSecond;
}

DayEventList DayEvents(Language language, CalendarDate civil) {
    return DayEvents(language, FactsOfCivilDay(civil));
}

DayEventList DayEvents(Language language, const DayFacts& facts) {
    const CalendarDate hebrew = facts.hebrew;
    DayEventList list;
    list.entries.reserve(4);
    EventWriter out(language, list.entries);

    if (const Holiday holiday = HolidayCode(hebrew); holiday.code != Festival::kNone) {
        out.Add(std::u16string(HolidayName(language, holiday.code, holiday.kind).value_or(u"")));
        list.kind = holiday.kind;
    }
    AddRoshChodesh(hebrew, out);
    const YearShape& year = facts.year;
    const EventDay day{year, MonthOfYear(hebrew.month, year.leap), hebrew.day,
                       DayNumberWeekday(facts.number), facts.civil.year};
    AddMonthEvents(day, out);
    if (IsSigdDay(day))
        out.Add(Phrase::kSigd);
    AddReformNotes(facts.civil, out);
    return list;
}

}  // namespace plx
