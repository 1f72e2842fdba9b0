#include "app/stored_personal_dates.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "app/settings.h"
#include "engine/calendar.h"
#include "temp_files.h"

namespace plx {

void PrintTo(const PersonalDate& date, std::ostream* out) {
    *out << date.key << " " << QString::fromStdU16String(date.name).toStdString() << " "
         << int(date.kind) << (date.hebrewCalendar ? " hebrew " : " civil ") << date.date.year
         << "-" << int(date.date.month) << "-" << int(date.date.day) << " evening "
         << date.afterSunset << " " << QString::fromStdU16String(date.note).toStdString();
}

void PrintTo(const PersonalObservance& observance, std::ostream* out) {
    *out << "day " << observance.day << " of " << observance.index;
}

namespace {

PersonalDate Hebrew(std::u16string name, PersonalKind kind, CalendarDate date) {
    PersonalDate personal;
    personal.name = std::move(name);
    personal.kind = kind;
    personal.date = date;
    return personal;
}

PersonalDate Civil(std::u16string name, CalendarDate date, bool afterSunset = false) {
    PersonalDate personal = Hebrew(std::move(name), PersonalKind::Anniversary, date);
    personal.hebrewCalendar = false;
    personal.afterSunset = afterSunset;
    return personal;
}

std::int32_t Add(SettingsStore& store, const PersonalDate& date) {
    const std::optional<std::int32_t> key = AddStoredPersonalDate(store, date);
    EXPECT_TRUE(key);
    return key.value_or(0);
}

void WriteSection(
    MemorySettingsStore& store, std::u16string_view section,
    std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> values) {
    const std::u16string full = std::u16string(kSettingsSection) + u'/' + std::u16string(section);
    for (const auto& [name, value] : values)
        store.WriteString(full, name, value);
}

DayNumber Civil(int year, int month, int day) {
    return CivilToDayNumber(
        {static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), year});
}

TEST(StoredPersonalDates, RoundTripOfEveryKindAndCalendar) {
    MemorySettingsStore store;
    PersonalDate grandmother = Hebrew(u"סבתא רחל", PersonalKind::Yahrzeit, {15, 6, 5783});
    grandmother.note = u"Adar, \"the\" = ; \\ note";
    const PersonalDate wedding = Civil(u"Wedding", {4, 10, 1582}, true);
    PersonalDate old = Civil(u"Old", {7, 10, -3761});
    old.kind = PersonalKind::Other;
    const PersonalDate birthday = Hebrew(u"Dan 🎂", PersonalKind::Birthday, {30, 2, 5783});

    PersonalDateList added;
    for (PersonalDate date : {grandmother, wedding, old, birthday}) {
        date.key = Add(store, date);
        added.push_back(date);
    }
    EXPECT_EQ(added[0].key, 1);
    EXPECT_EQ(added[3].key, 4);
    EXPECT_EQ(store.ReadString(PersonalSection(3), u"date", u""), u"-3761-10-07");
    EXPECT_EQ(store.ReadString(PersonalSection(1), u"kind", u""), u"yahrzeit");
    EXPECT_EQ(LoadPersonalDates(store), added);

    // The same through the file, read by another store.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plx.ini"));
    IniSettingsStore file(path);
    ASSERT_TRUE(file.Update([&](SettingsStore& s) {
                        for (const PersonalDate& date : added)
                            AddStoredPersonalDate(s, date);
                    })
                    .Stored());
    EXPECT_EQ(LoadPersonalDates(IniSettingsStore(path)), added);
}

TEST(StoredPersonalDates, HebrewDateOfACivilDateAndItsEvening) {
    // 24 March 2024 is 14 Adar II 5784.
    EXPECT_EQ(PersonalHebrewDateOf(Civil(u"a", {24, 3, 2024})), (CalendarDate{14, 7, 5784}));
    EXPECT_EQ(PersonalHebrewDateOf(Civil(u"a", {24, 3, 2024}, true)), (CalendarDate{15, 7, 5784}));
    // The evening has no meaning for a Hebrew date, stored or not.
    PersonalDate hebrew = Hebrew(u"a", PersonalKind::Birthday, {14, 7, 5784});
    hebrew.afterSunset = true;
    EXPECT_EQ(PersonalHebrewDateOf(hebrew), (CalendarDate{14, 7, 5784}));
    MemorySettingsStore store;
    Add(store, hebrew);
    EXPECT_FALSE(LoadPersonalDates(store).at(0).afterSunset);
}

TEST(StoredPersonalDates, KeysAreNeverGivenTwice) {
    MemorySettingsStore store;
    for (int i = 0; i < 3; ++i)
        Add(store, Hebrew(u"a", PersonalKind::Birthday, {1, 1, 5780}));
    EXPECT_TRUE(RemoveStoredPersonalDate(store, 3));
    EXPECT_TRUE(RemoveStoredPersonalDate(store, 1));
    EXPECT_EQ(Add(store, Hebrew(u"b", PersonalKind::Birthday, {1, 1, 5780})), 4);
    EXPECT_EQ(store.ReadInteger(kSettingsSection, kPersonalNextKeyName, 0), 5);
    const PersonalDateList left = LoadPersonalDates(store);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].key, 2);
    EXPECT_EQ(left[1].key, 4);

    // A kept key that is lost or wrong, or sections written by hand beyond it, are not written
    // over: the new key goes past them all.
    store.WriteString(kSettingsSection, kPersonalNextKeyName, u"many");
    WriteSection(store, u"Personal9", {{u"kind", u"not read"}});
    EXPECT_EQ(Add(store, Hebrew(u"c", PersonalKind::Birthday, {1, 1, 5780})), 10);
    store.WriteInteger(kSettingsSection, kPersonalNextKeyName, -7);
    EXPECT_EQ(Add(store, Hebrew(u"d", PersonalKind::Birthday, {1, 1, 5780})), 11);
    EXPECT_EQ(store.ReadString(PersonalSection(9), u"kind", u""), u"not read");
}

