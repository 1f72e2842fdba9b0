// plxcal's streamed JSON against records built field by field from the engine, the way plxcal
// built them before it streamed; escaping of outside texts; and the end of a pipe.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>

#include "app/settings.h"
#include "app/stored_locations.h"
#include "app/utf16.h"
#include "astro/locations.h"
#include "cli/plxcal_runner.h"
#include "engine/cycles.h"
#include "engine/events.h"
#include "engine/information.h"
#include "engine/numerals.h"
#include "engine/portion.h"
#include "engine/vocabulary.h"

namespace {

using plx::CalendarDate;

QString Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QJsonValue TextOrNull(std::optional<std::u16string_view> text) {
    return text ? QJsonValue(plx::FromUtf16(*text)) : QJsonValue(QJsonValue::Null);
}

QJsonObject DateObject(CalendarDate d) {
    return {{"year", d.year}, {"month", d.month}, {"day", d.day}};
}

QJsonObject CycleObject(plx::CyclePosition position) {
    return {{"year", position.year}, {"cycle", position.cycle}};
}

// Each field from its own conversion of the civil date, as the record was first written.
QJsonObject RecordFromTheEngine(CalendarDate civil, plx::Language language,
                                const QString& languageCode) {
    const CalendarDate hebrew = plx::CivilToHebrew(civil);
    const plx::DayNumber n = plx::CivilToDayNumber(civil);
    const CalendarDate announced = plx::MoladAnnouncementDate(hebrew);
    const plx::Molad molad = plx::MoladOfMonth(announced.year, announced.month);
    const plx::DafYomiPage daf = plx::DafYomi(civil);
    const plx::DayEventList events = plx::DayEvents(language, civil);
    QJsonArray entries;
    for (const std::u16string& entry : events.entries)
        entries.append(Text(entry));
    const int portion = plx::WeeklyPortionIndex(hebrew).value_or(-1);
    const auto mevarchim = plx::MevarchimMoladText(language, hebrew);
    const QString information = Text(plx::YearInformationText(
        civil, plx::InterfaceLanguageOfCode(languageCode.toStdU16String())));
    return {
        {"civil", DateObject(civil)},
        {"dayNumber", n},
        {"weekday", plx::DayNumberWeekday(n)},
        {"hebrew", DateObject(hebrew)},
        {"leap", plx::IsHebrewLeapYear(hebrew.year) == 1},
        {"yearLength", plx::HebrewYearLength(hebrew.year)},
        {"yearKind", static_cast<int>(plx::HebrewYearKind(hebrew.year))},
        {"roshHashanaWeekday", plx::RoshHashanaWeekday(hebrew.year)},
        {"hebrewText", Text(plx::HebrewDateText(hebrew))},
        {"yearSign", Text(plx::YearSignText(hebrew.year))},
        {"molad", QJsonObject{{"weekday", molad.weekday},
                              {"hour", molad.hour},
                              {"minute", molad.minute},
                              {"parts", molad.parts},
                              {"text", Text(plx::MoladText(language, hebrew))}}},
        {"dafYomi", QJsonObject{{"tractate", daf.tractate},
                                {"page", daf.page},
                                {"text", Text(plx::DafYomiText(language, civil))}}},
        {"shmita", plx::ShmitaYearIndex(hebrew.year)},
        {"lunarCycle", CycleObject(plx::LunarCyclePosition(hebrew.year))},
        {"solarCycle", CycleObject(plx::SolarCyclePosition(hebrew.year))},
        {"holidayCode", static_cast<int>(plx::HolidayCode(hebrew).code)},
        {"dayKind", static_cast<int>(events.kind)},
        {"roshChodesh", static_cast<int>(plx::RoshChodeshKind(hebrew))},
        {"events", entries},
        {"hasEvent", plx::DayHasEvent(hebrew)},
        {"portionIndex", portion},
        {"portion", TextOrNull(plx::PortionName(language, portion, plx::PortionNamePart::kWhole))},
        {"portionIsrael",
         TextOrNull(plx::PortionName(language, portion, plx::PortionNamePart::kIsrael))},
        {"portionDiaspora",
         TextOrNull(plx::PortionName(language, portion, plx::PortionNamePart::kDiaspora))},
        {"mevarchim", mevarchim ? QJsonValue(Text(*mevarchim)) : QJsonValue(QJsonValue::Null)},
        {"information", information.mid(1)},
        {"personal", QJsonArray{}},  // none stored
    };
}

// Every line parses and follows the day before it; every 29th day, and every day of a festival
// season, is byte for byte the record built from the engine field by field.
void ExpectRangeMatchesTheEngine(const QStringList& arguments, plx::Language language,
                                 const QString& languageCode) {
    const PlxcalResult r = RunPlxcal(arguments);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    const QList<QByteArray> lines = r.lines();
    plx::DayNumber expected = 0;
    int compared = 0;
    for (const QByteArray& line : lines) {
        QJsonParseError error;
        const QJsonObject record = QJsonDocument::fromJson(line, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line.constData();
        const plx::DayNumber n = record["dayNumber"].toInt();
        ASSERT_TRUE(expected == 0 || n == expected) << line.constData();
        expected = n + 1;
        const CalendarDate day = plx::DayNumberToCivil(n);
        const CalendarDate hebrew = plx::DayNumberToHebrew(n);
        if (n % 29 == 0 || (hebrew.month == 1 && hebrew.day <= 23)) {
            const QJsonObject old = RecordFromTheEngine(day, language, languageCode);
            ASSERT_EQ(QJsonDocument(old).toJson(QJsonDocument::Compact), line) << n;
            ++compared;
        }
    }
    EXPECT_GT(compared, static_cast<int>(lines.size()) / 30);
}

TEST(PlxcalJsonStream, RecordsAreTheRecordsOfTheEngine) {
    ExpectRangeMatchesTheEngine({"range", "1990-01-01", "2039-12-31", "--json"},
                                plx::Language::kEnglish, "en");
    ExpectRangeMatchesTheEngine({"range", "1580-01-01", "1585-12-31", "--json", "--lang", "he"},
                                plx::Language::kHebrew, "he");
    ExpectRangeMatchesTheEngine({"range", "107238-01-01", "107240-12-19", "--json", "--lang=fr"},
                                plx::Language::kEnglish, "fr");
}

// A place of the user's with quotes, a backslash and control characters in its names comes back
// unchanged through any JSON parser.
TEST(PlxcalJsonStream, OutsideTextsAreEscaped) {
    QTemporaryDir config;
    plx::IniSettingsStore store(QDir(config.path()).filePath(QStringLiteral("plx/plx.ini")));
    plx::Location place = plx::BuiltInLocation(0);
    place.nameEnglish = u"a \"b\" \\ c\u0001\t/";
    place.nameHebrew = u"בית \"אל\"\u001f";
    plx::SaveCustomLocations(store, {place});
    store.Flush();
    ASSERT_EQ(plx::LoadCustomLocations(store).at(0).nameEnglish, place.nameEnglish);
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());

    PlxcalResult r = RunPlxcal({"times", "2024-03-21", "--location", "80", "--json"}, env);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    QJsonParseError error;
    const QJsonObject location =
        QJsonDocument::fromJson(r.out, &error).object()["location"].toObject();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.constData();
    EXPECT_EQ(location["nameEnglish"].toString(), QString::fromStdU16String(place.nameEnglish));
    EXPECT_EQ(location["nameHebrew"].toString(), QString::fromStdU16String(place.nameHebrew));

    r = RunPlxcal({"locations", "--json"}, env);
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_EQ(r.json(80)["nameEnglish"].toString(), QString::fromStdU16String(place.nameEnglish));
}

// A reader that stops early ends plxcal with no message and no signal, long before the range is
// done; what the reader got is whole records.
TEST(PlxcalOutput, ClosedPipeEndsQuietly) {
    QProcess shell;
    shell.start(QStringLiteral("bash"),
                {"-c", "set -o pipefail; \"$0\" range 1000-01-01 9000-12-31 --json | head -n 2",
                 QStringLiteral(PLXCAL_PATH)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(shell.exitCode(), 0);
    EXPECT_TRUE(shell.readAllStandardError().isEmpty());
    const QList<QByteArray> lines = shell.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(QJsonDocument::fromJson(lines[1]).object()["civil"].toObject()["day"].toInt(), 2);
}

// Output that cannot be written is an error, not a silent loss.
TEST(PlxcalOutput, FailedWriteIsAnError) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(PLXCAL_PATH), {"range", "2000-01-01", "2000-12-31"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_EQ(process.readAllStandardError().count('\n'), 1);
}

}  // namespace
