#include "app/stored_locations.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "app/stored_number.h"

namespace plx {
namespace {

Location Place(std::u16string english, double latitude) {
    Location place;
    place.nameHebrew = u"מקום";
    place.nameEnglish = std::move(english);
    place.latitude = latitude;
    place.longitude = 10;
    place.zone = 1;
    place.candleMinutes = 18;
    return place;
}

MemorySettingsStore StoreWithThree() {
    MemorySettingsStore store;
    SaveCustomLocations(store, {Place(u"A", 1), Place(u"B", 2), Place(u"C", 3)});
    return store;
}

TEST(LookupLocation, FallsBackToTheLastCustomLocationThenJerusalem) {
    EXPECT_EQ(LookupLocation(0, {}).nameEnglish, u"Jerusalem");
    EXPECT_EQ(LookupLocation(53, {}).nameEnglish, u"London");
    EXPECT_EQ(LookupLocation(80, {}).nameEnglish, u"Jerusalem");
    EXPECT_EQ(LookupLocation(-5, {}).nameEnglish, u"Jerusalem");

    CustomLocationList custom = LoadCustomLocations(StoreWithThree());
    ASSERT_EQ(custom.size(), 3u);
    EXPECT_EQ(custom[1].id, 1);
    EXPECT_EQ(LookupLocation(81, custom).nameEnglish, u"B");
    ASSERT_TRUE(DeleteCustomLocation(custom, 1));
    EXPECT_FALSE(DeleteCustomLocation(custom, 1));
    EXPECT_EQ(LookupLocation(82, custom).nameEnglish, u"C");
    EXPECT_EQ(LookupLocation(81, custom).nameEnglish, u"C");
    EXPECT_EQ(LookupLocation(80, custom).nameEnglish, u"A");
}

TEST(CustomLocations, IdsOfAddedEntriesAndAfterARestart) {
    CustomLocationList custom;
    EXPECT_EQ(AddCustomLocation(custom, Place(u"First", 1)), 0u);
    EXPECT_EQ(custom[0].id, 1);
    EXPECT_EQ(LookupLocation(CustomLocationKey(1), custom).nameEnglish, u"First");

    MemorySettingsStore store;
    SaveCustomLocations(store, custom);
    const CustomLocationList reloaded = LoadCustomLocations(store);
    ASSERT_EQ(reloaded.size(), 1u);
    EXPECT_EQ(reloaded[0].id, 0);
    // The key stored before the restart (81) now falls back to the last entry: the same place.
    EXPECT_EQ(LookupLocation(81, reloaded).nameEnglish, u"First");

    CustomLocationList three = LoadCustomLocations(StoreWithThree());
    DeleteCustomLocation(three, 2);
    EXPECT_EQ(AddCustomLocation(three, Place(u"D", 4)), 2u);
    EXPECT_EQ(three[2].id, 2);
}

TEST(CustomLocations, UpdateKeepsIdAndPosition) {
    CustomLocationList custom = LoadCustomLocations(StoreWithThree());
    ASSERT_TRUE(UpdateCustomLocation(custom, 1, Place(u"Renamed", 45)));
    EXPECT_EQ(custom[1].id, 1);
    EXPECT_EQ(custom[1].nameEnglish, u"Renamed");
    EXPECT_EQ(custom[1].latitude, 45);
    EXPECT_FALSE(UpdateCustomLocation(custom, 9, Place(u"X", 0)));
    EXPECT_FALSE(FindCustomLocation(custom, 9));
    EXPECT_EQ(*FindCustomLocation(custom, 2), 2u);
}

TEST(CustomLocations, StoredAsSixDecimalTexts) {
    Location place = Place(u"Mumbai", 19.076);
    place.zone = 5.5f;
    place.height = -7.25;
    place.refraction = 1;
    place.timeZone = u"Asia/Kolkata";
    MemorySettingsStore store;
    SaveCustomLocations(store, {place});
    const std::u16string section = LocationSection(0);
    EXPECT_EQ(section, u"Settings/Location0");
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"CustomLocations", 0), 1);
    EXPECT_EQ(store.ReadString(section, u"distance", u""), u"5.500000");
    EXPECT_EQ(store.ReadString(section, u"latitude", u""), u"19.076000");
    EXPECT_EQ(store.ReadString(section, u"height", u""), u"-7.250000");
    EXPECT_EQ(store.ReadInteger(section, u"candle_dif", 0), 18);
    EXPECT_EQ(store.ReadInteger(section, u"refraction", 0), 1);
    EXPECT_EQ(store.ReadString(section, u"name_heb", u""), u"מקום");
    EXPECT_EQ(store.ReadString(section, u"time_zone", u""), u"Asia/Kolkata");
    const Location back = LoadCustomLocations(store)[0];
    EXPECT_EQ(back.zone, 5.5f);
    EXPECT_EQ(back.latitude, 19.076);
    EXPECT_EQ(back, (Location{place.nameHebrew, place.nameEnglish, 19.076, 10, 5.5f, -7.25, 18, 1,
                              0, u"Asia/Kolkata"}));

