#include "engine/events.h"

#include "engine/event_phrases.h"
#include "engine/month_events.h"
#include "engine/vocabulary.h"
#include "engine/year_shape.h"

namespace plx {
namespace {

constexpr Holiday kNoHoliday{};

Holiday Day(Festival code) {
    return {code, DayKind::kFestival};
}
Holiday Eve(Festival code) {
    return {code, DayKind::kEve};
}

Holiday TishreiHoliday(int day) {
    switch (day) {
        case 1:
            return {Festival::kRoshHashana, DayKind::kRoshHashanaFirst};
        case 2:
            return Day(Festival::kRoshHashanaSecond);
        case 9:
            return Eve(Festival::kYomKippur);
        case 10:
            return Day(Festival::kYomKippur);
        case 14:
            return Eve(Festival::kSukkot);
        case 15:
            return Day(Festival::kSukkot);
        case 16:
            return Day(Festival::kSukkotSecond);
        case 21:
            return Eve(Festival::kSheminiAtzeret);
        case 22:
            return Day(Festival::kSheminiAtzeret);
        case 23:
            return Day(Festival::kSimchatTorahOutsideIsrael);
        default:
            return kNoHoliday;
    }
}

Holiday NisanHoliday(int day) {
    switch (day) {
        case 14:
            return Eve(Festival::kPesach);
        case 15:
            return Day(Festival::kPesach);
        case 16:
            return Day(Festival::kPesachSecond);
        case 20:
            return Eve(Festival::kSeventhOfPesach);
        case 21:
            return Day(Festival::kSeventhOfPesach);
        case 22:
            return Day(Festival::kEighthOfPesach);
        default:
            return kNoHoliday;
    }
}

Holiday SivanHoliday(int day) {
    switch (day) {
        case 5:
            return Eve(Festival::kShavuot);
        case 6:
            return Day(Festival::kShavuot);
        case 7:
            return Day(Festival::kShavuotSecond);
        default:
            return kNoHoliday;
    }
}

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
    switch (MonthOfYear(hebrew.month, IsHebrewLeapYear(hebrew.year))) {
        case HebrewMonth::kTishrei:
            return TishreiHoliday(hebrew.day);
        case HebrewMonth::kNisan:
            return NisanHoliday(hebrew.day);
        case HebrewMonth::kSivan:
            return SivanHoliday(hebrew.day);
        case HebrewMonth::kElul:
            return hebrew.day == 29 ? Eve(Festival::kRoshHashana) : kNoHoliday;
        default:
            return kNoHoliday;
    }
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
        return vocabulary.HolidayNames(0)[index];
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
    const DayNumber n = CivilToDayNumber(civil);
    const CalendarDate hebrew = DayNumberToHebrew(n);
    DayEventList list;
    list.entries.reserve(4);
    EventWriter out(language, list.entries);

    if (const Holiday holiday = HolidayCode(hebrew); holiday.code != Festival::kNone) {
        out.Add(std::u16string(HolidayName(language, holiday.code, holiday.kind).value_or(u"")));
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
