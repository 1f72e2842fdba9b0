// A ReportSurface that draws nothing and remembers every call, with metrics that need no font:
// every character is half the font height wide and a line is the font height high. Tests read the
// layout of a page from it.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "reports/report_surface.h"

namespace plx {

struct RecordedText {
    QString text;
    ReportRect rect;  // as handed in (before DT_CALCRECT changes it)
    TextFlags flags = 0;
    ReportFont font;
    QStringList lines;  // as laid out in the rectangle's width (broken, cut with an ellipsis)
};

struct RecordedLine {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t penWidth = 0;
};

struct RecordedRectangle {
    ReportRect rect;
    std::int32_t penWidth = 0;
    ReportBrush brush = ReportBrush::White;
};

class RecordingSurface final : public ReportSurface {
public:
    // At 72 dots per inch a point is a unit.
    explicit RecordingSurface(int dpiX = 72, int dpiY = 72);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    ReportFont selectFont(const ReportFont& font) override;
    ReportFont currentFont() const override { return font_; }
    std::int32_t drawText(const QString& text, ReportRect& rect, TextFlags flags) override;
    ReportSize textExtent(const QString& text) const override;
    std::int32_t selectPen(std::int32_t width) override;
    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;
    ReportBrush selectBrush(ReportBrush brush) override;
    void drawRectangle(const ReportRect& rect) override;
    BackgroundMode setBackgroundMode(BackgroundMode mode) override;

    BackgroundMode backgroundMode() const { return background_; }
    std::int32_t penWidth() const { return penWidth_; }
    ReportBrush brush() const { return brush_; }

    std::vector<RecordedText> texts;  // drawn and measured (DT_CALCRECT) texts, in call order
    std::vector<RecordedLine> lines;
    std::vector<RecordedRectangle> rectangles;

private:
    int dpiX_;
    int dpiY_;
    ReportFont font_;
    std::int32_t penWidth_ = 1;
    ReportBrush brush_ = ReportBrush::White;
    BackgroundMode background_ = BackgroundMode::Opaque;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

}  // namespace plx