    // A location saved before places had time zones reads without one.
    store.DeleteValue(section, u"time_zone");
    EXPECT_EQ(LoadCustomLocations(store)[0].timeZone, u"");
}

// One stored value of place B (section 1) and the text written over it.
struct StoredValue {
    std::u16string name;
    std::u16string text;
};

// StoreWithThree with one value of B written over, read back.
struct ReadWithValue {
    explicit ReadWithValue(const StoredValue& value) {
        store.WriteString(LocationSection(1), value.name, value.text);
        custom = LoadCustomLocations(store, &rejected);
    }
    MemorySettingsStore store = StoreWithThree();
    RejectedValues rejected;
    CustomLocationList custom;
};

TEST(CustomLocations, OtherBadValuesReadAsTheirDefaultsAndAreNamed) {
    for (const StoredValue& bad :
         std::initializer_list<StoredValue>{{u"distance", u"99"},
                                            {u"distance", u"1e300"},
                                            {u"distance", u"east"},
                                            {u"height", u"-1000.5"},
                                            {u"height", u"inf"},
                                            {u"candle_dif", u"181"},
                                            {u"candle_dif", u"-1"},
                                            {u"candle_dif", u"-2147483648"},
                                            {u"candle_dif", u"2147483647"},
                                            {u"candle_dif", u"nan"}}) {
        const ReadWithValue read(bad);
        const CustomLocationList& custom = read.custom;
        const RejectedValues& rejected = read.rejected;
        ASSERT_EQ(custom.size(), 3u);
        const Location& place = custom[1];
        EXPECT_EQ(place.zone, bad.name == u"distance" ? 0 : 1);
        EXPECT_EQ(place.height, 0);
        EXPECT_EQ(place.candleMinutes, bad.name == u"candle_dif" ? 0 : 18);
        ASSERT_EQ(rejected.size(), 1u);
        EXPECT_EQ(rejected[0].section, LocationSection(1));
        EXPECT_EQ(rejected[0].name, bad.name);
        EXPECT_EQ(rejected[0].text, bad.text);
        EXPECT_FALSE(rejected[0].leavesPlaceOut);
    }
    // The bounds themselves are places' values, and so is a refraction of 2 (the world's).
    MemorySettingsStore store = StoreWithThree();
    store.WriteString(LocationSection(0), u"latitude", u"-90");
    store.WriteString(LocationSection(0), u"longitude", u"180.000000");
    store.WriteString(LocationSection(0), u"distance", u"-24");
    store.WriteString(LocationSection(0), u"height", u"10000");
    store.WriteInteger(LocationSection(0), u"candle_dif", 180);
    store.WriteInteger(LocationSection(0), u"refraction", 2);
    RejectedValues rejected;
    const Location place = LoadCustomLocations(store, &rejected)[0];
    EXPECT_TRUE(rejected.empty());
    EXPECT_EQ(place, (Location{u"מקום", u"A", -90, 180, -24, 10000, 180, 0, 0, u""}));
}

// A place that cannot be placed is not listed, but the file keeps it where it is: the keys of the
// others stay, and no edit of theirs rewrites it.
TEST(CustomLocations, APlaceWithBadCoordinatesIsLeftOutAndLeftAlone) {
    for (const StoredValue& bad : std::initializer_list<StoredValue>{{u"latitude", u"91"},
                                                                     {u"latitude", u"1e308"},
                                                                     {u"latitude", u"north"},
                                                                     {u"longitude", u"400"},
                                                                     {u"longitude", u"nan"},
                                                                     {u"longitude", u"-180.1"}}) {
        ReadWithValue read(bad);
        MemorySettingsStore& store = read.store;
        const CustomLocationList& custom = read.custom;
        const RejectedValues& rejected = read.rejected;
        const std::u16string& name = bad.name;
        const std::u16string& text = bad.text;
        ASSERT_EQ(custom.size(), 2u);
        EXPECT_EQ(custom[1].nameEnglish, u"C");
        EXPECT_EQ(custom[1].id, 2);                               // key 82, as before
        EXPECT_EQ(LookupLocation(81, custom).nameEnglish, u"C");  // 81 names no usable place
        ASSERT_EQ(rejected.size(), 1u);
        EXPECT_TRUE(rejected[0].leavesPlaceOut);
        EXPECT_EQ(rejected[0].text, text);

        const auto sectionOne = [&] {
            std::map<MemorySettingsStore::Key, MemorySettingsStore::Value> values;
            for (const auto& [key, value] : store.Values()) {
                if (key.first == LocationSection(1))
                    values.emplace(key, value);
            }
            return values;
        };
        const auto before = sectionOne();
        Location changed = custom[1];
        changed.candleMinutes = 40;
        UpdateStoredLocation(store, 2, custom[1], changed);
        EXPECT_EQ(AddStoredLocation(store, Place(u"D", 4)), 83);
        EXPECT_EQ(sectionOne(), before);
        // Removing a place before it moves it down one, as it is.
        RemoveStoredLocation(store, 0);
        EXPECT_EQ(store.ReadString(LocationSection(0), name, u""), text);
        EXPECT_EQ(store.ReadString(LocationSection(0), u"name_eng", u""), u"B");
        EXPECT_EQ(LoadCustomLocations(store).size(), 2u);
    }
}

