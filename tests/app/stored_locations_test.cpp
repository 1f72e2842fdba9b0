#include "app/stored_locations.h"

#include <gtest/gtest.h>

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

// Without renumbering, after deleting A the key of B (81) would find C once the list is read back.
TEST(CustomLocations, RenumberedKeysFindTheSamePlaceAfterARestart) {
    MemorySettingsStore store = StoreWithThree();
    for (const auto& [current, expected] :
         std::initializer_list<std::pair<LocationKey, LocationKey>>{{5, 5}, {81, 80}, {82, 81}}) {
        CustomLocationList custom = LoadCustomLocations(store);
        const Location before = LookupLocation(current, custom);
        DeleteCustomLocation(custom, 0);
        const LocationKey key = RenumberCustomLocations(custom, current);
        EXPECT_EQ(key, expected);
        SaveCustomLocations(store, custom);
        EXPECT_EQ(LookupLocation(key, LoadCustomLocations(store)), LookupLocation(key, custom));
        EXPECT_EQ(LookupLocation(key, custom).nameEnglish, before.nameEnglish);
        store = StoreWithThree();
    }

    // A key whose place is gone names the place it falls back to.
    CustomLocationList custom = LoadCustomLocations(store);
    DeleteCustomLocation(custom, 2);
    EXPECT_EQ(RenumberCustomLocations(custom, 82), 81);
    DeleteCustomLocation(custom, 0);
    DeleteCustomLocation(custom, 1);
    EXPECT_EQ(RenumberCustomLocations(custom, 81), 0);
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

TEST(CustomLocations, BadStoredValuesReadAsZeroOrWorld) {
    MemorySettingsStore store;
    store.WriteInteger(kSettingsSection, u"CustomLocations", 1);
    const std::u16string section = LocationSection(0);
    store.WriteString(section, u"latitude", u"north");
    store.WriteString(section, u"longitude", u"nan");
    store.WriteString(section, u"distance", u"1e300");  // beyond a float
    store.WriteString(section, u"height", u"inf");
    store.WriteInteger(section, u"refraction", 2);
    const Location place = LoadCustomLocations(store)[0];
    EXPECT_EQ(place.latitude, 0);
    EXPECT_EQ(place.longitude, 0);
    EXPECT_EQ(place.zone, 0);
    EXPECT_EQ(place.height, 0);
    EXPECT_EQ(place.refraction, 0);
    EXPECT_EQ(place.nameEnglish, u"");
}

TEST(CustomLocations, AHugeStoredCountIsBounded) {
    MemorySettingsStore store;
    store.WriteInteger(kSettingsSection, u"CustomLocations", 2000000000);
    EXPECT_EQ(LoadCustomLocations(store).size(), 10000u);
    store.WriteInteger(kSettingsSection, u"CustomLocations", -3);
    EXPECT_TRUE(LoadCustomLocations(store).empty());
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
