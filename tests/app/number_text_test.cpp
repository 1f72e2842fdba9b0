// Numbers as people type them: into the location dialog's numeric fields, and into the main
// window's date fields and month boxes.
#include "app/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace plx {
namespace {

// The locale's separator where the user types or sees one; a period in the texts below.
QString Local(QString text) {
    return text.replace(u'.', DecimalSeparator());
}

TEST(FilterNumberText, KeepsOneSignedDecimalNumber) {
    const struct {
        const char* typed;
        bool allowDecimal;
        const char* kept;
    } cases[] = {
        {"12a.3.4-", true, "12.34"},
        {"--7x.8", true, "-7.8"},
        {"1.2.3", false, "123"},
        {"-3.5", false, "-35"},
        {" -1", true, "1"},  // a sign only first
        {"", true, ""},
        {"٣4", true, "4"},  // only ASCII digits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FilterNumberText(Local(QString::fromUtf8(c.typed)), c.allowDecimal),
                  Local(QLatin1String(c.kept)))
            << c.typed;
    }
}

TEST(DecimalFieldText, ReadInTheLocalesNotationAndWrittenWithSixDecimals) {
    EXPECT_EQ(ParseDecimalText(Local("31.78")), 31.78);
    EXPECT_EQ(ParseDecimalText(Local("-34.5833")), -34.5833);
    EXPECT_EQ(ParseDecimalText(QString()), 0);
    EXPECT_EQ(ParseDecimalText(QStringLiteral("-")), 0);
    EXPECT_EQ(ParseDecimalText(QStringLiteral("1e999")), 0);  // never infinite
    EXPECT_EQ(FormatDecimalText(31.5), Local("31.500000"));
    EXPECT_EQ(FormatDecimalText(-0.25), Local("-0.250000"));
    EXPECT_EQ(ParseIntegerText(QStringLiteral("-30")), -30);
    EXPECT_EQ(ParseIntegerText(QStringLiteral("3x")), 0);
    EXPECT_EQ(ParseIntegerText(QStringLiteral("99999999999")), 0);
}

TEST(DegreesMinutesSeconds, BothWaysWithTheSignOnTheDegrees) {
    const auto dms = [](double angle) {
        const DegreesMinutesSeconds d = ToDegreesMinutesSeconds(angle);
        return std::tuple{d.degrees, d.minutes, d.seconds};
    };
    EXPECT_EQ(dms(31.7767), std::tuple(31, 46, 36));
    EXPECT_EQ(dms(-34.5833), std::tuple(-34, 35, 0));
    EXPECT_EQ(dms(31.9999999), std::tuple(31, 60, 0));  // minutes may reach 60
    EXPECT_EQ(dms(1e300), std::tuple(INT_MAX, 0, 0));
    EXPECT_DOUBLE_EQ(FromDegreesMinutesSeconds({31, 45, 36}), 31.76);
    EXPECT_EQ(FromDegreesMinutesSeconds({-34, 30, 0}), -34.5);
    EXPECT_EQ(FromDegreesMinutesSeconds({0, 30, 0}), 0.5);  // no sign of its own below one degree
}

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
