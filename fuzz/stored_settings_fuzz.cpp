// Fills a settings store with arbitrary values under the names the program reads, then loads the
// options and the custom locations from it and computes a day's times and the times page at the
// current location: whatever a hand-edited settings file holds, every time must be a clock time.
// Then saves and reads back: nothing the loader took may be lost or changed by a save, and an
// edit of one value changes that value alone.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/settings_store.h"
#include "app/stored_locations.h"
#include "app/stored_number.h"
#include "app/stored_options.h"
#include "app/time_zone_database.h"
#include "astro/halachic_times.h"

namespace {

const char16_t* const kSettingsNames[] = {
    u"plx_times_flags",        u"plx_times_mile",   u"plx_times_bod", u"plx_times_tt",
    u"plx_calc_heights",       u"plx_daylight",     u"plx_timezone",  u"CustomLocations",
    u"plx_reportmonthly_plag", u"plx_daylight_auto"};
const char16_t* const kTimesNames[] = {u"StarsOutRabeinuTamMinutes",
                                       u"StarsOutRabeinuTamMethod",
                                       u"MilesMethod",
                                       u"RiseSetDiffMethod",
                                       u"TalitTfilinMethod",
                                       u"BreakOfDawn",
                                       u"TalitTfilin",
                                       u"Motzash",
                                       u"CandleLighting",
                                       u"StarsOutStandard"};
const char16_t* const kLocationNames[] = {u"name_heb",   u"name_eng",   u"latitude",
                                          u"longitude",  u"distance",   u"height",
                                          u"candle_dif", u"refraction", u"time_zone"};

std::u16string Text(FuzzedDataProvider& data) {
    const std::string bytes = data.ConsumeRandomLengthString(24);
    return {bytes.begin(), bytes.end()};
}

void Put(FuzzedDataProvider& data, plx::SettingsStore& store, std::u16string_view section,
         std::u16string_view name) {
    if (data.ConsumeBool()) {
        store.WriteInteger(section, name, data.ConsumeIntegral<std::int32_t>());
    } else {
        store.WriteString(section, name, Text(data));
    }
}

bool IsClockText(const std::u16string& t) {
    return t.size() == 5 && t[2] == u':' && t[0] >= u'0' && t[0] <= u'9' && t[1] >= u'0' &&
           t[1] <= u'9' && t[3] >= u'0' && t[3] <= u'5' && t[4] >= u'0' && t[4] <= u'9';
}

void Expect(bool condition) {
    if (!condition)
        std::abort();
}

void CheckOptionsSurviveSaving(const plx::MemorySettingsStore& store,
                               const plx::CalculationSettings& settings, std::size_t size) {
    plx::MemorySettingsStore saved = store;
    plx::SaveCalculationSettings(saved, settings);
    Expect(plx::LoadCalculationSettings(saved) == settings);

    // Closing a window that changed nothing writes nothing; one change reads back as made.
    plx::MemorySettingsStore untouched = store;
    plx::SaveChangedCalculationSettings(untouched, settings, settings);
    Expect(untouched.Values() == store.Values());
    plx::CalculationSettings changed = settings;
    changed.calcHeights = !changed.calcHeights;
    changed.locationKey = static_cast<plx::LocationKey>(size % 100);
    plx::MemorySettingsStore edited = store;
    plx::SaveChangedCalculationSettings(edited, settings, changed);
    Expect(plx::LoadCalculationSettings(edited) == changed);
}

void CheckPlacesSurviveEditing(const plx::MemorySettingsStore& store,
                               const plx::CustomLocationList& custom, std::size_t size) {
    plx::MemorySettingsStore edited = store;
    for (const plx::Location& place : custom)
        plx::UpdateStoredLocation(edited, place.id, place, place);
    Expect(edited.Values() == store.Values());
    if (!custom.empty()) {
        const std::size_t which = size % custom.size();
        plx::Location changed = custom[which];
        changed.candleMinutes = (changed.candleMinutes + 1) % 181;
        changed.nameEnglish += u'*';
        plx::UpdateStoredLocation(edited, changed.id, custom[which], changed);
        plx::CustomLocationList expected = custom;
        expected[which] = changed;
        Expect(plx::LoadCustomLocations(edited) == expected);
        edited = store;
    }

    // A place added and removed again leaves the list as it was; the current key with it.
    plx::Location added;
    added.nameEnglish = u"Added";
    added.latitude = 31.5;
    const plx::LocationKey key = plx::AddStoredLocation(edited, added);
    plx::CustomLocationList grown = plx::LoadCustomLocations(edited);
    Expect(!grown.empty() && grown.back().id == key - plx::kBuiltInLocationCount);
    added.id = grown.back().id;
    Expect(grown.back() == added);
    grown.pop_back();
    Expect(grown == custom);
    plx::RemoveStoredLocation(edited, added.id);
    Expect(plx::LoadCustomLocations(edited) == custom);
    Expect(plx::LookupLocation(plx::LoadCalculationSettings(edited).locationKey, custom) ==
           plx::LookupLocation(plx::LoadCalculationSettings(store).locationKey, custom));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    plx::MemorySettingsStore store;
    while (data.remaining_bytes() > 0) {
        switch (data.ConsumeIntegralInRange(0, 2)) {
            case 0:
                Put(data, store, plx::kSettingsSection, data.PickValueInArray(kSettingsNames));
                break;
            case 1:
                Put(data, store, plx::kTimesOfDaySection, data.PickValueInArray(kTimesNames));
                break;
            default:
                Put(data, store, plx::LocationSection(data.ConsumeIntegralInRange(0, 3)),
                    data.PickValueInArray(kLocationNames));
        }
    }
    const plx::CalculationSettings settings = plx::LoadCalculationSettings(store);
    const plx::CustomLocationList custom = plx::LoadCustomLocations(store);
    const plx::Location place = plx::LookupLocation(settings.locationKey, custom);
    const plx::CalendarDate day{static_cast<std::uint8_t>(1 + size % 28),
                                static_cast<std::uint8_t>(1 + size % 12), 2024};
    for (const plx::TimeEntry& entry :
         plx::ComputeTimesAt(day, settings, place, settings.times, plx::SystemZoneOffset)) {
        if (!IsClockText(entry.text))
            std::abort();
    }
    (void)plx::BuildTimesText(day, settings, place, static_cast<plx::Language>(size % 2),
                              plx::SystemZoneOffset);
    // What is saved reads back, to six decimals.
    for (const plx::Location& l : custom) {
        const double back = plx::ParseStoredNumber(plx::FormatStoredNumber(l.latitude));
        if (!(std::abs(back - l.latitude) <= std::max(1e-6, std::abs(l.latitude) * 1e-15)))
            std::abort();
    }
    CheckOptionsSurviveSaving(store, settings, size);
    CheckPlacesSurviveEditing(store, custom, size);
    return 0;
}
