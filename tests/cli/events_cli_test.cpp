#include <gtest/gtest.h>

#include <QJsonArray>

#include "cli/plxcal_runner.h"

namespace {

QJsonObject Day(const QStringList& arguments) {
    const PlxcalResult r = RunPlxcal(arguments);
    EXPECT_EQ(r.status, 0) << r.err.constData();
    return r.json();
}

QStringList Strings(const QJsonValue& array) {
    QStringList strings;
    for (const QJsonValue& v : array.toArray())
        strings << v.toString();
    return strings;
}

TEST(PlxcalDayEvents, RoshHashanaInEnglish) {
    const QJsonObject day = Day({"day", "2024-10-03", "--json"});
    EXPECT_EQ(day["holidayCode"].toInt(), 1);
    EXPECT_EQ(day["dayKind"].toInt(), 2);
    EXPECT_EQ(day["roshChodesh"].toInt(), 0);
    EXPECT_EQ(Strings(day["events"]), QStringList{"1st of Rosh Hashana"});
    EXPECT_TRUE(day["hasEvent"].toBool());
    EXPECT_EQ(day["portionIndex"].toInt(), 75);
    EXPECT_EQ(day["portion"].toString(), QStringLiteral("Ha'azinu - Shabbat Shuva"));
    EXPECT_TRUE(day["mevarchim"].isNull());
    const QStringList information = day["information"].toString().split('\n');
    ASSERT_EQ(information.size(), 10);
    EXPECT_EQ(information[0], QStringLiteral("5785 yrs. to the Creation"));
    EXPECT_EQ(information[7], QStringLiteral("Parashat HaShavua: Ha'azinu - Shabbat Shuva"));
    EXPECT_EQ(information[9], QStringLiteral("1st of Rosh Hashana"));
    EXPECT_EQ(day["yearLength"].toInt(), 355);  // the keys of before stay
}

TEST(PlxcalDayEvents, LanguageCodes) {
    const QJsonObject hebrew = Day({"day", "--lang", "he", "2024-10-16", "--json"});
    EXPECT_EQ(Strings(hebrew["events"]),
              (QStringList{QStringLiteral("ערב סוכות"), QStringLiteral("בחו\"ל ערוב תבשילין")}));
    EXPECT_EQ(hebrew["dayKind"].toInt(), 1);
    EXPECT_TRUE(
        hebrew["information"].toString().startsWith(QStringLiteral("שנת 5785 לבריאת העולם\n")));

    // Any other code: the Hebrew layout around English texts, and the English Mevarchim heading.
    const QJsonObject other = Day({"day", "--lang=fr", "2024-10-20", "--json"});
    EXPECT_EQ(Strings(other["events"]), QStringList{"3rd Hol Hamoed Sukkot"});
    const QStringList information = other["information"].toString().split('\n');
    ASSERT_EQ(information.size(), 11);
    EXPECT_EQ(information[7], QStringLiteral("פרשת השבוע: Bereshit"));
    EXPECT_TRUE(
        information[10].startsWith(QStringLiteral("Shabbat Mevarchim: Molad 6th of Heshvan")));
    EXPECT_EQ(other["mevarchim"].toString(),
              information[10].mid(QStringLiteral("Shabbat Mevarchim: ").size()));
}

TEST(PlxcalDayEvents, SplitReadingAndRoshChodesh) {
    // 7 Sivan 5786 is a Saturday: the second day of Shavuot abroad, Naso in Israel.
    const QJsonObject shavuot = Day({"day", "--hebrew", "5786-9-7", "--json"});
    EXPECT_EQ(shavuot["portionIndex"].toInt(), 88);
    EXPECT_EQ(shavuot["portion"].toString(), QStringLiteral("Naso : Outside Israel 2nd Yom-Tov"));
    EXPECT_EQ(shavuot["portionIsrael"].toString(), QStringLiteral("Naso"));
    EXPECT_EQ(shavuot["portionDiaspora"].toString(), QStringLiteral("Shavuot 2nd Yom-Tov"));
    EXPECT_EQ(shavuot["holidayCode"].toInt(), 13);
    EXPECT_EQ(shavuot["dayKind"].toInt(), 3);

    const QJsonObject second = Day({"day", "--hebrew", "5785-2-1", "--json"});
    EXPECT_EQ(second["roshChodesh"].toInt(), 2);
    EXPECT_EQ(Strings(second["events"]), QStringList{"2nd of Rosh Hodesh"});
    EXPECT_EQ(second["holidayCode"].toInt(), 0);

    const QJsonObject marked = Day({"day", "--hebrew", "5785-8-18", "--json"});  // 18 Iyar
    EXPECT_TRUE(marked["hasEvent"].toBool());
    EXPECT_EQ(Strings(marked["events"]), QStringList{"33rd of the Omer"});
}

TEST(PlxcalDayEvents, ReadableOutput) {
    // A single day: its line, then the information text.
    PlxcalResult r = RunPlxcal({"day", "2024-10-03"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    QList<QByteArray> lines = r.lines();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_TRUE(lines[0].startsWith("2024-10-03 Gregorian Thu"));
    EXPECT_EQ(lines[1], "5785 yrs. to the Creation");
    EXPECT_EQ(lines[10], "1st of Rosh Hashana");

    // A range keeps one line per day, and its JSON lines carry the new fields.
    r = RunPlxcal({"range", "2024-10-02", "2024-10-04"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.lines().size(), 3);
    r = RunPlxcal({"range", "2024-10-02", "2024-10-04", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(Strings(r.json(0)["events"]), (QStringList{"Erev Rosh Hashana", "Eruv Tavshilin"}));
    EXPECT_EQ(r.json(2)["holidayCode"].toInt(), 2);
}

}  // namespace