TEST(StoredPersonalDates, NoKeyLeftIsRefusedWithNothingWritten) {
    for (const bool bySection : {false, true}) {
        MemorySettingsStore store;
        if (bySection) {
            WriteSection(store, u"Personal2147483646", {{u"name", u"last"}});
        } else {
            store.WriteInteger(kSettingsSection, kPersonalNextKeyName,
                               std::numeric_limits<std::int32_t>::max());
        }
        const auto before = store.Values();
        EXPECT_FALSE(
            AddStoredPersonalDate(store, Hebrew(u"a", PersonalKind::Birthday, {1, 1, 5780})));
        EXPECT_EQ(store.Values(), before);
    }
}

TEST(StoredPersonalDates, HandEditedSectionsThatDoNotReadAreSkippedAndKept) {
    MemorySettingsStore store;
    const PersonalDate good = Hebrew(u"Good", PersonalKind::Birthday, {1, 1, 5780});
    const std::int32_t goodKey = Add(store, good);
    const auto section = [&](std::u16string_view name, std::u16string_view kind,
                             std::u16string_view calendar, std::u16string_view date,
                             std::variant<std::int32_t, std::u16string_view> evening = 0) {
        WriteSection(store, name,
                     {{u"name", u"x"}, {u"kind", kind}, {u"calendar", calendar}, {u"date", date}});
        const std::u16string full = u"Settings/" + std::u16string(name);
        if (const auto* number = std::get_if<std::int32_t>(&evening))
            store.WriteInteger(full, u"after_sunset", *number);
        else
            store.WriteString(full, u"after_sunset", std::get<std::u16string_view>(evening));
    };
    section(u"Personal10", u"Birthday", u"hebrew", u"5780-01-01");      // kind in capitals
    section(u"Personal11", u"birthday", u"julian", u"5780-01-01");      // no such calendar
    section(u"Personal12", u"birthday", u"hebrew", u"5785-13-01");      // a common year
    section(u"Personal13", u"birthday", u"hebrew", u"5784-02-30");      // a short Heshvan
    section(u"Personal14", u"birthday", u"civil", u"2023-02-29");       // not a leap year
    section(u"Personal15", u"birthday", u"civil", u"1582-10-10");       // skipped by the reform
    section(u"Personal16", u"birthday", u"civil", u"-3761-10-06");      // before the range
    section(u"Personal17", u"birthday", u"civil", u"0000-01-01");       // no year 0
    section(u"Personal18", u"birthday", u"civil", u"107240-12-19", 1);  // evening past the end
    section(u"Personal19", u"birthday", u"civil", u"2024-01-01", u"yes");
    section(u"Personal20", u"birthday", u"civil", u"2024-01-01", 2);
    section(u"Personal21", u"birthday", u"hebrew", u"5780-01-01x");
    section(u"Personal22", u"birthday", u"hebrew", u"99999999-01-01");
    section(u"Personal23", u"birthday", u"hebrew", u"");
    section(u"Personal24", u"birthday", u"hebrew", u"--5780-1-1");
    section(u"Personal25", u"birthday", u"hebrew", u"5780-001-01");
    WriteSection(
        store, u"Personal26",
        {{u"kind", u"birthday"}, {u"calendar", u"hebrew"}, {u"date", u"5780-01-01"}});  // no name
    WriteSection(store, u"Personal27",
                 {{u"name", u"  "},
                  {u"kind", u"birthday"},
                  {u"calendar", u"hebrew"},
                  {u"date", u"5780-01-01"}});
    // Names that are not a key's.
    for (std::u16string_view name :
         {u"Personal0", u"Personal07", u"PersonalX", u"Personal-3", u"Personal99999999999"}) {
        section(name, u"birthday", u"hebrew", u"5780-01-01");
    }
    // Read, though odd: a one-digit month, a name with a tab (shown, refused when saved).
    section(u"Personal30", u"other", u"hebrew", u"5780-1-1");
    WriteSection(store, u"Personal31",
                 {{u"name", u"a\tb"},
                  {u"kind", u"yahrzeit"},
                  {u"calendar", u"civil"},
                  {u"date", u"2024-01-01"}});
    const auto before = store.Values();

    std::vector<std::u16string> skipped;
    const PersonalDateList dates = LoadPersonalDates(store, &skipped);
    ASSERT_EQ(dates.size(), 3u);
    EXPECT_EQ(dates[0].key, goodKey);
    EXPECT_EQ(dates[1].key, 30);
    EXPECT_EQ(dates[1].date, (CalendarDate{1, 1, 5780}));
    EXPECT_EQ(dates[2].name, u"a\tb");
    EXPECT_FALSE(dates[2].afterSunset);
    EXPECT_EQ(skipped.size(), 23u);
    EXPECT_NE(std::find(skipped.begin(), skipped.end(), u"Settings/Personal07"), skipped.end());
    EXPECT_EQ(store.Values(), before);

    // Neither an update nor a removal touches a section that did not read.
    PersonalDate over = good;
    over.key = 12;
    EXPECT_FALSE(UpdateStoredPersonalDate(store, over));
    EXPECT_FALSE(RemoveStoredPersonalDate(store, 12));
    EXPECT_FALSE(RemoveStoredPersonalDate(store, 999));
    EXPECT_FALSE(RemoveStoredPersonalDate(store, -1));
    EXPECT_EQ(store.Values(), before);
    // Nor does a new date: its key goes past the highest section.
    EXPECT_EQ(Add(store, good), 32);
}

