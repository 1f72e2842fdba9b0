#include "ui/personal_texts.h"

#include "app/language.h"
#include "app/utf16.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace plx {

QString PersonalText(const char16_t* key) {
    return LookupString(u"PersonalDates", key);
}

QString PersonalKindText(PersonalKind kind) {
    switch (kind) {
        case PersonalKind::Birthday:
            return PersonalText(u"BIRTHDAY");
        case PersonalKind::Yahrzeit:
            return PersonalText(u"YAHRZEIT");
        case PersonalKind::Anniversary:
            return PersonalText(u"ANNIVERSARY");
        case PersonalKind::Other:
            break;
    }
    return PersonalText(u"OTHER");
}

QString HebrewDayText(CalendarDate hebrew, Language names) {
    if (names == Language::kHebrew)
        return FromUtf16(HebrewDateText(hebrew));
    return QStringLiteral("%1 %2 %3")
        .arg(hebrew.day)
        .arg(FromUtf16(HebrewMonthName(hebrew.year, hebrew.month, names)))
        .arg(hebrew.year);
}

QString CivilDayText(CalendarDate civil, Language names) {
    const auto month = static_cast<std::size_t>(civil.month - 1);
    const TextTable months = Vocabulary(names).civilMonthNames;
    return QStringLiteral("%1 %2 %3")
        .arg(civil.day)
        .arg(month < months.size() ? FromUtf16(months[month]) : QString())
        .arg(civil.year);
}

QString EnteredDateText(const PersonalDate& date, Language names) {
    if (date.hebrewCalendar)
        return HebrewDayText(date.date, names);
    QString text = CivilDayText(date.date, names);
    if (date.afterSunset)
        text += QStringLiteral(", ") + PersonalText(u"AFTER_SUNSET_MARK");
    return text;
}

QStringList PersonalPageLines(const PersonalDateList& dates, AdarChoice adar, DayNumber day) {
    // A name in the other script would turn the line's direction: the mark holds the language's.
    const QChar mark = ActiveLanguage().rightToLeft ? QChar(0x200F) : QChar(0x200E);
    QStringList lines;
    for (const PersonalObservance& kept : PersonalObservancesBetween(dates, adar, day, day)) {
        const PersonalDate& date = dates[kept.index];
        lines << mark + FromUtf16(date.name) + QStringLiteral(" – ") + PersonalKindText(date.kind);
    }
    return lines;
}

}  // namespace plx
