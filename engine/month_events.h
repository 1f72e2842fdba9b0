// The day-event rules of each Hebrew month and the Sigd rule, written through an EventWriter.
#pragma once

#include "engine/event_phrases.h"
#include "engine/year_shape.h"

namespace plx {

// One day as the rules see it.
struct EventDay {
    YearShape year;
    HebrewMonth month = HebrewMonth::kTishrei;
    int day = 1;
    int weekday = 1;    // 1 = Sunday .. 7 = Saturday
    int civilYear = 1;  // the Sigd rule changed with the era
};

// The entries of the day's month rules, in their fixed order.
void AddMonthEvents(const EventDay& d, EventWriter& out);

bool IsSigdDay(const EventDay& d) noexcept;

}  // namespace plx
