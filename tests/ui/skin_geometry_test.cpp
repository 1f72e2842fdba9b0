// The frame's geometry with the pictures of the program's two themes: borders, caption buttons,
// what each point of the window is in either reading direction, the smallest window, the client
// area kept inside the frame, and the shape cut at the corners.
#include <gtest/gtest.h>

#include "ui/toolkit/skin_geometry.h"

using namespace plx;

namespace {

// The sizes of the program's pictures; `topLeftWidth` is 215 for theme 0 and 51 for theme 1.
SkinMetrics Metrics(int topLeftWidth) {
    SkinMetrics m;
    auto& s = m.sizes;
    s[kSlotTopLeft] = s[kSlotTopLeftRtl] = QSize(topLeftWidth, 38);
    s[kSlotTopRight] = s[kSlotTopRightRtl] = QSize(17, 38);
    s[kSlotTopEdge] = QSize(2, 38);
    s[kSlotLeftEdge] = s[kSlotRightEdge] = s[kSlotLeftEdgeRtl] = s[kSlotRightEdgeRtl] =
        QSize(11, 2);
    s[kSlotBottomLeft] = s[kSlotBottomRight] = s[kSlotBottomLeftRtl] = s[kSlotBottomRightRtl] =
        QSize(11, 12);
    s[kSlotBottomEdge] = QSize(2, 12);
    for (int slot = kSlotMinimize; slot <= kSlotClosePressed; ++slot)
        s[slot] = QSize(16, 16);
    return m;
}

FrameShape Shape(QSize window, bool resizable, bool rightToLeft, bool maximize = true) {
    const SkinMetrics m = Metrics(51);
    FrameShape shape;
    shape.window = window;
    shape.borders = FrameBordersOf(m, rightToLeft);
    shape.buttons = LayOutCaptionButtons(m, window.width(), true, maximize, false);
    shape.captionHeight = 38;
    shape.resizable = resizable;
    shape.rightToLeft = rightToLeft;
    return shape;
}

}  // namespace

TEST(SkinGeometry, BordersMinimumSizeAndClientArea) {
    const SkinMetrics narrow = Metrics(51);
    EXPECT_EQ(FrameBordersOf(narrow, false), QMargins(11, 38, 11, 12));
    EXPECT_EQ(FrameBordersOf(narrow, true), QMargins(11, 38, 11, 12));
    EXPECT_EQ(MinimumFrameSize(Metrics(215)), QSize(248, 50));
    EXPECT_EQ(MinimumFrameSize(narrow), QSize(84, 50));
    EXPECT_EQ(SkinnedWindowSize(QSize(300, 200), FrameBordersOf(narrow, false)), QSize(322, 250));

    // The left border of a right-to-left window is its own picture's width.
    SkinMetrics uneven = narrow;
    uneven.sizes[kSlotLeftEdgeRtl] = QSize(7, 2);
    EXPECT_EQ(FrameBordersOf(uneven, true).left(), 7);
    EXPECT_EQ(FrameBordersOf(uneven, false).left(), 11);
}

TEST(SkinGeometry, CaptionButtons) {
    const SkinMetrics m = Metrics(215);
    // The main window: a minimise box only, directly left of the close box with a 3-pixel gap.
    const CaptionButtons main = LayOutCaptionButtons(m, 500, true, false, false);
    EXPECT_EQ(main.close, QRect(QPoint(474, 10), QPoint(489, 25)));
    EXPECT_EQ(main.minimize, QRect(QPoint(455, 10), QPoint(470, 25)));
    EXPECT_TRUE(main.maximize.isEmpty());

    const CaptionButtons all = LayOutCaptionButtons(m, 500, true, true, false);
    EXPECT_EQ(all.maximize.left(), 455);
    EXPECT_EQ(all.minimize.left(), 436);
    EXPECT_EQ(all.minimize.right() + 1 + 3, all.maximize.left());

    const CaptionButtons closeOnly = LayOutCaptionButtons(m, 500, false, false, false);
    EXPECT_TRUE(closeOnly.minimize.isEmpty());
    EXPECT_TRUE(closeOnly.maximize.isEmpty());

    const CaptionButtons maximized = LayOutCaptionButtons(m, 500, true, true, true);
    EXPECT_EQ(maximized.close.top(), 3);
    EXPECT_EQ(maximized.minimize.top(), 3);
}

TEST(SkinGeometry, HitTestLeftToRight) {
    const QSize window(400, 300);
    const FrameShape fixed = Shape(window, false, false);
    const FrameShape sized = Shape(window, true, false);
    EXPECT_EQ(HitTestFrame(sized, QPoint(200, 150)), FrameHit::kClient);
    // Inside the inner rectangle but on the frame: the window is dragged from there.
    EXPECT_EQ(HitTestFrame(sized, QPoint(6, 150)), FrameHit::kCaption);
    EXPECT_EQ(HitTestFrame(sized, QPoint(200, 292)), FrameHit::kCaption);
    EXPECT_EQ(HitTestFrame(sized, QPoint(200, 20)), FrameHit::kCaption);
    EXPECT_EQ(HitTestFrame(sized, QPoint(380, 15)), FrameHit::kClose);
    EXPECT_EQ(HitTestFrame(sized, QPoint(360, 15)), FrameHit::kMaximize);
    EXPECT_EQ(HitTestFrame(sized, QPoint(340, 15)), FrameHit::kMinimize);

    EXPECT_EQ(HitTestFrame(sized, QPoint(2, 30)), FrameHit::kTopLeft);
    EXPECT_EQ(HitTestFrame(sized, QPoint(397, 38)), FrameHit::kTopRight);
    EXPECT_EQ(HitTestFrame(sized, QPoint(5, 296)), FrameHit::kBottomLeft);
    EXPECT_EQ(HitTestFrame(sized, QPoint(396, 299)), FrameHit::kBottomRight);
    EXPECT_EQ(HitTestFrame(sized, QPoint(3, 100)), FrameHit::kLeft);
    EXPECT_EQ(HitTestFrame(sized, QPoint(100, 2)), FrameHit::kTop);
    EXPECT_EQ(HitTestFrame(sized, QPoint(397, 100)), FrameHit::kRight);
    EXPECT_EQ(HitTestFrame(sized, QPoint(100, 297)), FrameHit::kBottom);
    // Just inside the grips.
    EXPECT_EQ(HitTestFrame(sized, QPoint(100, 4)), FrameHit::kCaption);
    EXPECT_EQ(HitTestFrame(sized, QPoint(7, 30)), FrameHit::kCaption);

    // A window of fixed size is only dragged from its edges.
    for (QPoint p : {QPoint(2, 30), QPoint(3, 100), QPoint(100, 297), QPoint(396, 299)})
        EXPECT_EQ(HitTestFrame(fixed, p), FrameHit::kCaption) << p.x() << "," << p.y();
    EXPECT_EQ(HitTestFrame(fixed, QPoint(380, 15)), FrameHit::kClose);
}

