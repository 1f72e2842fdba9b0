// What plxcal says about one day: a JSON object and a readable line.
#pragma once

#include <QJsonObject>
#include <QString>

#include "engine/calendar.h"

namespace plx::cli {

QJsonObject DayRecord(CalendarDate civil);
QString DayLine(CalendarDate civil);

}  // namespace plx::cli
