// The user's personal dates (birthdays, yahrzeits, anniversaries) as the settings store keeps them:
// one section "Settings/Personal<key>" per date, with "name", "kind" (birthday, yahrzeit,
// anniversary or other), "calendar" (hebrew or civil), "date" (YYYY-MM-DD, Hebrew months counted
// from Tishrei = 1), "after_sunset" (0 or 1) and "note".
//
// A key is never given twice, so that a key means the same date to every process that reads the
// file, also after another process has removed a date: the next one is kept in
// "Settings/plx_personal_next_key". The edits below work on the store as it stands; call them
// inside SettingsStore::Update, one edit one change, and check what it returns.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/settings_store.h"
#include "engine/personal_dates.h"

namespace plx {

inline constexpr std::u16string_view kPersonalNextKeyName = u"plx_personal_next_key";
inline constexpr std::u16string_view kPersonalAdarName = u"plx_personal_adar";

// A personal date as it was entered.
struct PersonalDate {
    std::int32_t key = 0;  // its section's number; 0 for a date not stored yet
    std::u16string name;
    PersonalKind kind = PersonalKind::Birthday;
    bool hebrewCalendar = true;  // `date` is a Hebrew date, else a civil one
    CalendarDate date;
    bool afterSunset = false;  // a civil date's event came after sunset (ignored for a Hebrew one)
    std::u16string note;

    friend bool operator==(const PersonalDate&, const PersonalDate&) = default;
};
using PersonalDateList = std::vector<PersonalDate>;  // in the order of their keys

// "Settings/Personal<key>".
std::u16string PersonalSection(std::int32_t key);

// "birthday", "yahrzeit", "anniversary", "other"; and back (none for any other word).
std::u16string_view PersonalKindWord(PersonalKind kind);
std::optional<PersonalKind> PersonalKindOfWord(std::u16string_view word);

// What keeps a date from being stored.
enum class PersonalDateFault {
    None,
    EmptyName,
    NameCharacter,  // a control character, a line break or half of a surrogate pair in the name
    NoteCharacter,  // the same in the note, which is one line too
    NoSuchDate,     // no such day in its calendar, or outside the calendar's range (its evening
                    // included)
};
PersonalDateFault CheckPersonalDate(const PersonalDate& date);

// The Hebrew date the observances count from: the date itself, or that of a civil date (the next
// day's after sunset). Only for a date that passes the check.
CalendarDate PersonalHebrewDateOf(const PersonalDate& date);

// The dates the store holds, by key. A section that does not read as a date (a kind, calendar or
// date that is missing or not one of those allowed, an empty name, an "after_sunset" other than 0
// or 1) is left out and left as it is; its name goes to `skipped` when given.
PersonalDateList LoadPersonalDates(const SettingsStore& store,
                                   std::vector<std::u16string>* skipped = nullptr);

// Stores the date (its key ignored) in a section of a new key, and returns the key; none when the
// date does not pass the check or when no key is left.
std::optional<std::int32_t> AddStoredPersonalDate(SettingsStore& store, const PersonalDate& date);
// Writes the date over the one stored with its key. False, with nothing written, when the date
// does not pass the check or when no date with that key is stored (another process may have removed
// it).
bool UpdateStoredPersonalDate(SettingsStore& store, const PersonalDate& date);
// Removes the date stored with `key`; false when there is none.
bool RemoveStoredPersonalDate(SettingsStore& store, std::int32_t key);

// Where a yahrzeit in Adar of a common year is kept in a leap year: "plx_personal_adar", 1 (Adar
// I), 2 (Adar II) or 3 (both); anything else reads as 1.
AdarChoice LoadPersonalAdarChoice(const SettingsStore& store);
void SavePersonalAdarChoice(SettingsStore& store, AdarChoice choice);

// ---- Observances, for the month grid, the reports and the calendar files --------------------

// The date at `index` of a list is observed on `day`.
struct PersonalObservance {
    DayNumber day = 0;
    std::size_t index = 0;
    bool secondInYear = false;  // the later of a yahrzeit's two days in one Hebrew year

    friend bool operator==(const PersonalObservance&, const PersonalObservance&) = default;
};

// Every observance of the list's dates from day `first` to day `last`, both included, in the order
// of the days and, on one day, of the list. Dates that do not pass the check have none.
std::vector<PersonalObservance> PersonalObservancesBetween(const PersonalDateList& dates,
                                                           AdarChoice adar, DayNumber first,
                                                           DayNumber last);

// The observances of a list day by day, for a walk over the days in order (the month grid's refill,
// the records of a range, a calendar file): found for a whole Hebrew year at once.
class PersonalObservanceWalk {
public:
    PersonalObservanceWalk(PersonalDateList dates, AdarChoice adar)
        : dates_(std::move(dates)), adar_(adar) {}

    const PersonalDateList& Dates() const { return dates_; }
    // The observances on `day`, in the order of the list.
    std::span<const PersonalObservance> On(DayNumber day);

private:
    PersonalDateList dates_;
    AdarChoice adar_;
    std::int32_t year_ = 0;  // the Hebrew year found; 0 for none yet
    std::vector<PersonalObservance> found_;
};

// The first day the date is observed on or after `day`; none when there is none within the range
// of the calendar (or the date does not pass the check).
std::optional<DayNumber> NextPersonalObservance(const PersonalDate& date, AdarChoice adar,
                                                DayNumber day);

}  // namespace plx
