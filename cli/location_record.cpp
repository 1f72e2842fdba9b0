#include "cli/location_record.h"

namespace plx::cli {

std::optional<std::u16string_view> TimeZoneId(const Location& place) {
    if (place.timeZone.empty())
        return std::nullopt;
    return place.timeZone;
}

// Keys in alphabetical order, the order plxcal has always written.
void WriteLocationRecord(JsonWriter& json, const Location& place,
                         std::optional<LocationListing> listing) {
    json.StartObject();
    json.Field("candleMinutes", place.candleMinutes);
    if (listing)
        json.Field("custom", listing->custom);
    json.Field("height", place.height);
    if (listing)
        json.Field("key", listing->key);
    json.Field("latitude", place.latitude);
    json.Field("longitude", place.longitude);
    json.Field("nameEnglish", place.nameEnglish);
    json.Field("nameHebrew", place.nameHebrew);
    json.Field("refraction", place.refraction);
    json.Field("timeZone", TimeZoneId(place));
    json.Field("zone", static_cast<double>(place.zone));
    json.EndObject();
}

}  // namespace plx::cli
