#include <gtest/gtest.h>

#include <QJsonArray>

#include "cli/plxcal_runner.h"

namespace {

QJsonObject Day(const QStringList& arguments) {
    const PlxcalResult r = RunPlxcal(arguments);
    EXPECT_EQ(r.status, 0) << r.err.constData();
    return r.json();
}

TEST(PlxcalDayTexts, NumeralsMoladDafYomiAndCyclesInEnglish) {
    const QJsonObject day = Day({"day", "2020-01-05", "--json"});
    EXPECT_EQ(day["hebrewText"].toString(), QStringLiteral("ח' טבת ה'תשף"));
    EXPECT_EQ(day["yearSign"].toString(), QStringLiteral("ב.ש.ה"));
    const QJsonObject molad = day["molad"].toObject();
    EXPECT_EQ(molad["weekday"].toInt(), 6);
    EXPECT_EQ(molad["hour"].toInt(), 2);
    EXPECT_EQ(molad["minute"].toInt(), 2);
    EXPECT_EQ(molad["parts"].toInt(), 8);
    EXPECT_EQ(molad["text"].toString(),
              QStringLiteral("Molad 6th of Teveth, Evening, 08:02 O'Clock and 8 chalakim"));
    const QJsonObject daf = day["dafYomi"].toObject();
    EXPECT_EQ(daf["tractate"].toInt(), 0);
    EXPECT_EQ(daf["page"].toInt(), 2);
    EXPECT_EQ(daf["text"].toString(), QStringLiteral("Brachot Page 2"));
    EXPECT_EQ(day["shmita"].toInt(), 4);
    EXPECT_EQ(day["lunarCycle"].toObject()["year"].toInt(), 4);
    EXPECT_EQ(day["lunarCycle"].toObject()["cycle"].toInt(), 305);
    EXPECT_EQ(day["solarCycle"].toObject()["year"].toInt(), 12);
    EXPECT_EQ(day["solarCycle"].toObject()["cycle"].toInt(), 207);
    EXPECT_EQ(day["dayNumber"].toInt(), 2110857);  // the keys of before stay
}

TEST(PlxcalDayTexts, LangChoosesTheTexts) {
    const QJsonObject hebrew = Day({"day", "--lang", "he", "2021-04-13", "--json"});
    EXPECT_EQ(hebrew["dafYomi"].toObject()["text"].toString(), QStringLiteral("מסכת יומא דף ב'"));
    EXPECT_EQ(hebrew["molad"].toObject()["text"].toString(),
              QStringLiteral("מולד אייר בוקר ב' שעה 07:47 ו- 6 חלקים"));

    // Any code but "he" gives the English texts; the Hebrew date text is Hebrew in every language.
    const QJsonObject other = Day({"day", "--lang=fr", "2021-04-13", "--json"});
    EXPECT_EQ(other["dafYomi"].toObject()["text"].toString(), QStringLiteral("Yoma Page 2"));
    EXPECT_EQ(other["hebrewText"].toString(), hebrew["hebrewText"].toString());

    // The 30th announces the molad of the month it opens.
    const QJsonObject thirtieth = Day({"day", "--hebrew", "5785-1-30", "--json"});
    EXPECT_EQ(thirtieth["molad"].toObject()["text"].toString(),
              QStringLiteral("Molad 6th of Heshvan, Ending, 04:05 O'Clock and 14 chalakim"));
    EXPECT_EQ(thirtieth["molad"].toObject()["hour"].toInt(), 22);
}

TEST(PlxcalNumeral, BothDirections) {
    PlxcalResult r = RunPlxcal({"numeral", "5784"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("ה'תשפד\n"));

    r = RunPlxcal({"numeral", "--parse", QStringLiteral("ה'תשפד")});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.out, "5784\n");

    r = RunPlxcal({"numeral", "--parse",
                   QStringLiteral("קיתתקצט")});  // no mark: only ק before a greater letter
    EXPECT_EQ(r.out, "11099\n");

    r = RunPlxcal({"numeral", "110999"});
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("קי'תתקצט\n"));
}

TEST(PlxcalVocab, EveryTableOfBothLanguages) {
    const PlxcalResult r = RunPlxcal({"vocab", "--json"});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QJsonObject all = r.json();
    const QList<std::pair<QString, int>> lengths{
        {"TimeNames", 26},
        {"TimeShortNames", 24},
        {"HebrewMonthNames", 13},
        {"HebrewLeapMonthNames", 13},
        {"CivilMonthNames", 12},
        {"WeekdayNames", 7},
        {"WeekdayShortNames", 7},
        {"WeekdayLetters", 7},
        {"TractateNames", 40},
        {"ShmitaYearNames", 7},
        {"PortionNames", 123},
        {"PortionIsraelParts", 23},
        {"PortionDiasporaParts", 23},
        {"DayEventPhrases", 68},
        {"HolidayNames", 14},
        {"HolidayNamesOutside", 14},
        {"HolidayEveNames", 8},
        {"DayPartNames", 5},
    };
    for (const QString language : {"he", "en"}) {
        const QJsonObject tables = all[language].toObject();
        EXPECT_EQ(tables.size(), lengths.size()) << language.toStdString();
        for (const auto& [name, length] : lengths) {
            const QJsonValue table = tables[name];
            EXPECT_EQ(table.isObject() ? table.toObject().size() : table.toArray().size(), length)
                << name.toStdString();
        }
    }
    const QJsonObject en = all["en"].toObject();
    const QJsonObject he = all["he"].toObject();
    EXPECT_EQ(en["TimeNames"].toArray()[2].toString(), QStringLiteral("Sunrise\t\t"));
    EXPECT_EQ(en["HebrewMonthNames"].toArray()[12].toString(), QString());
    EXPECT_EQ(en["TractateNames"].toArray()[5].toString(), QStringLiteral("Yoma"));
    EXPECT_EQ(en["DayEventPhrases"].toArray()[11].toString(), QStringLiteral(" Hol Hamoed Sukkot"));
    EXPECT_EQ(en["HolidayNames"].toArray()[4].toString(),
              QStringLiteral("Outside Israel 2nd Sukkot"));
    EXPECT_EQ(he["HolidayNamesOutside"].toArray()[5].toString(), QStringLiteral("שמיני עצרת"));
    EXPECT_EQ(en["PortionIsraelParts"].toObject()["76"].toString(), QStringLiteral("Achare Mot"));
    EXPECT_EQ(he["PortionDiasporaParts"].toObject()["98"].toString(), QStringLiteral("מטות מסעי"));
}

// Bad input: one line on standard error, status 2, nothing on standard output.
TEST(PlxcalNumeralErrors, BadInputIsRejectedWithOneLine) {
    const QList<QStringList> cases{
        {"numeral", "0"},
        {"numeral", "111000"},
        {"numeral", "-5"},
        {"numeral", "five"},
        {"numeral", "1\n2"},
        {"numeral"},
        {"numeral", "1", "2"},
        {"numeral", "--parse", "abc"},
        {"numeral", "--parse", ""},
        {"numeral", "--parse", QString(60, QChar(0x05EA)) + "'"},
        {"vocab"},
        {"vocab", "extra", "--json"},
    };
    for (const QStringList& args : cases) {
        const PlxcalResult r = RunPlxcal(args);
        const std::string what = args.join(' ').left(40).toStdString();
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_EQ(r.err.count('\n'), 1) << what << ": " << r.err.constData();
    }
}

}  // namespace
