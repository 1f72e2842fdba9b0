#include "ui/toolkit/skin_geometry.h"

namespace plx {
namespace {

// Inside this margin of the window (and below the caption band) the point belongs to the window
// itself, not to an edge.
constexpr int kInnerMargin = 4;
// How far from the window's side a point still grabs a corner or an edge.
constexpr int kCornerGrip = 6;
constexpr int kEdgeGrip = 3;

FrameHit Mirrored(FrameHit hit) {
    switch (hit) {
        case FrameHit::kLeft:
            return FrameHit::kRight;
        case FrameHit::kRight:
            return FrameHit::kLeft;
        case FrameHit::kTopLeft:
            return FrameHit::kTopRight;
        case FrameHit::kTopRight:
            return FrameHit::kTopLeft;
        case FrameHit::kBottomLeft:
            return FrameHit::kBottomRight;
        case FrameHit::kBottomRight:
            return FrameHit::kBottomLeft;
        default:
            return hit;
    }
}

FrameHit EdgeAt(const FrameShape& shape, QPoint p) {
    const int w = shape.window.width();
    const int h = shape.window.height();
    if (p.x() <= kCornerGrip && p.y() <= shape.captionHeight)
        return FrameHit::kTopLeft;
    if (p.x() >= w - kCornerGrip && p.y() <= shape.captionHeight)
        return FrameHit::kTopRight;
    if (p.x() <= kCornerGrip && p.y() >= h - kCornerGrip)
        return FrameHit::kBottomLeft;
    if (p.x() >= w - kCornerGrip && p.y() >= h - kCornerGrip)
        return FrameHit::kBottomRight;
    if (p.x() <= kEdgeGrip)
        return FrameHit::kLeft;
    if (p.y() <= kEdgeGrip)
        return FrameHit::kTop;
    if (p.x() >= w - kEdgeGrip)
        return FrameHit::kRight;
    if (p.y() >= h - kEdgeGrip)
        return FrameHit::kBottom;
    return FrameHit::kCaption;
}

}  // namespace

CornerSlots CornerSlotsOf(bool rightToLeft) {
    if (rightToLeft)
        return {kSlotTopLeftRtl, kSlotTopRightRtl, kSlotBottomLeftRtl, kSlotBottomRightRtl};
    return {kSlotTopLeft, kSlotTopRight, kSlotBottomLeft, kSlotBottomRight};
}

QMargins FrameBordersOf(const SkinMetrics& metrics, bool rightToLeft) {
    const auto& s = metrics.sizes;
    return QMargins(
        s[rightToLeft ? kSlotLeftEdgeRtl : kSlotLeftEdge].width(), s[kSlotTopEdge].height(),
        s[rightToLeft ? kSlotRightEdgeRtl : kSlotRightEdge].width(), s[kSlotBottomEdge].height());
}

QSize MinimumFrameSize(const SkinMetrics& metrics) {
    const auto& s = metrics.sizes;
    return QSize(s[kSlotClose].width() + s[kSlotTopLeft].width() + s[kSlotTopRight].width(),
                 s[kSlotTopEdge].height() + s[kSlotBottomEdge].height());
}

QSize SkinnedWindowSize(QSize client, const QMargins& borders) {
    return client.grownBy(borders);
}

CaptionButtons LayOutCaptionButtons(const SkinMetrics& metrics, int windowWidth, bool hasMinimize,
                                    bool hasMaximize, bool maximized) {
    const auto& s = metrics.sizes;
    const int top = maximized ? metrics.maximizedButtonsTop : metrics.buttonsTop;
    auto leftOf = [&](int right, SkinSlot slot) {
        return QRect(right - s[slot].width(), top, s[slot].width(), s[slot].height());
    };
    CaptionButtons buttons;
    buttons.close = leftOf(windowWidth - metrics.closeRightMargin, kSlotClose);
    int nextRight = buttons.close.left() - metrics.buttonGap;
    if (hasMaximize) {
        buttons.maximize = leftOf(nextRight, kSlotMaximize);
        nextRight = buttons.maximize.left() - metrics.buttonGap;
    }
    if (hasMinimize)
        buttons.minimize = leftOf(nextRight, kSlotMinimize);
    return buttons;
}

bool IsCaptionButton(FrameHit hit) {
    return hit == FrameHit::kClose || hit == FrameHit::kMaximize || hit == FrameHit::kMinimize;
}

FrameHit HitTestFrame(const FrameShape& shape, QPoint point) {
    const int w = shape.window.width();
    const int h = shape.window.height();
    const QPoint p = shape.rightToLeft ? QPoint(w - 1 - point.x(), point.y()) : point;

    const QRect inner(QPoint(kInnerMargin, shape.borders.top() + 1),
                      QPoint(w - kInnerMargin - 1, h - kInnerMargin - 1));
    if (inner.contains(p)) {
        const QRect client(QPoint(0, 0), shape.window);
        return client.marginsRemoved(shape.borders).contains(p) ? FrameHit::kClient
                                                                : FrameHit::kCaption;
    }
    if (shape.buttons.close.contains(p))
        return FrameHit::kClose;
    if (shape.buttons.maximize.contains(p))
        return FrameHit::kMaximize;
    if (shape.buttons.minimize.contains(p))
        return FrameHit::kMinimize;
    if (!shape.resizable)
        return FrameHit::kCaption;
    const FrameHit edge = EdgeAt(shape, p);
    return shape.rightToLeft ? Mirrored(edge) : edge;
}

QRect CaptionTextRect(const SkinMetrics& metrics, const FrameShape& shape) {
    const CornerSlots corners = CornerSlotsOf(shape.rightToLeft);
    const auto& s = metrics.sizes;
    const int w = shape.window.width();
    int right = w - s[corners[1]].width() + 2;
    // The text stops short of the buttons rather than running under them.
    for (const QRect& button :
         {shape.buttons.minimize, shape.buttons.maximize, shape.buttons.close}) {
        if (!button.isEmpty()) {
            right = std::min(right, button.left() - metrics.buttonGap);
            break;
        }
    }
    const int left = s[corners[0]].width() + 2;
    return QRect(left, 0, std::max(right - left, 0), s[kSlotTopEdge].height());
}

QRect MirroredRect(const QRect& rect, int width) {
    return QRect(width - rect.x() - rect.width(), rect.y(), rect.width(), rect.height());
}

QRegion MirroredRegion(const QRegion& region, int width) {
    QRegion mirrored;
    for (const QRect& rect : region)
        mirrored += MirroredRect(rect, width);
    return mirrored;
}

QRegion FrameMask(QSize window, const SkinMetrics& metrics, bool rightToLeft,
                  const std::array<QRegion, 4>& cornerKeys, const std::array<bool, 4>& cutCorner) {
    const CornerSlots corners = CornerSlotsOf(rightToLeft);
    const int w = window.width();
    const int h = window.height();
    QRegion shape(QRect(QPoint(0, 0), window));
    for (std::size_t i = 0; i < corners.size(); ++i) {
        if (!cutCorner[i])
            continue;
        const QSize size = metrics.sizes[corners[i]];
        const bool right = i == 1 || i == 3;
        const bool bottom = i >= 2;
        const QPoint at(right ? w - size.width() : 0, bottom ? h - size.height() : 0);
        shape -= cornerKeys[i].translated(at);
    }
    return rightToLeft ? MirroredRegion(shape, w) : shape;
}

}  // namespace plx
