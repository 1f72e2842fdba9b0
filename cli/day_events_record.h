// What plxcal adds about a day's festivals, events, weekly portion and information text.
#pragma once

#include <QJsonObject>
#include <QString>

#include "engine/calendar.h"
#include "engine/language.h"

namespace plx::cli {

// Adds the holiday, Rosh Chodesh, event, portion, Mevarchim and information fields to a day's
// record. `language` is the engine language of the texts; `languageCode` the interface language
// the information text is laid out for.
void AddEventFields(QJsonObject& record, CalendarDate civil, Language language,
                    const QString& languageCode);

// The information text for a terminal: its lines joined by "\n", without the leading line break.
QString InformationLines(CalendarDate civil, const QString& languageCode);

}  // namespace plx::cli
