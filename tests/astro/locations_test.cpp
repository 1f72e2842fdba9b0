#include "astro/locations.h"

#include <gtest/gtest.h>

namespace plx {
namespace {

TEST(BuiltInLocations, RowsAsTabulated) {
    const Location jerusalem = BuiltInLocation(0);
    EXPECT_EQ(jerusalem, (Location{u"ירושלים", u"Jerusalem", 31.78, 35.231, 2, 800, 40, 1, 0,
                                   u"Asia/Jerusalem"}));
    EXPECT_EQ(BuiltInLocation(15).nameHebrew, u"כפר חב''ד");
    EXPECT_EQ(BuiltInLocation(79), (Location{u"שיקאגו", u"Chicago", 41.8369, -87.6847, -6, 188, 20,
                                             0, 0, u"America/Chicago"}));
    // The two Petah Tikva rows differ in the candle-lighting interval only.
    Location second = BuiltInLocation(20);
    EXPECT_EQ(second.candleMinutes, 40);
    second.candleMinutes = 22;
    EXPECT_EQ(second, BuiltInLocation(19));
    for (LocationKey key = 0; key < kBuiltInLocationCount; ++key) {
        EXPECT_EQ(BuiltInLocation(key).refraction, key < 26 ? 1 : 0) << key;
        EXPECT_FALSE(BuiltInLocation(key).timeZone.empty()) << key;
    }
}

TEST(LocationTexts, DisplayNameAndListText) {
    const Location jerusalem = BuiltInLocation(0);
    EXPECT_EQ(LocationDisplayName(jerusalem, Language::kHebrew), u"ירושלים");
    EXPECT_EQ(LocationDisplayName(jerusalem, Language::kEnglish), u"Jerusalem");
    EXPECT_EQ(LocationListText(jerusalem, Language::kEnglish), u"Jerusalem (40)");
    EXPECT_EQ(LocationListText(BuiltInLocation(79), Language::kHebrew), u"שיקאגו (20)");
}

TEST(LocationNames, OneNameIsEnoughAndNoneIsRefused) {
    const struct {
        const char16_t* hebrew;
        const char16_t* english;
        bool named;
        const char16_t* hebrewAfter;
        const char16_t* englishAfter;
    } cases[] = {
        {u"צפת", u"Safed", true, u"צפת", u"Safed"},
        {u"", u"Safed", true, u"Safed", u"Safed"},
        {u"צפת", u"", true, u"צפת", u"צפת"},
        {u"  ", u"Safed", true, u"Safed", u"Safed"},  // spaces are no name
        {u"צפת", u"\u00A0\t", true, u"צפת", u"צפת"},  // nor a no-break space or a tab
        {u"", u"", false, u"", u""},
        {u" ", u"\u2003", false, u" ", u"\u2003"},  // refused, left as it was
    };
    for (const auto& c : cases) {
        Location place;
        place.nameHebrew = c.hebrew;
        place.nameEnglish = c.english;
        EXPECT_EQ(CompleteLocationNames(place), c.named);
        EXPECT_EQ(place.nameHebrew, c.hebrewAfter);
        EXPECT_EQ(place.nameEnglish, c.englishAfter);
    }
}

}  // namespace
}  // namespace plx
