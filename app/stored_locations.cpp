#include "app/stored_locations.h"

#include <algorithm>
#include <array>
#include <limits>

#include "app/stored_number.h"

namespace plx {
namespace {

constexpr std::u16string_view kCount = u"CustomLocations";

// Every value of a place's section, in the order they are written.
constexpr std::array<std::u16string_view, 9> kPlaceValues{
    u"name_heb", u"name_eng",   u"latitude",   u"longitude", u"distance",
    u"height",   u"candle_dif", u"refraction", u"time_zone"};

bool SectionExists(const SettingsStore& store, int index) {
    const std::u16string section = LocationSection(index);
    for (std::u16string_view name : kPlaceValues) {
        if (store.Contains(section, name))
            return true;
    }
    return false;
}

// The stored text of a value, an integer as its digits.
std::u16string StoredText(const SettingsStore& store, std::u16string_view section,
                          std::u16string_view name) {
    std::u16string text = store.ReadString(section, name, u"");
    if (text.empty() && store.Contains(section, name)) {
        for (char c : std::to_string(store.ReadInteger(section, name, 0)))
            text += static_cast<char16_t>(c);
    }
    return text;
}

// Reads the values of one section, noting those it does not take.
class SectionReader {
public:
    SectionReader(const SettingsStore& store, int index, RejectedValues* rejected)
        : store_(store), section_(LocationSection(index)), rejected_(rejected) {}

