#include "app/time_zone_database.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>

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

}  // namespace

std::optional<ZoneOffset> SystemZoneOffset(std::u16string_view zoneId, CalendarDate civil) {
    const std::optional<QTimeZone> zone = ZoneOf(zoneId);
    if (!zone)
        return std::nullopt;
    const QDate date = QDate::fromJulianDay(CivilToDayNumber(civil) + kJulianDayOfDayZero);
    const int offset = OffsetAtNoon(*zone, date);
    // Not the zone's own daylight flag: Dublin's winter is a negative daylight saving.
    const int standard = std::min(OffsetAtNoon(*zone, QDate(date.year(), 1, 15)),
                                  OffsetAtNoon(*zone, QDate(date.year(), 7, 15)));
    return ZoneOffset{static_cast<double>(offset), offset > standard};
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

}  // namespace plx
