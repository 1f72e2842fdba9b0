#include "engine/calendar.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace plx {
namespace {

constexpr CalendarDate D(int day, int month, std::int32_t year) {
    return {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year};
}

// Parts since 6 p.m. of the eve of the Tishrei molad, and its weekday.
struct TishreiMolad {
    int weekday;
    int sinceEve;
};

TishreiMolad MoladOfTishrei(std::int32_t year) {
    const Molad m = MoladOfMonth(year, 1);
    return {m.weekday, m.hour * 1080 + m.minute * 18 + m.parts};
}

TEST(HebrewCalendar, EpochAndFirstYears) {
    EXPECT_EQ(HebrewToDayNumber(1, 1, 1), 1);
    EXPECT_EQ(DayNumberWeekday(1), 2);
    EXPECT_EQ(HebrewYearLength(1), 355);
    EXPECT_EQ(IsHebrewLeapYear(1), 0);
    EXPECT_EQ(IsHebrewLeapYear(3), 1);
    EXPECT_EQ(HebrewYearLength(3), 383);
    EXPECT_EQ(RoshHashanaWeekday(3), 5);
    const Molad first = MoladOfMonth(1, 1);  // BaHaRaD: Monday, 5 hours, 204 parts
    EXPECT_EQ(first.weekday, 2);
    EXPECT_EQ(first.hour, 5);
    EXPECT_EQ(first.minute * 18 + first.parts, 204);
}

TEST(HebrewCalendar, RecentYears) {
    EXPECT_EQ(IsHebrewLeapYear(5784), 1);
    EXPECT_EQ(MoladTishreiWeekday(5784), 6);
    EXPECT_EQ(RoshHashanaWeekday(5784), 7);
    EXPECT_EQ(HebrewYearLength(5784), 383);
    EXPECT_EQ(HebrewYearKind(5784), YearKind::kDeficient);

    EXPECT_EQ(IsHebrewLeapYear(5785), 0);
    EXPECT_EQ(RoshHashanaWeekday(5785), 5);
    EXPECT_EQ(HebrewYearLength(5785), 355);

    EXPECT_EQ(MoladTishreiWeekday(5786), 2);
    EXPECT_EQ(RoshHashanaWeekday(5786), 3);
    EXPECT_EQ(HebrewYearLength(5786), 354);
    EXPECT_EQ(HebrewYearKind(5786), YearKind::kRegular);

    EXPECT_EQ(IsHebrewLeapYear(5787), 1);
    EXPECT_EQ(RoshHashanaWeekday(5787), 7);
    EXPECT_EQ(HebrewYearLength(5787), 385);
}

TEST(HebrewCalendar, LastSupportedYear) {
    EXPECT_EQ(HebrewToDayNumber(110999, 12, 29), kLastDayNumber);
    EXPECT_EQ(IsHebrewLeapYear(110999), 0);
    EXPECT_EQ(HebrewYearKind(110999), YearKind::kComplete);
    EXPECT_EQ(RoshHashanaWeekday(110999), 7);
}

// Every year of the range: postponements of 0..2 days, the four allowed weekdays, the six lengths,
// and consecutive new years exactly one year length apart.
TEST(HebrewCalendar, WholeRangeYearShapes) {
    const std::set<int> lengths{353, 354, 355, 383, 384, 385};
    DayNumber start = HebrewToDayNumber(1, 1, 1);
    for (std::int32_t y = 1; y <= kLastHebrewYear; ++y) {
        const int rosh = RoshHashanaWeekday(y);
        ASSERT_TRUE(rosh == 2 || rosh == 3 || rosh == 5 || rosh == 7) << y;
        const int delay = (rosh - MoladTishreiWeekday(y) + 7) % 7;
        ASSERT_LE(delay, 2) << y;
        const int length = HebrewYearLength(y);
        ASSERT_TRUE(lengths.count(length)) << y;
        ASSERT_EQ(length > 380, IsHebrewLeapYear(y) == 1) << y;
        ASSERT_EQ(DayNumberWeekday(start), rosh) << y;
        const DayNumber next = HebrewToDayNumber(y + 1, 1, 1);
        ASSERT_EQ(next - start, length) << y;
        start = next;
    }
}

// The postponement rules at their exact thresholds, down to one chelek.
TEST(HebrewCalendar, PostponementThresholds) {
    constexpr int kNoon = 18 * 1080;
    EXPECT_EQ(RoshHashanaWeekdayForMolad(2, kNoon, false, false), 3);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(2, kNoon - 1, false, false), 2);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(7, kNoon, false, false), 2);  // Saturday noon -> Monday
    EXPECT_EQ(RoshHashanaWeekdayForMolad(3, kNoon, false, false), 5);  // Tuesday noon -> Thursday
    EXPECT_EQ(RoshHashanaWeekdayForMolad(2, 15 * 1080 + 589, false, true), 3);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(2, 15 * 1080 + 588, false, true), 2);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(2, 15 * 1080 + 589, false, false), 2);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(3, 9 * 1080 + 204, false, false), 5);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(3, 9 * 1080 + 203, false, false), 3);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(3, 9 * 1080 + 204, true, false), 3);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(1, 0, false, false), 2);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(4, 0, false, false), 5);
    EXPECT_EQ(RoshHashanaWeekdayForMolad(6, 0, false, false), 7);

    // The years of the range whose molad falls exactly on a threshold.
    for (std::int32_t y = 1; y <= kLastHebrewYear; ++y) {
        const TishreiMolad m = MoladOfTishrei(y);
        if (m.sinceEve == kNoon) {
            EXPECT_NE(RoshHashanaWeekday(y), m.weekday) << y;
        }
    }
    const TishreiMolad monday = MoladOfTishrei(88370);  // Monday 15h 589p after a leap year
    ASSERT_EQ(monday.weekday, 2);
    ASSERT_EQ(monday.sinceEve, 16789);
    ASSERT_EQ(IsHebrewLeapYear(88369), 1);
    EXPECT_EQ(RoshHashanaWeekday(88370), 3);
}

