// The options of the halachic times and the main window's settings object, as the settings store
// keeps them.
#pragma once

#include "app/settings_store.h"
#include "astro/times_options.h"

namespace plx {

// Reads the current layout ("Settings/TimesOfDay") or, when "plx_times_flags" is present, the
// older one packed into a flags word. Out-of-range values read as the defaults.
CalculationSettings LoadCalculationSettings(const SettingsStore& store);
// Always writes the current layout and deletes the older one's values.
void SaveCalculationSettings(SettingsStore& store, const CalculationSettings& settings);

}  // namespace plx
