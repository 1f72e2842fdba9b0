// The place, daylight saving and times that a command takes from its options (--location, --lat,
// --lon, --zone, --height, --candles, --world-refraction, --israel-refraction, --dst, --elevation,
// --all) over what the program keeps in the settings store.
#pragma once

#include "astro/locations.h"
#include "astro/times_options.h"
#include "cli/command.h"

namespace plx::cli {

// --location KEY (a built-in row, or 80 + the id of one of the user's locations), else the current
// location; then the place options replace single values of it. New coordinates make it a place
// without a name.
Location ChosenPlace(const Invocation& call, const CalculationSettings& settings,
                     const CustomLocationList& custom);

// --dst HOURS (0 switches daylight saving off), --elevation and --all over the stored options.
void ApplyOptions(const Invocation& call, CalculationSettings& settings);

}  // namespace plx::cli