TEST(HebrewCalendar, MonthTablesAgree) {
    // One year of each shape: 5784 leap deficient, 5786 common regular, 5785 common complete, ...
    std::set<int> shapes;
    for (std::int32_t y = 5700; shapes.size() < 6; ++y) {
        const int leap = IsHebrewLeapYear(y);
        if (!shapes.insert(static_cast<int>(HebrewYearKind(y)) + 3 * leap).second)
            continue;
        int sum = 0;
        for (int m = 1; m <= 12 + leap; ++m) {
            EXPECT_EQ(HebrewDaysBeforeMonth(y, m), sum) << y << '/' << m;
            sum += HebrewMonthLength(y, m);
        }
        EXPECT_EQ(HebrewDaysBeforeMonth(y, 13 + leap), sum);
        EXPECT_EQ(sum, HebrewYearLength(y));
    }
}

TEST(HebrewCalendar, DayNumbersCarryPastMonthEnds) {
    EXPECT_EQ(HebrewToDayNumber(5785, 3, 0), HebrewToDayNumber(5785, 3, 1) - 1);
    ASSERT_EQ(HebrewMonthLength(5785, 1), 30);
    EXPECT_EQ(HebrewToDayNumber(5785, 1, 31), HebrewToDayNumber(5785, 2, 1));
}

// A day that overflows its month carries into the civil days beyond either end of the range, and
// across the missing year 0 and the reform.
TEST(HebrewCalendar, OverflowingDaysCarryIntoCivilDates) {
    EXPECT_EQ(HebrewToCivil(D(0, 1, 1)), D(6, 10, kFirstCivilYear));
    EXPECT_EQ(HebrewToCivil(D(30, 12, kLastHebrewYear)), D(20, 12, kLastCivilYear));
    EXPECT_EQ(HebrewToCivil(D(45, 12, kLastHebrewYear)), D(4, 1, kLastCivilYear + 1));
    EXPECT_EQ(HebrewToCivil(D(0, 5, 3761)), D(14, 1, 1));
    EXPECT_EQ(HebrewToCivil(D(31, 2, 5343)), D(26, 11, 1582));
}

