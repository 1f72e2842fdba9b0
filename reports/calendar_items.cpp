#include "reports/calendar_items.h"

#include <QTime>

#include <algorithm>
#include <cstdint>

#include "app/utf16.h"
#include "astro/time_zones.h"
#include "engine/cycles.h"
#include "engine/events.h"
#include "engine/portion.h"
#include "engine/vocabulary.h"
#include "engine/year_shape.h"

namespace plx {
namespace {

// Day 1 of the program's count is Julian day 347998.
constexpr qint64 kJulianDayOfDayNumberZero = 347997;

QDate GregorianDayOf(DayNumber n) {
    return QDate::fromJulianDay(n + kJulianDayOfDayNumberZero);
}

std::string DayTag(const QDate& day) {
    return day.toString(QStringLiteral("yyyyMMdd")).toStdString();
}

std::string Uid(const QDate& day, std::string_view item) {
    return DayTag(day) + '-' + std::string(item) + "@plx";
}

// Times belong to a place: a place's tag keeps the ids of two places apart. FNV-1a over its
// coordinates to four decimals (about ten metres).
std::string PlaceTag(const Location& place) {
    const QByteArray where = QStringLiteral("%1,%2")
                                 .arg(place.latitude, 0, 'f', 4)
                                 .arg(place.longitude, 0, 'f', 4)
                                 .toLatin1();
    std::uint32_t hash = 2166136261u;
    for (const char c : where) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return QStringLiteral("%1").arg(hash, 8, 16, QLatin1Char('0')).toStdString();
}

QString TimeName(TextTable names, TimeLabel label) {
    std::u16string_view name = names[static_cast<std::size_t>(label)];
    while (name.ends_with(u'\t'))
        name.remove_suffix(1);
    return FromUtf16(name);
}

bool IsLength(TimeKind kind) {
    return kind == TimeKind::kPropHourMaga || kind == TimeKind::kPropHourGra;
}

void AddDayItems(std::vector<CalendarItem>& items, const DayFacts& facts, const QDate& day,
                 const CalendarExportRequest& request) {
    const CalendarExportContents& contents = request.contents;
    const std::vector<std::u16string> events = contents.events
                                                   ? DayEvents(request.language, facts).entries
                                                   : std::vector<std::u16string>{};
    int index = 0;
    for (const std::u16string& text : events) {
        ++index;
        items.push_back({Uid(day, "event-" + std::to_string(index)), FromUtf16(text), day, {}, {}});
    }
    // A Sabbath named after its festival has that name among the events already.
    if (contents.portion && DayNumberWeekday(facts.number) == 7) {
        const auto name = WeeklyPortionName(request.language, facts.hebrew, facts.year);
        if (name && std::find(events.begin(), events.end(), *name) == events.end())
            items.push_back({Uid(day, "portion"), FromUtf16(*name), day, {}, {}});
    }
    if (contents.dafYomi) {
        const std::u16string daf = DafYomiText(request.language, facts.civil);
        if (!daf.empty())
            items.push_back({Uid(day, "daf"), FromUtf16(daf), day, {}, {}});
    }
}

void AddPersonalDates(std::vector<CalendarItem>& items, const QDate& day, DayNumber n,
                      PersonalObservanceWalk& walk) {
    for (const PersonalObservance& o : walk.On(n)) {
        const PersonalDate& date = walk.Dates()[o.index];
        const std::string uid = "personal-" + std::to_string(date.key) + '-' +
                                std::to_string(DayNumberToHebrew(n).year) +
                                (o.secondInYear ? "-2" : "") + "@plx";
        items.push_back({uid, FromUtf16(date.name), day, {}, FromUtf16(date.note)});
    }
}

void AddTimes(std::vector<CalendarItem>& items, CalendarDate civil, const QDate& day,
              const CalendarExportRequest& request, const ZoneOffsetLookup& zones) {
    const TextTable names = Vocabulary(request.language).timeNames;
    const std::vector<TimeEntry> times =
        ComputeTimesAt(civil, request.settings, request.place, request.contents.times, zones);
    if (times.empty())
        return;
    // Clock minutes count from the date's midnight on the clock the times were computed for.
    const QDateTime midnight =
        QDateTime(day, QTime(0, 0), Qt::UTC)
            .addSecs(-ClockOnDate(civil, request.place, request.settings, zones).offsetSeconds);
    const std::string placeTag = PlaceTag(request.place);
    for (const TimeEntry& entry : times) {
        if (IsLength(entry.kind))
            continue;
        const std::string name = FromUtf16(TimeSwitchName(entry.kind)).toStdString();
        items.push_back({Uid(day, name + '-' + placeTag),
                         TimeName(names, entry.label),
                         day,
                         midnight.addSecs(qint64{entry.minutes} * 60),
                         {}});
    }
}

}  // namespace

TimesOfDayOptions WithoutTimes(TimesOfDayOptions definitions) {
    SetAllTimeSwitches(definitions, false);
    return definitions;
}

QDate GregorianDay(CalendarDate civil) {
    return GregorianDayOf(CivilToDayNumber(civil));
}

std::optional<ExportSpanProblem> ProblemOfExportSpan(CalendarDate first, CalendarDate last,
                                                     bool force) {
    const DayNumber from = CivilToDayNumber(first);
    const DayNumber to = CivilToDayNumber(last);
    if (to < from)
        return ExportSpanProblem::kEndsBeforeStart;
    if (GregorianDayOf(from).year() < 1 || GregorianDayOf(to).year() > 9999)
        return ExportSpanProblem::kOutsideGregorianYears;
    if (!force && to - from + 1 > kLongestPlainExportDays)
        return ExportSpanProblem::kLongerThanTwentyYears;
    return std::nullopt;
}

bool ExportsTimes(const CalendarExportContents& contents) {
    return !(WithoutTimes(contents.times) == contents.times);
}

bool ExportsAnything(const CalendarExportContents& contents) {
    return contents.events || contents.portion || contents.dafYomi || contents.personal ||
           ExportsTimes(contents);
}

std::vector<CalendarItem> CalendarItemsOfDay(const CalendarExportRequest& request, DayNumber n,
                                             const ZoneOffsetLookup& zones,
                                             PersonalObservanceWalk* personal) {
    std::vector<CalendarItem> items;
    const DayFacts facts = FactsOfCivilDay(DayNumberToCivil(n));
    const QDate day = GregorianDayOf(n);
    AddDayItems(items, facts, day, request);
    if (request.contents.personal) {
        if (personal) {
            AddPersonalDates(items, day, n, *personal);
        } else {
            PersonalObservanceWalk alone(request.personalDates, request.personalAdar);
            AddPersonalDates(items, day, n, alone);
        }
    }
    if (ExportsTimes(request.contents))
        AddTimes(items, facts.civil, day, request, zones);
    return items;
}

static_assert(TimeSwitchName(TimeKind::kBreakOfDawn) == u"BreakOfDawn");
static_assert(TimeSwitchName(TimeKind::kPropHourGra) == u"PropHourGra");
static_assert(TimeSwitchName(TimeKind::kSunset) == u"Sunset");
static_assert(TimeSwitchName(TimeKind::kNightfall) == u"StarsOutStandard");
static_assert(TimeSwitchName(TimeKind::kCandleLighting) == u"CandleLighting");

}  // namespace plx
