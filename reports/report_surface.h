// What a report draws on: a page of integer surface units, y growing downwards, with the few
// operations a report needs (fonts, text in a rectangle, pens, lines, hollow rectangles). Every
// length a report uses is stated in points and converted by PointsToUnits on the surface's own
// resolution, so one drawing routine lays out the same page on the printer, in a PDF and in the
// preview.
#pragma once

#include <QFlags>
#include <QFont>
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

// How drawText lays a text out in its rectangle. A text of several lines runs from the
// rectangle's top: only a single line moves down by the vertical alignments.
enum class TextOption : std::uint32_t {
    AlignLeft = 0,           // lines start at the left edge: no option at all
    AlignHCenter = 1u << 0,  // lines are centred horizontally
    AlignRight = 1u << 1,    // lines end at the right edge
    AlignVCenter = 1u << 2,  // a single line centred vertically
    AlignBottom = 1u << 3,   // a single line on the bottom edge
    WordWrap = 1u << 4,      // lines break between words to fit the width
    SingleLine = 1u << 5,    // one line; line breaks are not honoured
    NoMnemonic = 1u << 6,    // "&" is an ordinary character rather than a mnemonic mark
    ElideLines = 1u << 7,    // a line that does not fit ends in "…"
    ElideWords = 1u << 8,    // a word that does not fit ends in "…"
    RightToLeft = 1u << 9,   // right-to-left paragraph direction
};
Q_DECLARE_FLAGS(TextOptions, TextOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TextOptions)

// "Tahoma" with a cell height (ascent + descent, including internal leading) in surface units.
struct ReportFont {
    std::int32_t height = 1;
    QFont::Weight weight = QFont::Normal;
    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

// The default brush fills white; the hollow brush leaves a rectangle's inside alone.
enum class ReportBrush { White, Hollow };

enum class Axis { Horizontal, Vertical };

class ReportSurface {
public:
    virtual ~ReportSurface() = default;

    // Dots per inch of the surface (the printer's, in the preview too).
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // A length in device units as surface units; the surfaces here draw in device units.
    virtual std::int32_t deviceToSurface(std::int32_t length, Axis axis) const;

    virtual void setFont(const ReportFont& font) = 0;
    virtual ReportFont font() const = 0;
    // Draws `text` into `rect` by `options`, clipped to the rectangle.
    virtual void drawText(const QString& text, const ReportRect& rect, TextOptions options) = 0;
    // The rectangle the text would take, drawn by `options` into `rect`: from its top left, the
    // widest line wide and all lines high.
    virtual ReportRect boundingRect(const QString& text, const ReportRect& rect,
                                    TextOptions options) = 0;
    // The extent of one line in the current font.
    virtual ReportSize textExtent(const QString& text) const = 0;

    // A solid black pen of that width in surface units.
    virtual void setPenWidth(std::int32_t width) = 0;
    virtual std::int32_t penWidth() const = 0;
    virtual void moveTo(std::int32_t x, std::int32_t y) = 0;
    // A line from the current point to (x, y), which becomes the current point.
    virtual void lineTo(std::int32_t x, std::int32_t y) = 0;
    virtual void setBrush(ReportBrush brush) = 0;
    virtual ReportBrush brush() const = 0;
    // The outline with the current pen, the inside by the current brush.
    virtual void drawRectangle(const ReportRect& rect) = 0;
    // Opaque text fills its lines' background white first; transparent text does not.
    virtual void setBackgroundMode(Qt::BGMode mode) = 0;
    virtual Qt::BGMode backgroundMode() const = 0;
};

// The surface's font while the scope lives (the one given, or the one it had), then the font it
// had before: the font part of QPainter's save and restore.
class FontScope {
public:
    explicit FontScope(ReportSurface& surface) : surface_(surface), saved_(surface.font()) {}
    FontScope(ReportSurface& surface, const ReportFont& font) : FontScope(surface) {
        surface.setFont(font);
    }
    ~FontScope() { surface_.setFont(saved_); }
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

private:
    ReportSurface& surface_;
    ReportFont saved_;
};

// The same for the pen and the brush.
class PenScope {
public:
    explicit PenScope(ReportSurface& surface)
        : surface_(surface), penWidth_(surface.penWidth()), brush_(surface.brush()) {}
    PenScope(ReportSurface& surface, std::int32_t penWidth, ReportBrush brush) : PenScope(surface) {
        surface.setPenWidth(penWidth);
        surface.setBrush(brush);
    }
    ~PenScope() {
        surface_.setBrush(brush_);
        surface_.setPenWidth(penWidth_);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    ReportSurface& surface_;
    std::int32_t penWidth_;
    ReportBrush brush_;
};

// trunc(dpi x points / 72) in single precision, dpi of the axis, then device to surface units.
// Each length is converted where it is used; sums are made of converted lengths.
std::int32_t PointsToUnits(const ReportSurface& surface, float points, Axis axis);

// ---- Text rules shared by the surfaces ---------------------------------------------------------

// The lines drawText lays out: one line without its line breaks for SingleLine, else the text
// split at its line breaks. Tabs take no room (they are not expanded), and without NoMnemonic an
// "&" marks the next character ("&&" is one "&").
QStringList TextLines(const QString& text, TextOptions options);

// The width of a line in the current font, in surface units.
using LineMeasure = std::function<std::int32_t(const QString& line)>;

// The lines drawText shows in a rectangle `width` units wide: TextLines, then, with WordWrap,
// each line broken between words so that it fits (a word wider than the rectangle is cut with an
// ellipsis under ElideWords, else carried on at the next line); under ElideWords every word that
// does not fit is cut with an ellipsis, under ElideLines every line. The ellipsis ends the text
// in reading order, so a right-to-left line shows it at its left end.
QStringList FittedLines(const QString& text, TextOptions options, std::int32_t width,
                        const LineMeasure& measure);

// Where the lines of a text go by the alignment options: the top of the first line, and the left
// edge of a line of the given width.
std::int32_t FirstLineTop(const ReportRect& rect, int lineCount, std::int32_t lineHeight,
                          TextOptions options);
std::int32_t LineLeft(const ReportRect& rect, std::int32_t lineWidth, TextOptions options);
// The rectangle boundingRect gives for the fitted lines: from rect's top left, the widest line
// wide, all lines high.
ReportRect FittedTextRect(const ReportRect& rect, const QStringList& lines, std::int32_t lineHeight,
                          const LineMeasure& measure);

}  // namespace plx
