// What plxcal says about one day: a JSON object and a readable line.
#pragma once

#include <QJsonObject>
#include <QString>

#include "engine/calendar.h"

namespace plx::cli {

// The day's facts; its texts are in `language` (kHebrew or kEnglish) where a text has two
// languages.
QJsonObject DayRecord(CalendarDate civil, int language);
QString DayLine(CalendarDate civil);

}  // namespace plx::cli