// A hand-edited count must not make the program read (or write) places that are not there.
TEST(CustomLocations, TheCountIsTheSectionsThatExistInARow) {
    MemorySettingsStore store = StoreWithThree();
    store.WriteInteger(kSettingsSection, u"CustomLocations", 2147483647);
    EXPECT_EQ(StoredLocationCount(store), 3);
    EXPECT_EQ(LoadCustomLocations(store).size(), 3u);
    EXPECT_EQ(AddStoredLocation(store, Place(u"D", 4)), 83);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"CustomLocations", 0), 4);

    store.WriteInteger(kSettingsSection, u"CustomLocations", 2);  // Location2 and 3 left over
    EXPECT_EQ(StoredLocationCount(store), 2);
    store.WriteInteger(kSettingsSection, u"CustomLocations", -3);
    EXPECT_EQ(StoredLocationCount(store), 0);
    EXPECT_TRUE(LoadCustomLocations(store).empty());

    // A gap ends the list.
    store = StoreWithThree();
    for (std::u16string_view name :
         {u"name_heb", u"name_eng", u"latitude", u"longitude", u"distance", u"height",
          u"candle_dif", u"refraction", u"time_zone"}) {
        store.DeleteValue(LocationSection(1), name);
    }
    EXPECT_EQ(StoredLocationCount(store), 1);
}

TEST(StoredLocationEdits, EachWritesOnlyWhatItChanges) {
    MemorySettingsStore store = StoreWithThree();
    store.WriteString(LocationSection(1), u"latitude", u"2");  // as a person wrote it
    store.WriteInteger(LocationSection(1), u"refraction", 2);
    store.WriteString(LocationSection(1), u"height", u"99999");  // read as 0
    store.WriteInteger(kSettingsSection, u"plx_timezone", 82);
    const Location read = LoadCustomLocations(store)[1];
    Location b = read;
    b.candleMinutes = 40;
    b.zone = 5.5f;
    const auto before = store.Values();
    UpdateStoredLocation(store, 1, read, b);
    std::size_t changed = 0;
    for (const auto& [key, value] : store.Values())
        changed += before.at(key) == value ? 0 : 1;
    EXPECT_EQ(changed, 2u);
    EXPECT_EQ(store.ReadString(LocationSection(1), u"latitude", u""), u"2");
    EXPECT_EQ(store.ReadString(LocationSection(1), u"distance", u""), u"5.500000");
    EXPECT_EQ(store.ReadInteger(LocationSection(1), u"refraction", 0), 2);
    EXPECT_EQ(store.ReadString(LocationSection(1), u"height", u""), u"99999");
    EXPECT_EQ(LoadCustomLocations(store)[1], b);

    // The current place (C, 82) moves down with its section; the last section goes.
    EXPECT_EQ(RemoveStoredLocation(store, 0), 3);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"plx_timezone", 0), 81);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, u"CustomLocations", 0), 2);
    EXPECT_FALSE(store.Contains(LocationSection(2), u"name_eng"));
    const CustomLocationList custom = LoadCustomLocations(store);
    ASSERT_EQ(custom.size(), 2u);
    EXPECT_EQ(custom[0].nameEnglish, u"B");
    EXPECT_EQ(LookupLocation(81, custom).nameEnglish, u"C");
}

// After A is removed, the stored key of B (81) would find C if it did not move with B.
TEST(StoredLocationEdits, TheCurrentKeyFollowsItsPlaceThroughARemoval) {
    for (const auto& [current, expected] :
         std::initializer_list<std::pair<LocationKey, LocationKey>>{
             {5, 5}, {81, 80}, {82, 81}, {80, 81}}) {
        MemorySettingsStore store = StoreWithThree();
        store.WriteInteger(kSettingsSection, u"plx_timezone", current);
        // The removed place's key falls back on the last place, as it would have when read.
        const Location before =
            current == 80 ? Place(u"C", 3) : LookupLocation(current, LoadCustomLocations(store));
        RemoveStoredLocation(store, 0);
        const LocationKey key = store.ReadInteger(kSettingsSection, u"plx_timezone", -1);
        EXPECT_EQ(key, expected);
        EXPECT_EQ(LookupLocation(key, LoadCustomLocations(store)).nameEnglish, before.nameEnglish);
    }
}

