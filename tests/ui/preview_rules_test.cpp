#include "ui/preview/preview_rules.h"

#include <gtest/gtest.h>

#include "ui/preview/scroll_wnd.h"

namespace plx {
namespace {

TEST(PreviewControls, OnePageReport) {
    const PreviewControls c = PreviewControlStates(1, 1, 1, 1, kZoomWhole);
    EXPECT_FALSE(c.next);
    EXPECT_FALSE(c.prev);
    EXPECT_FALSE(c.pages);
    EXPECT_TRUE(c.zoomIn);
    EXPECT_FALSE(c.zoomOut);
    const PreviewControls full = PreviewControlStates(1, 1, 1, 1, kZoomFull);
    EXPECT_FALSE(full.zoomIn);
    EXPECT_TRUE(full.zoomOut);
}

TEST(PreviewControls, ThreePagesTwoShown) {
    EXPECT_TRUE(PreviewControlStates(1, 2, 1, 3, kZoomWhole).next);   // 1 + 2 - 1 < 3
    EXPECT_FALSE(PreviewControlStates(2, 2, 1, 3, kZoomWhole).next);  // 2 + 2 - 1 = 3
    EXPECT_TRUE(PreviewControlStates(2, 2, 1, 3, kZoomWhole).prev);
    EXPECT_TRUE(PreviewControlStates(2, 2, 1, 3, kZoomWhole).twoPages);
    EXPECT_TRUE(PreviewControlStates(1, 2, 1, 1, kZoomWhole).pages);  // two shown of one page
    EXPECT_FALSE(PreviewControlStates(1, 1, 1, 3, 1).pages);          // only in the whole view
}

TEST(PreviewRatios, WholePageFitsTheNarrowerSide) {
    EXPECT_EQ(WholePageRatio({800, 1100}, {600, 400}), (ScaleRatio{400, 1100}));
    EXPECT_EQ(WholePageRatio({800, 1100}, {200, 400}), (ScaleRatio{200, 800}));
    EXPECT_EQ(WholePageRatio({0, 0}, {200, 400}), (ScaleRatio{1, 1}));
}

TEST(PreviewRatios, ZoomStates) {
    EXPECT_EQ(ZoomedRatio({1, 4}, 0), (ScaleRatio{1, 4}));
    EXPECT_EQ(ZoomedRatio({1, 4}, 1), (ScaleRatio{2, 4}));  // halfway to 1 : 1
    EXPECT_EQ(ZoomedRatio({1, 4}, 2), (ScaleRatio{1, 1}));
    EXPECT_EQ(ZoomedRatio({3, 2}, 1), (ScaleRatio{3, 2}));  // (3c - d) / 2 = 3.5
    EXPECT_EQ(ZoomedRatio({3, 2}, 2), (ScaleRatio{4, 2}));
}

TEST(PreviewLayout, OneAndTwoPagesCentred) {
    const PreviewPageFrame one = PreviewAvailableArea({750, 524}, 1, 0);
    EXPECT_EQ(one.available, QSize(734, 508));
    const PreviewPageFrame two = PreviewAvailableArea({750, 524}, 2, 16);
    EXPECT_EQ(two.available, QSize(355, 508));
    EXPECT_EQ(two.secondPageOffset, 363);

    const QSize paper(794, 1123);  // A4 at 96 dpi
    const ScaleRatio ratio = WholePageRatio(paper, one.available);
    const QRect rect = PreviewPageRect(paper, ratio, kZoomWhole, one, 0);
    EXPECT_EQ(rect.width(), ratio.Scale(794) + 3);
    EXPECT_EQ(rect.height(), 508 + 3);
    EXPECT_EQ(rect.top(), 8 + (508 - 511) / 2 - 1);
    EXPECT_EQ(rect.left(), 8 + (734 - rect.width()) / 2 - 1);
    const QRect second = PreviewPageRect(paper, ratio, kZoomWhole, two, 1);
    EXPECT_GT(second.left(), two.secondPageOffset);
    // Zoomed, the page starts at (8, 8), as large as its ratio makes it.
    EXPECT_EQ(PreviewPageRect(paper, {1, 1}, kZoomFull, one, 0), QRect(8, 8, 797, 1126));
}

TEST(PreviewLayout, PageStepIsATenthOfTheRange) {
    EXPECT_EQ(PreviewPageStep(1, 1), 0);
    EXPECT_EQ(PreviewPageStep(1, 25), 3);
    EXPECT_EQ(PreviewPageStep(1, 2), 1);
}

TEST(AutoScroll, TenthOfTheDistanceBeyondTheAnchor) {
    EXPECT_EQ(CMouseAnchorWnd::TickStep({56, -10}, true, true), QPoint(4, 0));
    EXPECT_EQ(CMouseAnchorWnd::TickStep({-116, 216}, true, true), QPoint(-10, 20));
    EXPECT_EQ(CMouseAnchorWnd::TickStep({-116, 216}, false, true), QPoint(0, 20));
}

}  // namespace
}  // namespace plx
