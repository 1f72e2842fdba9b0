// The place, daylight saving and times that a command takes from its options (--location, --lat,
// --lon, --zone, --tz, --height, --candles, --world-refraction, --israel-refraction, --dst,
// --elevation, --all, --sun) over what the program keeps in the settings store.
#pragma once

#include "astro/locations.h"
#include "astro/times_options.h"
#include "cli/command.h"

namespace plx::cli {

// --location KEY (a built-in row, or 80 + the id of one of the user's locations), else the current
// location; then the place options replace single values of it. New coordinates make it a place
// without a name, and new coordinates or zone hours a place without a time zone unless --tz gives
// it one.
Location ChosenPlace(const Invocation& call, const CalculationSettings& settings,
                     const CustomLocationList& custom);

// --dst auto (the place's time zone) or HOURS (0 switches daylight saving off), --elevation,
// --all and --sun classic|precise over the stored options. In the automatic mode the place's time
// zone must be one the system knows.
void ApplyOptions(const Invocation& call, CalculationSettings& settings, const Location& place);

}  // namespace plx::cli