TEST(StoredPersonalDates, AHandEditedFileReadsAndKeepsWhatDidNotRead) {
    const QTemporaryDir dir;
    const QString path = WriteTestFile(dir, QStringLiteral("plx.ini"),
                                       "[Settings]\n"
                                       "plx_personal_next_key=4\n"
                                       "Personal1\\name=Good\n"
                                       "Personal1\\kind=birthday\n"
                                       "Personal1\\calendar=civil\n"
                                       "Personal1\\date=1990-05-01\n"
                                       "Personal1\\after_sunset=1\n"
                                       "Personal1\\note=a, b\n"
                                       "Personal2\\name=\"Quoted, \\\"name\\\"\"\n"
                                       "Personal2\\kind=yahrzeit\n"
                                       "Personal2\\calendar=hebrew\n"
                                       "Personal2\\date=5783-06-15\n"
                                       "Personal3\\name=Broken\n"
                                       "Personal3\\kind=birthday\n"
                                       "Personal3\\calendar=hebrew\n"
                                       "Personal3\\date=5784-02-30\n"
                                       "Personal3\\mine=kept\n"
                                       "Personal4\\name=Evening\n"
                                       "Personal4\\kind=birthday\n"
                                       "Personal4\\calendar=civil\n"
                                       "Personal4\\date=1990-05-01\n"
                                       "Personal4\\after_sunset=yes\n");
    IniSettingsStore store(path);
    std::vector<std::u16string> skipped;
    PersonalDateList dates = LoadPersonalDates(store, &skipped);
    ASSERT_EQ(dates.size(), 2u);
    EXPECT_TRUE(dates[0].afterSunset);
    EXPECT_EQ(dates[0].note, u"a, b");
    EXPECT_EQ(dates[1].name, u"Quoted, \"name\"");
    EXPECT_EQ(skipped, (std::vector<std::u16string>{u"Settings/Personal3", u"Settings/Personal4"}));

    std::optional<std::int32_t> key;
    ASSERT_TRUE(store
                    .Update([&](SettingsStore& s) {
                        key = AddStoredPersonalDate(s, dates[1]);
                        EXPECT_TRUE(RemoveStoredPersonalDate(s, 1));
                    })
                    .Stored());
    EXPECT_EQ(key, 5);
    const IniSettingsStore after(path);
    dates = LoadPersonalDates(after);
    ASSERT_EQ(dates.size(), 2u);
    EXPECT_EQ(dates[1].key, 5);
    EXPECT_EQ(dates[1].name, dates[0].name);
    EXPECT_EQ(after.ReadString(u"Settings/Personal3", u"date", u""), u"5784-02-30");
    EXPECT_EQ(after.ReadString(u"Settings/Personal3", u"mine", u""), u"kept");
    EXPECT_EQ(after.ReadString(u"Settings/Personal4", u"after_sunset", u""), u"yes");
}

