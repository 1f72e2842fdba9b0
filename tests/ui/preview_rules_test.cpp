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

// An A4 page (794 x 1123 screen pixels at 96 dpi) in the 750 x 524 canvas of a new preview window,
// worked by hand: the ratio fits the page to the available height or width, and the paper's
// rectangle has a 3-pixel rim for its frame and shadow.
struct PageCase {
    const char* name;
    QSize paper;
    int pagesShown;
    int selectorWidth;
    int pageIndex;
    QSize available;
    QRect page;
};

constexpr QSize kA4(794, 1123);
constexpr QSize kA4Landscape(1123, 794);
const PageCase kPageCases[] = {
    // 734 x 508 available: 508 / 1123 makes the page 359 x 508.
    {"one page", kA4, 1, 0, 0, {734, 508}, {193, 6, 362, 511}},
    {"one page beside the page selector", kA4, 1, 16, 0, {718, 508}, {185, 6, 362, 511}},
    // 355 x 508 available: 355 / 794 makes each page 355 x 502; the second sits 363 further.
    {"first of two pages", kA4, 2, 16, 0, {355, 508}, {6, 8, 358, 505}},
    {"second of two pages", kA4, 2, 16, 1, {355, 508}, {369, 8, 358, 505}},
    // 508 / 794 makes the page 718 x 508.
    {"landscape", kA4Landscape, 1, 0, 0, {734, 508}, {13, 6, 721, 511}},
};

TEST(PreviewLayout, WholePagesCentredInTheCanvas) {
    for (const PageCase& c : kPageCases) {
        SCOPED_TRACE(c.name);
        const PreviewPageFrame frame =
            PreviewAvailableArea({750, 524}, c.pagesShown, c.selectorWidth);
        EXPECT_EQ(frame.available, c.available);
        const ScaleRatio ratio = WholePageRatio(c.paper, frame.available);
        EXPECT_EQ(PreviewPageRect(c.paper, ratio, kZoomWhole, frame, c.pageIndex), c.page);
    }
}

TEST(PreviewLayout, ZoomedPagesStartAtTheCorner) {
    const PreviewPageFrame frame = PreviewAvailableArea({750, 524}, 1, 0);
    // The middle step is halfway from 508 : 1123 to 1 : 1, 815 : 1123: 576 x 815 pixels.
    EXPECT_EQ(PreviewPageRect(kA4, ZoomedRatio({508, 1123}, 1), 1, frame, 0),
              QRect(8, 8, 579, 818));
    EXPECT_EQ(PreviewPageRect(kA4, {1, 1}, kZoomFull, frame, 0), QRect(8, 8, 797, 1126));
}

TEST(PreviewLayout, PageStepIsATenthOfTheRange) {
    EXPECT_EQ(PreviewPageStep(1, 1), 0);
    EXPECT_EQ(PreviewPageStep(1, 25), 3);
    EXPECT_EQ(PreviewPageStep(1, 2), 1);
}

TEST(PreviewWindow, OpensAtThePapersOwnSizeWhereTheScreenAllows) {
    const QSize chrome(60, 90);
    const QSize least(780, 200);
    // Room for the landscape sheet at 1 : 1.
    EXPECT_EQ(PreviewOpeningSize(kA4Landscape, chrome, {1880, 1040}, least), QSize(1183, 884));
    // A portrait sheet is as tall as the screen lets it be, its width in proportion; the band's
    // least width wins over a narrower page.
    EXPECT_EQ(PreviewOpeningSize(kA4, chrome, {1880, 1040}, least), QSize(780, 1040));
    EXPECT_EQ(PreviewOpeningSize(kA4, chrome, {1880, 1040}, {400, 200}), QSize(731, 1040));
    // A screen smaller than the frame alone leaves the least size.
    EXPECT_EQ(PreviewOpeningSize(kA4, chrome, {50, 50}, least), least);
    EXPECT_EQ(PreviewOpeningSize({}, chrome, {1880, 1040}, least), least);
}

struct PlaceCase {
    const char* name;
    std::optional<QRect> stored;
    QRect owner;
    QRect expected;
};

// Two screens side by side, the right one lower and smaller.
const std::vector<QRect> kScreens{{0, 0, 1920, 1040}, {1920, 200, 1280, 984}};

const PlaceCase kPlaceCases[] = {
    {"centred on its owner", std::nullopt, {600, 300, 400, 300}, {400, 150, 800, 600}},
    {"owner near the edge: kept on its screen",
     std::nullopt,
     {1700, 800, 300, 200},
     {1120, 440, 800, 600}},
    {"owner on the second screen", std::nullopt, {2400, 500, 300, 300}, {2150, 350, 800, 600}},
    {"no owner: the middle of the first screen", std::nullopt, {}, {560, 220, 800, 600}},
    {"where it was left", QRect(100, 50, 900, 700), {600, 300, 400, 300}, {100, 50, 900, 700}},
    {"left mostly on the second screen",
     QRect(1800, 300, 900, 700),
     {0, 0, 400, 300},
     {1920, 300, 900, 700}},
    {"left on a screen that is gone",
     QRect(-5000, 9000, 900, 700),
     {2400, 500, 300, 300},
     {1920, 484, 900, 700}},
    {"left larger than its screen",
     QRect(2000, 100, 2000, 2000),
     {0, 0, 400, 300},
     {1920, 200, 1280, 984}},
    {"an empty stored place is none",
     QRect(100, 100, 0, 0),
     {600, 300, 400, 300},
     {400, 150, 800, 600}},
};

TEST(PreviewWindow, PlacedOnAVisibleScreen) {
    for (const PlaceCase& c : kPlaceCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PreviewWindowRect(c.stored, {800, 600}, c.owner, kScreens), c.expected);
    }
}

TEST(PreviewPageNumbers, FilledInOrder) {
    EXPECT_EQ(FillPageNumbers(QStringLiteral("Page %u"), {3, 4}), QStringLiteral("Page 3"));
    EXPECT_EQ(FillPageNumbers(QStringLiteral("Pages %u-%u"), {3, 4}), QStringLiteral("Pages 3-4"));
    EXPECT_EQ(FillPageNumbers(QStringLiteral("עמודים %u-%u"), {12, 13}),
              QStringLiteral("עמודים 12-13"));
    EXPECT_EQ(FillPageNumbers(QStringLiteral("%u/%u/%u"), {1, 2}), QStringLiteral("1/2/%u"));
    EXPECT_EQ(FillPageNumbers(QStringLiteral("100% sure"), {1}), QStringLiteral("100% sure"));
    EXPECT_EQ(FillPageNumbers(QString(), {1}), QString());
}

TEST(AutoScroll, TenthOfTheDistanceBeyondTheAnchor) {
    EXPECT_EQ(CMouseAnchorWnd::TickStep({56, -10}, true, true), QPoint(4, 0));
    EXPECT_EQ(CMouseAnchorWnd::TickStep({-116, 216}, true, true), QPoint(-10, 20));
    EXPECT_EQ(CMouseAnchorWnd::TickStep({-116, 216}, false, true), QPoint(0, 20));
}

}  // namespace
}  // namespace plx