// Years far outside the calendar wrap around to some civil date; its month and day still come
// from inside the tables (the sanitizer build checks the reads).
TEST(HebrewCalendar, YearsFarOutsideTheRangeGiveSomeDate) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    for (const std::int32_t year : {kMin, -1000000, 0, 200000, kMax}) {
        for (const int month : {1, 3, 4, 13}) {
            const CalendarDate civil = HebrewToCivil(D(1, month, year));
            EXPECT_TRUE(civil.month >= 1 && civil.month <= 12 && civil.day >= 1 && civil.day <= 31)
                << year << '/' << month;
        }
    }
}

TEST(CivilCalendar, LeapYearsAndTables) {
    EXPECT_EQ(IsCivilLeapYear(-1), 1);
    EXPECT_EQ(IsCivilLeapYear(-5), 1);
    EXPECT_EQ(IsCivilLeapYear(-3761), 1);
    EXPECT_EQ(IsCivilLeapYear(-2), 0);
    EXPECT_EQ(IsCivilLeapYear(1500), 1);  // Julian
    EXPECT_EQ(IsCivilLeapYear(1582), 0);
    EXPECT_EQ(IsCivilLeapYear(1700), 0);
    EXPECT_EQ(IsCivilLeapYear(2000), 1);
    EXPECT_EQ(CivilMonthLength(kLastCivilYear, 12), 19);
    EXPECT_EQ(CivilDaysBeforeMonth(1582, 12), 355);

    for (std::int32_t y : {2023, 2024, 1582}) {
        int sum = 0;
        for (int m = 1; m <= 12; ++m) {
            EXPECT_EQ(CivilDaysBeforeMonth(y, m - 1), sum) << y << '/' << m;
            sum += (y == 1582 && m == 10) ? 21 : CivilMonthLength(y, m);
        }
        EXPECT_EQ(CivilDaysBeforeMonth(y, 12), sum);
    }
}

TEST(CivilCalendar, KnownDays) {
    EXPECT_EQ(CivilToDayNumber(D(7, 10, -3761)), 1);
    EXPECT_EQ(CivilToHebrew(D(7, 10, -3761)), D(1, 1, 1));
    EXPECT_EQ(CivilToDayNumber(D(4, 10, 1582)), 1951163);
    EXPECT_EQ(CivilToDayNumber(D(15, 10, 1582)), 1951164);
    EXPECT_EQ(DayNumberWeekday(1951163), 5);
    EXPECT_EQ(DayNumberWeekday(1951164), 6);
    EXPECT_EQ(CivilToDayNumber(D(31, 12, -1)), 1373426);
    EXPECT_EQ(CivilToDayNumber(D(1, 1, 1)), 1373427);
    EXPECT_EQ(HebrewToCivil(D(1, 1, 3761)), D(18, 9, -1));
    EXPECT_EQ(HebrewToCivil(D(1, 1, 3762)), D(8, 9, 1));
    EXPECT_EQ(CivilToHebrew(D(1, 1, 2000)), D(23, 4, 5760));
    EXPECT_EQ(CivilToDayNumber(D(1, 1, 2000)), 2103548);
    EXPECT_EQ(DayNumberWeekday(2103548), 7);
    EXPECT_EQ(CivilToHebrew(D(23, 9, 2025)), D(1, 1, 5786));
    EXPECT_EQ(DayNumberWeekday(CivilToDayNumber(D(23, 9, 2025))), 3);
    EXPECT_EQ(CivilToHebrew(D(19, 12, kLastCivilYear)), D(29, 12, kLastHebrewYear));
    EXPECT_EQ(CivilToDayNumber(D(19, 12, kLastCivilYear)), kLastDayNumber);
}