TEST(StoredPersonalDates, UpdateWritesTheWholeDateOfAKnownKeyOnly) {
    MemorySettingsStore store;
    PersonalDate date = Civil(u"Before", {1, 5, 1990}, true);
    date.note = u"a note";
    date.key = Add(store, date);
    PersonalDate edited = Hebrew(u"After", PersonalKind::Yahrzeit, {30, 3, 5750});
    edited.key = date.key;
    EXPECT_TRUE(UpdateStoredPersonalDate(store, edited));
    EXPECT_EQ(LoadPersonalDates(store), PersonalDateList{edited});

    const auto before = store.Values();
    PersonalDate invalid = edited;
    invalid.name.clear();
    EXPECT_FALSE(UpdateStoredPersonalDate(store, invalid));
    PersonalDate gone = edited;
    gone.key = 2;
    EXPECT_FALSE(UpdateStoredPersonalDate(store, gone));
    ASSERT_TRUE(RemoveStoredPersonalDate(store, edited.key));
    EXPECT_FALSE(UpdateStoredPersonalDate(store, edited));
    EXPECT_TRUE(LoadPersonalDates(store).empty());
    EXPECT_NE(store.Values(), before);
    EXPECT_FALSE(AddStoredPersonalDate(store, invalid));
}

struct FaultCase {
    const char* what;
    PersonalDate date;
    PersonalDateFault fault;
};

