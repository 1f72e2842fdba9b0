// plxcal locations: the built-in places and the user's own, with the keys that choose them; and
// the edits of the user's places and of the current one, in the store the program keeps.
#include <functional>
#include <map>

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
        call.out << key << '\t' << OnOneLine(LocationListText(place, TextLanguage(call))) << '\n';
    }
}

int List(const Invocation& call) {
    ExpectArguments(call, 0, 0, kUsage);
    JsonWriter json(call.out);
    for (LocationKey key = 0; key < kBuiltInLocationCount; ++key)
        Print(call, json, key, BuiltInLocation(key), false);
    for (const Location& place : ReadStoredSettings().custom)
        Print(call, json, CustomLocationKey(place.id), place, true);
    return 0;
}

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

// The id of one of the user's places as the store holds them now; built-in rows cannot be
// changed.
std::int32_t OwnPlaceId(LocationKey key, const SettingsStore& store) {
    ExpectKnownLocation(key, LoadCustomLocations(store));
    if (key < kBuiltInLocationCount) {
        throw UsageError{QStringLiteral("location %1 is built in; only your own locations (keys "
                                        "80 and up) can be changed or removed")
                             .arg(key)};
    }
    return key - kBuiltInLocationCount;
}

// A name left empty takes the other; a place with neither is refused.
void ExpectAName(Location& place, const char* action) {
    if (!CompleteLocationNames(place)) {
        throw UsageError{QStringLiteral("locations %1: a place needs a name; --name-he and "
                                        "--name-en cannot both be empty")
                             .arg(QLatin1String(action))};
    }
}

// Each edit reads the places as the file holds them while it has the file to itself: another
// plxcal or the program may have changed them since this one started.

int Add(const Invocation& call) {
    ExpectArguments(call, 1, 1, kUsage);
    for (const char* required : {"name-he", "name-en", "lat", "lon", "zone"}) {
        if (!call.parser.isSet(QLatin1String(required)))
            throw UsageError{QStringLiteral("locations add: --%1 is required").arg(required)};
    }
    Location place;
    place.candleMinutes = kDefaultCandleMinutes;
    ApplyPlaceOptions(call, place);
    ExpectAName(place, "add");
    LocationKey key = 0;
    ChangeStoredSettings([&](SettingsStore& store) { key = AddStoredLocation(store, place); });
    // Only now that it is stored.
    call.out << key << '\n';
    return 0;
}

int Update(const Invocation& call) {
    const LocationKey key = KeyArgument(call);
    // The options are checked before the file is taken.
    if (Location check; !ApplyPlaceOptions(call, check))
        throw UsageError{QStringLiteral("locations update: no option given, nothing to change")};
    ChangeStoredSettings([&](SettingsStore& store) {
        const std::int32_t id = OwnPlaceId(key, store);
        const CustomLocationList custom = LoadCustomLocations(store);
        const Location& before = custom[*FindCustomLocation(custom, id)];
        Location after = before;
        ApplyPlaceOptions(call, after);
        ExpectAName(after, "update");
        UpdateStoredLocation(store, id, before, after);
    });
    return 0;
}

int Remove(const Invocation& call) {
    const LocationKey key = KeyArgument(call);
    ChangeStoredSettings(
        [&](SettingsStore& store) { RemoveStoredLocation(store, OwnPlaceId(key, store)); });
    return 0;
}

int Use(const Invocation& call) {
    const LocationKey key = KeyArgument(call);
    ChangeStoredSettings([&](SettingsStore& store) {
        ExpectKnownLocation(key, LoadCustomLocations(store));
        store.WriteInteger(kSettingsSection, kLocationKeyName, key);
    });
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
