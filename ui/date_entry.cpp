#include "ui/date_entry.h"

namespace plx {

std::optional<int> FindEntryByPrefix(const QStringList& entries, const QString& prefix) {
    if (prefix.isEmpty() || entries.isEmpty())
        return std::nullopt;
    const qsizetype count = entries.size();
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype i = step % count;
        if (entries[i].startsWith(prefix, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<CalendarDate> HebrewDateInRange(CalendarDate hebrew) {
    if (hebrew.year < kFirstHebrewYear || hebrew.year > kLastHebrewYear)
        return std::nullopt;
    const DayNumber n = HebrewToDayNumber(hebrew);
    if (n < kFirstDayNumber || n > kLastDayNumber)
        return std::nullopt;
    return hebrew;
}

}  // namespace plx
