// Reading what is typed into the main window's date fields and month boxes.
#include <gtest/gtest.h>

#include <climits>

#include "ui/date_entry.h"

namespace plx {
namespace {

TEST(ReadDecimal, SignDigitsAndNothingElse) {
    EXPECT_EQ(ReadDecimal(QStringLiteral("  -12x4")), -12);
    EXPECT_EQ(ReadDecimal(QStringLiteral("+7")), 7);
    EXPECT_EQ(ReadDecimal(QStringLiteral("")), 0);
    EXPECT_EQ(ReadDecimal(QStringLiteral("-")), 0);
    EXPECT_EQ(ReadDecimal(QStringLiteral("ab12")), 0);
    EXPECT_EQ(ReadDecimal(QStringLiteral("٣")), 0);  // only ASCII digits count
    EXPECT_EQ(ReadDecimal(QStringLiteral("99999999999999999999")), INT_MAX);
    EXPECT_EQ(ReadDecimal(QStringLiteral("-99999999999999999999")), INT_MIN);
}

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

TEST(TypedMonthNumber, LastDigitPlusTenForTwoCharacters) {
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("3")), 3);
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("J2")), 12);
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("123")), 3);
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("1x")), 10);
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("x")), 0);
    EXPECT_EQ(TypedMonthNumber(QString()), 0);
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
