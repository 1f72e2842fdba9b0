#include "engine/personal_dates.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/calendar.h"

namespace plx {
namespace {

constexpr CalendarDate D(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

CalendarDate Civil(const Observances& o, int i = 0) {
    return DayNumberToCivil(o.days[static_cast<std::size_t>(i)]);
}

// Hebrew months are given as the program numbers them (Tishrei = 1; in a leap year 6 is Adar I
// and 7 Adar II). 5783 and 5785 are common years, 5784 a leap year; 5784 and 5786 have a
// 29-day Heshvan, 5785 a 30-day one.
TEST(PersonalDates, TheRulesWorkedExamples) {
    // A birthday in the Adar of a common year is kept in Adar II of a leap year.
    EXPECT_EQ(Civil(BirthdayObservances(D(15, 6, 5783), 5784)), D(25, 3, 2024));
    // A yahrzeit of 30 Adar I, in a common year, on 30 Shevat.
    EXPECT_EQ(Civil(YahrzeitObservances(D(30, 6, 5784), 5785, AdarChoice::AdarI)), D(28, 2, 2025));
    // A yahrzeit of Adar of a common year in a leap year: Adar I by default.
    EXPECT_EQ(Civil(YahrzeitObservances(D(15, 6, 5783), 5784, AdarChoice::AdarI)), D(24, 2, 2024));
    // 30 Heshvan 5783: the year after had no 30 Heshvan, so the month's last day.
    EXPECT_EQ(Civil(YahrzeitObservances(D(30, 2, 5783), 5786, AdarChoice::AdarI)), D(20, 11, 2025));
    EXPECT_EQ(Civil(YahrzeitObservances(D(30, 2, 5783), 5785, AdarChoice::AdarI)), D(1, 12, 2024));
}

TEST(PersonalDates, TheAdarChoiceAppliesToCommonYearAdarInLeapYearsOnly) {
    const CalendarDate adar5783 = D(15, 6, 5783);
    const Observances second = YahrzeitObservances(adar5783, 5784, AdarChoice::AdarII);
    ASSERT_EQ(second.count, 1);
    EXPECT_EQ(Civil(second), D(25, 3, 2024));
    const Observances both = YahrzeitObservances(adar5783, 5784, AdarChoice::Both);
    ASSERT_EQ(both.count, 2);
    EXPECT_EQ(Civil(both, 0), D(24, 2, 2024));
    EXPECT_EQ(Civil(both, 1), D(25, 3, 2024));
    // In a common year there is one Adar, whatever the choice.
    EXPECT_EQ(YahrzeitObservances(adar5783, 5785, AdarChoice::Both).count, 1);
    // A death in Adar I or Adar II of a leap year knows its Adar.
    EXPECT_EQ(YahrzeitObservances(D(15, 6, 5784), 5787, AdarChoice::Both).count, 1);
    EXPECT_EQ(
        DayNumberToHebrew(YahrzeitObservances(D(15, 7, 5784), 5787, AdarChoice::AdarI).days[0]),
        D(15, 7, 5787));
    EXPECT_EQ(
        DayNumberToHebrew(YahrzeitObservances(D(15, 7, 5784), 5785, AdarChoice::AdarI).days[0]),
        D(15, 6, 5785));
}

TEST(PersonalDates, MissingThirtiethsRollToTheNextMonthForBirthdays) {
    // 30 Adar I to a common year: 1 Nisan.
    EXPECT_EQ(DayNumberToHebrew(BirthdayObservances(D(30, 6, 5784), 5785).days[0]), D(1, 7, 5785));
    // 30 Heshvan 5785 to 5786 (29 days): 1 Kislev; to a year with 30 Heshvan: itself.
    EXPECT_EQ(DayNumberToHebrew(BirthdayObservances(D(30, 2, 5785), 5786).days[0]), D(1, 3, 5786));
    for (std::int32_t year = 5786; year < 5800; ++year) {
        const CalendarDate kept =
            DayNumberToHebrew(BirthdayObservances(D(30, 3, 5785), year).days[0]);
        EXPECT_EQ(kept, HebrewMonthLength(year, 3) == 30 ? D(30, 3, year) : D(1, 4, year));
    }
}

TEST(PersonalDates, TheYearAfterTheDeathDecidesHeshvanAndKislev) {
    // Deaths on a 30th of Kislev in years whose next year has a short or a full Kislev.
    int shortNext = 0, fullNext = 0;
    for (std::int32_t year = 5700; year < 5800; ++year) {
        if (HebrewMonthLength(year, 3) != 30)
            continue;
        const bool nextShort = HebrewMonthLength(year + 1, 3) == 29;
        (nextShort ? shortNext : fullNext)++;
        for (std::int32_t target = year + 1; target < year + 12; ++target) {
            const CalendarDate kept = DayNumberToHebrew(
                YahrzeitObservances(D(30, 3, year), target, AdarChoice::AdarI).days[0]);
            const bool full = HebrewMonthLength(target, 3) == 30;
            CalendarDate expected = nextShort ? D(full ? 30 : 29, 3, target)
                                              : (full ? D(30, 3, target) : D(1, 4, target));
            EXPECT_EQ(kept, expected) << year << " in " << target;
        }
    }
    EXPECT_GT(shortNext, 0);
    EXPECT_GT(fullNext, 0);
}

TEST(PersonalDates, NothingBeforeTheEventAndNoYahrzeitInItsOwnYear) {
    const CalendarDate event = D(10, 1, 5784);
    EXPECT_EQ(BirthdayObservances(event, 5783).count, 0);
    ASSERT_EQ(BirthdayObservances(event, 5784).count, 1);
    EXPECT_EQ(BirthdayObservances(event, 5784).days[0], HebrewToDayNumber(event));
    EXPECT_EQ(YahrzeitObservances(event, 5784, AdarChoice::AdarI).count, 0);
    EXPECT_EQ(YahrzeitObservances(event, 5785, AdarChoice::AdarI).count, 1);
    // Dates that do not exist, and years outside the calendar.
    EXPECT_EQ(BirthdayObservances(D(30, 13, 5785), 5790).count, 0);
    EXPECT_EQ(BirthdayObservances(D(30, 4, 5785), 5790).count, 0);
    EXPECT_EQ(BirthdayObservances(event, kLastHebrewYear + 1).count, 0);
    EXPECT_EQ(YahrzeitObservances(event, 0, AdarChoice::AdarI).count, 0);
}

TEST(PersonalDates, AfterSunsetTakesTheNextDaysHebrewDate) {
    EXPECT_EQ(PersonalHebrewDate(D(24, 3, 2024), false), D(14, 7, 5784));
    EXPECT_EQ(PersonalHebrewDate(D(24, 3, 2024), true), D(15, 7, 5784));
}

// The month names of a year as a person reads them; "Adar" is Adar I of a leap year too.
std::string NameOf(std::int32_t year, int month) {
    static const char* const common[] = {"Tishrei", "Heshvan", "Kislev", "Tevet",
                                         "Shevat",  "Adar",    "Nisan",  "Iyar",
                                         "Sivan",   "Tammuz",  "Av",     "Elul"};
    static const char* const leap[] = {"Tishrei", "Heshvan", "Kislev", "Tevet", "Shevat",
                                       "Adar",    "Adar II", "Nisan",  "Iyar",  "Sivan",
                                       "Tammuz",  "Av",      "Elul"};
    return IsHebrewLeapYear(year) ? leap[month - 1] : common[month - 1];
}

std::string LastAdar(std::int32_t year) {
    return IsHebrewLeapYear(year) ? "Adar II" : "Adar";
}

// Every day of years of each kind kept in the following years: the birthday is on the same day of
// the month of the same name, or the 1st of the month after it when that month is too short, and
// an event of the last Adar stays in the last Adar.
TEST(PersonalDates, BirthdaysSweptOverManyYearsKeepTheirMonthsName) {
    for (std::int32_t year = 5780; year < 5790; ++year) {
        for (CalendarDate event = D(1, 1, year); event.year == year; event = NextHebrewDay(event)) {
            const std::string name = NameOf(year, event.month);
            for (std::int32_t target = year + 1; target < year + 22; ++target) {
                const Observances kept = BirthdayObservances(event, target);
                ASSERT_EQ(kept.count, 1);
                const CalendarDate on = DayNumberToHebrew(kept.days[0]);
                ASSERT_EQ(on.year, target);
                if (name == LastAdar(year)) {
                    EXPECT_EQ(NameOf(target, on.month), LastAdar(target));
                    EXPECT_EQ(on.day, event.day);
                } else if (NameOf(target, on.month) == name) {
                    EXPECT_EQ(on.day, event.day);
                } else {
                    // Rolled over: the day before is the last of the named month, too short.
                    const CalendarDate before = DayNumberToHebrew(kept.days[0] - 1);
                    EXPECT_EQ(on.day, 1);
                    EXPECT_EQ(NameOf(target, before.month), name);
                    EXPECT_LT(before.day, event.day);
                }
            }
        }
    }
}

TEST(PersonalDates, YahrzeitsSweptOverManyYearsFallInTheirYear) {
    for (std::int32_t year = 5780; year < 5790; ++year) {
        for (CalendarDate death = D(1, 1, year); death.year == year; death = NextHebrewDay(death)) {
            for (std::int32_t target = year + 1; target < year + 22; ++target) {
                const Observances kept = YahrzeitObservances(death, target, AdarChoice::Both);
                ASSERT_GE(kept.count, 1);
                for (const DayNumber day : kept)
                    EXPECT_EQ(DayNumberToHebrew(day).year, target);
                if (kept.count == 2) {
                    EXPECT_EQ(NameOf(year, death.month), "Adar");
                    EXPECT_FALSE(IsHebrewLeapYear(year));
                    EXPECT_TRUE(IsHebrewLeapYear(target));
                    EXPECT_LT(kept.days[0], kept.days[1]);
                }
            }
        }
    }
}

TEST(PersonalDates, SafeAtTheEndsOfTheCalendar) {
    EXPECT_EQ(BirthdayObservances(D(1, 1, 1), 1).days[0], 1);
    EXPECT_EQ(
        DayNumberToHebrew(BirthdayObservances(D(29, 13, 110998), kLastHebrewYear).days[0]).year,
        kLastHebrewYear);
    const Observances last = YahrzeitObservances(D(30, 2, 1), kLastHebrewYear, AdarChoice::Both);
    ASSERT_EQ(last.count, 1);
    EXPECT_EQ(DayNumberToHebrew(last.days[0]).year, kLastHebrewYear);
    EXPECT_EQ(
        YahrzeitObservances(D(1, 1, kLastHebrewYear), kLastHebrewYear, AdarChoice::AdarI).count, 0);
}

}  // namespace
}  // namespace plx
