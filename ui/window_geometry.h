// Where the main window opens and what of its place is kept: the normal-state rectangle and
// whether it was maximised, in the "Settings" section, read at start and written at close.
#pragma once

#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

#include "app/settings_store.h"

namespace plx {

struct WindowGeometry {
    QRect normal;  // the window's rectangle when it is neither maximised nor minimised
    bool maximized = false;

    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

// The kept place; none when any of the rectangle's four numbers is absent or the size is not
// positive, as in a fresh install. Numbers far outside any desktop are brought within one.
std::optional<WindowGeometry> LoadWindowGeometry(const SettingsStore& store);
void SaveWindowGeometry(SettingsStore& store, const WindowGeometry& geometry);

// The rectangle the window opens in: the kept one when its caption can be reached on one of
// `screens` (their available areas), else one of the kept size (or `least` without one) centred
// on `primary`. Never smaller than `least`; never larger than the screen it opens on, unless that
// is smaller than `least`, when it opens at the screen's top-left corner.
QRect OpeningWindowRect(const std::optional<QRect>& kept, QSize least,
                        const std::vector<QRect>& screens, QRect primary);
// OpeningWindowRect on the screens connected now, maximised when the kept place was.
WindowGeometry OpeningWindowGeometry(const std::optional<WindowGeometry>& kept, QSize least);

}  // namespace plx
