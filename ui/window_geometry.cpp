#include "ui/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>
#include <climits>

namespace plx {
namespace {

// The normal-state rectangle: x, y, width, height.
constexpr std::array<std::u16string_view, 4> kRectNames = {
    u"plx_window_x", u"plx_window_y", u"plx_window_width", u"plx_window_height"};
constexpr std::u16string_view kMaximized = u"plx_window_maximized";

// Beyond any desktop, and small enough that sums of coordinates and sizes stay exact.
constexpr int kFarthest = 1 << 20;
// How much of the caption band must lie on a screen for a person to take hold of it.
constexpr int kGripWidth = 100;
constexpr int kGripHeight = 20;

bool CaptionReachable(const QRect& window, const QRect& screen) {
    const QRect band(window.topLeft(), QSize(window.width(), kGripHeight));
    const QRect shown = band.intersected(screen);
    return shown.width() >= std::min(kGripWidth, window.width()) &&
           shown.height() >= kGripHeight / 2;
}

QSize BoundedTo(QSize size, QSize room, QSize least) {
    return size.boundedTo(room).expandedTo(least);
}

}  // namespace

std::optional<WindowGeometry> LoadWindowGeometry(const SettingsStore& store) {
    std::array<int, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i] = store.ReadInteger(kSettingsSection, kRectNames[i], INT_MIN);
    const auto [x, y, width, height] = numbers;
    if (x == INT_MIN || y == INT_MIN || width <= 0 || height <= 0)
        return std::nullopt;
    const auto near = [](int value) { return std::clamp(value, -kFarthest, kFarthest); };
    return WindowGeometry{
        QRect(near(x), near(y), std::min(width, kFarthest), std::min(height, kFarthest)),
        store.ReadInteger(kSettingsSection, kMaximized, 0) != 0};
}

void SaveWindowGeometry(SettingsStore& store, const WindowGeometry& geometry) {
    const QRect& r = geometry.normal;
    const std::array<int, 4> numbers = {r.x(), r.y(), r.width(), r.height()};
    for (std::size_t i = 0; i < numbers.size(); ++i)
        store.WriteInteger(kSettingsSection, kRectNames[i], numbers[i]);
    store.WriteInteger(kSettingsSection, kMaximized, geometry.maximized ? 1 : 0);
}

QRect OpeningWindowRect(const std::optional<QRect>& kept, QSize least,
                        const std::vector<QRect>& screens, QRect primary) {
    if (kept) {
        for (const QRect& screen : screens) {
            if (CaptionReachable(*kept, screen))
                return QRect(kept->topLeft(), BoundedTo(kept->size(), screen.size(), least));
        }
    }
    QRect rect(QPoint(), BoundedTo(kept ? kept->size() : least, primary.size(), least));
    rect.moveCenter(primary.center());
    // A window larger than the screen keeps its caption on it.
    rect.moveTo(std::max(rect.left(), primary.left()), std::max(rect.top(), primary.top()));
    return rect;
}

WindowGeometry OpeningWindowGeometry(const std::optional<WindowGeometry>& kept, QSize least) {
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryArea = primary ? primary->availableGeometry() : QRect(QPoint(), least);
    const std::optional<QRect> keptRect = kept ? std::optional(kept->normal) : std::nullopt;
    return {OpeningWindowRect(keptRect, least, screens, primaryArea), kept && kept->maximized};
}

}  // namespace plx
