// What plxcal says about a place.
#pragma once

#include <optional>
#include <string_view>

#include "astro/locations.h"
#include "cli/json_writer.h"

namespace plx::cli {

// Where a place stands in the list of places: its key, and whether it is one of the user's own.
struct LocationListing {
    LocationKey key = 0;
    bool custom = false;
};

// candleMinutes, height, latitude, longitude, nameEnglish, nameHebrew, refraction, timeZone (null
// for none), zone; with a listing, its custom and key too.
void WriteLocationRecord(JsonWriter& json, const Location& place,
                         std::optional<LocationListing> listing = std::nullopt);

// The place's time-zone id; none when it has none.
std::optional<std::u16string_view> TimeZoneId(const Location& place);

}  // namespace plx::cli