TEST(StoredPersonalDates, CheckNamesTheFault) {
    const PersonalDate ok = Hebrew(u"Name", PersonalKind::Birthday, {1, 1, 5784});
    const auto named = [&](std::u16string name) {
        PersonalDate date = ok;
        date.name = std::move(name);
        return date;
    };
    const auto noted = [&](std::u16string note) {
        PersonalDate date = ok;
        date.note = std::move(note);
        return date;
    };
    const auto hebrew = [&](CalendarDate day) {
        PersonalDate date = ok;
        date.date = day;
        return date;
    };
    using F = PersonalDateFault;
    const FaultCase cases[] = {
        {"plain", ok, F::None},
        {"points and a pair", named(u"שָׁלוֹם 😀"), F::None},
        {"empty", named(u""), F::EmptyName},
        {"blank", named(u" \u00A0 "), F::EmptyName},
        {"tab", named(u"a\tb"), F::NameCharacter},
        {"line break", named(u"a\nb"), F::NameCharacter},
        {"delete", named(u"a\u007F"), F::NameCharacter},
        {"next line", named(u"a\u0085"), F::NameCharacter},
        {"line separator", named(u"a\u2028"), F::NameCharacter},
        {"lone high surrogate", named(std::u16string(u"a") + char16_t(0xD83D)), F::NameCharacter},
        {"lone low surrogate", named(std::u16string(1, char16_t(0xDE00)) + u"a"), F::NameCharacter},
        {"note line break", noted(u"one\ntwo"), F::NoteCharacter},
        {"empty note", noted(u""), F::None},
        {"Elul of a leap year", hebrew({29, 13, 5784}), F::None},
        {"month 13 of a common year", hebrew({1, 13, 5785}), F::NoSuchDate},
        {"Adar II has 29 days", hebrew({30, 7, 5784}), F::NoSuchDate},
        {"long Heshvan", hebrew({30, 2, 5783}), F::None},
        {"short Heshvan", hebrew({30, 2, 5784}), F::NoSuchDate},
        {"day 0", hebrew({0, 1, 5784}), F::NoSuchDate},
        {"year 0", hebrew({1, 1, 0}), F::NoSuchDate},
        {"last day", hebrew({29, 13, 110999}), F::NoSuchDate},  // a common year
        {"last day", hebrew({29, 12, 110999}), F::None},
        {"after the range", hebrew({1, 1, 111000}), F::NoSuchDate},
        {"civil leap day", Civil(u"a", {29, 2, 2024}), F::None},
        {"civil 29 February", Civil(u"a", {29, 2, 2023}), F::NoSuchDate},
        {"Julian leap day", Civil(u"a", {29, 2, 1500}), F::None},
        {"before the reform", Civil(u"a", {4, 10, 1582}), F::None},
        {"skipped", Civil(u"a", {5, 10, 1582}), F::NoSuchDate},
        {"after the reform", Civil(u"a", {15, 10, 1582}), F::None},
        {"month 13", Civil(u"a", {1, 13, 2024}), F::NoSuchDate},
        {"first day", Civil(u"a", {7, 10, -3761}), F::None},
        {"before the first", Civil(u"a", {6, 10, -3761}), F::NoSuchDate},
        {"year 0", Civil(u"a", {1, 1, 0}), F::NoSuchDate},
        {"last day", Civil(u"a", {19, 12, 107240}), F::None},
        {"its evening", Civil(u"a", {19, 12, 107240}, true), F::NoSuchDate},
        {"the evening before", Civil(u"a", {18, 12, 107240}, true), F::None},
    };
    for (const FaultCase& c : cases)
        EXPECT_EQ(CheckPersonalDate(c.date), c.fault) << c.what;
}

TEST(StoredPersonalDates, AdarChoiceReadsOneUnlessTwoOrThree) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadPersonalAdarChoice(store), AdarChoice::AdarI);
    for (const AdarChoice choice : {AdarChoice::AdarII, AdarChoice::Both, AdarChoice::AdarI}) {
        SavePersonalAdarChoice(store, choice);
        EXPECT_EQ(LoadPersonalAdarChoice(store), choice);
    }
    for (const std::int32_t stored : {0, 4, -2}) {
        store.WriteInteger(kSettingsSection, kPersonalAdarName, stored);
        EXPECT_EQ(LoadPersonalAdarChoice(store), AdarChoice::AdarI) << stored;
    }
    store.WriteString(kSettingsSection, kPersonalAdarName, u"both");
    EXPECT_EQ(LoadPersonalAdarChoice(store), AdarChoice::AdarI);
}

