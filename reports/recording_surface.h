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
    ReportRect rect;
    TextOptions options;
    bool measured = false;  // by boundingRect rather than drawn
    ReportFont font;
    QStringList lines;    // as laid out in the rectangle's width (broken, cut with an ellipsis)
    ReportRect occupied;  // the box the lines take where they are placed, before any clipping
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
    void setFont(const ReportFont& font) override { font_ = font; }
    ReportFont font() const override { return font_; }
    void drawText(const QString& text, const ReportRect& rect, TextOptions options) override;
    ReportRect boundingRect(const QString& text, const ReportRect& rect,
                            TextOptions options) override;
    ReportSize textExtent(const QString& text) const override;
    void setPenWidth(std::int32_t width) override { penWidth_ = width; }
    std::int32_t penWidth() const override { return penWidth_; }
    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;
    void setBrush(ReportBrush brush) override { brush_ = brush; }
    ReportBrush brush() const override { return brush_; }
    void drawRectangle(const ReportRect& rect) override;
    void setBackgroundMode(Qt::BGMode mode) override { background_ = mode; }
    Qt::BGMode backgroundMode() const override { return background_; }

    std::vector<RecordedText> texts;  // drawn and measured texts, in call order
    std::vector<RecordedLine> lines;
    std::vector<RecordedRectangle> rectangles;

private:
    QStringList Record(const QString& text, const ReportRect& rect, TextOptions options,
                       bool measured);

    int dpiX_;
    int dpiY_;
    ReportFont font_;
    std::int32_t penWidth_ = 1;
    ReportBrush brush_ = ReportBrush::White;
    Qt::BGMode background_ = Qt::OpaqueMode;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

}  // namespace plx