TEST(SkinGeometry, HitTestRightToLeftIsTheMirror) {
    const QSize window(400, 300);
    const FrameShape sized = Shape(window, true, true);
    // The buttons stand at the left, close outermost; edges are named as the user sees them.
    EXPECT_EQ(HitTestFrame(sized, QPoint(19, 15)), FrameHit::kClose);
    EXPECT_EQ(HitTestFrame(sized, QPoint(39, 15)), FrameHit::kMaximize);
    EXPECT_EQ(HitTestFrame(sized, QPoint(59, 15)), FrameHit::kMinimize);
    EXPECT_EQ(HitTestFrame(sized, QPoint(380, 15)), FrameHit::kCaption);
    EXPECT_EQ(HitTestFrame(sized, QPoint(2, 30)), FrameHit::kTopLeft);
    EXPECT_EQ(HitTestFrame(sized, QPoint(397, 30)), FrameHit::kTopRight);
    EXPECT_EQ(HitTestFrame(sized, QPoint(2, 100)), FrameHit::kLeft);
    EXPECT_EQ(HitTestFrame(sized, QPoint(397, 100)), FrameHit::kRight);
    EXPECT_EQ(HitTestFrame(sized, QPoint(1, 298)), FrameHit::kBottomLeft);
    EXPECT_EQ(HitTestFrame(sized, QPoint(200, 150)), FrameHit::kClient);

    // Every point answers as its mirror image does in a left-to-right window.
    const FrameShape ltr = Shape(window, true, false);
    auto mirrored = [](FrameHit hit) {
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
    };
    for (int y = 0; y < 300; y += 7) {
        for (int x = 0; x < 400; x += 3) {
            ASSERT_EQ(HitTestFrame(sized, QPoint(x, y)),
                      mirrored(HitTestFrame(ltr, QPoint(399 - x, y))))
                << x << "," << y;
        }
    }
}

TEST(SkinGeometry, CaptionTextStopsBeforeTheButtons) {
    const SkinMetrics m = Metrics(215);
    FrameShape shape = Shape(QSize(500, 300), false, false, false);
    shape.buttons = LayOutCaptionButtons(m, 500, true, false, false);
    const QRect text = CaptionTextRect(m, shape);
    EXPECT_EQ(text.left(), 217);
    EXPECT_EQ(text.right() + 1, shape.buttons.minimize.left() - 3);
    EXPECT_EQ(text.height(), 38);

    // Without buttons it runs to two pixels into the top-right corner.
    shape.buttons = {};
    EXPECT_EQ(CaptionTextRect(m, shape).right() + 1, 500 - 17 + 2);
    // Narrower than its corners: no room at all.
    shape.window = QSize(200, 100);
    EXPECT_EQ(CaptionTextRect(m, shape).width(), 0);
}

TEST(SkinGeometry, MaskCutsTheKeyPixelsOfTheCuttableCorners) {
    const SkinMetrics m = Metrics(51);
    // The outermost pixel of each corner picture is key colour.
    const std::array<QRegion, 4> keys{QRegion(0, 0, 2, 1), QRegion(16, 0, 1, 1),
                                      QRegion(0, 11, 1, 1), QRegion(10, 11, 1, 1)};
    const QRegion all = FrameMask(QSize(100, 80), m, false, keys, {true, true, true, true});
    EXPECT_FALSE(all.contains(QPoint(0, 0)));
    EXPECT_FALSE(all.contains(QPoint(1, 0)));
    EXPECT_TRUE(all.contains(QPoint(2, 0)));
    EXPECT_FALSE(all.contains(QPoint(99, 0)));
    EXPECT_FALSE(all.contains(QPoint(0, 79)));
    EXPECT_FALSE(all.contains(QPoint(99, 79)));
    EXPECT_TRUE(all.contains(QPoint(50, 40)));

    const QRegion some = FrameMask(QSize(100, 80), m, false, keys, {false, true, true, true});
    EXPECT_TRUE(some.contains(QPoint(0, 0)));

    // Mirrored: the top-left picture's key pixels end up at the top right.
    const QRegion rtl = FrameMask(QSize(100, 80), m, true, keys, {true, false, false, false});
    EXPECT_FALSE(rtl.contains(QPoint(99, 0)));
    EXPECT_FALSE(rtl.contains(QPoint(98, 0)));
    EXPECT_TRUE(rtl.contains(QPoint(0, 0)));
}