    // The number within range; `fallback` when it is absent; none when it is out of range or not a
    // number.
    std::optional<double> Number(std::u16string_view name, ValueRange range, double fallback,
                                 bool leavesPlaceOut) {
        if (!store_.Contains(section_, name))
            return fallback;
        const std::u16string text = StoredText(store_, section_, name);
        const std::optional<double> value = ReadStoredNumber(text);
        if (value && range.Contains(*value))
            return value;
        if (rejected_) {
            rejected_->push_back(
                {section_, std::u16string(name), text, range.low, range.high, leavesPlaceOut});
        }
        return std::nullopt;
    }
    double NumberOrDefault(std::u16string_view name, ValueRange range) {
        return Number(name, range, 0, false).value_or(0);
    }
    // Whole numbers only ("22.5" and "nan" are not minutes).
    std::int32_t Integer(std::u16string_view name, ValueRange range) {
        constexpr std::int32_t kNone = std::numeric_limits<std::int32_t>::min();
        if (!store_.Contains(section_, name))
            return 0;
        const std::int32_t value = store_.ReadInteger(section_, name, kNone);
        if (value != kNone && range.Contains(value))
            return value;
        if (rejected_) {
            rejected_->push_back({section_, std::u16string(name),
                                  StoredText(store_, section_, name), range.low, range.high,
                                  false});
        }
        return 0;
    }
    std::u16string Text(std::u16string_view name) const {
        return store_.ReadString(section_, name, u"");
    }
    bool Israel() const { return store_.ReadInteger(section_, u"refraction", 0) == 1; }

private:
    const SettingsStore& store_;
    std::u16string section_;
    RejectedValues* rejected_;
};

void WriteNumber(SettingsStore& store, std::u16string_view section, std::u16string_view name,
                 double value) {
    store.WriteString(section, name, FormatStoredNumber(value));
}

// Every value of the place into the section.
void WritePlace(SettingsStore& store, std::u16string_view section, const Location& place) {
    store.WriteString(section, u"name_heb", place.nameHebrew);
    store.WriteString(section, u"name_eng", place.nameEnglish);
    WriteNumber(store, section, u"latitude", place.latitude);
    WriteNumber(store, section, u"longitude", place.longitude);
    WriteNumber(store, section, u"distance", static_cast<double>(place.zone));
    WriteNumber(store, section, u"height", place.height);
    store.WriteInteger(section, u"candle_dif", place.candleMinutes);
    store.WriteInteger(section, u"refraction", place.refraction != 0 ? 1 : 0);
    store.WriteString(section, u"time_zone", place.timeZone);
}

// The value as it is stored, text or integer, from one section into another.
void CopyValue(SettingsStore& store, std::u16string_view from, std::u16string_view to,
               std::u16string_view name) {
    // A text no value holds: a lone surrogate.
    constexpr std::u16string_view kNoText = u"\xD800";
    if (!store.Contains(from, name)) {
        store.DeleteValue(to, name);
        return;
    }
    const std::u16string text = store.ReadString(from, name, kNoText);
    if (text == kNoText) {
        store.WriteInteger(to, name, store.ReadInteger(from, name, 0));
    } else {
        store.WriteString(to, name, text);
    }
}

}  // namespace

int StoredLocationCount(const SettingsStore& store) {
    const std::int32_t stored = store.ReadInteger(kSettingsSection, kCount, 0);
    int count = 0;
    while (count < stored && SectionExists(store, count))
        ++count;
    return count;
}

CustomLocationList LoadCustomLocations(const SettingsStore& store, RejectedValues* rejected) {
    CustomLocationList custom;
    const int count = StoredLocationCount(store);
    for (int i = 0; i < count; ++i) {
        SectionReader read(store, i, rejected);
        const std::optional<double> latitude = read.Number(u"latitude", kLatitudeBounds, 0, true);
        const std::optional<double> longitude =
            read.Number(u"longitude", kLongitudeBounds, 0, true);
        Location place;
        place.zone = static_cast<float>(read.NumberOrDefault(u"distance", kZoneHoursBounds));
        place.height = read.NumberOrDefault(u"height", kHeightBounds);
        place.candleMinutes = read.Integer(u"candle_dif", kCandleMinutesBounds);
        if (!latitude || !longitude)
            continue;
        place.nameHebrew = read.Text(u"name_heb");
        place.nameEnglish = read.Text(u"name_eng");
        place.latitude = *latitude;
        place.longitude = *longitude;
        place.refraction = read.Israel() ? 1 : 0;
        place.timeZone = read.Text(u"time_zone");
        place.id = i;
        custom.push_back(std::move(place));
    }
    return custom;
}

LocationKey AddStoredLocation(SettingsStore& store, const Location& place) {
    const int count = StoredLocationCount(store);
    WritePlace(store, LocationSection(count), place);
    store.WriteInteger(kSettingsSection, kCount, count + 1);
    return CustomLocationKey(count);
}

void UpdateStoredLocation(SettingsStore& store, std::int32_t id, const Location& before,
                          const Location& after) {
    // Only the values edited: what another writer changed meanwhile in the others stays, and so
    // does what the person wrote there by hand.
    const std::u16string section = LocationSection(id);
    const auto text = [&](std::u16string_view name, std::u16string Location::*field) {
        if (before.*field != after.*field)
            store.WriteString(section, name, after.*field);
    };
    const auto number = [&](std::u16string_view name, double Location::*field) {
        if (before.*field != after.*field)
            WriteNumber(store, section, name, after.*field);
    };
    text(u"name_heb", &Location::nameHebrew);
    text(u"name_eng", &Location::nameEnglish);
    number(u"latitude", &Location::latitude);
    number(u"longitude", &Location::longitude);
    if (before.zone != after.zone)
        WriteNumber(store, section, u"distance", static_cast<double>(after.zone));
    number(u"height", &Location::height);
    if (before.candleMinutes != after.candleMinutes)
        store.WriteInteger(section, u"candle_dif", after.candleMinutes);
    if ((before.refraction != 0) != (after.refraction != 0))
        store.WriteInteger(section, u"refraction", after.refraction != 0 ? 1 : 0);
    text(u"time_zone", &Location::timeZone);
}

int RemoveStoredLocation(SettingsStore& store, std::int32_t id) {
    const int count = StoredLocationCount(store);
    for (int n = id + 1; n < count; ++n) {
        const std::u16string from = LocationSection(n);
        const std::u16string to = LocationSection(n - 1);
        for (std::u16string_view name : kPlaceValues)
            CopyValue(store, from, to, name);
    }
    const std::u16string last = LocationSection(count - 1);
    for (std::u16string_view name : kPlaceValues)
        store.DeleteValue(last, name);
    store.WriteInteger(kSettingsSection, kCount, count - 1);
    const LocationKey key = store.ReadInteger(kSettingsSection, kLocationKeyName, 0);
    if (const LocationKey moved = KeyAfterRemoval(key, id, count); moved != key)
        store.WriteInteger(kSettingsSection, kLocationKeyName, moved);
    return count;
}

LocationKey KeyAfterRemoval(LocationKey key, std::int32_t id, int count) {
    const LocationKey removed = CustomLocationKey(id);
    // A key that named no place names none still.
    if (key < removed || key >= CustomLocationKey(count))
        return key;
    if (key > removed)
        return key - 1;
    return count > 1 ? CustomLocationKey(count - 2) : 0;
}

PlaceEditResult ApplyPlaceEdit(SettingsStore& store, const PlaceEdit& edit) {
    const auto section = [&]() -> std::optional<std::int32_t> {
        const CustomLocationList custom = LoadCustomLocations(store);
        const auto same = [&](const Location& place) {
            Location candidate = place;
            candidate.id = edit.before.id;
            return candidate == edit.before;
        };
        if (const auto own = FindCustomLocation(custom, edit.before.id); own && same(custom[*own]))
            return edit.before.id;
        const auto moved = std::find_if(custom.begin(), custom.end(), same);
        return moved == custom.end() ? std::nullopt : std::optional(moved->id);
    };
    PlaceEditResult result;
    switch (edit.kind) {
        case PlaceEdit::Kind::Add:
            result.id = AddStoredLocation(store, edit.after) - kBuiltInLocationCount;
            break;
        case PlaceEdit::Kind::Update:
            if (const auto id = section()) {
                UpdateStoredLocation(store, *id, edit.before, edit.after);
                result.id = id;
            } else {
                result.id = AddStoredLocation(store, edit.after) - kBuiltInLocationCount;
            }
            break;
        case PlaceEdit::Kind::Delete:
            if (const auto id = section()) {
                result.count = RemoveStoredLocation(store, *id);
                result.removed = id;
            }
            break;
    }
    return result;
}

void SaveCustomLocations(SettingsStore& store, const CustomLocationList& custom) {
    store.WriteInteger(kSettingsSection, kCount, static_cast<std::int32_t>(custom.size()));
    for (std::size_t i = 0; i < custom.size(); ++i)
        WritePlace(store, LocationSection(static_cast<int>(i)), custom[i]);
}

}  // namespace plx