// A day past its month's end, or day 0, counts on into the neighbouring months, across the leap
// day, the missing year 0 and the reform; month 13 is the next January.
TEST(CivilCalendar, DayNumbersCarryPastMonthEnds) {
    const auto same = [](CalendarDate a, CalendarDate b) {
        EXPECT_EQ(CivilToDayNumber(a), CivilToDayNumber(b))
            << int{a.day} << '/' << int{a.month} << '/' << a.year;
    };
    same(D(32, 1, 2024), D(1, 2, 2024));
    same(D(0, 3, 2024), D(29, 2, 2024));
    same(D(0, 3, 2023), D(28, 2, 2023));
    same(D(0, 3, 1700), D(28, 2, 1700));
    same(D(0, 3, 1500), D(29, 2, 1500));  // Julian: every fourth year leaps
    same(D(1, 13, 2024), D(1, 1, 2025));
    same(D(32, 12, -1), D(1, 1, 1));
    same(D(1, 13, -1), D(1, 1, 1));
    same(D(0, 11, 1582), D(31, 10, 1582));
    same(D(40, 12, 1582), D(9, 1, 1583));
    same(D(1, 13, 1582), D(1, 1, 1583));
    same(D(60, 2, kLastCivilYear), D(31, 3, kLastCivilYear));  // a leap year
}

TEST(CivilCalendar, Normalize) {
    EXPECT_EQ(NormalizeCivilDate(D(31, 4, 2024)), D(1, 5, 2024));
    EXPECT_EQ(NormalizeCivilDate(D(45, 12, 2024)), D(14, 1, 2025));
    EXPECT_EQ(NormalizeCivilDate(D(0, 5, 2024)), D(1, 5, 2024));
    EXPECT_EQ(NormalizeCivilDate(D(3, 3, -3761)), D(7, 10, -3761));
    EXPECT_EQ(NormalizeCivilDate(D(25, 12, kLastCivilYear)), D(19, 12, kLastCivilYear));
    EXPECT_EQ(NormalizeCivilDate(D(5, 6, 200000)), D(5, 6, kLastCivilYear));
    EXPECT_EQ(NormalizeCivilDate(D(10, 10, 1582)), D(15, 10, 1582));
    EXPECT_EQ(NormalizeCivilDate(D(32, 12, -1)), D(1, 1, 1));  // no year 0
    EXPECT_EQ(NormalizeCivilDate(D(1, 13, 2024)), D(1, 12, 2024));
    EXPECT_EQ(NormalizeCivilDate(D(1, 0, 2024)), D(1, 1, 2024));
    EXPECT_EQ(NormalizeCivilDate(D(200, 11, 107239)), D(18, 5, kLastCivilYear));
    EXPECT_EQ(NormalizeCivilDate(D(250, 11, kLastCivilYear)), D(19, 12, kLastCivilYear));
}

