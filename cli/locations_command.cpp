// plxcal locations: the built-in places and the user's own, with the keys that choose them.
#include <QJsonDocument>

#include "app/settings.h"
#include "app/stored_locations.h"
#include "cli/command.h"
#include "cli/location_record.h"

namespace plx::cli {
namespace {

void Print(const Invocation& call, LocationKey key, const Location& place, bool custom) {
    if (WantsJson(call)) {
        QJsonObject record = LocationRecord(place);
        record.insert(QStringLiteral("key"), key);
        record.insert(QStringLiteral("custom"), custom);
        call.out << QJsonDocument(record).toJson(QJsonDocument::Compact) << '\n';
    } else {
        call.out << key << '\t'
                 << QString::fromStdU16String(LocationListText(place, TextLanguage(call))) << '\n';
    }
}

}  // namespace

int RunLocations(const Invocation& call) {
    ExpectArguments(call, 0, 0, "locations [--json] [--lang he|en]");
    for (LocationKey key = 0; key < kBuiltInLocationCount; ++key)
        Print(call, key, BuiltInLocation(key), false);
    for (const Location& place : LoadCustomLocations(IniSettingsStore())) {
        Print(call, CustomLocationKey(place.id), place, true);
    }
    return 0;
}

}  // namespace plx::cli
