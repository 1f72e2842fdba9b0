// The themes of the skinned frame: for each, the 26 pictures and the colours and places that go
// with them. The table is the program's own and only grows.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRegion>
#include <QString>

#include <array>
#include <vector>

#include "ui/toolkit/skin_geometry.h"

namespace plx {

// One picture of a theme, drawn from an SVG resource at each device pixel ratio it is asked for.
// The key colour becomes transparent in the drawn picture; KeyPixels() keeps where it was.
class SkinPicture {
public:
    SkinPicture() = default;
    // An empty path leaves the picture absent: 0 x 0, nothing drawn.
    SkinPicture(const QString& path, QColor key);

    QSize Size() const { return size_; }
    QPixmap At(qreal devicePixelRatio) const;
    // The key-colour pixels at the picture's own size.
    const QRegion& KeyPixels() const { return keyPixels_; }

private:
    QString path_;
    QColor key_;
    QSize size_;
    QRegion keyPixels_;
    mutable std::vector<QPixmap> drawn_;  // one per device pixel ratio asked for
};

struct SkinTheme {
    std::array<SkinPicture, kSkinSlotCount> pictures;
    SkinMetrics metrics;
    QColor activeCaption{0, 0, 55};
    QColor inactiveCaption{55, 55, 55};
    bool hasBackground = true;
    QColor background{230, 230, 230};
    // Bits 0..3 cut the key colour out of the corners of a left-to-right window (top-left,
    // top-right, bottom-left, bottom-right), bits 4..7 out of those of a right-to-left one.
    int regionFlags = 255;
    QColor keyColour{255, 0, 255};
    // Where the top-left corner has room for the program's title, in the left-to-right picture;
    // empty when it has none.
    QRect titleArea;
    QColor titleColour{255, 255, 255};
};

// Adds a theme whose top-left corners (left-to-right and right-to-left) are the given resources
// (an empty path leaves the slot empty) and whose other pictures are the program's own. Returns
// its index.
int AddSkinTheme(const QString& topLeftImage, const QString& topLeftImageRtl);

// Nullptr for an index outside the table.
const SkinTheme* SkinThemeAt(int index);

// Theme 0, whose top-left corner has room for the program's title beside its icon, and theme 1
// with the icon only. Adds them once, however often it is called.
void AddProgramSkinThemes();

// When set, SetSkin leaves every window in the desktop's own frame.
void SetNativeFrame(bool native);
bool NativeFrame();

}  // namespace plx
