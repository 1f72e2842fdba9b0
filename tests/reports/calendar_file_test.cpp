#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>

#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/halachic_times.h"
#include "reports/calendar_file.h"
#include "reports/ical_reading.h"

namespace plx {
namespace {

const QDateTime kStamp(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);

CalendarExportRequest Request(CalendarDate first, CalendarDate last, LocationKey key = 0) {
    CalendarExportRequest request;
    request.first = first;
    request.last = last;
    request.place = LookupLocation(key, {});
    request.settings.daylightAuto = true;
    return request;
}

std::vector<ReadEvent> Export(const CalendarExportRequest& request) {
    return ReadCalendarEvents(CalendarFileText(request, kStamp));
}

std::vector<ReadEvent> WithUidPart(const std::vector<ReadEvent>& events, const QString& part) {
    std::vector<ReadEvent> found;
    std::copy_if(events.begin(), events.end(), std::back_inserter(found),
                 [&](const ReadEvent& e) { return e.uid.contains(part); });
    return found;
}

// Nisan 5784: 9 April .. 8 May 2024, Pesach from the 23rd of April, the Omer from the 24th.
TEST(CalendarFile, TheEventsAndPortionsOfNisan5784) {
    CalendarExportRequest request = Request({9, 4, 2024}, {8, 5, 2024});
    request.contents.events = request.contents.portion = true;
    const std::vector<ReadEvent> events = Export(request);
    EXPECT_TRUE(std::all_of(events.begin(), events.end(), [](const ReadEvent& e) {
        return e.allDay && e.zone.isEmpty() && e.location.isEmpty();
    }));

    // Day by day, the day's texts before the Saturday's portion. The Sabbath of the festival
    // (27 April) is named among the events and has no portion of its own.
    const std::vector<std::pair<QString, QString>> expected{
        {"20240409", "Rosh Hodesh"},
        {"20240413", "Tazria"},
        {"20240420", "Metzora - Shabbat HaGadol"},
        {"20240421", "Bedikat Hametz"},
        {"20240422", "Erev Pesach"},
        {"20240423", "1st Yom-Tov of Pesach"},
        {"20240424", "Outside Israel 2nd Yom-Tov of Pesach"},
        {"20240424", "1st Hol Hamoed Pesach"},
        {"20240424", "1st of the Omer"},
        {"20240425", "2nd Hol Hamoed Pesach"},
        {"20240425", "2nd of the Omer"},
        {"20240426", "3rd Hol Hamoed Pesach"},
        {"20240426", "3rd of the Omer"},
        {"20240427", "Shabbat Hol Hamoed Pesach"},
        {"20240427", "4th of the Omer"},
        {"20240428", "Erev 7th of Pesach"},
        {"20240428", "5th Hol Hamoed Pesach"},
        {"20240428", "5th of the Omer"},
        {"20240429", "7th of Pesach"},
        {"20240429", "6th of the Omer"},
        {"20240430", "Isru Chag Pesach - Outside Israel Yom-Tov"},
        {"20240430", "7th of the Omer"},
        {"20240501", "Outside Israel Isru Chag"},
        {"20240501", "8th of the Omer"},
        {"20240502", "9th of the Omer"},
        {"20240503", "10th of the Omer"},
        {"20240504", "11th of the Omer"},
        {"20240504", "Achare Mot"},
        {"20240505", "12th of the Omer"},
        {"20240506", "Holocaust Martyrs & Heroes Remembrance Day"},  // the 27th moved off Sunday
        {"20240506", "13th of the Omer"},
        {"20240507", "14th of the Omer"},
        {"20240508", "1st of Rosh Hodesh"},
        {"20240508", "15th of the Omer"},
    };
    std::vector<std::pair<QString, QString>> read;
    for (const ReadEvent& e : events)
        read.emplace_back(e.start, e.summary);
    EXPECT_EQ(read, expected);
    EXPECT_EQ(WithUidPart(events, QStringLiteral("-portion@")).size(), 3u);

    const auto pesach = std::find_if(events.begin(), events.end(), [](const ReadEvent& e) {
        return e.summary == QStringLiteral("1st Yom-Tov of Pesach");
    });
    ASSERT_NE(pesach, events.end());
    EXPECT_EQ(pesach->uid, QStringLiteral("20240423-event-1@plx"));
}

TEST(CalendarFile, CandleLightingOnTheLocalClockAcrossSummerTime) {
    // Israel's summer time began on Friday 29 March 2024, New York's on Sunday 10 March.
    const struct {
        LocationKey key;
        CalendarDate before, after;
        const char* zone;
        int offsetBefore, offsetAfter;
    } cases[] = {{0, {22, 3, 2024}, {29, 3, 2024}, "Asia/Jerusalem", 2, 3},
                 {66, {8, 3, 2024}, {15, 3, 2024}, "America/New_York", -5, -4}};
    for (const auto& c : cases) {
        CalendarExportRequest request = Request(c.before, c.after, c.key);
        request.contents.times.candleLighting = true;
        const std::vector<ReadEvent> events = Export(request);
        ASSERT_EQ(events.size(), 2u) << c.zone;
        for (int i = 0; i < 2; ++i) {
            const CalendarDate date = i == 0 ? c.before : c.after;
            const std::vector<TimeEntry> times = ComputeTimesAt(
                date, request.settings, request.place, request.contents.times, SystemZoneOffset);
            ASSERT_EQ(times.size(), 1u);
            const QString clock = FromUtf16(times[0].text).remove(u':');
            const ReadEvent& e = events[static_cast<std::size_t>(i)];
            EXPECT_EQ(e.zone, QLatin1String(c.zone));
            EXPECT_EQ(e.start, GregorianDay(date).toString(QStringLiteral("yyyyMMdd")) +
                                   QStringLiteral("T") + clock + QStringLiteral("00"));
            const QDateTime local(GregorianDay(date), QTime::fromString(clock, "HHmm"), Qt::UTC);
            const int offset = i == 0 ? c.offsetBefore : c.offsetAfter;
            EXPECT_EQ(e.instant, local.addSecs(-offset * 3600)) << c.zone << ' ' << i;
            EXPECT_EQ(e.summary, QStringLiteral("Candle lighting"));
            EXPECT_EQ(e.location, FromUtf16(request.place.nameEnglish));
        }
    }
}

TEST(CalendarFile, TimesOfAPlaceWithoutAZoneAreInUtc) {
    CalendarExportRequest request = Request({21, 3, 2024}, {21, 3, 2024});
    request.place.timeZone.clear();
    request.contents.times.sunrise = true;
    request.contents.times.propHourGra = true;  // a length: never a timed event
    const std::vector<ReadEvent> events = Export(request);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].zone.isEmpty());
    // 05:43 on Jerusalem's zone hours (+2), as the times page shows it.
    EXPECT_EQ(events[0].start, QStringLiteral("20240321T034300"));
    EXPECT_EQ(events[0].instant, QDateTime(QDate(2024, 3, 21), QTime(3, 43), Qt::UTC));
}

