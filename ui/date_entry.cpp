#include "ui/date_entry.h"

#include <climits>

#include "engine/numerals.h"

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

std::optional<int> ReadTypedHebrewYear(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(QChar(0x05F3), u'\'').replace(QChar(0x05F4), u'"');
    text.remove(u'"');
    if (text.isEmpty() || text.size() > 16)
        return std::nullopt;
    int year = 0;
    bool digits = true;
    for (QChar c : text)
        digits = digits && c >= u'0' && c <= u'9';
    if (digits) {
        year = text.toInt();
    } else {
        for (QChar c : text) {
            if (c != u'\'' && (c < QChar(u'א') || c > QChar(u'ת')))
                return std::nullopt;
        }
        // One letter then the mark is a thousands digit (ו' is 6000); so is any mark that has
        // letters after it. A mark only at the end of several letters is a plain geresh.
        const qsizetype mark = text.indexOf(u'\'');
        const bool thousands = mark > 0 && (mark == 1 || mark + 1 < text.size());
        if (thousands) {
            text = text.left(mark + 1) + text.mid(mark + 1).remove(u'\'');
        } else {
            text.remove(u'\'');
        }
        const std::u16string_view letters(reinterpret_cast<const char16_t*>(text.utf16()),
                                          static_cast<std::size_t>(text.size()));
        year = ParseHebrewNumeral(letters);
        if (!thousands && year > 0 && year < 1000)
            year += 5000;
    }
    if (year < kFirstHebrewYear || year > kLastHebrewYear)
        return std::nullopt;
    return year;
}

int TypedMonthNumber(const QString& text) {
    if (text.isEmpty())
        return 0;
    const QChar last = text.back();
    if (last < u'0' || last > u'9')
        return 0;
    const int digit = last.unicode() - u'0';
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
