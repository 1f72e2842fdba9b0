// The geometry of the skinned frame as functions on values: border sizes from the pictures, the
// caption buttons at a given window width, what a point of the window is (caption, button, edge,
// client), the smallest window, and the window's shape without the corners' key-colour pixels.
//
// Everything is worked out in the window's own reading order: a right-to-left window is the
// mirror image of the left-to-right one, so its points are mirrored before testing and its
// rectangles mirrored before use.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <array>

namespace plx {

// The 26 pictures of a theme, in this order.
enum SkinSlot : int {
    kSlotTopLeft,
    kSlotTopRight,
    kSlotTopEdge,
    kSlotLeftEdge,
    kSlotRightEdge,
    kSlotBottomLeft,
    kSlotBottomRight,
    kSlotBottomEdge,
    kSlotMinimize,
    kSlotMaximize,
    kSlotRestore,
    kSlotClose,
    kSlotMinimizeHover,
    kSlotMaximizeHover,
    kSlotRestoreHover,
    kSlotCloseHover,
    kSlotMinimizePressed,
    kSlotMaximizePressed,
    kSlotRestorePressed,
    kSlotClosePressed,
    kSlotTopLeftRtl,
    kSlotTopRightRtl,
    kSlotLeftEdgeRtl,
    kSlotRightEdgeRtl,
    kSlotBottomLeftRtl,
    kSlotBottomRightRtl,
    kSkinSlotCount
};

// The four corners of a direction, top-left, top-right, bottom-left, bottom-right.
using CornerSlots = std::array<SkinSlot, 4>;
CornerSlots CornerSlotsOf(bool rightToLeft);

// What the geometry needs of a theme: the pictures' sizes (0 x 0 for an absent one) and where
// the caption buttons stand.
struct SkinMetrics {
    std::array<QSize, kSkinSlotCount> sizes{};
    int buttonsTop = 10;
    int closeRightMargin = 10;
    int buttonGap = 3;
    int maximizedButtonsTop = 3;
};

// In reading order: left is the side where the reading starts.
QMargins FrameBordersOf(const SkinMetrics& metrics, bool rightToLeft);

// Close button, one picture wide, plus both top corners; caption band plus bottom border.
QSize MinimumFrameSize(const SkinMetrics& metrics);

// The window that keeps `client` at its size inside the frame.
QSize SkinnedWindowSize(QSize client, const QMargins& borders);

// Empty rectangles for the buttons the window does not have.
struct CaptionButtons {
    QRect close;
    QRect maximize;
    QRect minimize;
};

CaptionButtons LayOutCaptionButtons(const SkinMetrics& metrics, int windowWidth, bool hasMinimize,
                                    bool hasMaximize, bool maximized);

// What a point of the window is. Edges and corners are named as the user sees them.
enum class FrameHit {
    kClient,
    kCaption,
    kClose,
    kMaximize,
    kMinimize,
    kLeft,
    kRight,
    kTop,
    kBottom,
    kTopLeft,
    kTopRight,
    kBottomLeft,
    kBottomRight,
};

bool IsCaptionButton(FrameHit hit);

struct FrameShape {
    QSize window;
    QMargins borders;  // in reading order
    CaptionButtons buttons;
    int captionHeight = 0;
    bool resizable = false;
    bool rightToLeft = false;
};

// `point` in window coordinates as the user sees them.
FrameHit HitTestFrame(const FrameShape& shape, QPoint point);

// Where the caption text stands, in reading order: after the top-left corner, up to the
// top-right corner or the first caption button, whichever comes first.
QRect CaptionTextRect(const SkinMetrics& metrics, const FrameShape& shape);

// `rect` of a window `width` pixels wide, seen in the mirror.
QRect MirroredRect(const QRect& rect, int width);
QRegion MirroredRegion(const QRegion& region, int width);

// The window without the key-colour pixels of its corners. `cornerKeys` are the key pixels of
// each corner picture (in the picture's own coordinates, in the order of CornerSlotsOf) and
// `cutCorner` says which of them the theme cuts.
QRegion FrameMask(QSize window, const SkinMetrics& metrics, bool rightToLeft,
                  const std::array<QRegion, 4>& cornerKeys, const std::array<bool, 4>& cutCorner);

}  // namespace plx