TEST(CalendarFile, IdsAreStableAndUnique) {
    CalendarExportRequest request = Request({1, 9, 2024}, {31, 10, 2024});
    request.contents.events = request.contents.portion = request.contents.dafYomi = true;
    request.contents.times.sunrise = request.contents.times.sunset = true;
    request.contents.times.candleLighting = request.contents.times.motzash = true;
    const auto uids = [&](const QDateTime& stamp) {
        QStringList list;
        for (const ReadEvent& e : ReadCalendarEvents(CalendarFileText(request, stamp)))
            list += e.uid;
        return list;
    };
    const QStringList first = uids(kStamp);
    EXPECT_EQ(first, uids(kStamp.addDays(3)));
    EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), first.size());
    // Another place gives its times other ids, and the day's texts the same ones.
    CalendarExportRequest elsewhere = request;
    elsewhere.place = LookupLocation(53, {});
    const std::vector<ReadEvent> there = Export(elsewhere);
    const auto sunrise = [](const std::vector<ReadEvent>& events) {
        return WithUidPart(events, QStringLiteral("20240901-Sunrise-")).at(0).uid;
    };
    EXPECT_NE(sunrise(Export(request)), sunrise(there));
    EXPECT_EQ(WithUidPart(there, QStringLiteral("-event-")).size(),
              WithUidPart(Export(request), QStringLiteral("-event-")).size());
}

