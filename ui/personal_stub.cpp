#include "ui/personal_stub.h"

namespace plx {

bool PersonalDateExists(const PersonalDate& d) {
    if (d.date.year < 1 || d.date.day < 1 || d.date.month < 1)
        return false;
    if (d.civil)
        return d.date.month <= 12 && d.date.day <= CivilMonthLength(d.date.year, d.date.month);
    const int months = IsHebrewLeapYear(d.date.year) ? 13 : 12;
    return d.date.month <= months && d.date.day <= HebrewMonthLength(d.date.year, d.date.month);
}

PersonalDateProblem CheckPersonalDate(const PersonalDate& d) {
    if (d.name.trimmed().isEmpty())
        return PersonalDateProblem::NoName;
    for (QChar c : d.name)
        if (c.category() == QChar::Other_Control)
            return PersonalDateProblem::BadName;
    return PersonalDateExists(d) ? PersonalDateProblem::None : PersonalDateProblem::BadDate;
}

std::optional<DayNumber> NextObservance(const PersonalDate& d, AdarChoice adar, DayNumber from) {
    const CalendarDate hebrew = d.civil ? PersonalHebrewDate(d.date, d.afterSunset) : d.date;
    const int year = DayNumberToHebrew(from).year;
    for (int y = year; y < year + 3; ++y) {
        for (DayNumber n : PersonalObservances(d.kind, hebrew, y, adar))
            if (n >= from)
                return n;
    }
    return std::nullopt;
}

}  // namespace plx
