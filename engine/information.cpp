#include "engine/information.h"

#include <initializer_list>

#include "engine/cycles.h"
#include "engine/events.h"
#include "engine/numerals.h"
#include "engine/portion.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

// The fixed wording around the values; every "%s" takes the next value in order.
struct Layout {
    std::u16string_view creation;  // year
    std::u16string_view leapYear;
    std::u16string_view commonYear;
    std::u16string_view sign;        // leap or common, the year's sign
    std::u16string_view length;      // days, Sabbaths
    std::u16string_view lunarCycle;  // year in cycle, cycle
    std::u16string_view solarCycle;  // year in cycle, cycle
    std::u16string_view portion;
    std::u16string_view dafYomi;
};

constexpr Layout kEnglishLayout{
    u"%s yrs. to the Creation",
    u"Pregnant",
    u"Simple",
    u"%s year, and its sign: %s",
    u"This year has %s days and %s Shabbats",
    u"Year %s in Moon's period %s",
    u"Year %s in Sun's period %s",
    u"Parashat HaShavua: %s",
    u"Daf Yomi: %s",
};

constexpr Layout kHebrewLayout{
    u"שנת %s לבריאת העולם",
    u"מעוברת",
    u"פשוטה",
    u"שנה %s וסימנה: %s",
    u"בשנה זו %s ימים ו - %s שבתות",
    u"שנה %s במחזור לבנה %s",
    u"שנה %s במחזור חמה %s",
    u"פרשת השבוע: %s",
    u"הדף היומי: %s",
};

// The Mevarchim heading follows the engine's language, not the layout.
constexpr std::u16string_view kMevarchimHeading[] = {u"שבת מברכים: ", u"Shabbat Mevarchim: "};

void AppendLine(std::u16string& text, std::u16string_view pattern,
                std::initializer_list<std::u16string_view> values) {
    text += u'\n';
    auto value = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] == u's' &&
            value != values.end()) {
            text += *value++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
}

void AppendLine(std::u16string& text, std::u16string_view line) {
    AppendLine(text, u"%s", {line});
}

}  // namespace

int ShabbatCount(std::int32_t year) noexcept {
    return ShabbatCount(ShapeOfHebrewYear(year));
}

int ShabbatCount(const YearShape& year) noexcept {
    return (year.roshHashana + YearLength(year) - 1) / 7;
}

std::u16string YearInformationText(CalendarDate civil, InterfaceLanguage interfaceLanguage) {
    return YearInformationText(FactsOfCivilDay(NormalizeCivilDate(civil)), interfaceLanguage);
}

std::u16string YearInformationText(const DayFacts& day, InterfaceLanguage interfaceLanguage) {
    const Layout& layout =
        interfaceLanguage == InterfaceLanguage::kEnglish ? kEnglishLayout : kHebrewLayout;
    const Language language =
        interfaceLanguage == InterfaceLanguage::kHebrew ? Language::kHebrew : Language::kEnglish;
    const PlxLocaleBase& vocabulary = Vocabulary(language);
    const CalendarDate civil = day.civil;
    const CalendarDate hebrew = day.hebrew;
    const std::int32_t year = hebrew.year;

    std::u16string text;
    text.reserve(512);
    AppendLine(text, layout.creation, {DecimalText(year)});
    AppendLine(text, layout.sign,
               {day.year.leap ? layout.leapYear : layout.commonYear, YearSignText(day.year)});
    AppendLine(text, layout.length,
               {DecimalText(YearLength(day.year)), DecimalText(ShabbatCount(day.year))});
    AppendLine(text, vocabulary.shmitaYearNames[ShmitaYearIndex(year)]);
    const CyclePosition lunar = LunarCyclePosition(year);
    AppendLine(text, layout.lunarCycle, {DecimalText(lunar.year), DecimalText(lunar.cycle)});
    const CyclePosition solar = SolarCyclePosition(year);
    AppendLine(text, layout.solarCycle, {DecimalText(solar.year), DecimalText(solar.cycle)});
    AppendLine(text, MoladText(language, hebrew));
    AppendLine(text, layout.portion, {WeeklyPortionName(language, hebrew, day.year).value_or(u"")});
    AppendLine(text, layout.dafYomi, {DafYomiText(language, civil)});
    for (const std::u16string& entry : DayEvents(language, day).entries)
        AppendLine(text, entry);
    if (const auto announcement = MevarchimMoladText(language, day.number)) {
        text.append(u"\n")
            .append(kMevarchimHeading[static_cast<int>(language)])
            .append(*announcement);
    }
    return text;
}

}  // namespace plx
