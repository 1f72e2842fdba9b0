#include "app/stored_personal_dates.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "app/one_line_text.h"
#include "engine/calendar.h"

namespace plx {
namespace {

constexpr std::u16string_view kSectionStem = u"Personal";
constexpr std::int32_t kFirstKey = 1;

constexpr std::array<std::u16string_view, 4> kKindWords{u"birthday", u"yahrzeit", u"anniversary",
                                                        u"other"};
constexpr std::u16string_view kHebrewWord = u"hebrew";
constexpr std::u16string_view kCivilWord = u"civil";

// Every value of a date's section.
constexpr std::array<std::u16string_view, 6> kDateValues{u"name", u"kind",         u"calendar",
                                                         u"date", u"after_sunset", u"note"};

std::u16string Digits(std::int64_t value, std::size_t width) {
    std::u16string text;
    for (char c : std::to_string(value))
        text += static_cast<char16_t>(c);
    if (text.size() < width)
        text.insert(0, width - text.size(), u'0');
    return text;
}

// The number of a section called "Personal<key>": digits without a leading zero, from 1 up.
std::optional<std::int32_t> KeyOfSection(std::u16string_view section) {
    if (!section.starts_with(kSectionStem))
        return std::nullopt;
    const std::u16string_view digits = section.substr(kSectionStem.size());
    if (digits.empty() || digits.size() > 10 || digits.front() == u'0')
        return std::nullopt;
    std::int64_t key = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        key = key * 10 + (c - u'0');
    }
    if (key > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(key);
}

// "5784-06-15", "-0500-03-01": the year's digits four at least.
std::u16string DateText(CalendarDate date) {
    std::u16string text = date.year < 0 ? u"-" : u"";
    text += Digits(std::abs(std::int64_t{date.year}), 4) + u'-' + Digits(date.month, 2) + u'-' +
            Digits(date.day, 2);
    return text;
}

// Reads the digits of `text` from `at` up to `most` of them; none when there are none or more.
std::optional<std::int32_t> Number(std::u16string_view text, std::size_t& at, std::size_t most) {
    std::int32_t value = 0;
    std::size_t count = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at, ++count) {
        if (count == most)
            return std::nullopt;
        value = value * 10 + (text[at] - u'0');
    }
    return count == 0 ? std::nullopt : std::optional(value);
}

// A date as DateText writes it (the year with any number of digits up to seven); whether the day
// exists is not looked at here.
std::optional<CalendarDate> DateOfText(std::u16string_view text) {
    std::size_t at = 0;
    const bool negative = text.starts_with(u'-');
    at += negative ? 1 : 0;
    const std::optional<std::int32_t> year = Number(text, at, 7);
    if (!year || at >= text.size() || text[at++] != u'-')
        return std::nullopt;
    const std::optional<std::int32_t> month = Number(text, at, 2);
    if (!month || at >= text.size() || text[at++] != u'-')
        return std::nullopt;
    const std::optional<std::int32_t> day = Number(text, at, 2);
    if (!day || at != text.size())
        return std::nullopt;
    return CalendarDate{static_cast<std::uint8_t>(*day), static_cast<std::uint8_t>(*month),
                        negative ? -*year : *year};
}

bool HebrewDateExists(CalendarDate date) {
    if (date.year < kFirstHebrewYear || date.year > kLastHebrewYear)
        return false;
    const int months = 12 + IsHebrewLeapYear(date.year);
    return date.month >= 1 && date.month <= months && date.day >= 1 &&
           date.day <= HebrewMonthLength(date.year, date.month);
}

// A civil date exists when its day number names it again: that leaves out 30 February, the days
// the reform of 1582 skipped and the days outside the range.
bool CivilDateExists(CalendarDate date, bool afterSunset) {
    if (date.year < kFirstCivilYear || date.year > kLastCivilYear || date.year == 0 ||
        date.month < 1 || date.month > 12 || date.day < 1) {
        return false;
    }
    const DayNumber day = CivilToDayNumber(date);
    const DayNumber hebrewDay = afterSunset ? day + 1 : day;
    return day >= kFirstDayNumber && hebrewDay <= kLastDayNumber && DayNumberToCivil(day) == date;
}

bool IsBlank(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u' ' || c == 0xA0; });
}

