#include "reports/personal_days.h"

#include "app/utf16.h"

namespace plx {

std::vector<QStringList> PersonalNamesByDay(const PersonalDateList& dates, AdarChoice adar,
                                            DayNumber first, DayNumber last) {
    std::vector<QStringList> days(last >= first ? static_cast<std::size_t>(last - first) + 1 : 0);
    for (const PersonalObservance& kept : PersonalObservancesBetween(dates, adar, first, last))
        days[static_cast<std::size_t>(kept.day - first)] << FromUtf16(dates[kept.index].name);
    return days;
}

}  // namespace plx
