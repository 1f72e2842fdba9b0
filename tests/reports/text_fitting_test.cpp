// How the surfaces fit text to a rectangle's width: breaking between words and cutting what does
// not fit with an ellipsis, in either reading direction.
#include <gtest/gtest.h>

#include "report_test_support.h"
#include "reports/recording_surface.h"
#include "reports/report_surface.h"

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

}  // namespace
}  // namespace plx
