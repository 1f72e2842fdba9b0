#include "ui/personal_stub.h"

namespace plx {

PersonalDateFault CheckPersonalDate(const PersonalDate& d) {
    if (d.name.empty())
        return PersonalDateFault::EmptyName;
    for (char16_t c : d.name)
        if (c < 0x20)
            return PersonalDateFault::NameCharacter;
    for (char16_t c : d.note)
        if (c < 0x20)
            return PersonalDateFault::NoteCharacter;
    if (d.date.year < 1 || d.date.day < 1 || d.date.month < 1)
        return PersonalDateFault::NoSuchDate;
    if (!d.hebrewCalendar)
        return d.date.month <= 12 && d.date.day <= CivilMonthLength(d.date.year, d.date.month)
                   ? PersonalDateFault::None
                   : PersonalDateFault::NoSuchDate;
    const int months = IsHebrewLeapYear(d.date.year) ? 13 : 12;
    return d.date.month <= months && d.date.day <= HebrewMonthLength(d.date.year, d.date.month)
               ? PersonalDateFault::None
               : PersonalDateFault::NoSuchDate;
}

CalendarDate PersonalHebrewDateOf(const PersonalDate& d) {
    return d.hebrewCalendar ? d.date : PersonalHebrewDate(d.date, d.afterSunset);
}

std::optional<DayNumber> NextPersonalObservance(const PersonalDate& d, AdarChoice adar,
                                                DayNumber from) {
    if (CheckPersonalDate(d) != PersonalDateFault::None)
        return std::nullopt;
    const CalendarDate hebrew = PersonalHebrewDateOf(d);
    const int year = DayNumberToHebrew(from).year;
    for (int y = year; y < year + 3; ++y) {
        for (DayNumber n : PersonalObservances(d.kind, hebrew, y, adar))
            if (n >= from)
                return n;
    }
    return std::nullopt;
}

std::vector<PersonalObservance> PersonalObservancesBetween(const PersonalDateList& dates,
                                                           AdarChoice adar, DayNumber first,
                                                           DayNumber last) {
    std::vector<PersonalObservance> found;
    for (DayNumber n = first; n <= last; ++n) {
        for (std::size_t i = 0; i < dates.size(); ++i) {
            if (CheckPersonalDate(dates[i]) != PersonalDateFault::None)
                continue;
            const int year = DayNumberToHebrew(n).year;
            for (DayNumber day :
                 PersonalObservances(dates[i].kind, PersonalHebrewDateOf(dates[i]), year, adar))
                if (day == n)
                    found.push_back({n, i});
        }
    }
    return found;
}

}  // namespace plx
