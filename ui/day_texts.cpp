#include "ui/day_texts.h"

#include <QStringList>

#include "app/utf16.h"
#include "engine/events.h"
#include "engine/numerals.h"
#include "engine/portion.h"

namespace plx {

bool IsFestivalSabbath(CalendarDate hebrew) {
    const int day = hebrew.day;
    if (hebrew.month == 1)
        return day == 1 || day == 10 || (day >= 15 && day <= 20) || day == 22;
    const int nisan = IsHebrewLeapYear(hebrew.year) ? 8 : 7;
    return hebrew.month == nisan && day >= 15 && day <= 21;
}

DayCellTexts DayCellTextsFor(CalendarDate civil, CalendarDate hebrew, bool saturday,
                             Language vocabulary) {
    DayCellTexts texts;
    texts.dayText = QString::fromStdU16String(HebrewNumeral(hebrew.day).value_or(u"")) +
                    QLatin1Char('\t') + QString::number(civil.day);
    texts.marked = DayHasEvent(hebrew);
    QStringList lines;
    if (saturday && !IsFestivalSabbath(hebrew)) {
        const std::u16string_view portion = WeeklyPortionName(vocabulary, hebrew).value_or(u"");
        if (!portion.empty())
            lines << FromUtf16(portion);
    }
    // An entry the vocabulary has no text for would only leave an empty line.
    for (const std::u16string& entry : DayEvents(vocabulary, civil).entries) {
        if (!entry.empty())
            lines << QString::fromStdU16String(entry);
    }
    texts.eventsText = lines.join(u'\n');
    return texts;
}

}  // namespace plx
