// Places for the halachic times: 80 built-in rows (26 in Israel, then 54 world cities) and the
// user's own list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/language.h"

namespace plx {

struct Location {
    std::u16string nameHebrew;
    std::u16string nameEnglish;
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    float zone = 0;        // hours from UT of local standard time
    double height = 0;     // metres, negative below sea level
    std::int32_t candleMinutes = 0;
    std::int32_t refraction = 0;  // 1 Israel average, 0 world average
    std::int32_t id = 0;          // of a custom location; 0 in every built-in row
    // IANA time zone ("Asia/Jerusalem"), whose clock the automatic daylight saving follows; empty
    // for a place that has none (a custom location made before places had zones).
    std::u16string timeZone;

    friend bool operator==(const Location&, const Location&) = default;
};

// The values a place may hold, bounds included; beyond them its times are blank or meaningless.
struct ValueRange {
    double low;
    double high;

    constexpr bool Contains(double value) const { return value >= low && value <= high; }
};
inline constexpr ValueRange kLatitudeBounds{-90, 90};
inline constexpr ValueRange kLongitudeBounds{-180, 180};
inline constexpr ValueRange kZoneHoursBounds{-24, 24};
inline constexpr ValueRange kHeightBounds{-1000, 10000};
inline constexpr ValueRange kCandleMinutesBounds{0, 180};

// 0..79 a built-in row, 80 + id a custom location.
using LocationKey = std::int32_t;
inline constexpr int kBuiltInLocationCount = 80;
constexpr LocationKey CustomLocationKey(std::int32_t id) {
    return kBuiltInLocationCount + id;
}

// The user's locations in their order; ids are unique within the list.
using CustomLocationList = std::vector<Location>;

// Row 0..79 of the built-in table (out-of-range keys give Jerusalem).
Location BuiltInLocation(LocationKey key);

// A built-in row; else the custom location of id key - 80; else the last custom location; else
// Jerusalem (row 0).
Location LookupLocation(LocationKey key, const CustomLocationList& custom);

// Position of the custom location with that id, if any.
std::optional<std::size_t> FindCustomLocation(const CustomLocationList& custom, std::int32_t id);

// A place needs a name: a name left blank (empty or only spaces) takes the other one. False, with
// the place unchanged, when both are blank.
bool CompleteLocationNames(Location& place);

// Appends the place (its id ignored) with the largest id in the list + 1, 1 for an empty list;
// returns its position.
std::size_t AddCustomLocation(CustomLocationList& custom, Location place);
// Overwrites the entry of that id, keeping its id and position; false when there is none.
bool UpdateCustomLocation(CustomLocationList& custom, std::int32_t id, Location place);
// Removes the entry of that id; the others keep their ids. False when there is none.
bool DeleteCustomLocation(CustomLocationList& custom, std::int32_t id);

// The Hebrew name in Hebrew, the English one in English.
const std::u16string& LocationDisplayName(const Location& place, Language language);
// "<name> (<candle minutes>)", as the location lists show it.
std::u16string LocationListText(const Location& place, Language language);

}  // namespace plx
