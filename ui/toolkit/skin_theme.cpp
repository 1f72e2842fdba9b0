#include "ui/toolkit/skin_theme.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <memory>

namespace plx {
namespace {

const QString kSkinFolder = QStringLiteral(":/plx/skin/");

// The resource of every slot but the two top-left corners.
constexpr std::array<const char*, kSkinSlotCount> kSlotFiles{
    nullptr,       "top_right",      "top_edge",       "left_edge",      "right_edge",
    "bottom_left", "bottom_right",   "bottom_edge",    "minimize",       "maximize",
    "maximize",    "close",          "minimize_hover", "maximize_hover", "maximize_hover",
    "close_hover", "minimize_hover", "maximize_hover", "maximize_hover", "close_hover",
    nullptr,       "top_right",
    "right_edge",  // the mirror of the left edge
    "left_edge",   "bottom_left",    "bottom_right",
};

QImage Drawn(QSvgRenderer& renderer, QSize size, qreal ratio) {
    const QSize pixels(static_cast<int>(std::lround(size.width() * ratio)),
                       static_cast<int>(std::lround(size.height() * ratio)));
    QImage image(pixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), pixels));
    painter.end();
    return image;
}

QRegion PixelsOf(const QImage& image, QRgb colour) {
    QRegion pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (line[x] != colour) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && line[x] == colour)
                ++x;
            pixels += QRect(start, y, x - start, 1);
        }
    }
    return pixels;
}

void ClearColour(QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == colour)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
}

std::vector<std::unique_ptr<SkinTheme>>& Themes() {
    static std::vector<std::unique_ptr<SkinTheme>> themes;
    return themes;
}

bool& NativeFrameFlag() {
    static bool native = false;
    return native;
}

}  // namespace

SkinPicture::SkinPicture(const QString& path, QColor key) : path_(path), key_(key) {
    if (path_.isEmpty())
        return;
    QSvgRenderer renderer(path_);
    size_ = renderer.defaultSize();
    keyPixels_ = PixelsOf(Drawn(renderer, size_, 1.0), key_.rgb());
}

QPixmap SkinPicture::At(qreal devicePixelRatio) const {
    for (const QPixmap& pixmap : drawn_) {
        if (qFuzzyCompare(pixmap.devicePixelRatio(), devicePixelRatio))
            return pixmap;
    }
    QImage image;
    if (!path_.isEmpty()) {
        QSvgRenderer renderer(path_);
        image = Drawn(renderer, size_, devicePixelRatio);
        ClearColour(image, key_.rgb());
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    drawn_.push_back(pixmap);
    return pixmap;
}

int AddSkinTheme(const QString& topLeftImage, const QString& topLeftImageRtl) {
    auto theme = std::make_unique<SkinTheme>();
    for (int slot = 0; slot < kSkinSlotCount; ++slot) {
        QString path;
        if (slot == kSlotTopLeft)
            path = topLeftImage;
        else if (slot == kSlotTopLeftRtl)
            path = topLeftImageRtl;
        else
            path = kSkinFolder + QLatin1String(kSlotFiles[slot]) + QStringLiteral(".svg");
        theme->pictures[slot] = SkinPicture(path, theme->keyColour);
        theme->metrics.sizes[slot] = theme->pictures[slot].Size();
    }
    Themes().push_back(std::move(theme));
    return static_cast<int>(Themes().size()) - 1;
}

const SkinTheme* SkinThemeAt(int index) {
    if (index < 0 || index >= static_cast<int>(Themes().size()))
        return nullptr;
    return Themes()[index].get();
}

void AddProgramSkinThemes() {
    if (!Themes().empty())
        return;
    const int wide = AddSkinTheme(kSkinFolder + QStringLiteral("top_left_wide.svg"),
                                  kSkinFolder + QStringLiteral("top_left_wide_rtl.svg"));
    // Beside the icon on the wide tab (scripts/make-skin-images.py leaves it free).
    Themes()[static_cast<std::size_t>(wide)]->titleArea = QRect(44, 5, 161, 26);
    AddSkinTheme(kSkinFolder + QStringLiteral("top_left_narrow.svg"),
                 kSkinFolder + QStringLiteral("top_left_narrow_rtl.svg"));
}

void SetNativeFrame(bool native) {
    NativeFrameFlag() = native;
}

bool NativeFrame() {
    return NativeFrameFlag();
}

}  // namespace plx
