// The texts and the event marker that a day cell of the month view shows.
#pragma once

#include <QString>

#include "engine/calendar.h"
#include "engine/language.h"

namespace plx {

struct DayCellTexts {
    QString dayText;     // Hebrew numeral of the Hebrew day, a tab, the civil day
    QString eventsText;  // the portion (on a Sabbath) and the events, one per line
    bool marked = false;
};

// A Sabbath on which a festival reading replaces the weekly portion.
bool IsFestivalSabbath(CalendarDate hebrew);

// `vocabulary` chooses the language of the portion and event names.
DayCellTexts DayCellTextsFor(CalendarDate civil, CalendarDate hebrew, bool saturday,
                             Language vocabulary);

}  // namespace plx