TEST(PersonalObservances, DaysOfASpanInOrderOfDayThenList) {
    const PersonalDateList dates{
        Hebrew(u"Yahrzeit", PersonalKind::Yahrzeit, {15, 6, 5783}),  // Adar of a common year
        Hebrew(u"Birthday", PersonalKind::Birthday, {15, 6, 5783}),
        Hebrew(u"", PersonalKind::Birthday, {15, 6, 5783}),  // not a valid date
        Civil(u"Evening", {22, 2, 2024}, true),              // 14 Adar I 5784 begins
    };
    const DayNumber first = Civil(2024, 1, 1);
    const DayNumber last = Civil(2024, 12, 31);
    const std::vector<PersonalObservance> both =
        PersonalObservancesBetween(dates, AdarChoice::Both, first, last);
    const std::vector<PersonalObservance> expected{
        {Civil(2024, 2, 23), 3},        // its own day, 14 Adar I 5784
        {Civil(2024, 2, 24), 0},        // 15 Adar I
        {Civil(2024, 3, 25), 0, true},  // 15 Adar II, the second of the year
        {Civil(2024, 3, 25), 1},
    };
    EXPECT_EQ(both, expected);
    const std::vector<PersonalObservance> adarIOnly =
        PersonalObservancesBetween(dates, AdarChoice::AdarI, first, last);
    EXPECT_EQ(adarIOnly.size(), 3u);

    // Both ends belong to the span; a span from one Hebrew year into the next sees both.
    EXPECT_EQ(
        PersonalObservancesBetween(dates, AdarChoice::Both, Civil(2024, 3, 25), Civil(2024, 3, 25))
            .size(),
        2u);
    const PersonalDateList newYear{Hebrew(u"N", PersonalKind::Birthday, {1, 1, 5700})};
    const DayNumber roshHashana = HebrewToDayNumber(5785, 1, 1);
    const std::vector<PersonalObservance> across =
        PersonalObservancesBetween(newYear, AdarChoice::AdarI, roshHashana - 2, roshHashana + 400);
    EXPECT_EQ(across, (std::vector<PersonalObservance>{{roshHashana, 0},
                                                       {HebrewToDayNumber(5786, 1, 1), 0}}));
    // Empty and outside spans.
    EXPECT_TRUE(PersonalObservancesBetween(dates, AdarChoice::Both, last, first).empty());
    EXPECT_TRUE(PersonalObservancesBetween(newYear, AdarChoice::Both, -500, 0).empty());
    EXPECT_EQ(PersonalObservancesBetween(newYear, AdarChoice::Both, kLastDayNumber - 400,
                                         kLastDayNumber + 400)
                  .size(),
              1u);
}

// The first of the span's observances on or after each day is the next one, whatever the kind,
// the rule or the year.
TEST(PersonalObservances, NextAgreesWithTheSpan) {
    const PersonalDateList dates{
        Hebrew(u"a", PersonalKind::Yahrzeit, {30, 2, 5783}),
        Hebrew(u"b", PersonalKind::Yahrzeit, {15, 6, 5782}),
        Hebrew(u"c", PersonalKind::Birthday, {30, 6, 5784}),
        Hebrew(u"d", PersonalKind::Birthday, {29, 13, 5784}),
        Civil(u"e", {10, 6, 2025}, true),
    };
    const DayNumber first = HebrewToDayNumber(5782, 1, 1);
    const DayNumber last = HebrewToDayNumber(5788, 1, 1);
    for (const AdarChoice adar : {AdarChoice::AdarI, AdarChoice::Both}) {
        const std::vector<PersonalObservance> span =
            PersonalObservancesBetween(dates, adar, first, last + 400);
        for (std::size_t i = 0; i < dates.size(); ++i) {
            std::vector<DayNumber> days;
            for (const PersonalObservance& o : span) {
                if (o.index == i)
                    days.push_back(o.day);
            }
            auto next = days.begin();
            for (DayNumber day = first; day <= last; ++day) {
                while (next != days.end() && *next < day)
                    ++next;
                ASSERT_NE(next, days.end());
                ASSERT_EQ(NextPersonalObservance(dates[i], adar, day), *next)
                    << "date " << i << " day " << day;
            }
        }
    }
}