// The date in section `key`, when it reads as one.
std::optional<PersonalDate> ReadDate(const SettingsStore& store, std::int32_t key) {
    const std::u16string section = PersonalSection(key);
    PersonalDate date;
    date.key = key;
    date.name = store.ReadString(section, u"name", u"");
    date.note = store.ReadString(section, u"note", u"");
    const std::optional<PersonalKind> kind =
        PersonalKindOfWord(store.ReadString(section, u"kind", u""));
    const std::u16string calendar = store.ReadString(section, u"calendar", u"");
    const std::optional<CalendarDate> day = DateOfText(store.ReadString(section, u"date", u""));
    // Absent reads as 0; present, it is 0 or 1 (-1 stands for a text that is not a number).
    const std::int32_t evening = store.Contains(section, u"after_sunset")
                                     ? store.ReadInteger(section, u"after_sunset", -1)
                                     : 0;
    if (!kind || (calendar != kHebrewWord && calendar != kCivilWord) || !day ||
        (evening != 0 && evening != 1)) {
        return std::nullopt;
    }
    date.kind = *kind;
    date.hebrewCalendar = calendar == kHebrewWord;
    date.date = *day;
    date.afterSunset = !date.hebrewCalendar && evening == 1;
    // A name or note with a control character written by hand still reads: it is shown, and
    // refused only when the date is next saved.
    const PersonalDateFault fault = CheckPersonalDate(date);
    if (fault == PersonalDateFault::EmptyName || fault == PersonalDateFault::NoSuchDate)
        return std::nullopt;
    return date;
}

void WriteDate(SettingsStore& store, std::int32_t key, const PersonalDate& date) {
    const std::u16string section = PersonalSection(key);
    store.WriteString(section, u"name", date.name);
    store.WriteString(section, u"kind", PersonalKindWord(date.kind));
    store.WriteString(section, u"calendar", date.hebrewCalendar ? kHebrewWord : kCivilWord);
    store.WriteString(section, u"date", DateText(date.date));
    store.WriteInteger(section, u"after_sunset", !date.hebrewCalendar && date.afterSunset ? 1 : 0);
    store.WriteString(section, u"note", date.note);
}

}  // namespace

std::u16string PersonalSection(std::int32_t key) {
    return std::u16string(kSettingsSection) + u'/' + std::u16string(kSectionStem) + Digits(key, 0);
}

std::u16string_view PersonalKindWord(PersonalKind kind) {
    return kKindWords[static_cast<std::size_t>(kind)];
}

std::optional<PersonalKind> PersonalKindOfWord(std::u16string_view word) {
    const auto found = std::find(kKindWords.begin(), kKindWords.end(), word);
    if (found == kKindWords.end())
        return std::nullopt;
    return static_cast<PersonalKind>(found - kKindWords.begin());
}

PersonalDateFault CheckPersonalDate(const PersonalDate& date) {
    if (IsBlank(date.name))
        return PersonalDateFault::EmptyName;
    if (HasUnfitCharacter(date.name))
        return PersonalDateFault::NameCharacter;
    if (HasUnfitCharacter(date.note))
        return PersonalDateFault::NoteCharacter;
    const bool exists = date.hebrewCalendar ? HebrewDateExists(date.date)
                                            : CivilDateExists(date.date, date.afterSunset);
    return exists ? PersonalDateFault::None : PersonalDateFault::NoSuchDate;
}

CalendarDate PersonalHebrewDateOf(const PersonalDate& date) {
    return date.hebrewCalendar ? date.date : PersonalHebrewDate(date.date, date.afterSunset);
}

PersonalDateList LoadPersonalDates(const SettingsStore& store,
                                   std::vector<std::u16string>* skipped) {
    PersonalDateList dates;
    for (const std::u16string& section : store.Subsections(kSettingsSection)) {
        if (!section.starts_with(kSectionStem))
            continue;
        const std::optional<std::int32_t> key = KeyOfSection(section);
        std::optional<PersonalDate> date = key ? ReadDate(store, *key) : std::nullopt;
        if (date) {
            dates.push_back(std::move(*date));
        } else if (skipped) {
            skipped->push_back(std::u16string(kSettingsSection) + u'/' + section);
        }
    }
    std::sort(dates.begin(), dates.end(),
              [](const PersonalDate& a, const PersonalDate& b) { return a.key < b.key; });
    return dates;
}

