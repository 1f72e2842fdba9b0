#include "cli/day_record.h"

#include "engine/cycles.h"
#include "engine/numerals.h"

namespace plx::cli {
namespace {

QJsonObject DateObject(CalendarDate d) {
    return {{QStringLiteral("year"), d.year},
            {QStringLiteral("month"), d.month},
            {QStringLiteral("day"), d.day}};
}

QString IsoDate(CalendarDate d) {
    return QStringLiteral("%1-%2-%3")
        .arg(d.year)
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'));
}

QString Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// The molad of the month the day announces (the 30th already announces the next month).
QJsonObject MoladObject(CalendarDate hebrew, Language language) {
    const CalendarDate announced = MoladAnnouncementDate(hebrew);
    const Molad molad = MoladOfMonth(announced.year, announced.month);
    return {{QStringLiteral("weekday"), molad.weekday},
            {QStringLiteral("hour"), molad.hour},
            {QStringLiteral("minute"), molad.minute},
            {QStringLiteral("parts"), molad.parts},
            {QStringLiteral("text"), Text(MoladText(language, hebrew))}};
}

QJsonObject DafYomiObject(CalendarDate civil, Language language) {
    const DafYomiPage daf = DafYomi(civil);
    return {{QStringLiteral("tractate"), daf.tractate},
            {QStringLiteral("page"), daf.page},
            {QStringLiteral("text"), Text(DafYomiText(language, civil))}};
}

QJsonObject CycleObject(CyclePosition position) {
    return {{QStringLiteral("year"), position.year}, {QStringLiteral("cycle"), position.cycle}};
}

}  // namespace

QJsonObject DayRecord(CalendarDate civil, Language language) {
    const CalendarDate hebrew = CivilToHebrew(civil);
    const DayNumber n = CivilToDayNumber(civil);
    return {
        {QStringLiteral("civil"), DateObject(civil)},
        {QStringLiteral("dayNumber"), n},
        {QStringLiteral("weekday"), DayNumberWeekday(n)},
        {QStringLiteral("hebrew"), DateObject(hebrew)},
        {QStringLiteral("leap"), IsHebrewLeapYear(hebrew.year) == 1},
        {QStringLiteral("yearLength"), HebrewYearLength(hebrew.year)},
        {QStringLiteral("yearKind"), HebrewYearKind(hebrew.year)},
        {QStringLiteral("roshHashanaWeekday"), RoshHashanaWeekday(hebrew.year)},
        {QStringLiteral("hebrewText"), Text(HebrewDateText(hebrew))},
        {QStringLiteral("yearSign"), Text(YearSignText(hebrew.year))},
        {QStringLiteral("molad"), MoladObject(hebrew, language)},
        {QStringLiteral("dafYomi"), DafYomiObject(civil, language)},
        {QStringLiteral("shmita"), ShmitaYearIndex(hebrew.year)},
        {QStringLiteral("lunarCycle"), CycleObject(LunarCyclePosition(hebrew.year))},
        {QStringLiteral("solarCycle"), CycleObject(SolarCyclePosition(hebrew.year))},
    };
}

QString DayLine(CalendarDate civil) {
    static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const CalendarDate hebrew = CivilToHebrew(civil);
    const DayNumber n = CivilToDayNumber(civil);
    const bool julian =
        civil.year < 1582 ||
        (civil.year == 1582 && (civil.month < 10 || (civil.month == 10 && civil.day < 5)));
    return QStringLiteral("%1 %2 %3  Hebrew %4 (%5, %6 days)  day %7")
        .arg(IsoDate(civil), QLatin1String(julian ? "Julian   " : "Gregorian"),
             QLatin1String(kWeekdays[DayNumberWeekday(n) - 1]), IsoDate(hebrew),
             QLatin1String(IsHebrewLeapYear(hebrew.year) ? "leap" : "common"))
        .arg(HebrewYearLength(hebrew.year))
        .arg(n);
}

}  // namespace plx::cli
