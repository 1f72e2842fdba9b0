#include "ui/window_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace plx {
namespace {

// A 1920 x 1040 primary screen (a task bar below) with a 1280 x 1024 one to its right.
const std::vector<QRect> kScreens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};
const QSize kLeast(680, 584);

struct OpeningCase {
    const char* name;
    std::optional<QRect> kept;
    QRect expected;
};

const OpeningCase kOpeningCases[] = {
    {"a fresh install: the least size, centred", std::nullopt, {620, 228, 680, 584}},
    {"where it was left", QRect(100, 50, 900, 700), {100, 50, 900, 700}},
    {"on the second screen", QRect(2000, 100, 900, 700), {2000, 100, 900, 700}},
    {"across both screens", QRect(1500, 100, 900, 700), {1500, 100, 900, 700}},
    {"its caption only just reachable", QRect(-800, 1020, 900, 700), {-800, 1020, 900, 700}},
    {"too little of its caption on a screen", QRect(-850, 500, 900, 700), {510, 170, 900, 700}},
    {"caption above the screens", QRect(100, -100, 900, 700), {510, 170, 900, 700}},
    {"on a screen that is gone", QRect(5000, 200, 900, 700), {510, 170, 900, 700}},
    {"larger than its screen", QRect(2000, 0, 1600, 1200), {2000, 0, 1280, 1024}},
    {"gone and larger than the primary", QRect(-9000, 0, 4000, 3000), {0, 0, 1920, 1040}},
    {"smaller than the least", QRect(100, 50, 300, 200), {100, 50, 680, 584}},
};

TEST(MainWindowOpening, KeptPlaceWhenReachableElseCentredOnThePrimary) {
    for (const OpeningCase& c : kOpeningCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OpeningWindowRect(c.kept, kLeast, kScreens, kScreens[0]), c.expected);
    }
    // A screen smaller than the window's least: the window is never made smaller, and its
    // caption stays on the screen.
    EXPECT_EQ(OpeningWindowRect(std::nullopt, kLeast, {{0, 20, 640, 480}}, {0, 20, 640, 480}),
              QRect(0, 20, 680, 584));
}

TEST(MainWindowGeometry, KeptOnlyWhole) {
    MemorySettingsStore store;
    EXPECT_EQ(LoadWindowGeometry(store), std::nullopt);
    const WindowGeometry geometry{{-1200, 40, 900, 700}, true};
    SaveWindowGeometry(store, geometry);
    EXPECT_EQ(LoadWindowGeometry(store), geometry);

    // A missing number or a size no window has: as a fresh install.
    store.DeleteValue(kSettingsSection, u"plx_window_y");
    EXPECT_EQ(LoadWindowGeometry(store), std::nullopt);
    SaveWindowGeometry(store, geometry);
    store.WriteInteger(kSettingsSection, u"plx_window_height", 0);
    EXPECT_EQ(LoadWindowGeometry(store), std::nullopt);
    store.WriteString(kSettingsSection, u"plx_window_height", u"tall");
    EXPECT_EQ(LoadWindowGeometry(store), std::nullopt);

    // Numbers beyond any desktop are brought near enough to add up without overflowing.
    store.WriteInteger(kSettingsSection, u"plx_window_x", INT_MAX);
    store.WriteInteger(kSettingsSection, u"plx_window_y", INT_MIN + 1);
    store.WriteInteger(kSettingsSection, u"plx_window_width", INT_MAX);
    store.WriteInteger(kSettingsSection, u"plx_window_height", INT_MAX);
    store.DeleteValue(kSettingsSection, u"plx_window_maximized");
    const auto far = LoadWindowGeometry(store);
    ASSERT_TRUE(far);
    EXPECT_FALSE(far->maximized);
    EXPECT_GT(far->normal.right(), far->normal.left());
    EXPECT_GT(far->normal.bottom(), far->normal.top());
    EXPECT_EQ(OpeningWindowRect(far->normal, kLeast, kScreens, kScreens[0]),
              QRect(0, 0, 1920, 1040));
}

}  // namespace
}  // namespace plx
