#include "cli/location_record.h"

#include <QString>

namespace plx::cli {

QJsonObject LocationRecord(const Location& place) {
    return {
        {QStringLiteral("nameHebrew"), QString::fromStdU16String(place.nameHebrew)},
        {QStringLiteral("nameEnglish"), QString::fromStdU16String(place.nameEnglish)},
        {QStringLiteral("latitude"), place.latitude},
        {QStringLiteral("longitude"), place.longitude},
        {QStringLiteral("zone"), static_cast<double>(place.zone)},
        {QStringLiteral("height"), place.height},
        {QStringLiteral("candleMinutes"), place.candleMinutes},
        {QStringLiteral("refraction"), place.refraction},
    };
}

}  // namespace plx::cli