TEST(CalendarFile, HebrewTextsAndEscapedPlaceNamesSurvive) {
    CalendarExportRequest request = Request({5, 5, 2024}, {6, 5, 2024});
    request.language = Language::kHebrew;
    request.contents.events = request.contents.dafYomi = true;
    request.contents.times.sunset = true;
    // Long enough to be folded over several lines.
    request.place.nameHebrew = u"כפר סבא, השרון; ישראל \\ \"מרכז\" שכונת הפרחים הצפונית הרחוקה";
    const QByteArray text = CalendarFileText(request, kStamp);
    EXPECT_TRUE(QByteArray(text)
                    .replace("\r\n ", "")
                    .contains("LOCATION:כפר סבא\\, השרון\\; ישראל \\\\ \"מרכז\" שכונת הפרחים "
                              "הצפונית הרחוקה\r\n"));
    // Lines are folded at 75 octets without splitting a character.
    for (const QByteArray& line : text.split('\n')) {
        EXPECT_LE(line.size(), 76);
        EXPECT_EQ(QString::fromUtf8(line).toUtf8(), line);
    }
    // Each day's events, its Daf Yomi page and its sunset, in the file's language.
    const QStringList expected{
        "יב' לעומר", "מסכת בבא מציעא דף סז'", "שקיעת החמה", "יום השואה והגבורה",
        "יג' לעומר", "מסכת בבא מציעא דף סח'", "שקיעת החמה",
    };
    const std::vector<ReadEvent> events = ReadCalendarEvents(text);
    QStringList read;
    for (const ReadEvent& e : events)
        read += e.summary;
    EXPECT_EQ(read, expected);
    EXPECT_EQ(events.back().location, FromUtf16(request.place.nameHebrew));
}

TEST(CalendarFile, DaysBeforeTheReformAreWrittenOnTheGregorianCalendar) {
    // 1500 was a leap year on the Julian calendar only: the calendars drew a day further apart.
    EXPECT_EQ(GregorianDay({28, 2, 1500}), QDate(1500, 3, 9));
    EXPECT_EQ(GregorianDay({1, 3, 1500}), QDate(1500, 3, 11));
    EXPECT_EQ(GregorianDay({15, 10, 1582}), QDate(1582, 10, 15));
    EXPECT_EQ(GregorianDay({4, 10, 1582}), QDate(1582, 10, 14));
    CalendarExportRequest request = Request({4, 10, 1582}, {15, 10, 1582});
    request.contents.dafYomi = false;
    request.contents.events = true;
    for (const ReadEvent& e : Export(request))
        EXPECT_GE(e.start, QStringLiteral("15821014"));
}

TEST(CalendarFile, SpansThatCannotBeWritten) {
    using enum ExportSpanProblem;
    EXPECT_EQ(ProblemOfExportSpan({2, 1, 2024}, {1, 1, 2024}, true), kEndsBeforeStart);
    EXPECT_EQ(ProblemOfExportSpan({1, 1, 2000}, {31, 12, 2019}, false), std::nullopt);
    EXPECT_EQ(ProblemOfExportSpan({1, 1, 2000}, {1, 1, 2020}, false), kLongerThanTwentyYears);
    EXPECT_EQ(ProblemOfExportSpan({1, 1, 2000}, {1, 1, 2020}, true), std::nullopt);
    EXPECT_EQ(ProblemOfExportSpan({30, 12, 0 - 1}, {1, 1, 1}, true), kOutsideGregorianYears);
    EXPECT_EQ(ProblemOfExportSpan({3, 1, 1}, {4, 1, 1}, true), std::nullopt);
    EXPECT_EQ(ProblemOfExportSpan({31, 12, 9999}, {1, 1, 10000}, true), kOutsideGregorianYears);
}

