#include "app/time_zone_database.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/utf16.h"

namespace plx {
namespace {

// The Julian day number of day number 0, the day before 1 Tishrei of year 1.
constexpr qint64 kJulianDayOfDayZero = 347997;

// Only the shape of an IANA id ("Area/City": letters, digits, '_', '-', '+') reaches the tz
// files, so a hand-edited id never names a path outside them.
bool IsWellFormedZoneId(std::u16string_view id) {
    if (id.empty() || id.size() > 64 || id.front() == u'/' || id.back() == u'/')
        return false;
    char16_t previous = 0;
    for (const char16_t c : id) {
        const bool allowed = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
                             (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'+' ||
                             (c == u'/' && previous != u'/');
        if (!allowed)
            return false;
        previous = c;
    }
    return true;
}

std::optional<QTimeZone> ZoneOf(std::u16string_view zoneId) {
    if (!IsWellFormedZoneId(zoneId))
        return std::nullopt;
    QTimeZone zone(FromUtf16(zoneId).toLatin1());
    if (!zone.isValid())
        return std::nullopt;
    return zone;
}

int OffsetAtNoon(const QTimeZone& zone, QDate date) {
    return QDateTime(date, QTime(12, 0), zone).offsetFromUtc();
}

// The smaller of the year's January and July offsets: the zone's standard time that year.
int StandardOffset(const QTimeZone& zone, int year) {
    return std::min(OffsetAtNoon(zone, QDate(year, 1, 15)), OffsetAtNoon(zone, QDate(year, 7, 15)));
}

QDate DateOf(CalendarDate civil) {
    return QDate::fromJulianDay(CivilToDayNumber(civil) + kJulianDayOfDayZero);
}

// Not the zone's own daylight flag: Dublin's winter is a negative daylight saving.
ZoneOffset OffsetWithSummerTime(int offset, int standard) {
    return ZoneOffset{static_cast<double>(offset), offset > standard};
}

}  // namespace

std::optional<ZoneOffset> SystemZoneOffset(std::u16string_view zoneId, CalendarDate civil) {
    const std::optional<QTimeZone> zone = ZoneOf(zoneId);
    if (!zone)
        return std::nullopt;
    const QDate date = DateOf(civil);
    return OffsetWithSummerTime(OffsetAtNoon(*zone, date), StandardOffset(*zone, date.year()));
}

ZoneOffsetLookup SystemZoneOffsetsForRun() {
    // What the last date asked for: its zone, opened once, its year's standard offset, and its
    // own offset (a date's times and its clock ask for it twice).
    struct Kept {
        bool opened = false;
        std::u16string id;
        std::optional<QTimeZone> zone;
        std::optional<int> year;
        int standard = 0;
        std::optional<CalendarDate> date;
        ZoneOffset offset;
    };
    return [kept = std::make_shared<Kept>()](std::u16string_view zoneId,
                                             CalendarDate civil) -> std::optional<ZoneOffset> {
        if (!kept->opened || kept->id != zoneId) {
            *kept = {true, std::u16string(zoneId), ZoneOf(zoneId), {}, 0, {}, {}};
        }
        if (!kept->zone)
            return std::nullopt;
        if (kept->date == civil)
            return kept->offset;
        const QDate date = DateOf(civil);
        if (kept->year != date.year()) {
            kept->year = date.year();
            kept->standard = StandardOffset(*kept->zone, date.year());
        }
        kept->date = civil;
        kept->offset = OffsetWithSummerTime(OffsetAtNoon(*kept->zone, date), kept->standard);
        return kept->offset;
    };
}

bool IsKnownTimeZone(std::u16string_view zoneId) {
    return ZoneOf(zoneId).has_value();
}

QStringList SystemTimeZoneIds() {
    QStringList ids;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        ids << QString::fromLatin1(id);
    ids.sort();
    return ids;
}

QString ZoneIdWithOffset(const QString& zoneId, const QDateTime& when) {
    const std::optional<QTimeZone> zone = ZoneOf(zoneId.toStdU16String());
    if (!zone)
        return zoneId;
    const int seconds = zone->offsetFromUtc(when);
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1 (UTC%2%3:%4)")
        .arg(zoneId, seconds < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString ZoneIdOfListText(const QString& text) {
    const qsizetype offset = text.indexOf(QStringLiteral(" (UTC"));
    return (offset < 0 ? text : text.left(offset)).trimmed();
}

}  // namespace plx
