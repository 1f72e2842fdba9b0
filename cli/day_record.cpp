#include "cli/day_record.h"

#include "engine/cycles.h"
#include "engine/events.h"
#include "engine/information.h"
#include "engine/numerals.h"
#include "engine/portion.h"

namespace plx::cli {
namespace {

// Every object lists its keys in alphabetical order, the order plxcal has always written.

// The molad of the month the day announces (the 30th already announces the next month).
void WriteMolad(JsonWriter& json, CalendarDate hebrew, Language language) {
    const CalendarDate announced = MoladAnnouncementDate(hebrew);
    const Molad molad = MoladOfMonth(announced.year, announced.month);
    json.StartObject();
    json.Field("hour", molad.hour);
    json.Field("minute", molad.minute);
    json.Field("parts", molad.parts);
    json.Field("text", MoladText(language, hebrew));
    json.Field("weekday", molad.weekday);
    json.EndObject();
}

void WriteDafYomi(JsonWriter& json, CalendarDate civil, Language language) {
    const DafYomiPage daf = DafYomi(civil);
    json.StartObject();
    json.Field("page", daf.page);
    json.Field("text", DafYomiText(language, civil));
    json.Field("tractate", daf.tractate);
    json.EndObject();
}

void WriteCycle(JsonWriter& json, CyclePosition position) {
    json.StartObject();
    json.Field("cycle", position.cycle);
    json.Field("year", position.year);
    json.EndObject();
}

void WriteTexts(JsonWriter& json, const std::vector<std::u16string>& texts) {
    json.StartArray();
    for (const std::u16string& text : texts)
        json.Value(text);
    json.EndArray();
}

}  // namespace

QString IsoDate(CalendarDate d) {
    return QStringLiteral("%1-%2-%3")
        .arg(d.year)
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'));
}

void WriteDate(JsonWriter& json, CalendarDate date) {
    json.StartObject();
    json.Field("day", int{date.day});
    json.Field("month", int{date.month});
    json.Field("year", date.year);
    json.EndObject();
}

void WriteDayRecord(JsonWriter& json, const DayFacts& day, Language language,
                    std::u16string_view languageCode, const std::vector<std::u16string>& personal) {
    const CalendarDate hebrew = day.hebrew;
    const DayEventList events = DayEvents(language, day);
    const int portion = WeeklyPortionIndex(hebrew, day.year).value_or(-1);
    json.StartObject();
    json.Key("civil");
    WriteDate(json, day.civil);
    json.Key("dafYomi");
    WriteDafYomi(json, day.civil, language);
    json.Field("dayKind", static_cast<int>(events.kind));
    json.Field("dayNumber", day.number);
    json.Key("events");
    WriteTexts(json, events.entries);
    json.Field("hasEvent", DayHasEvent(hebrew, day.year));
    json.Key("hebrew");
    WriteDate(json, hebrew);
    json.Field("hebrewText", HebrewDateText(hebrew));
    json.Field("holidayCode", static_cast<int>(HolidayCode(hebrew).code));
    json.Field("information", InformationLines(day, languageCode));
    json.Field("leap", day.year.leap);
    json.Key("lunarCycle");
    WriteCycle(json, LunarCyclePosition(hebrew.year));
    json.Field("mevarchim", MevarchimMoladText(language, day.number));
    json.Key("molad");
    WriteMolad(json, hebrew, language);
    json.Key("personal");
    WriteTexts(json, personal);
    json.Field("portion", PortionName(language, portion, PortionNamePart::kWhole));
    json.Field("portionDiaspora", PortionName(language, portion, PortionNamePart::kDiaspora));
    json.Field("portionIndex", portion);
    json.Field("portionIsrael", PortionName(language, portion, PortionNamePart::kIsrael));
    json.Field("roshChodesh", static_cast<int>(RoshChodeshKind(hebrew)));
    json.Field("roshHashanaWeekday", day.year.roshHashana);
    json.Field("shmita", ShmitaYearIndex(hebrew.year));
    json.Key("solarCycle");
    WriteCycle(json, SolarCyclePosition(hebrew.year));
    json.Field("weekday", DayNumberWeekday(day.number));
    json.Field("yearKind", static_cast<int>(day.year.kind));
    json.Field("yearLength", YearLength(day.year));
    json.Field("yearSign", YearSignText(day.year));
    json.EndObject();
}

QString DayLine(const DayFacts& day) {
    static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const CalendarDate civil = day.civil;
    const bool julian =
        civil.year < 1582 ||
        (civil.year == 1582 && (civil.month < 10 || (civil.month == 10 && civil.day < 5)));
    return QStringLiteral("%1 %2 %3  Hebrew %4 (%5, %6 days)  day %7")
        .arg(IsoDate(civil), QLatin1String(julian ? "Julian   " : "Gregorian"),
             QLatin1String(kWeekdays[DayNumberWeekday(day.number) - 1]), IsoDate(day.hebrew),
             QLatin1String(day.year.leap ? "leap" : "common"))
        .arg(YearLength(day.year))
        .arg(day.number);
}

std::u16string InformationLines(const DayFacts& day, std::u16string_view languageCode) {
    const std::u16string text = YearInformationText(day, InterfaceLanguageOfCode(languageCode));
    // Every line starts with a break, the first one too.
    return text.empty() ? text : text.substr(1);
}

}  // namespace plx::cli
