// What a calendar file (iCalendar) holds for a span of days: the day's events, the Saturday's
// portion and the Daf Yomi as all-day items, and the chosen halachic times as timed items at a
// place. The same for the command line and the program's export dialog.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/stored_personal_dates.h"
#include "astro/halachic_times.h"
#include "astro/locations.h"
#include "astro/time_zones.h"
#include "astro/times_options.h"
#include "engine/calendar.h"
#include "engine/language.h"

namespace plx {

// Options with every time switched off and the user's definitions kept.
TimesOfDayOptions WithoutTimes(TimesOfDayOptions definitions);

struct CalendarExportContents {
    bool events = false;
    bool portion = false;  // on Saturdays
    bool dafYomi = false;
    // The user's personal dates: an all-day item on each day one is observed (the request's list).
    bool personal = false;
    // The halachic times to export, with the user's definitions; lengths (the proportional hours)
    // are no times of day and are left out. Candle lighting is among them.
    TimesOfDayOptions times = WithoutTimes({});
};

struct CalendarExportRequest {
    CalendarDate first;  // civil dates, both included
    CalendarDate last;
    CalendarExportContents contents;
    Language language = Language::kEnglish;
    Location place;
    // The clock (daylight saving) and the elevation switch under which the times are computed.
    CalculationSettings settings;
    // The personal dates exported with contents.personal, and where a yahrzeit of Adar is kept.
    PersonalDateList personalDates;
    AdarChoice personalAdar = AdarChoice::AdarI;
};

// The most days a span of twenty years can have; a longer export must be asked for on purpose.
inline constexpr int kLongestPlainExportDays = 20 * 365 + 5;

enum class ExportSpanProblem { kEndsBeforeStart, kOutsideGregorianYears, kLongerThanTwentyYears };

// Why the span cannot be written, or nothing. Calendar files count days on the Gregorian calendar
// from year 1 to 9999; a span of more than twenty years is refused unless `force`.
std::optional<ExportSpanProblem> ProblemOfExportSpan(CalendarDate first, CalendarDate last,
                                                     bool force);

// The day a civil date is, on the Gregorian calendar (the program's own dates before 15 October
// 1582 are Julian; calendar programs count every date on the Gregorian calendar).
QDate GregorianDay(CalendarDate civil);

struct CalendarItem {
    // The same day and item give the same id, so importing a file again updates its events.
    std::string uid;
    QString summary;
    QDate day;
    std::optional<QDateTime> at;  // timed items: the instant, in UTC
    QString description;          // a personal date's note; empty for none
};

// Whether any halachic time is switched on.
bool ExportsTimes(const CalendarExportContents& contents);
// Whether the file would hold anything at all.
bool ExportsAnything(const CalendarExportContents& contents);

// The items of one day: events, portion, Daf Yomi, personal dates, then the times in the
// calculator's order, on the clocks the zone lookup gives. A personal date observed twice in a
// Hebrew year has the id "personal-<key>-<year>-2@plx" the second time, else
// "personal-<key>-<year>@plx". A walk over the days in order gives the personal dates (made from
// the request's); without one they are found for the day alone.
std::vector<CalendarItem> CalendarItemsOfDay(const CalendarExportRequest& request, DayNumber n,
                                             const ZoneOffsetLookup& zones,
                                             PersonalObservanceWalk* personal = nullptr);

// The stable name of a time of day in ids and on the command line: the stored name of its switch.
// The kinds follow the switches' order; the plain nightfall is the standard stars-out switch.
constexpr std::u16string_view TimeSwitchName(TimeKind kind) {
    return kTimeSwitches[static_cast<std::size_t>(kind) - 1].name;
}

}  // namespace plx
