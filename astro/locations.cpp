#include "astro/locations.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace plx {
namespace {

struct LocationRow {
    const char16_t* nameHebrew;
    const char16_t* nameEnglish;
    double latitude;
    double longitude;
    float zone;
    double height;
    std::int32_t candleMinutes;
    std::int32_t refraction;
};

// Rows 19 and 20 are the same Petah Tikva with the two candle-lighting customs of the city.
constexpr std::array<LocationRow, kBuiltInLocationCount> kBuiltInLocations{{
    {u"ירושלים", u"Jerusalem", 31.78, 35.231, 2.0f, 800, 40, 1},                // 0
    {u"אילת", u"Eilat", 29.55, 34.95, 2.0f, 5, 22, 1},                          // 1
    {u"אשדוד", u"Ashdod", 31.8, 34.65, 2.0f, 11, 22, 1},                        // 2
    {u"אשקלון", u"Ashkelon", 31.66, 34.57, 2.0f, 0, 22, 1},                     // 3
    {u"באר שבע", u"Be'er Sheva", 31.2333, 34.7833, 2.0f, 160, 30, 1},           // 4
    {u"ביתר", u"Beitar", 31.6917, 35.1667, 2.0f, 783, 22, 1},                   // 5
    {u"בני ברק", u"Bnei Brak", 32.0833, 34.8333, 2.0f, 30, 22, 1},              // 6
    {u"גבעת יערים", u"Givat Ye'arim", 31.7865, 35.0918, 2.0f, 700, 22, 1},      // 7
    {u"גני תקוה", u"Gani Tikva", 32.06, 34.875, 2.0f, 30, 22, 1},               // 8
    {u"חברון", u"Hevron", 31.525, 35.125, 2.0f, 1000, 22, 1},                   // 9
    {u"חשמונאים", u"Hashmonaiim", 31.932158, 35.023222, 2.0f, 252, 22, 1},      // 10
    {u"חיפה", u"Haifa", 32.8083, 34.9833, 2.0f, 50, 30, 1},                     // 11
    {u"חיפה הכרמל", u"Haifa Ha'Karmel", 32.7833, 35.017, 2.0f, 200, 22, 1},     // 12
    {u"טבריה", u"Tiberias", 32.7917, 35.5333, 2.0f, -180, 30, 1},               // 13
    {u"יריחו", u"Jericho", 31.8533, 35.4583, 2.0f, -310, 22, 1},                // 14
    {u"כפר חב''ד", u"Kfar Habbad", 31.963, 34.803, 2.0f, 0, 22, 1},             // 15
    {u"מודיעין", u"Modi'in", 31.900814, 34.9313173, 2.0f, 262, 22, 1},          // 16
    {u"מירון", u"Meiron", 32.987907, 35.439168, 2.0f, 1000, 22, 1},             // 17
    {u"עפולה", u"Afula", 32.609, 35.5333, 2.0f, 0, 22, 1},                      // 18
    {u"פתח תקוה", u"Petah Tikva", 32.0907833, 34.8459859, 2.0f, 11, 22, 1},     // 19
    {u"פתח תקוה", u"Petah Tikva", 32.0907833, 34.8459859, 2.0f, 11, 40, 1},     // 20
    {u"קדומים", u"Kdumim", 32.2180489, 35.1409284, 2.0f, 400, 22, 1},           // 21
    {u"ראש העין", u"Rosh Ha'ain", 32.0833, 34.95, 2.0f, 90, 22, 1},             // 22
    {u"רחובות", u"Rehovot", 31.8833, 34.817, 2.0f, 30, 22, 1},                  // 23
    {u"רעננה", u"Ra'anana", 32.1896359, 34.8427054, 2.0f, 11, 22, 1},           // 24
    {u"תל אביב", u"Tel Aviv", 32.0667, 34.78, 2.0f, 11, 22, 1},                 // 25
    {u"אודסה", u"Odessa", 46.4833, 30.7333, 3.0f, 65, 22, 0},                   // 26
    {u"אטלנטה", u"Atlanta", 33.65, -84.4333, -5.0f, 306, 22, 0},                // 27
    {u"איסטנבול", u"Istanbul", 40.9667, 28.8333, 3.0f, 18, 22, 0},              // 28
    {u"אמסטרדם", u"Amsterdam", 52.3833, 4.9167, 1.0f, 2, 22, 0},                // 29
    {u"אתונה", u"Athens", 37.9667, 23.7167, 2.0f, 107, 22, 0},                  // 30
    {u"בגדד", u"Baghdad", 33.3333, 44.4, 3.0f, 34, 22, 0},                      // 31
    {u"בואינוס איירס", u"Buenos Aires", -34.5833, -58.4833, -3.0f, 30, 22, 0},  // 32
    {u"בודפשט", u"Budapest", 47.5167, 19.0333, 1.0f, 120, 22, 0},               // 33
    {u"בולטימור", u"Baltimore", 39.1667, -76.6667, -5.0f, 45, 22, 0},           // 34
    {u"בוסטון", u"Boston", 42.3667, -71.0333, -5.0f, 5, 22, 0},                 // 35
    {u"בוקרשט", u"Bucharest", 44.4167, 26.1, 2.0f, 82, 22, 0},                  // 36
    {u"בנקוק", u"Bangkok", 13.7333, 100.5, 7.0f, 12, 22, 0},                    // 37
    {u"בריסל", u"Brussels", 50.5, 4.21, 1.0f, 0, 22, 0},                        // 38
    {u"ברלין", u"Berlin", 52.45, 13.3, 1.0f, 57, 22, 0},                        // 39
    {u"דאבלין", u"Dublin", 53.3667, -6.3561, 0.0f, 47, 22, 0},                  // 40
    {u"דאלאס", u"Dallas", 32.85, -96.85, -6.0f, 146, 22, 0},                    // 41
    {u"דנוור", u"Denver", 39.75, -104.8667, -7.0f, 1601, 22, 0},                // 42
    {u"הוליווד", u"Hollywood", 26.1, -80.2, -5.0f, 8, 22, 0},                   // 43
    {u"הלסינקי", u"Helsinki", 60.1667, 24.95, 2.0f, 9, 22, 0},                  // 44
    {u"וארשה", u"Warsaw", 52.2167, 21.0333, 1.0f, 120, 22, 0},                  // 45
    {u"וינה", u"Vienna", 48.25, 16.3667, 1.0f, 196, 22, 0},                     // 46
    {u"טאביליסי", u"Tbilisi", 41.7167, 44.8, 3.0f, 402, 22, 0},                 // 47
    {u"טאשקאנט", u"Tashkent", 41.3333, 69.3, 5.0f, 478, 22, 0},                 // 48
    {u"טהרן", u"Teheran", 35.6833, 51.4167, 4.0f, 1213, 22, 0},                 // 49
    {u"טוקיו", u"Tokyo", 35.6833, 139.7667, 9.0f, 6, 22, 0},                    // 50
    {u"טורונטו", u"Toronto", 43.6833, -79.6333, -5.0f, 175, 22, 0},             // 51
    {u"יוהנסבורג", u"Johannesburg", -26.1833, 28.05, 2.0f, 1655, 22, 0},        // 52
    {u"לונדון", u"London", 51.4833, 0, 0.0f, 45, 22, 0},                        // 53
    {u"לוס אנגלס", u"Los Angeles", 34, -118.0167, -8.0f, 95, 22, 0},            // 54
    {u"ליסבון", u"Lisbon", 38.7167, -9.1333, 0.0f, 95, 22, 0},                  // 55
    {u"מדריד", u"Madrid", 40.4167, -3.6833, 1.0f, 667, 22, 0},                  // 56
    {u"מונטוידאו", u"Montevideo", -34.85, -56.2167, -3.0f, 22, 22, 0},          // 57
    {u"מונטריאול", u"Montreal", 45.4667, -73.75, -5.0f, 30, 22, 0},             // 58
    {u"מוסקווה", u"Moscow", 55.7667, 37.6667, 3.0f, 154, 22, 0},                // 59
    {u"מיאמי", u"Miami", 25.8, -80.2667, -5.0f, 2, 22, 0},                      // 60
    {u"מיאמי ביץ", u"Miami Beach", 25.81585, -80.185, -5.0f, 3, 22, 0},         // 61
    {u"מיניאפוליס", u"Minneapolis", 44.8833, -93.2167, -6.0f, 253, 22, 0},      // 62
    {u"מינסק", u"Minsk", 53.9, 27.55, 2.0f, 224, 22, 0},                        // 63
    {u"מלבורן", u"Melbourne", -37.8167, 144.9667, 11.0f, 35, 22, 0},            // 64
    {u"ניו אורליאנס", u"New Orleans", 30, -90.3333, -6.0f, 1, 22, 0},           // 65
    {u"ניו יורק", u"New York", 40.8333, -73.96, -5.0f, 6, 22, 0},               // 66
    {u"נירובי", u"Nairobi", -1.2667, 36.8, 3.0f, 1820, 22, 0},                  // 67
    {u"סאו פאולו", u"Sao Paulo", -23.55, -46.6333, -3.0f, 790, 22, 0},          // 68
    {u"סופיה", u"Sofia", 42.7, 23.3333, 2.0f, 550, 22, 0},                      // 69
    {u"סידני", u"Sydney", -33.8667, 151.2, 10.0f, 42, 22, 0},                   // 70
    {u"קנזס סיטי", u"Kansas City", 39.1667, -94.6667, -6.0f, 225, 22, 0},       // 71
    {u"פריס", u"Paris", 48.8167, 2.4833, 1.0f, 50, 22, 0},                      // 72
    {u"קאפטאון", u"Capetown", -33.9333, 18.4833, 2.0f, 17, 22, 0},              // 73
    {u"קהיר", u"Cairo", 29.8667, 31.3333, 2.0f, 116, 22, 0},                    // 74
    {u"קופנהאגן", u"Copenhagen", 55.6833, 12.55, 1.0f, 13, 22, 0},              // 75
    {u"קייב", u"Kiev", 50.45, 30.5, 2.0f, 183, 22, 0},                          // 76
    {u"קרקוב", u"Cracow", 50.0467, 19.8399, 2.0f, 143, 22, 0},                  // 77
    {u"רוסטוב", u"Rostov", 47.2167, 39.7167, 3.0f, 48, 22, 0},                  // 78
    {u"שיקאגו", u"Chicago", 41.8369, -87.6847, -6.0f, 188, 20, 0},              // 79
}};

// The IANA time zone of each built-in row, by row. Rows whose zone hours are not their zone's
// standard offset (a place stored with its summer offset, a country that has since moved) keep
// their hours for the manual mode; the automatic mode follows the zone.
constexpr std::array<std::u16string_view, kBuiltInLocationCount> kBuiltInTimeZones{{
    u"Asia/Jerusalem",                  // 0 Jerusalem
    u"Asia/Jerusalem",                  // 1 Eilat
    u"Asia/Jerusalem",                  // 2 Ashdod
    u"Asia/Jerusalem",                  // 3 Ashkelon
    u"Asia/Jerusalem",                  // 4 Be'er Sheva
    u"Asia/Jerusalem",                  // 5 Beitar
    u"Asia/Jerusalem",                  // 6 Bnei Brak
    u"Asia/Jerusalem",                  // 7 Givat Ye'arim
    u"Asia/Jerusalem",                  // 8 Gani Tikva
    u"Asia/Jerusalem",                  // 9 Hevron
    u"Asia/Jerusalem",                  // 10 Hashmonaiim
    u"Asia/Jerusalem",                  // 11 Haifa
    u"Asia/Jerusalem",                  // 12 Haifa Ha'Karmel
    u"Asia/Jerusalem",                  // 13 Tiberias
    u"Asia/Jerusalem",                  // 14 Jericho
    u"Asia/Jerusalem",                  // 15 Kfar Habbad
    u"Asia/Jerusalem",                  // 16 Modi'in
    u"Asia/Jerusalem",                  // 17 Meiron
    u"Asia/Jerusalem",                  // 18 Afula
    u"Asia/Jerusalem",                  // 19 Petah Tikva
    u"Asia/Jerusalem",                  // 20 Petah Tikva
    u"Asia/Jerusalem",                  // 21 Kdumim
    u"Asia/Jerusalem",                  // 22 Rosh Ha'ain
    u"Asia/Jerusalem",                  // 23 Rehovot
    u"Asia/Jerusalem",                  // 24 Ra'anana
    u"Asia/Jerusalem",                  // 25 Tel Aviv
    u"Europe/Kyiv",                     // 26 Odessa
    u"America/New_York",                // 27 Atlanta
    u"Europe/Istanbul",                 // 28 Istanbul
    u"Europe/Amsterdam",                // 29 Amsterdam
    u"Europe/Athens",                   // 30 Athens
    u"Asia/Baghdad",                    // 31 Baghdad
    u"America/Argentina/Buenos_Aires",  // 32 Buenos Aires
    u"Europe/Budapest",                 // 33 Budapest
    u"America/New_York",                // 34 Baltimore
    u"America/New_York",                // 35 Boston
    u"Europe/Bucharest",                // 36 Bucharest
    u"Asia/Bangkok",                    // 37 Bangkok
    u"Europe/Brussels",                 // 38 Brussels
    u"Europe/Berlin",                   // 39 Berlin
    u"Europe/Dublin",                   // 40 Dublin
    u"America/Chicago",                 // 41 Dallas
    u"America/Denver",                  // 42 Denver
    u"America/New_York",                // 43 Hollywood
    u"Europe/Helsinki",                 // 44 Helsinki
    u"Europe/Warsaw",                   // 45 Warsaw
    u"Europe/Vienna",                   // 46 Vienna
    u"Asia/Tbilisi",                    // 47 Tbilisi
    u"Asia/Tashkent",                   // 48 Tashkent
    u"Asia/Tehran",                     // 49 Teheran
    u"Asia/Tokyo",                      // 50 Tokyo
    u"America/Toronto",                 // 51 Toronto
    u"Africa/Johannesburg",             // 52 Johannesburg
    u"Europe/London",                   // 53 London
    u"America/Los_Angeles",             // 54 Los Angeles
    u"Europe/Lisbon",                   // 55 Lisbon
    u"Europe/Madrid",                   // 56 Madrid
    u"America/Montevideo",              // 57 Montevideo
    u"America/Toronto",                 // 58 Montreal
    u"Europe/Moscow",                   // 59 Moscow
    u"America/New_York",                // 60 Miami
    u"America/New_York",                // 61 Miami Beach
    u"America/Chicago",                 // 62 Minneapolis
    u"Europe/Minsk",                    // 63 Minsk
    u"Australia/Melbourne",             // 64 Melbourne
    u"America/Chicago",                 // 65 New Orleans
    u"America/New_York",                // 66 New York
    u"Africa/Nairobi",                  // 67 Nairobi
    u"America/Sao_Paulo",               // 68 Sao Paulo
    u"Europe/Sofia",                    // 69 Sofia
    u"Australia/Sydney",                // 70 Sydney
    u"America/Chicago",                 // 71 Kansas City
    u"Europe/Paris",                    // 72 Paris
    u"Africa/Johannesburg",             // 73 Capetown
    u"Africa/Cairo",                    // 74 Cairo
    u"Europe/Copenhagen",               // 75 Copenhagen
    u"Europe/Kyiv",                     // 76 Kiev
    u"Europe/Warsaw",                   // 77 Cracow
    u"Europe/Moscow",                   // 78 Rostov
    u"America/Chicago",                 // 79 Chicago
}};

std::u16string NumberText(int n) {
    const std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

bool IsBlank(std::u16string_view name) {
    return std::all_of(name.begin(), name.end(), [](char16_t c) {
        return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u3000' ||
               (c >= u'\u2000' && c <= u'\u200B');
    });
}

}  // namespace

Location BuiltInLocation(LocationKey key) {
    const std::size_t index =
        key >= 0 && key < kBuiltInLocationCount ? static_cast<std::size_t>(key) : 0;
    const LocationRow& row = kBuiltInLocations[index];
    return {row.nameHebrew,
            row.nameEnglish,
            row.latitude,
            row.longitude,
            row.zone,
            row.height,
            row.candleMinutes,
            row.refraction,
            0,
            std::u16string(kBuiltInTimeZones[index])};
}

Location LookupLocation(LocationKey key, const CustomLocationList& custom) {
    if (key < kBuiltInLocationCount)
        return BuiltInLocation(key);
    if (const auto found = FindCustomLocation(custom, key - kBuiltInLocationCount))
        return custom[*found];
    return custom.empty() ? BuiltInLocation(0) : custom.back();
}

std::optional<std::size_t> FindCustomLocation(const CustomLocationList& custom, std::int32_t id) {
    const auto found =
        std::find_if(custom.begin(), custom.end(), [id](const Location& l) { return l.id == id; });
    if (found == custom.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - custom.begin());
}

bool CompleteLocationNames(Location& place) {
    const bool noHebrew = IsBlank(place.nameHebrew);
    const bool noEnglish = IsBlank(place.nameEnglish);
    if (noHebrew && noEnglish)
        return false;
    if (noHebrew)
        place.nameHebrew = place.nameEnglish;
    else if (noEnglish)
        place.nameEnglish = place.nameHebrew;
    return true;
}

std::size_t AddCustomLocation(CustomLocationList& custom, Location place) {
    std::int32_t largest = 0;
    for (const Location& l : custom)
        largest = std::max(largest, l.id);
    place.id = largest + 1;
    custom.push_back(std::move(place));
    return custom.size() - 1;
}

bool UpdateCustomLocation(CustomLocationList& custom, std::int32_t id, Location place) {
    const auto found = FindCustomLocation(custom, id);
    if (!found)
        return false;
    place.id = id;
    custom[*found] = std::move(place);
    return true;
}

bool DeleteCustomLocation(CustomLocationList& custom, std::int32_t id) {
    const auto found = FindCustomLocation(custom, id);
    if (!found)
        return false;
    custom.erase(custom.begin() + static_cast<std::ptrdiff_t>(*found));
    return true;
}

const std::u16string& LocationDisplayName(const Location& place, Language language) {
    return language == Language::kHebrew ? place.nameHebrew : place.nameEnglish;
}

std::u16string LocationListText(const Location& place, Language language) {
    return LocationDisplayName(place, language) + u" (" + NumberText(place.candleMinutes) + u")";
}

}  // namespace plx
