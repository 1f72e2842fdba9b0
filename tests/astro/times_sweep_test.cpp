// Every day of a year at five latitudes with every time switched on: the times the definitions
// order come out in that order, and every text is a clock time.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "astro/clock_minutes.h"
#include "astro/halachic_times.h"

namespace plx {
namespace {

struct Place {
    const char* name;
    double latitude;
    double longitude;
};

bool IsClockText(const std::u16string& text) {
    const auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    return text.size() == 5 && digit(text[0]) && digit(text[1]) && text[2] == u':' &&
           digit(text[3]) && text[4] >= u'0' && text[4] <= u'9' && text[3] <= u'5';
}

// Minutes of the clock day; a morning time that wrapped to the evening before (23:50 for a dawn
// just before midnight) counts as negative.
int Minutes(const std::u16string& text, bool morning) {
    const int minutes = ClockMinutes(text);
    return morning && minutes > 18 * 60 ? minutes - 24 * 60 : minutes;
}

const std::vector<int> kListOrder = {1,  2,  3,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                     15, 16, 17, 23, 18, 19, 20, 21, 22, 4,  5};

// Chains of times that follow one another by definition.
const std::vector<std::vector<TimeKind>> kOrderedChains = {
    {TimeKind::kBreakOfDawn, TimeKind::kTalitTfilin, TimeKind::kSunrise, TimeKind::kEndShmaGra,
     TimeKind::kEndShachritGra, TimeKind::kMidday, TimeKind::kMinchaGdolaGra,
     TimeKind::kMinchaKtanaGra, TimeKind::kPlagHaMinchaGra, TimeKind::kSunset, TimeKind::kNightfall,
     TimeKind::kStarsOutRt},
    {TimeKind::kBreakOfDawn, TimeKind::kEndShmaMaga, TimeKind::kEndShachritMaga, TimeKind::kMidday,
     TimeKind::kMinchaGdolaMaga, TimeKind::kMinchaKtanaMaga, TimeKind::kPlagHaMinchaMaga},
    {TimeKind::kMidday, TimeKind::kMinchaGdola30},
    {TimeKind::kCandleLighting, TimeKind::kSunset, TimeKind::kStarsOutGra},
    {TimeKind::kSunset, TimeKind::kStarsOutRashaz},
};

TEST(TimesSweep, EveryDayOfAYearAtFiveLatitudes) {
    const Place places[] = {{"equator", 0, 0},
                            {"31N", 31.78, 35.231},
                            {"60N", 60.17, 24.95},
                            {"69N", 69.65, 18.96},
                            {"45S", -45, 170}};
    TimesOfDayOptions options;
    SetAllTimeSwitches(options, true);
    for (const Place& place : places) {
        int daysWithTimes = 0;
        // Local mean time keeps noon near 12:00 wherever the place is.
        const double zoneSeconds = place.longitude / 15 * 3600;
        for (CalendarDate day{1, 1, 2024}; day.year == 2024; day = NextCivilDay(day)) {
            const auto times = ComputeHalachicTimes(
                day, {place.latitude, place.longitude, 100, zoneSeconds, false, 18}, options,
                DayKind::kEve);
            if (times.empty())
                continue;
            ++daysWithTimes;
            std::map<TimeKind, int> minutes;
            int lastPosition = -1;
            for (const TimeEntry& t : times) {
                const int position = static_cast<int>(
                    std::find(kListOrder.begin(), kListOrder.end(), static_cast<int>(t.kind)) -
                    kListOrder.begin());
                ASSERT_GT(position, lastPosition)
                    << "list order, kind " << static_cast<int>(t.kind);
                lastPosition = position;
                ASSERT_TRUE(IsClockText(t.text))
                    << place.name << " " << int(day.month) << "/" << int(day.day);
                minutes[t.kind] = Minutes(t.text, t.kind <= TimeKind::kSunrise);
            }
            for (const auto& chain : kOrderedChains) {
                int last = -24 * 60;
                for (TimeKind kind : chain) {
                    const auto found = minutes.find(kind);
                    if (found == minutes.end())
                        continue;
                    // Rounding (to the nearest minute or a minute late) may cost one minute.
                    EXPECT_GE(found->second, last - 1)
                        << place.name << " " << int(day.month) << "/" << int(day.day) << " kind "
                        << static_cast<int>(kind);
                    last = found->second;
                }
            }
        }
        // 69.65N has about two months of midnight sun and seven weeks of polar night.
        EXPECT_GT(daysWithTimes, 240) << place.name;
    }
}

}  // namespace
}  // namespace plx
