#include <gtest/gtest.h>

#include <QJsonArray>

#include "cli/plxcal_runner.h"

namespace {

TEST(PlxcalDay, JsonCarriesTheDateFieldsOfBothCalendars) {
    const PlxcalResult r = RunPlxcal({"day", "2000-01-01", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QJsonObject day = r.json();
    EXPECT_EQ(day["civil"].toObject()["year"].toInt(), 2000);
    EXPECT_EQ(day["dayNumber"].toInt(), 2103548);
    EXPECT_EQ(day["weekday"].toInt(), 7);
    EXPECT_EQ(day["hebrew"].toObject()["year"].toInt(), 5760);
    EXPECT_EQ(day["hebrew"].toObject()["month"].toInt(), 4);
    EXPECT_EQ(day["hebrew"].toObject()["day"].toInt(), 23);
    EXPECT_TRUE(day["leap"].toBool());
    EXPECT_EQ(day["yearLength"].toInt(), 385);
    EXPECT_EQ(day["yearKind"].toInt(), 3);
    EXPECT_EQ(day["roshHashanaWeekday"].toInt(), 7);
}

TEST(PlxcalDay, BothEndsOfTheRangeAndHebrewInput) {
    PlxcalResult r = RunPlxcal({"day", "-3761-10-07", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json()["dayNumber"].toInt(), 1);

    r = RunPlxcal({"day", "--hebrew", "110999-12-29", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json()["dayNumber"].toInt(), 40542022);
    EXPECT_EQ(r.json()["civil"].toObject()["year"].toInt(), 107240);

    r = RunPlxcal({"day", "--hebrew", "5784-7-14", "--json"});  // Purim, in Adar II of a leap year
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json()["civil"].toObject()["month"].toInt(), 3);
    EXPECT_EQ(r.json()["civil"].toObject()["day"].toInt(), 24);
}

TEST(PlxcalRange, OneLinePerDayAcrossTheReform) {
    const PlxcalResult r = RunPlxcal({"range", "1582-10-03", "1582-10-16", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(r.json(1)["civil"].toObject()["day"].toInt(), 4);
    EXPECT_EQ(r.json(2)["civil"].toObject()["day"].toInt(), 15);
    EXPECT_EQ(r.json(2)["dayNumber"].toInt(), r.json(1)["dayNumber"].toInt() + 1);
}

// Every kind of bad input: one line on standard error, status 2, nothing on standard output.
TEST(PlxcalErrors, BadInputIsRejectedWithOneLine) {
    const QList<QStringList> cases{
        {"day", "2024-02-30"},
        {"day", "0-01-01"},
        {"day", "1582-10-10"},
        {"day", "-3761-10-06"},
        {"day", "107240-12-20"},
        {"day", "999999-01-01"},
        {"day", "2024/01/01"},
        {"day", "--bogus"},
        {"bogus"},
        {"day", "--hebrew", "5785-13-01"},
        {"day", "--hebrew", "0-01-01"},
        {"day", "--hebrew", "111000-01-01"},
        {"range", "2024-01-02", "2024-01-01"},
        {"range", "2024-01-01"},
        {},
        {"day", "2024-01-01", "2024-01-02"},
    };
    for (const QStringList& args : cases) {
        const PlxcalResult r = RunPlxcal(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1)
            << args.join(' ').toStdString() << ": " << r.err.constData();
    }
}

// Each bad date is answered with its own fault, not the first message that happens to apply.
TEST(PlxcalErrors, EachBadDateNamesItsOwnFault) {
    const QList<std::pair<QString, QString>> cases{
        {"2024-13-01", "month 13 is outside 1 .. 12"},
        {"2024-00-10", "month 0 is outside 1 .. 12"},
        {"2023-02-29", "no such day in that month"},
        {"107240-12-32", "no such day in that month"},
        {"107240-12-20", "is outside 7 October -3761 .. 19 December 107240"},
        {"107241-01-01", "is outside 7 October -3761 .. 19 December 107240"},
        {"-3761-10-06", "is outside 7 October -3761 .. 19 December 107240"},
    };
    for (const auto& [date, fault] : cases) {
        const PlxcalResult r = RunPlxcal({"day", "--", date});
        EXPECT_EQ(r.status, 2) << date.toStdString();
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(fault))
            << date.toStdString() << ": " << r.err.constData();
    }
}

}  // namespace
