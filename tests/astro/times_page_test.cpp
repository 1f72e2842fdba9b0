#include <gtest/gtest.h>

#include <algorithm>

#include "astro/clock_minutes.h"
#include "astro/halachic_times.h"
#include "astro/time_zones.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

constexpr CalendarDate kEquinox2024{21, 3, 2024};
// Without a time-zone database every place keeps its zone hours, as in the manual mode switched
// off.
const ZoneOffsetLookup kNoZones;

TEST(TimesPage, OneLineBreakBeforeEveryLabelAndTime) {
    const CalculationSettings settings;
    const Location jerusalem = BuiltInLocation(0);
    const std::u16string english =
        BuildTimesText(kEquinox2024, settings, jerusalem, Language::kEnglish, kNoZones);
    EXPECT_EQ(english.rfind(u"\nAlot Hashachar\t\t", 0), 0u);
    // The height of 800 m counts only with elevation on.
    EXPECT_NE(english.find(u"\nSunrise\t\t\t05:43\n"), std::u16string::npos);
    const auto lines = std::count(english.begin(), english.end(), u'\n');
    EXPECT_EQ(static_cast<std::size_t>(lines),
              ComputeTimesAt(kEquinox2024, settings, jerusalem, settings.times, kNoZones).size());

    const std::u16string hebrew =
        BuildTimesText(kEquinox2024, settings, jerusalem, Language::kHebrew, kNoZones);
    EXPECT_NE(hebrew.find(u"\nהנץ החמה\t\t05:43\n"), std::u16string::npos);

    CalculationSettings elevated = settings;
    elevated.calcHeights = 1;
    EXPECT_EQ(BuildTimesText(kEquinox2024, elevated, jerusalem, Language::kEnglish, kNoZones)
                  .find(u"Sunrise\t\t\t05:43"),
              std::u16string::npos);

    Location arctic = jerusalem;
    arctic.latitude = 75;
    EXPECT_EQ(BuildTimesText({21, 6, 2024}, settings, arctic, Language::kEnglish, kNoZones), u"");
}

TEST(TimesPage, DaylightSavingShiftsClockTimesButNotHourLengths) {
    CalculationSettings settings;
    TimesOfDayOptions all;
    SetAllTimeSwitches(all, true);
    const Location jerusalem = BuiltInLocation(0);
    const auto standard = ComputeTimesAt({22, 3, 2024}, settings, jerusalem, all, kNoZones);
    ChooseDaylightHours(settings, 1);
    const auto summer = ComputeTimesAt({22, 3, 2024}, settings, jerusalem, all, kNoZones);
    ASSERT_EQ(standard.size(), summer.size());
    for (std::size_t i = 0; i < standard.size(); ++i) {
        const bool length = standard[i].kind == TimeKind::kPropHourGra ||
                            standard[i].kind == TimeKind::kPropHourMaga;
        EXPECT_EQ(ClockMinutes(summer[i].text) - ClockMinutes(standard[i].text), length ? 0 : 60)
            << static_cast<int>(standard[i].kind);
    }
}

TEST(TimesPage, FractionalZonesShiftByTheirMinutes) {
    const CalculationSettings settings;
    Location place = BuiltInLocation(0);
    place.zone = 0;
    const auto utc = ComputeTimesAt(kEquinox2024, settings, place, settings.times, kNoZones);
    place.zone = 5.5f;
    const auto india = ComputeTimesAt(kEquinox2024, settings, place, settings.times, kNoZones);
    const auto sunrise = [](const std::vector<TimeEntry>& times) {
        return ClockMinutes(std::find_if(times.begin(), times.end(), [](const TimeEntry& t) {
                                return t.kind == TimeKind::kSunrise;
                            })->text);
    };
    EXPECT_EQ(sunrise(india) - sunrise(utc), 330);
}

TEST(TimesPage, TheDayKindComesFromTheCalendar) {
    // Yom Kippur 5785 fell on a Saturday.
    const CalculationSettings settings;
    const auto times =
        ComputeTimesAt({12, 10, 2024}, settings, BuiltInLocation(0), settings.times, kNoZones);
    const auto nightfall = std::find_if(times.begin(), times.end(), [](const TimeEntry& t) {
        return t.kind == TimeKind::kNightfall;
    });
    ASSERT_NE(nightfall, times.end());
    EXPECT_EQ(nightfall->label, TimeLabel::kEndOfSabbathOrChag);
    EXPECT_EQ(std::u16string(EnglishVocabulary().timeNames[static_cast<int>(nightfall->label)]),
              u"End of Sabbath/Chag");
}

}  // namespace
}  // namespace plx
