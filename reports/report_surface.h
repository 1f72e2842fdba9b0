// What a report draws on: a page of integer surface units, y growing downwards, with the few
// operations a report needs (fonts, text in a rectangle, pens, lines, hollow rectangles). Every
// length a report uses is stated in points and converted by PointsToUnits on the surface's own
// resolution, so one drawing routine lays out the same page on the printer, in a PDF and in the
// preview.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace plx {

// A rectangle with an exclusive right and bottom edge: the width is right - left.
struct ReportRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    friend bool operator==(const ReportRect&, const ReportRect&) = default;
};

struct ReportSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const ReportSize&, const ReportSize&) = default;
};

// The text flags of drawText, with the values and meanings of the classic DrawText call, so that
// a report states its alignment the way its layout was designed. The set stays open: a surface
// honours the flags it knows and ignores the others.
using TextFlags = std::uint32_t;
inline constexpr TextFlags DT_LEFT = 0x0;             // lines start at the left edge
inline constexpr TextFlags DT_CENTER = 0x1;           // lines are centred horizontally
inline constexpr TextFlags DT_RIGHT = 0x2;            // lines end at the right edge
inline constexpr TextFlags DT_VCENTER = 0x4;          // a single line centred vertically
inline constexpr TextFlags DT_BOTTOM = 0x8;           // a single line on the bottom edge
inline constexpr TextFlags DT_WORDBREAK = 0x10;       // lines break between words to fit the width
inline constexpr TextFlags DT_SINGLELINE = 0x20;      // one line; line breaks are not honoured
inline constexpr TextFlags DT_CALCRECT = 0x400;       // draw nothing, fit the rectangle to the text
inline constexpr TextFlags DT_NOPREFIX = 0x800;       // "&" is an ordinary character
inline constexpr TextFlags DT_END_ELLIPSIS = 0x8000;  // a line that does not fit ends in "…"
inline constexpr TextFlags DT_RTLREADING = 0x20000;   // right-to-left paragraph direction
inline constexpr TextFlags DT_WORD_ELLIPSIS = 0x40000;  // a word that does not fit ends in "…"

// "Tahoma" with a cell height (ascent + descent, including internal leading) in surface units.
struct ReportFont {
    static constexpr int kNormal = 400;
    static constexpr int kBold = 700;

    std::int32_t height = 1;
    int weight = kNormal;
    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

// The default brush fills white; the hollow brush leaves a rectangle's inside alone.
enum class ReportBrush { White, Hollow };
// Opaque text fills its lines' background white first; transparent text does not.
enum class BackgroundMode { Opaque, Transparent };

enum class Axis { Horizontal, Vertical };

class ReportSurface {
public:
    virtual ~ReportSurface() = default;

    // Dots per inch of the surface (the printer's, in the preview too).
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // A length in device units as surface units; the surfaces here draw in device units.
    virtual std::int32_t deviceToSurface(std::int32_t length, Axis axis) const;

    // Selects the font and returns the one selected before, to be selected again when done.
    virtual ReportFont selectFont(const ReportFont& font) = 0;
    virtual ReportFont currentFont() const = 0;
    // Draws `text` into `rect` by `flags`; with DT_CALCRECT draws nothing and fits `rect` to the
    // text instead (widest line from the left edge, bottom after the last line). Returns the
    // height of the text.
    virtual std::int32_t drawText(const QString& text, ReportRect& rect, TextFlags flags) = 0;
    // The extent of one line in the current font.
    virtual ReportSize textExtent(const QString& text) const = 0;

    // A solid black pen of that width in surface units; returns the previous width.
    virtual std::int32_t selectPen(std::int32_t width) = 0;
    virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
    // A line from the current point to (x, y), which becomes the current point.
    virtual void lineTo(std::int32_t x, std::int32_t y) = 0;
    virtual ReportBrush selectBrush(ReportBrush brush) = 0;
    // The outline with the current pen, the inside by the current brush.
    virtual void drawRectangle(const ReportRect& rect) = 0;
    virtual BackgroundMode setBackgroundMode(BackgroundMode mode) = 0;
};

// trunc(dpi x points / 72) in single precision, dpi of the axis, then device to surface units.
// Each length is converted where it is used; sums are made of converted lengths.
std::int32_t PointsToUnits(const ReportSurface& surface, float points, Axis axis);

// ---- Text rules shared by the surfaces ---------------------------------------------------------

// The lines drawText lays out: one line without its line breaks for DT_SINGLELINE, else the text
// split at its line breaks. Tabs take no room (they are not expanded), and without DT_NOPREFIX an
// "&" marks the next character ("&&" is one "&").
QStringList TextLines(const QString& text, TextFlags flags);

// The width of a line in the current font, in surface units.
using LineMeasure = std::function<std::int32_t(const QString& line)>;

// The lines drawText shows in a rectangle `width` units wide: TextLines, then, with DT_WORDBREAK,
// each line broken between words so that it fits (a word wider than the rectangle is cut with an
// ellipsis under DT_WORD_ELLIPSIS, else carried on at the next line); under DT_WORD_ELLIPSIS
// every word that does not fit is cut with an ellipsis, under DT_END_ELLIPSIS every line. The
// ellipsis ends the text in reading order, so a right-to-left line shows it at its left end.
QStringList FittedLines(const QString& text, TextFlags flags, std::int32_t width,
                        const LineMeasure& measure);

// Where the lines of a text go by the alignment flags: the top of the first line, and the left
// edge of a line of the given width.
std::int32_t FirstLineTop(const ReportRect& rect, int lineCount, std::int32_t lineHeight,
                          TextFlags flags);
std::int32_t LineLeft(const ReportRect& rect, std::int32_t lineWidth, TextFlags flags);
// The rectangle DT_CALCRECT gives: from rect's top left, the widest line wide, all lines high.
ReportRect FittedTextRect(const ReportRect& rect, std::int32_t widestLine, int lineCount,
                          std::int32_t lineHeight);

}  // namespace plx
