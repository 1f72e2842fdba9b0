// Changes of the settings file from the windows: each one a transaction of the store, and a
// failure said in the program's message box rather than passed over.
#pragma once

#include "app/settings_store.h"

class QWidget;

namespace plx {

// Keeps the change in the store. When the file cannot be written, the message box names it and
// the cause and offers to try again, so that the person can free the file (or the disk) while the
// program waits; when a file that could not be read was moved aside first, a box says where it
// went. Returns whether the change was stored.
bool KeepInStore(QWidget* parent, SettingsStore& store, const SettingsStore::Change& change);

}  // namespace plx