TEST(CivilCalendar, StepsAcrossTheReformAndTheEnds) {
    EXPECT_EQ(NextCivilDay(D(4, 10, 1582)), D(15, 10, 1582));
    EXPECT_EQ(PrevCivilDay(D(15, 10, 1582)), D(4, 10, 1582));
    EXPECT_EQ(NextCivilDay(D(31, 12, -1)), D(1, 1, 1));
    EXPECT_EQ(PrevCivilDay(D(1, 1, 1)), D(31, 12, -1));
    EXPECT_EQ(PrevCivilDay(D(7, 10, -3761)), D(7, 10, -3761));
    EXPECT_EQ(NextCivilDay(D(19, 12, kLastCivilYear)), D(19, 12, kLastCivilYear));

    EXPECT_EQ(NextCivilMonth(D(31, 1, 2024)), D(29, 2, 2024));
    EXPECT_EQ(NextCivilMonth(D(31, 12, 107239)), D(19, 1, kLastCivilYear));
    EXPECT_EQ(NextCivilMonth(D(10, 9, 1582)), D(15, 10, 1582));
    EXPECT_EQ(PrevCivilMonth(D(10, 11, 1582)), D(4, 10, 1582));
    EXPECT_EQ(NextCivilMonth(D(5, 12, kLastCivilYear)), D(5, 12, kLastCivilYear));
    EXPECT_EQ(PrevCivilMonth(D(20, 10, -3761)), D(20, 10, -3761));
    EXPECT_EQ(PrevCivilMonth(D(15, 1, 1)), D(15, 12, -1));
    // Stepping back into the first month never lands before its first day.
    EXPECT_EQ(PrevCivilMonth(D(3, 11, -3761)), D(7, 10, -3761));

    EXPECT_EQ(AddCivilYears(1, D(1, 3, kLastCivilYear)), D(19, 12, kLastCivilYear));
    EXPECT_EQ(AddCivilYears(-1, D(1, 3, -3760)), D(7, 10, -3761));
    EXPECT_EQ(AddCivilYears(-1, D(1, 12, -3760)), D(1, 12, -3761));
    EXPECT_EQ(AddCivilYears(1, D(29, 2, 2024)), D(28, 2, 2025));
    EXPECT_EQ(AddCivilYears(1, D(10, 6, -1)), D(10, 6, 1));
    EXPECT_EQ(AddCivilYears(-1, D(10, 6, 1)), D(10, 6, -1));
    EXPECT_EQ(AddCivilYears(1, D(10, 10, 1581)), D(15, 10, 1582));
    EXPECT_EQ(AddCivilYears(-1, D(10, 10, 1583)), D(4, 10, 1582));
    EXPECT_EQ(AddCivilYears(10, D(25, 12, 107230)), D(19, 12, kLastCivilYear));
    EXPECT_EQ(AddCivilYears(2000000000, D(1, 1, 2000)), D(19, 12, kLastCivilYear));
    EXPECT_EQ(AddCivilYears(-2000000000, D(1, 1, 2000)), D(7, 10, -3761));
}

// A month step from a year outside the range lands on the range's nearer end, even from the
// extremes of the year's type.
TEST(MonthSteps, YearsOutsideTheRangeClampIntoIt) {
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(PrevCivilMonth(D(15, 1, kMin)), D(7, 10, kFirstCivilYear));
    EXPECT_EQ(PrevCivilMonth(D(15, 11, kFirstCivilYear - 1)), D(7, 10, kFirstCivilYear));
    EXPECT_EQ(NextCivilMonth(D(15, 12, kMax)), D(19, 12, kLastCivilYear));
    EXPECT_EQ(NextCivilMonth(D(15, 3, kLastCivilYear + 1)), D(19, 12, kLastCivilYear));
    EXPECT_EQ(PrevHebrewMonth(D(15, 1, kMin)), D(1, 1, kFirstHebrewYear));
    EXPECT_EQ(PrevHebrewMonth(D(15, 5, 0)), D(1, 1, kFirstHebrewYear));
    EXPECT_EQ(NextHebrewMonth(D(15, 13, kMax)), D(29, 12, kLastHebrewYear));
    EXPECT_EQ(NextHebrewMonth(D(15, 3, kLastHebrewYear + 1)), D(29, 12, kLastHebrewYear));
}

TEST(HebrewSteps, YearsCarryAdarAcrossLeapBoundaries) {
    EXPECT_EQ(AddHebrewYears(1, D(30, 6, 5784)), D(29, 6, 5785));     // Adar I 30 -> Adar 29
    EXPECT_EQ(AddHebrewYears(1, D(15, 7, 5784)), D(15, 6, 5785));     // Adar II -> Adar
    EXPECT_EQ(AddHebrewYears(2, D(14, 6, 5785)), D(14, 6, 5787));     // Adar -> Adar I
    EXPECT_EQ(AddHebrewYears(2, D(15, 7, 5785)), D(15, 8, 5787));     // Nisan keeps its name
    EXPECT_EQ(AddHebrewYears(-1, D(29, 13, 5784)), D(29, 12, 5783));  // Elul keeps its name
    // 30 Heshvan of a complete year into a year whose Heshvan has 29 days.
    ASSERT_EQ(HebrewMonthLength(5785, 2), 30);
    ASSERT_EQ(HebrewMonthLength(5786, 2), 29);
    EXPECT_EQ(AddHebrewYears(1, D(30, 2, 5785)), D(29, 2, 5786));
    EXPECT_EQ(AddHebrewYears(1, D(5, 5, kLastHebrewYear)), D(29, 12, kLastHebrewYear));
    EXPECT_EQ(AddHebrewYears(-5, D(5, 5, 3)), D(1, 1, 1));
}

