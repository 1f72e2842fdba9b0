// The options of the halachic times and the main window's settings object, as the settings store
// keeps them.
#pragma once

#include "app/settings_store.h"
#include "astro/times_options.h"

namespace plx {

// Reads the current layout ("Settings/TimesOfDay") or, when "plx_times_flags" is present, the
// older one packed into a flags word. Out-of-range values read as the defaults; a daylight saving
// of other than 0 to 3 hours is added to `rejected` when given.
CalculationSettings LoadCalculationSettings(const SettingsStore& store,
                                            RejectedValues* rejected = nullptr);
// Always writes the current layout and deletes the older one's values.
void SaveCalculationSettings(SettingsStore& store, const CalculationSettings& settings);
// Writes only the values in which `now` differs from `before` (what was read), so that a value
// another process changed meanwhile stays as it set it. A store still in the older layout is
// written whole in the current one, once there is a change to write.
void SaveChangedCalculationSettings(SettingsStore& store, const CalculationSettings& before,
                                    const CalculationSettings& now);

}  // namespace plx
