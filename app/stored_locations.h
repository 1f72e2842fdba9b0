// The user's own locations as the settings store keeps them.
#pragma once

#include "app/settings_store.h"
#include "astro/locations.h"

namespace plx {

// "CustomLocations" and one "Settings/Location<i>" section per entry; loaded entries take their
// positions as ids. Numbers that are not numbers (or not finite) read as 0.
CustomLocationList LoadCustomLocations(const SettingsStore& store);
// Sections beyond the list's length are left in the store; the count bounds what is read back.
void SaveCustomLocations(SettingsStore& store, const CustomLocationList& custom);

}  // namespace plx
