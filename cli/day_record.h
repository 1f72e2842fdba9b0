// What plxcal says about one day: a JSON object and a readable line.
#pragma once

#include <QJsonObject>
#include <QString>

#include "engine/calendar.h"
#include "engine/language.h"

namespace plx::cli {

// The day's facts; its texts are in `language` where a text has two
// languages.
QJsonObject DayRecord(CalendarDate civil, Language language);
QString DayLine(CalendarDate civil);

}  // namespace plx::cli
