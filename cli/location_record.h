// What plxcal says about a place.
#pragma once

#include <QJsonObject>

#include "astro/locations.h"

namespace plx::cli {

// nameHebrew, nameEnglish, latitude, longitude, zone, height, candleMinutes, refraction.
QJsonObject LocationRecord(const Location& place);

}  // namespace plx::cli
