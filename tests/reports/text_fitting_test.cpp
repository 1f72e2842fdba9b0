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

QStringList Fit(const QString& text, TextFlags flags, std::int32_t width) {
    return FittedLines(text, flags, width, &TenEach);
}

TEST(FittedLines, WordBreakPutsAsManyWordsOnALineAsFit) {
    EXPECT_EQ(Fit(QStringLiteral("aa bb cc dd"), DT_WORDBREAK, 50),
              QStringList({QStringLiteral("aa bb"), QStringLiteral("cc dd")}));
    // Line breaks of the text are kept; a single line ignores both breaks and width.
    EXPECT_EQ(Fit(QStringLiteral("aa bb\ncc"), DT_WORDBREAK, 200),
              QStringList({QStringLiteral("aa bb"), QStringLiteral("cc")}));
    EXPECT_EQ(Fit(QStringLiteral("aa bb cc"), DT_WORDBREAK | DT_SINGLELINE, 30),
              QStringList({QStringLiteral("aa bb cc")}));
    // Without word break a line stays whole (and is clipped when drawn).
    EXPECT_EQ(Fit(QStringLiteral("aa bb cc"), 0, 30), QStringList({QStringLiteral("aa bb cc")}));
}

TEST(FittedLines, LongWordIsCarriedOnOrCutWithAnEllipsis) {
    EXPECT_EQ(Fit(QStringLiteral("abcdefgh ij"), DT_WORDBREAK, 30),
              QStringList({QStringLiteral("abc"), QStringLiteral("def"), QStringLiteral("gh"),
                           QStringLiteral("ij")}));
    EXPECT_EQ(Fit(QStringLiteral("abcdefgh ij"), DT_WORDBREAK | DT_WORD_ELLIPSIS, 30),
              QStringList({QStringLiteral("ab…"), QStringLiteral("ij")}));
    // Nothing fits: the ellipsis stands alone, or each character on a line of its own.
    EXPECT_EQ(Fit(QStringLiteral("abc"), DT_WORDBREAK | DT_WORD_ELLIPSIS, 5),
              QStringList({QStringLiteral("…")}));
    for (const std::int32_t width : {5, 0, -20}) {
        EXPECT_EQ(Fit(QStringLiteral("ab c"), DT_WORDBREAK, width),
                  QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    }
}

TEST(FittedLines, EndEllipsisCutsEveryLineThatDoesNotFit) {
    EXPECT_EQ(
        Fit(QStringLiteral("Sunrise\nSun\nCandle lighting"), DT_END_ELLIPSIS, 60),
        QStringList({QStringLiteral("Sunri…"), QStringLiteral("Sun"), QStringLiteral("Candl…")}));
    // A space before the cut is not kept before the ellipsis.
    EXPECT_EQ(Fit(QStringLiteral("ab cdef"), DT_END_ELLIPSIS, 40),
              QStringList({QStringLiteral("ab…")}));
}

TEST(FittedLines, RightToLeftTextIsCutAtItsLogicalEnd) {
    // The ellipsis follows the last kept letter, so a right-to-left line shows it at its left.
    EXPECT_EQ(Fit(QStringLiteral("שקיעת החמה"), DT_END_ELLIPSIS | DT_RTLREADING, 60),
              QStringList({QStringLiteral("שקיעת…")}));
    EXPECT_EQ(Fit(QStringLiteral("ראש השנה"), DT_WORDBREAK | DT_RTLREADING, 50),
              QStringList({QStringLiteral("ראש"), QStringLiteral("השנה")}));
}

TEST(RecordingSurface, RecordsTheFittedLinesAndMeasuresTheirHeight) {
    RecordingSurface surface;
    surface.selectFont({10, ReportFont::kNormal});  // five units a character
    ReportRect rect{0, 0, 30, 100};
    EXPECT_EQ(surface.drawText(QStringLiteral("aaa bbb ccc"), rect, DT_WORDBREAK), 30);
    EXPECT_EQ(surface.texts.back().lines.size(), 3);
    surface.drawText(QStringLiteral("aaa bbb ccc"), rect, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(rect, (ReportRect{0, 0, 15, 30}));
}

}  // namespace
}  // namespace plx