TEST(HebrewSteps, MonthsAndDaysAtTheEdges) {
    ASSERT_EQ(IsHebrewLeapYear(5784), 1);
    EXPECT_EQ(NextHebrewMonth(D(29, 12, 5783)), D(29, 1, 5784));
    EXPECT_EQ(NextHebrewMonth(D(29, 13, 5784)), D(29, 1, 5785));
    EXPECT_EQ(PrevHebrewMonth(D(30, 1, 5785)), D(29, 13, 5784));
    EXPECT_EQ(PrevHebrewMonth(D(30, 8, 5784)), D(29, 7, 5784));
    EXPECT_EQ(NextHebrewMonth(D(3, 12, kLastHebrewYear)), D(3, 12, kLastHebrewYear));
    EXPECT_EQ(PrevHebrewMonth(D(3, 1, 1)), D(3, 1, 1));
    EXPECT_EQ(NextHebrewDay(D(29, 12, kLastHebrewYear)), D(29, 12, kLastHebrewYear));
    EXPECT_EQ(PrevHebrewDay(D(1, 1, 1)), D(1, 1, 1));
    EXPECT_EQ(NextHebrewDay(D(29, 13, 5784)), D(1, 1, 5785));
    EXPECT_EQ(PrevHebrewDay(D(1, 1, 5785)), D(29, 13, 5784));
}

// Every day of the supported range: both conversions agree with the day number and with each
// other, the weekday advances by one, and each day step is the inverse of the other.
TEST(WholeRange, EveryDayConvertsAndStepsConsistently) {
    CalendarDate civil = D(7, 10, kFirstCivilYear);
    CalendarDate hebrew = D(1, 1, kFirstHebrewYear);
    int weekday = DayNumberWeekday(1);
    for (DayNumber n = kFirstDayNumber; n <= kLastDayNumber; ++n) {
        ASSERT_EQ(CivilToDayNumber(civil), n);
        ASSERT_EQ(HebrewToDayNumber(hebrew), n);
        ASSERT_EQ(CivilToHebrew(civil), hebrew) << n;
        ASSERT_EQ(HebrewToCivil(hebrew), civil) << n;
        ASSERT_EQ(DayNumberWeekday(n), weekday);
        if (n == kLastDayNumber)
            break;
        const CalendarDate nextCivil = NextCivilDay(civil);
        const CalendarDate nextHebrew = NextHebrewDay(hebrew);
        ASSERT_EQ(PrevCivilDay(nextCivil), civil) << n;
        ASSERT_EQ(PrevHebrewDay(nextHebrew), hebrew) << n;
        civil = nextCivil;
        hebrew = nextHebrew;
        weekday = weekday % 7 + 1;
    }
    EXPECT_EQ(civil, D(19, 12, kLastCivilYear));
    EXPECT_EQ(hebrew, D(29, 12, kLastHebrewYear));
}

// Month and year steps agree with the day number: a month step moves the day number by the
// month's length when the day fits, a year step keeps the month's identity.
TEST(WholeRange, MonthStepsMatchMonthLengths) {
    for (std::int32_t y = 1; y < kLastHebrewYear; ++y) {
        const int months = 12 + IsHebrewLeapYear(y);
        for (int m = 1; m <= months; ++m) {
            const CalendarDate first = D(1, m, y);
            const CalendarDate next = NextHebrewMonth(first);
            ASSERT_EQ(HebrewToDayNumber(next) - HebrewToDayNumber(first), HebrewMonthLength(y, m))
                << y << '/' << m;
            ASSERT_EQ(PrevHebrewMonth(next), first);
        }
    }
}

}  // namespace
}  // namespace plx
