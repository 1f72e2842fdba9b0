// plxcal locations: the built-in places and the user's own, with the keys that choose them; and
// the edits of the user's places and of the current one, in the store the program keeps.
#include <functional>
#include <map>

#include "app/settings.h"
#include "app/stored_locations.h"
#include "cli/command.h"
#include "cli/location_record.h"

namespace plx::cli {
namespace {

constexpr const char* kUsage =
    "locations [--json] [--lang he|en] | locations add --name-he TEXT --name-en TEXT --lat D "
    "--lon D --zone H [--tz ZONEID] [--height M] [--candles MIN] "
    "[--world-refraction|--israel-refraction] | "
    "locations update KEY [options of add] | locations remove KEY | locations use KEY";

// Candle lighting and refraction of a new place, as the program's location dialog starts them.
constexpr int kDefaultCandleMinutes = 22;

void Print(const Invocation& call, JsonWriter& json, LocationKey key, const Location& place,
           bool custom) {
    if (WantsJson(call)) {
        WriteLocationRecord(json, place, LocationListing{key, custom});
        json.EndRecord();
    } else {
        call.out << key << '\t' << LocationListText(place, TextLanguage(call)) << '\n';
    }
}

int List(const Invocation& call) {
    ExpectArguments(call, 0, 0, kUsage);
    JsonWriter json(call.out);
    for (LocationKey key = 0; key < kBuiltInLocationCount; ++key)
        Print(call, json, key, BuiltInLocation(key), false);
    for (const Location& place : LoadCustomLocations(IniSettingsStore())) {
        Print(call, json, CustomLocationKey(place.id), place, true);
    }
    return 0;
}

// The user's places and the current key as the store holds them. The places' ids are their
// positions, so 80 + position is the key of each.
struct StoredPlaces {
    IniSettingsStore store;
    CustomLocationList custom = LoadCustomLocations(store);
    LocationKey storedKey = store.ReadInteger(kSettingsSection, kLocationKeyName, 0);
    // The stored key of a place that is gone names the one it falls back to.
    LocationKey current = RenumberCustomLocations(custom, storedKey);

    // Writes the places back with the key of the same current place; nothing else.
    void Save() {
        current = RenumberCustomLocations(custom, current);
        SaveCustomLocations(store, custom);
        if (current != storedKey)
            store.WriteInteger(kSettingsSection, kLocationKeyName, current);
    }
};

LocationKey KeyArgument(const Invocation& call) {
    ExpectArguments(call, 2, 2, kUsage);
    bool ok = false;
    const LocationKey key = call.positionals[1].toInt(&ok);
    if (!ok) {
        throw UsageError{
            QStringLiteral("invalid location key '%1': expected a whole number from 'plxcal "
                           "locations'")
                .arg(call.positionals[1])};
    }
    return key;
}

// The id of one of the user's places; built-in rows cannot be changed.
std::int32_t OwnPlaceId(const Invocation& call, const StoredPlaces& places) {
    const LocationKey key = KeyArgument(call);
    ExpectKnownLocation(key, places.custom);
    if (key < kBuiltInLocationCount) {
        throw UsageError{QStringLiteral("location %1 is built in; only your own locations (keys "
                                        "80 and up) can be changed or removed")
                             .arg(key)};
    }
    return key - kBuiltInLocationCount;
}

int Add(const Invocation& call) {
    ExpectArguments(call, 1, 1, kUsage);
    for (const char* required : {"name-he", "name-en", "lat", "lon", "zone"}) {
        if (!call.parser.isSet(QLatin1String(required)))
            throw UsageError{QStringLiteral("locations add: --%1 is required").arg(required)};
    }
    Location place;
    place.candleMinutes = kDefaultCandleMinutes;
    ApplyPlaceOptions(call, place);
    StoredPlaces places;
    const std::size_t position = AddCustomLocation(places.custom, place);
    places.Save();
    call.out << CustomLocationKey(static_cast<std::int32_t>(position)) << '\n';
    return 0;
}

int Update(const Invocation& call) {
    StoredPlaces places;
    const std::int32_t id = OwnPlaceId(call, places);
    Location place = places.custom[*FindCustomLocation(places.custom, id)];
    if (!ApplyPlaceOptions(call, place))
        throw UsageError{QStringLiteral("locations update: no option given, nothing to change")};
    UpdateCustomLocation(places.custom, id, place);
    places.Save();
    return 0;
}

int Remove(const Invocation& call) {
    StoredPlaces places;
    DeleteCustomLocation(places.custom, OwnPlaceId(call, places));
    places.Save();
    return 0;
}

int Use(const Invocation& call) {
    StoredPlaces places;
    const LocationKey key = KeyArgument(call);
    ExpectKnownLocation(key, places.custom);
    places.store.WriteInteger(kSettingsSection, kLocationKeyName, key);
    return 0;
}

}  // namespace

int RunLocations(const Invocation& call) {
    if (call.positionals.isEmpty())
        return List(call);
    static const std::map<QString, std::function<int(const Invocation&)>> actions{
        {QStringLiteral("add"), Add},
        {QStringLiteral("update"), Update},
        {QStringLiteral("remove"), Remove},
        {QStringLiteral("use"), Use},
    };
    const auto action = actions.find(call.positionals.front());
    if (action == actions.end()) {
        throw UsageError{QStringLiteral("unknown locations action '%1'; expected add, update, "
                                        "remove or use")
                             .arg(call.positionals.front())};
    }
    return action->second(call);
}

}  // namespace plx::cli
