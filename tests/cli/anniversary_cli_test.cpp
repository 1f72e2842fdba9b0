// plxcal anniversary: the dates a family keeps, with the dates worked out by hand from a printed
// calendar.
#include <gtest/gtest.h>

#include "cli/plxcal_runner.h"

namespace {

QList<QByteArray> Lines(const QStringList& arguments) {
    QStringList line{"anniversary"};
    line << arguments;
    const PlxcalResult r = RunPlxcal(line);
    EXPECT_EQ(r.status, 0) << r.err.constData();
    return r.out.isEmpty() ? QList<QByteArray>{} : r.lines();
}

TEST(PlxcalAnniversary, BirthdaysAndYahrzeitsOfTheHardMonths) {
    // A birthday in Adar of a common year is kept in Adar II of a leap year.
    EXPECT_EQ(Lines({"birthday", "5783-06-15", "--hebrew", "--years", "5783", "5785"}),
              (QList<QByteArray>{"5783  Hebrew 5783-06-15  civil 2023-03-08",
                                 "5784  Hebrew 5784-07-15  civil 2024-03-25",
                                 "5785  Hebrew 5785-06-15  civil 2025-03-15"}));
    // A yahrzeit of 30 Adar I is kept on 30 Shevat in a common year; none in the year of death.
    EXPECT_EQ(Lines({"yahrzeit", "5784-06-30", "--hebrew", "--years", "5784", "5785"}),
              (QList<QByteArray>{"5785  Hebrew 5785-05-30  civil 2025-02-28"}));
    // 5784 had no 30 Heshvan: the yahrzeit of 30 Heshvan 5783 is on the last day of Heshvan.
    EXPECT_EQ(Lines({"yahrzeit", "5783-02-30", "--hebrew", "--years", "5785", "5786"}),
              (QList<QByteArray>{"5785  Hebrew 5785-02-30  civil 2024-12-01",
                                 "5786  Hebrew 5786-02-29  civil 2025-11-20"}));
    // The years may stand before the kind; a birthday has none before its year.
    EXPECT_EQ(Lines({"--years", "5780", "5783", "birthday", "5783-01-01", "--hebrew"}),
              (QList<QByteArray>{"5783  Hebrew 5783-01-01  civil 2022-09-26"}));
}

TEST(PlxcalAnniversary, TheAdarChoiceOfAYahrzeitFromACommonYear) {
    const QStringList death{"yahrzeit", "5783-06-15", "--hebrew", "--years", "5784", "5785"};
    EXPECT_EQ(Lines(death), (QList<QByteArray>{"5784  Hebrew 5784-06-15  civil 2024-02-24",
                                               "5785  Hebrew 5785-06-15  civil 2025-03-15"}));
    EXPECT_EQ(Lines(death + QStringList{"--adar", "second"}),
              (QList<QByteArray>{"5784  Hebrew 5784-07-15  civil 2024-03-25",
                                 "5785  Hebrew 5785-06-15  civil 2025-03-15"}));
    EXPECT_EQ(Lines(death + QStringList{"--adar", "both"}),
              (QList<QByteArray>{"5784  Hebrew 5784-06-15  civil 2024-02-24",
                                 "5784  Hebrew 5784-07-15  civil 2024-03-25",
                                 "5785  Hebrew 5785-06-15  civil 2025-03-15"}));
}

TEST(PlxcalAnniversary, ACivilDateAndTheEveningAfterSunset) {
    // 24 March 2024 was 14 Adar II 5784; its evening is already the 15th.
    EXPECT_EQ(Lines({"birthday", "2024-03-24", "--years", "5785", "5785"}),
              (QList<QByteArray>{"5785  Hebrew 5785-06-14  civil 2025-03-14"}));
    EXPECT_EQ(Lines({"birthday", "2024-03-24", "--after-sunset", "--years=5785", "5785"}),
              (QList<QByteArray>{"5785  Hebrew 5785-06-15  civil 2025-03-15"}));
}

TEST(PlxcalAnniversary, JsonRecordsWithTheYearAndBothDates) {
    const PlxcalResult r = RunPlxcal({"anniversary", "yahrzeit", "5783-06-15", "--hebrew",
                                      "--years", "5784", "5784", "--adar", "both", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    ASSERT_EQ(r.lines().size(), 2);
    EXPECT_EQ(r.lines()[0], QByteArray(R"({"civil":{"day":24,"month":2,"year":2024},)"
                                       R"("hebrew":{"day":15,"month":6,"year":5784},)"
                                       R"("hebrewYear":5784})"));
    EXPECT_EQ(r.json(1)["hebrew"].toObject()["month"].toInt(), 7);
    EXPECT_EQ(r.json(1)["hebrewYear"].toInt(), 5784);
}

TEST(PlxcalAnniversary, RefusesWhatItCannotAnswer) {
    const QStringList refused[] = {
        {"yahrzeit", "5783-06-15", "--hebrew", "--years", "5786", "5785"},
        {"yahrzeit", "5783-06-15", "--hebrew", "--years", "1", "2001"},
        {"yahrzeit", "5783-06-15", "--hebrew", "--years", "0", "5"},
        {"yahrzeit", "5783-06-15", "--hebrew", "--years", "110999", "111000"},
        {"yahrzeit", "5783-06-15", "--hebrew", "--years", "5785"},
        {"yahrzeit", "5783-06-15", "--hebrew"},
        {"yahrzeit", "5783-06-15", "--hebrew", "--after-sunset", "--years", "5785", "5786"},
        {"birthday", "5783-06-15", "--hebrew", "--adar", "both", "--years", "5785", "5786"},
        {"yahrzeit", "5783-06-15", "--hebrew", "--adar", "third", "--years", "5785", "5786"},
        {"wedding", "5783-06-15", "--hebrew", "--years", "5785", "5786"},
        {"birthday", "5783-02-31", "--hebrew", "--years", "5785", "5786"},
        {"birthday", "--years", "5785", "5786"},
    };
    for (const QStringList& arguments : refused) {
        const PlxcalResult r = RunPlxcal(QStringList{"anniversary"} + arguments);
        const std::string what = arguments.join(' ').toStdString();
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_EQ(r.err.count('\n'), 1) << what << ": " << r.err.constData();
    }
    // A span of 2,000 years less one is answered.
    EXPECT_EQ(RunPlxcal({"anniversary", "birthday", "2000-01-01", "--years", "1", "2000"}).status,
              0);
}

}  // namespace
