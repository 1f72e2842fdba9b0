#include "app/stored_locations.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/stored_number.h"

namespace plx {
namespace {

// A hand-edited count must not make the program read (and hold) billions of empty entries.
constexpr std::int32_t kMostCustomLocations = 10000;

// The zone is kept as a float; a stored number beyond a float's range is no zone at all.
float ZoneOf(double hours) {
    return std::fabs(hours) <= std::numeric_limits<float>::max() ? static_cast<float>(hours) : 0.0f;
}

}  // namespace

CustomLocationList LoadCustomLocations(const SettingsStore& store) {
    CustomLocationList custom;
    const std::int32_t count =
        std::min(store.ReadInteger(kSettingsSection, u"CustomLocations", 0), kMostCustomLocations);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::u16string section = LocationSection(i);
        const auto number = [&](std::u16string_view name) {
            return ParseStoredNumber(store.ReadString(section, name, u""));
        };
        Location place;
        place.nameHebrew = store.ReadString(section, u"name_heb", u"");
        place.nameEnglish = store.ReadString(section, u"name_eng", u"");
        place.latitude = number(u"latitude");
        place.longitude = number(u"longitude");
        place.zone = ZoneOf(number(u"distance"));
        place.height = number(u"height");
        place.candleMinutes = store.ReadInteger(section, u"candle_dif", 0);
        place.refraction = store.ReadInteger(section, u"refraction", 0) == 1 ? 1 : 0;
        place.timeZone = store.ReadString(section, u"time_zone", u"");
        place.id = i;
        custom.push_back(std::move(place));
    }
    return custom;
}

void SaveCustomLocations(SettingsStore& store, const CustomLocationList& custom) {
    store.WriteInteger(kSettingsSection, u"CustomLocations",
                       static_cast<std::int32_t>(custom.size()));
    for (std::size_t i = 0; i < custom.size(); ++i) {
        const Location& place = custom[i];
        const std::u16string section = LocationSection(static_cast<int>(i));
        store.WriteString(section, u"name_heb", place.nameHebrew);
        store.WriteString(section, u"name_eng", place.nameEnglish);
        store.WriteString(section, u"latitude", FormatStoredNumber(place.latitude));
        store.WriteString(section, u"longitude", FormatStoredNumber(place.longitude));
        store.WriteString(section, u"distance",
                          FormatStoredNumber(static_cast<double>(place.zone)));
        store.WriteString(section, u"height", FormatStoredNumber(place.height));
        store.WriteInteger(section, u"candle_dif", place.candleMinutes);
        store.WriteInteger(section, u"refraction", place.refraction != 0 ? 1 : 0);
        store.WriteString(section, u"time_zone", place.timeZone);
    }
}

}  // namespace plx
