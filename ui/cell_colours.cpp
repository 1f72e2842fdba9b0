#include "ui/cell_colours.h"

#include <algorithm>

namespace plx {
namespace {

struct Hls {
    int hue;  // 0..255 for the full circle
    int lightness;
    int saturation;
};

Hls ToHls(QColor rgb) {
    const float r = static_cast<float>(rgb.red());
    const float g = static_cast<float>(rgb.green());
    const float b = static_cast<float>(rgb.blue());
    const float mx = std::max({r, g, b});
    const float mn = std::min({r, g, b});
    const float lightness = (mx + mn) / 2.0f;
    if (mx == mn)
        return {0, static_cast<int>(lightness), 0};
    const float delta = mx - mn;
    const float saturation =
        ((mx + mn) / 510.0f <= 0.5f ? delta / (mx + mn) : delta / (510.0f - mx - mn)) * 255.0f;
    const float rc = (mx - r) / delta;
    const float gc = (mx - g) / delta;
    const float bc = (mx - b) / delta;
    float hue = b == mx   ? 60.0f * (4.0f + gc - rc)
                : g == mx ? 60.0f * (2.0f + rc - bc)
                          : 60.0f * (6.0f + bc - gc);
    if (hue > 360.0f)
        hue -= 360.0f;
    return {static_cast<int>(hue * 255.0f / 360.0f), static_cast<int>(lightness),
            static_cast<int>(saturation)};
}

int Shift(int value, int percent) {
    if (percent > 0)
        return value + (255 - value) * percent / 100;
    if (percent < 0)
        return value * (100 + percent) / 100;
    return value;
}

float HueValue(float m1, float m2, float hue) {
    if (hue < 0.0f)
        hue += 360.0f;
    if (hue > 360.0f)
        hue -= 360.0f;
    if (hue < 60.0f)
        return m1 + (m2 - m1) * hue / 60.0f;
    if (hue < 180.0f)
        return m2;
    if (hue < 240.0f)
        return m1 + (m2 - m1) * (240.0f - hue) / 60.0f;
    return m1;
}

QColor FromHls(Hls hls) {
    if (hls.saturation == 0)
        return QColor(hls.lightness, hls.lightness, hls.lightness);
    const float l = static_cast<float>(hls.lightness) / 255.0f;
    const float s = static_cast<float>(hls.saturation) / 255.0f;
    const float m2 = l <= 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float m1 = 2.0f * l - m2;
    const float hue = static_cast<float>(hls.hue) * 360.0f / 255.0f;
    auto channel = [&](float h) {
        return std::clamp(static_cast<int>(HueValue(m1, m2, h) * 255.0f), 0, 255);
    };
    return QColor(channel(hue + 120.0f), channel(hue), channel(hue - 120.0f));
}

}  // namespace

QColor AdjustColor(QColor rgb, int lightnessPercent, int saturationPercent) {
    Hls hls = ToHls(rgb);
    hls.lightness = Shift(hls.lightness, lightnessPercent);
    hls.saturation = Shift(hls.saturation, saturationPercent);
    return FromHls(hls);
}

CellShades CellBackground(bool header, bool blank, Highlight highlight) {
    const QColor top = header ? QColor(50, 150, 255) : QColor(150, 200, 255);
    const QColor middle = header ? QColor(15, 135, 255) : QColor(125, 190, 255);
    auto adjusted = [&](int lightness, int saturation) {
        const QColor edge = AdjustColor(top, lightness, saturation);
        return CellShades{edge, AdjustColor(middle, lightness, saturation), edge};
    };
    if (blank)
        return adjusted(30, -30);
    switch (highlight) {
        case Highlight::kToday:
            return header ? adjusted(-40, 40) : adjusted(-50, 50);
        case Highlight::kSelected:
            return {QColor(128, 128, 255), QColor(110, 110, 255), QColor(128, 128, 255)};
        case Highlight::kNone:
            break;
    }
    return {top, middle, top};
}

}  // namespace plx
