#include "reports/title_texts.h"

#include "app/utf16.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

QString Numeral(int n) {
    return FromUtf16(HebrewNumeral(n).value_or(std::u16string()));
}

}  // namespace

QString DayTitleText(CalendarDate hebrew, Language language) {
    if (language == Language::kHebrew)
        return FromUtf16(HebrewDateText(hebrew));
    return QStringLiteral("%1 in %2, year %3")
        .arg(FromUtf16(EnglishVocabulary().NumberText(hebrew.day, Gender::kMasculine)),
             FromUtf16(HebrewMonthName(hebrew.year, hebrew.month, Language::kEnglish)))
        .arg(hebrew.year);
}

QString MonthTitleText(int month, std::int32_t year, Language language) {
    const QString name = FromUtf16(HebrewMonthName(year, month, language));
    if (language == Language::kHebrew)
        return name + QLatin1Char(' ') + Numeral(year);
    return QStringLiteral("%1, year %2").arg(name).arg(year);
}

QString YearTitleText(std::int32_t year, Language language) {
    const QString title = language == Language::kHebrew ? QStringLiteral("שנה ") + Numeral(year)
                                                        : QStringLiteral("year %1").arg(year);
    const DayNumber first = HebrewToDayNumber(year, 1, 1);
    const std::int32_t startYear = DayNumberToCivil(first).year;
    const std::int32_t endYear = DayNumberToCivil(first + HebrewYearLength(year) - 1).year;
    return title + QStringLiteral(" (%1-%2)").arg(startYear).arg(endYear);
}

}  // namespace plx
