// The month boxes' search and the Hebrew dates the main window may show.
#include <gtest/gtest.h>

#include "ui/date_entry.h"

namespace plx {
namespace {

TEST(FindEntryByPrefix, SearchesFromTheSecondEntryAndWraps) {
    const QStringList months{QStringLiteral("January"), QStringLiteral("June"),
                             QStringLiteral("July")};
    EXPECT_EQ(FindEntryByPrefix(months, QStringLiteral("J")), 1);
    EXPECT_EQ(FindEntryByPrefix(months, QStringLiteral("ja")), 0);
    EXPECT_EQ(FindEntryByPrefix(months, QStringLiteral("JUL")), 2);
    EXPECT_EQ(FindEntryByPrefix(months, QStringLiteral("x")), std::nullopt);
    EXPECT_EQ(FindEntryByPrefix(months, QString()), std::nullopt);
    EXPECT_EQ(FindEntryByPrefix({}, QStringLiteral("J")), std::nullopt);
}

TEST(HebrewDateInRange, YearsAndCarriedDaysInsideTheCalendar) {
    EXPECT_TRUE(HebrewDateInRange({1, 1, 1}));
    EXPECT_FALSE(HebrewDateInRange({0, 1, 1}));  // the day before the first
    EXPECT_FALSE(HebrewDateInRange({1, 1, 0}));
    EXPECT_FALSE(HebrewDateInRange({1, 1, 111000}));
    const CalendarDate last = CivilToHebrew({19, 12, kLastCivilYear});
    EXPECT_TRUE(HebrewDateInRange(last));
    EXPECT_FALSE(
        HebrewDateInRange({static_cast<std::uint8_t>(last.day + 1), last.month, last.year}));
    EXPECT_TRUE(HebrewDateInRange({255, 1, 5785}));  // carries far into the year, still inside
}

}  // namespace
}  // namespace plx