TEST(CalendarFile, WrittenWholeOrNotAtAll) {
    QTemporaryDir dir;
    CalendarExportRequest request = Request({1, 1, 2024}, {31, 1, 2024});
    request.contents.events = true;
    const QString path = dir.filePath(QStringLiteral("year.ics"));
    EXPECT_EQ(WriteCalendarFile(path, request), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_NE(WriteCalendarFile(dir.filePath(QStringLiteral("no/such/folder.ics")), request),
              std::nullopt);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"year.ics"});
}

}  // namespace
}  // namespace plx

namespace plx {
namespace {

PersonalDate Personal(std::int32_t key, std::u16string name, PersonalKind kind,
                      CalendarDate hebrew) {
    PersonalDate date;
    date.key = key;
    date.name = std::move(name);
    date.kind = kind;
    date.date = hebrew;
    return date;
}

// A yahrzeit of Adar of a common year kept in both Adars of 5784 and a birthday entered by its
// Julian civil date; a date of another kind with a note, and one that does not pass the check.
TEST(CalendarFile, PersonalDatesOneEventAnObservance) {
    CalendarExportRequest request = Request({1, 1, 2024}, {31, 12, 2025});
    request.contents.personal = true;
    request.personalAdar = AdarChoice::Both;
    PersonalDate birthday = Personal(7, u"Grandfather", PersonalKind::Birthday, {});
    birthday.hebrewCalendar = false;
    birthday.date = {4, 10, 1582};  // Julian: 18 Tishrei 5343
    PersonalDate wedding =
        Personal(12, u"חתונה", PersonalKind::Anniversary, {20, 9, 5760});  // Iyar
    wedding.note = u"Note, with; chars";
    request.personalDates = {Personal(3, u"Yahrzeit", PersonalKind::Yahrzeit, {15, 6, 5783}),
                             birthday, wedding,
                             Personal(4, u"", PersonalKind::Other, {1, 1, 5784})};
    const std::vector<ReadEvent> events = Export(request);
    QStringList read;
    for (const ReadEvent& e : events) {
        EXPECT_TRUE(e.allDay);
        read += e.uid + u' ' + e.start + u' ' + e.summary;
    }
    EXPECT_EQ(read.join(u'\n').toStdString(),
              QStringList({
                              "personal-3-5784@plx 20240224 Yahrzeit",
                              "personal-3-5784-2@plx 20240325 Yahrzeit",
                              "personal-12-5784@plx 20240528 חתונה",
                              "personal-7-5785@plx 20241020 Grandfather",
                              "personal-3-5785@plx 20250315 Yahrzeit",
                              "personal-12-5785@plx 20250518 חתונה",
                              "personal-7-5786@plx 20251010 Grandfather",
                          })
                  .join(u'\n')
                  .toStdString());
    EXPECT_EQ(events[2].description, QStringLiteral("Note, with; chars"));
    EXPECT_TRUE(events[0].description.isEmpty());

    // Alone they are the whole file; with the events, each day's events come first.
    EXPECT_TRUE(ExportsAnything(request.contents));
    request.contents.events = true;
    request.first = request.last = {25, 3, 2024};
    const std::vector<ReadEvent> withEvents = Export(request);
    ASSERT_GE(withEvents.size(), 2u);
    EXPECT_TRUE(withEvents.front().uid.endsWith(QStringLiteral("-event-1@plx")));
    EXPECT_EQ(withEvents.back().uid, QStringLiteral("personal-3-5784-2@plx"));
    // Not asked for: none, whatever the list.
    request.contents.personal = false;
    EXPECT_EQ(Export(request).size(), withEvents.size() - 1);
}

}  // namespace
}  // namespace plx
