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
    // Letters name no month number, whatever their count.
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("1x")), 0);
    EXPECT_EQ(TypedMonthNumber(QStringLiteral("xy")), 0);
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

// The ways people write a Hebrew year: with or without the thousands, with ASCII or Hebrew
// punctuation, or in digits.
TEST(ReadTypedHebrewYear, LettersMarksAndDigits) {
    const std::pair<QString, std::optional<int>> cases[] = {
        {QStringLiteral("תשפ\"ד"), 5784},
        {QStringLiteral("תשפד"), 5784},
        {QStringLiteral("ה'תשפד"), 5784},
        {QStringLiteral("ה׳תשפ״ד"), 5784},
        {QStringLiteral(" תשפ״ד "), 5784},
        {QStringLiteral("5784"), 5784},
        {QStringLiteral("784"), 784},
        {QStringLiteral("ו'"), 6000},
        {QStringLiteral("ה'"), 5000},
        {QStringLiteral("א'"), 1000},
        {QStringLiteral("ת"), 5400},
        {QStringLiteral("תש'"), 5700},
        {QStringLiteral("ק'תתקצט"), 100999},
        {QStringLiteral("קי'תתקצט"), 110999},
        {QStringLiteral("110999"), 110999},
        {QStringLiteral("111000"), std::nullopt},
        {QStringLiteral("0"), std::nullopt},
        {QStringLiteral(""), std::nullopt},
        {QStringLiteral("abc"), std::nullopt},
        {QStringLiteral("תשפd"), std::nullopt},
        {QStringLiteral("12a"), std::nullopt},
        {QStringLiteral("99999999999999999999"), std::nullopt},
    };
    for (const auto& [text, year] : cases)
        EXPECT_EQ(ReadTypedHebrewYear(text), year) << text.toStdString();
}

}  // namespace
}  // namespace plx