// A walk day by day, forward across Hebrew years and back again, finds what the span finds.
TEST(PersonalObservances, AWalkFindsTheSpansDays) {
    const PersonalDateList dates{
        Hebrew(u"a", PersonalKind::Yahrzeit, {15, 6, 5782}),
        Hebrew(u"b", PersonalKind::Birthday, {1, 1, 5700}),
        Hebrew(u"c", PersonalKind::Birthday, {29, 13, 5703}),  // Elul of a leap year
        Hebrew(u"d", PersonalKind::Other, {1, 1, 5700}),
    };
    const DayNumber first = HebrewToDayNumber(5783, 12, 1);
    const DayNumber last = HebrewToDayNumber(5786, 1, 10);
    const std::vector<PersonalObservance> span =
        PersonalObservancesBetween(dates, AdarChoice::Both, first, last);
    PersonalObservanceWalk walk(dates, AdarChoice::Both);
    std::vector<PersonalObservance> walked;
    for (DayNumber day = first; day <= last; ++day) {
        for (const PersonalObservance& o : walk.On(day))
            walked.push_back(o);
    }
    EXPECT_EQ(walked, span);
    const std::span<const PersonalObservance> back = walk.On(HebrewToDayNumber(5784, 1, 1));
    EXPECT_EQ(std::vector<PersonalObservance>(back.begin(), back.end()),
              (std::vector<PersonalObservance>{{HebrewToDayNumber(5784, 1, 1), 1},
                                               {HebrewToDayNumber(5784, 1, 1), 3}}));
    // 'c' is kept on the range's last day, and on no day after it.
    EXPECT_EQ(walk.On(kLastDayNumber).size(), 1u);
    EXPECT_TRUE(walk.On(kLastDayNumber + 1).empty());
    EXPECT_TRUE(walk.On(0).empty());
}

TEST(PersonalObservances, NextAtTheEdges) {
    // A yahrzeit has none in its own year: the next is a year on.
    const PersonalDate death = Hebrew(u"a", PersonalKind::Yahrzeit, {10, 1, 5790});
    EXPECT_EQ(NextPersonalObservance(death, AdarChoice::AdarI, HebrewToDayNumber(5780, 1, 1)),
              HebrewToDayNumber(5791, 1, 10));
    const PersonalDate birth = Hebrew(u"a", PersonalKind::Birthday, {10, 1, 5790});
    EXPECT_EQ(NextPersonalObservance(birth, AdarChoice::AdarI, HebrewToDayNumber(5780, 1, 1)),
              HebrewToDayNumber(5790, 1, 10));
    const PersonalDate late = Hebrew(u"a", PersonalKind::Yahrzeit, {1, 1, kLastHebrewYear});
    EXPECT_FALSE(NextPersonalObservance(late, AdarChoice::AdarI, 1));
    EXPECT_FALSE(NextPersonalObservance(birth, AdarChoice::AdarI, kLastDayNumber + 1));
    EXPECT_EQ(NextPersonalObservance(birth, AdarChoice::AdarI, -5), HebrewToDayNumber(5790, 1, 10));
    EXPECT_FALSE(NextPersonalObservance(Hebrew(u"", PersonalKind::Birthday, {1, 1, 5790}),
                                        AdarChoice::AdarI, 1));
}

TEST(IniSubsections, ListsTheSectionsInsideASection) {
    const QTemporaryDir dir;
    const QString path = WriteTestFile(dir, QStringLiteral("plx.ini"),
                                       "[Settings]\nplx_timezone=3\nPersonal2\\name=x\n"
                                       "Personal10\\kind=y\nLocation0\\name_eng=z\n"
                                       "Personal2\\deeper\\value=1\n[Other]\nPersonal5\\name=w\n");
    IniSettingsStore store(path);
    std::vector<std::u16string> names = store.Subsections(kSettingsSection);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Location0", u"Personal10", u"Personal2"}));
    // Inside a transaction, written there and not yet in the file.
    ASSERT_TRUE(store
                    .Update([](SettingsStore& s) {
                        s.WriteString(u"Settings/Personal7", u"name", u"v");
                        std::vector<std::u16string> inner = s.Subsections(kSettingsSection);
                        EXPECT_NE(std::find(inner.begin(), inner.end(), u"Personal7"), inner.end());
                        EXPECT_EQ(inner.size(), 4u);
                    })
                    .Stored());
    EXPECT_EQ(IniSettingsStore(path).Subsections(u"Settings/Personal2"),
              std::vector<std::u16string>{u"deeper"});

    MemorySettingsStore memory;
    memory.WriteString(u"Settings/Personal1", u"name", u"a");
    memory.WriteString(u"Settings/Personal1 x", u"name", u"a");
    memory.WriteString(u"Settings/Personal1/inner", u"name", u"a");
    memory.WriteString(u"SettingsX/Personal3", u"name", u"a");
    EXPECT_EQ(memory.Subsections(kSettingsSection),
              (std::vector<std::u16string>{u"Personal1", u"Personal1 x"}));
}

}  // namespace
}  // namespace plx