std::optional<std::int32_t> AddStoredPersonalDate(SettingsStore& store, const PersonalDate& date) {
    if (CheckPersonalDate(date) != PersonalDateFault::None)
        return std::nullopt;
    // Past the kept key and past every section there is, read or not, so that neither a key that
    // was given nor a section written by hand is written over.
    std::int64_t key =
        std::max(kFirstKey, store.ReadInteger(kSettingsSection, kPersonalNextKeyName, kFirstKey));
    for (const std::u16string& section : store.Subsections(kSettingsSection)) {
        if (const std::optional<std::int32_t> taken = KeyOfSection(section))
            key = std::max(key, std::int64_t{*taken} + 1);
    }
    // The next key must be storable too.
    if (key >= std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    const auto added = static_cast<std::int32_t>(key);
    WriteDate(store, added, date);
    store.WriteInteger(kSettingsSection, kPersonalNextKeyName, added + 1);
    return added;
}

bool UpdateStoredPersonalDate(SettingsStore& store, const PersonalDate& date) {
    if (CheckPersonalDate(date) != PersonalDateFault::None || date.key < kFirstKey ||
        !ReadDate(store, date.key)) {
        return false;
    }
    WriteDate(store, date.key, date);
    return true;
}

bool RemoveStoredPersonalDate(SettingsStore& store, std::int32_t key) {
    if (key < kFirstKey || !ReadDate(store, key))
        return false;
    const std::u16string section = PersonalSection(key);
    for (std::u16string_view name : kDateValues)
        store.DeleteValue(section, name);
    return true;
}

AdarChoice LoadPersonalAdarChoice(const SettingsStore& store) {
    const std::int32_t value = store.ReadInteger(kSettingsSection, kPersonalAdarName, 1);
    return value == 2 || value == 3 ? static_cast<AdarChoice>(value) : AdarChoice::AdarI;
}

void SavePersonalAdarChoice(SettingsStore& store, AdarChoice choice) {
    store.WriteInteger(kSettingsSection, kPersonalAdarName, static_cast<std::int32_t>(choice));
}

std::vector<PersonalObservance> PersonalObservancesBetween(const PersonalDateList& dates,
                                                           AdarChoice adar, DayNumber first,
                                                           DayNumber last) {
    first = std::max(first, kFirstDayNumber);
    last = std::min(last, kLastDayNumber);
    std::vector<PersonalObservance> found;
    if (first > last)
        return found;
    std::vector<std::optional<CalendarDate>> hebrew;
    hebrew.reserve(dates.size());
    for (const PersonalDate& date : dates) {
        hebrew.push_back(CheckPersonalDate(date) == PersonalDateFault::None
                             ? std::optional(PersonalHebrewDateOf(date))
                             : std::nullopt);
    }
    const std::int32_t lastYear = DayNumberToHebrew(last).year;
    for (std::int32_t year = DayNumberToHebrew(first).year; year <= lastYear; ++year) {
        for (std::size_t i = 0; i < dates.size(); ++i) {
            if (!hebrew[i])
                continue;
            bool second = false;
            for (const DayNumber day : PersonalObservances(dates[i].kind, *hebrew[i], year, adar)) {
                if (day >= first && day <= last)
                    found.push_back({day, i, second});
                second = true;
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const PersonalObservance& a, const PersonalObservance& b) {
                  return a.day != b.day ? a.day < b.day : a.index < b.index;
              });
    return found;
}

std::span<const PersonalObservance> PersonalObservanceWalk::On(DayNumber day) {
    if (day < kFirstDayNumber || day > kLastDayNumber)
        return {};
    const std::int32_t year = DayNumberToHebrew(day).year;
    if (year != year_) {
        year_ = year;
        const DayNumber first = HebrewToDayNumber(year, 1, 1);
        found_ =
            PersonalObservancesBetween(dates_, adar_, first, first + HebrewYearLength(year) - 1);
    }
    const auto [from, to] = std::equal_range(
        found_.begin(), found_.end(), PersonalObservance{day},
        [](const PersonalObservance& a, const PersonalObservance& b) { return a.day < b.day; });
    return {from, to};
}

std::optional<DayNumber> NextPersonalObservance(const PersonalDate& date, AdarChoice adar,
                                                DayNumber day) {
    if (CheckPersonalDate(date) != PersonalDateFault::None)
        return std::nullopt;
    day = std::max(day, kFirstDayNumber);
    if (day > kLastDayNumber)
        return std::nullopt;
    const CalendarDate hebrew = PersonalHebrewDateOf(date);
    // Every observance of a year lies within it, and every year after a yahrzeit's first has one:
    // the third year looked at has it at the latest.
    const std::int32_t from = std::max(DayNumberToHebrew(day).year, hebrew.year);
    for (std::int32_t year = from; year <= std::min(from + 2, kLastHebrewYear); ++year) {
        for (const DayNumber observed : PersonalObservances(date.kind, hebrew, year, adar)) {
            if (observed >= day)
                return observed;
        }
    }
    return std::nullopt;
}

}  // namespace plx
