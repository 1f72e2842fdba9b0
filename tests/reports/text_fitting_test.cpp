// How the surfaces fit text to a rectangle's width: breaking between words and cutting what does
// not fit with an ellipsis, in either reading direction.
#include <gtest/gtest.h>

#include "report_test_support.h"
#include "reports/recording_surface.h"
#include "reports/report_surface.h"
#include "reports/text_fit.h"

namespace plx {
namespace {

// Ten units a character, the ellipsis included.
std::int32_t TenEach(const QString& line) {
    return static_cast<std::int32_t>(line.size()) * 10;
}

QStringList Fit(const QString& text, TextOptions options, std::int32_t width) {
    return FittedLines(text, options, width, &TenEach);
}

using enum TextOption;

struct FitCase {
    const char* what;
    const char* text;
    TextOptions options;
    std::int32_t width;
    QStringList lines;
};

void ExpectFits(std::initializer_list<FitCase> cases) {
    for (const FitCase& c : cases)
        EXPECT_EQ(Fit(QString::fromUtf8(c.text), c.options, c.width), c.lines) << c.what;
}

TEST(FittedLines, WordWrapPutsAsManyWordsOnALineAsFit) {
    ExpectFits({
        {"two words a line", "aa bb cc dd", WordWrap, 50, {"aa bb", "cc dd"}},
        {"the text's line breaks are kept", "aa bb\ncc", WordWrap, 200, {"aa bb", "cc"}},
        {"a single line ignores breaks and width",
         "aa bb cc",
         WordWrap | SingleLine,
         30,
         {"aa bb cc"}},
        {"without word wrap a line stays whole (and is clipped when drawn)",
         "aa bb cc",
         AlignLeft,
         30,
         {"aa bb cc"}},
    });
}

TEST(FittedLines, LongWordIsCarriedOnOrCutWithAnEllipsis) {
    ExpectFits({
        {"carried on", "abcdefgh ij", WordWrap, 30, {"abc", "def", "gh", "ij"}},
        {"cut", "abcdefgh ij", WordWrap | ElideWords, 30, {"ab…", "ij"}},
        {"nothing fits: the ellipsis alone", "abc", WordWrap | ElideWords, 5, {"…"}},
        // Nothing fits: each character on a line of its own.
        {"narrow", "ab c", WordWrap, 5, {"a", "b", "c"}},
        {"no width", "ab c", WordWrap, 0, {"a", "b", "c"}},
        {"negative width", "ab c", WordWrap, -20, {"a", "b", "c"}},
    });
}

TEST(FittedLines, ElideLinesCutsEveryLineThatDoesNotFit) {
    ExpectFits({
        {"each line", "Sunrise\nSun\nCandle lighting", ElideLines, 60, {"Sunri…", "Sun", "Candl…"}},
        {"a space before the cut is not kept before the ellipsis",
         "ab cdef",
         ElideLines,
         40,
         {"ab…"}},
    });
}

TEST(FittedLines, RightToLeftTextIsCutAtItsLogicalEnd) {
    // The ellipsis follows the last kept letter, so a right-to-left line shows it at its left.
    ExpectFits({
        {"cut", "שקיעת החמה", ElideLines | RightToLeft, 60, {"שקיעת…"}},
        {"wrapped", "ראש השנה", WordWrap | RightToLeft, 50, {"ראש", "השנה"}},
    });
}

TEST(RecordingSurface, RecordsTheFittedLinesAndMeasuresTheirHeight) {
    RecordingSurface surface;
    surface.setFont({10, QFont::Normal});  // five units a character
    const ReportRect rect{0, 0, 30, 100};
    surface.drawText(QStringLiteral("aaa bbb ccc"), rect, WordWrap);
    EXPECT_EQ(surface.texts.back().lines, (QStringList{"aaa", "bbb", "ccc"}));
    EXPECT_FALSE(surface.texts.back().measured);
    EXPECT_EQ(surface.boundingRect(QStringLiteral("aaa bbb ccc"), rect, WordWrap),
              (ReportRect{0, 0, 15, 30}));
    EXPECT_TRUE(surface.texts.back().measured);
}

TEST(LargestFittingHeight, TheLargestThatFitsBetweenTheFloorAndTheStart) {
    const auto upTo = [](std::int32_t limit) {
        return [limit](std::int32_t height) { return height <= limit; };
    };
    EXPECT_EQ(LargestFittingHeight(20, 6, upTo(30)), 20);
    EXPECT_EQ(LargestFittingHeight(20, 6, upTo(13)), 13);
    EXPECT_EQ(LargestFittingHeight(20, 6, upTo(6)), 6);
    EXPECT_EQ(LargestFittingHeight(20, 6, upTo(2)), 6);  // nothing fits: the floor
    EXPECT_EQ(LargestFittingHeight(5, 6, upTo(2)), 5);   // never above the start
}

// On the recording surface a character is half the font's height wide and a line is its height.
struct ShrinkCase {
    const char* what;
    const char* text;
    TextOptions options;
    ReportSize room;
    std::int32_t height;  // of the font the text is drawn in
    QStringList lines;
    bool whole;
};

TEST(FitText, WrapsThenShrinksToTheFloorThenCuts) {
    const ShrinkCase cases[] = {
        {"fits as it is", "aaaa bb", WordWrap, {40, 10}, 10, {"aaaa bb"}, true},
        {"wrapped in the same font", "aaaa bbbb", WordWrap, {25, 20}, 10, {"aaaa", "bbbb"}, true},
        // Three lines of 10 do not fit 25; two lines of 12 characters' width do at 8.
        {"smaller rather than a third line",
         "aaaa bbbb cc",
         WordWrap,
         {28, 25},
         8,
         {"aaaa", "bbbb cc"},
         true},
        {"a long word shrinks until it is whole",
         "abcdefgh",
         WordWrap,
         {32, 10},
         8,
         {"abcdefgh"},
         true},
        {"one line shrinks", "abcdefgh", SingleLine, {28, 10}, 7, {"abcdefgh"}, true},
        // At the floor of 6 (three units a character) only two lines of six characters fit: the
        // rest is left out and the last line shown ends in an ellipsis.
        {"cut at the floor",
         "aaaaa bbbbb ccccc ddddd",
         WordWrap,
         {18, 12},
         6,
         {"aaaaa", "bbbbb…"},
         false},
        {"a word cut at the floor", "abcdefghij", WordWrap, {18, 12}, 6, {"abcde…"}, false},
        {"an empty text", "", WordWrap, {0, 0}, 10, {""}, true},
    };
    for (const ShrinkCase& c : cases) {
        RecordingSurface surface;
        surface.setFont({10, QFont::Bold});
        const FittedText fitted = FitText(surface, QString::fromUtf8(c.text), c.options, c.room, 6);
        EXPECT_EQ(fitted.font, (ReportFont{c.height, QFont::Bold})) << c.what;
        EXPECT_EQ(fitted.lines, c.lines) << c.what;
        EXPECT_EQ(fitted.whole, c.whole) << c.what;
        EXPECT_EQ(surface.font(), (ReportFont{10, QFont::Bold})) << c.what;  // kept
    }
}

TEST(FitText, DrawsWhatWasCutWithoutMnemonicsInItsOwnFont) {
    RecordingSurface surface;
    surface.setFont({10, QFont::Normal});
    DrawFittedText(surface, QStringLiteral("R&D aaaaa bbbbb ccccc"), {0, 0, 18, 12},
                   WordWrap | AlignRight, 6);
    const RecordedText& drawn = surface.texts.back();
    EXPECT_EQ(drawn.lines, (QStringList{"RD", "aaaaa…"}));
    EXPECT_EQ(drawn.font.height, 6);
    EXPECT_TRUE(drawn.options.testFlag(NoMnemonic));
    EXPECT_EQ(drawn.occupied, (ReportRect{0, 0, 18, 12}));
    EXPECT_EQ(surface.font().height, 10);
}

}  // namespace
}  // namespace plx