TEST(StoredLocationEdits, KeyAfterRemoval) {
    struct Case {
        LocationKey key;
        std::int32_t removed;
        int count;
        LocationKey expected;
    };
    for (const Case& c :
         std::initializer_list<Case>{{5, 0, 3, 5},
                                     {80, 1, 3, 80},
                                     {82, 1, 3, 81},
                                     {81, 1, 3, 81},  // the last place, C
                                     {82, 2, 3, 81},
                                     {80, 0, 1, 0},
                                     {82, 0, 4, 81},
                                     {90, 1, 3, 90}}) {  // no place, before or after
        EXPECT_EQ(KeyAfterRemoval(c.key, c.removed, c.count), c.expected)
            << c.key << " " << c.removed;
    }
}

// The program edits the list it read; another writer may have moved or changed its places since.
TEST(StoredLocationEdits, AnEditFindsItsPlaceByItsValues) {
    MemorySettingsStore store = StoreWithThree();
    const CustomLocationList seen = LoadCustomLocations(store);
    RemoveStoredLocation(store, 0);  // another writer: B is in section 0 now

    Location renamed = seen[1];
    renamed.nameEnglish = u"Bee";
    PlaceEditResult done = ApplyPlaceEdit(store, {PlaceEdit::Kind::Update, seen[1], renamed});
    EXPECT_EQ(done.id, 0);
    EXPECT_EQ(store.ReadString(LocationSection(0), u"name_eng", u""), u"Bee");
    EXPECT_EQ(store.ReadString(LocationSection(1), u"name_eng", u""), u"C");

    done = ApplyPlaceEdit(store, {PlaceEdit::Kind::Delete, seen[2], {}});
    EXPECT_EQ(done.removed, 1);
    EXPECT_EQ(done.count, 2);
    // A is gone already: nothing to delete; an update of it keeps the person's values.
    done = ApplyPlaceEdit(store, {PlaceEdit::Kind::Delete, seen[0], {}});
    EXPECT_FALSE(done.removed);
    done = ApplyPlaceEdit(store, {PlaceEdit::Kind::Update, seen[0], Place(u"A2", 1)});
    EXPECT_EQ(done.id, 1);
    done = ApplyPlaceEdit(store, {PlaceEdit::Kind::Add, {}, Place(u"E", 5)});
    EXPECT_EQ(done.id, 2);
    std::vector<std::u16string> names;
    for (const Location& place : LoadCustomLocations(store))
        names.push_back(place.nameEnglish);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Bee", u"A2", u"E"}));
}

TEST(StoredNumbers, ReadLikeTheCLibraryButNeverNonFinite) {
    EXPECT_EQ(ParseStoredNumber(u"31.780000"), 31.78);
    EXPECT_EQ(ParseStoredNumber(u"  -7.5"), -7.5);
    EXPECT_EQ(ParseStoredNumber(u"+2"), 2);
    EXPECT_EQ(ParseStoredNumber(u"12.5xyz"), 12.5);
    EXPECT_EQ(ParseStoredNumber(u".5"), 0.5);
    EXPECT_EQ(ParseStoredNumber(u"5."), 5);
    EXPECT_EQ(ParseStoredNumber(u"2e3"), 2000);
    EXPECT_EQ(ParseStoredNumber(u"2e"), 2);
    EXPECT_EQ(ParseStoredNumber(u""), 0);
    EXPECT_EQ(ParseStoredNumber(u"-"), 0);
    EXPECT_EQ(ParseStoredNumber(u"."), 0);
    EXPECT_EQ(ParseStoredNumber(u"abc"), 0);
    EXPECT_EQ(ParseStoredNumber(u"nan"), 0);
    EXPECT_EQ(ParseStoredNumber(u"-inf"), 0);
    EXPECT_EQ(ParseStoredNumber(u"1e999"), 0);
    EXPECT_EQ(ParseStoredNumber(u"٣"), 0);  // only ASCII digits
    EXPECT_EQ(FormatStoredNumber(5.5), u"5.500000");
    EXPECT_EQ(FormatStoredNumber(-0.0000001), u"-0.000000");
    EXPECT_EQ(ParseStoredNumber(FormatStoredNumber(1e300)), 1e300);
}

}  // namespace
}  // namespace plx
