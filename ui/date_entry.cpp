#include "ui/date_entry.h"

#include <climits>

namespace plx {

int ReadDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

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

int TypedMonthNumber(const QString& text) {
    if (text.isEmpty())
        return 0;
    const QChar last = text.back();
    const int digit = last >= u'0' && last <= u'9' ? last.unicode() - u'0' : 0;
    return text.size() == 2 ? digit + 10 : digit;
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
