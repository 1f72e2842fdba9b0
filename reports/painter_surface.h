// A ReportSurface over a QPainter: the printer, a PDF writer, an image or the preview's canvas.
// The surface lays out for the resolution it is given (the printer's, also in the preview, where
// the painter's transform scales the page to the screen), and measures text without a device, so
// a page measures the same wherever it is drawn.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPoint>

#include <deque>

#include "reports/report_surface.h"

class QPainter;

namespace plx {

class PainterSurface final : public ReportSurface {
public:
    // `painter` is active; its state is saved here and restored when the surface goes.
    PainterSurface(QPainter& painter, int dpiX, int dpiY);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    void setFont(const ReportFont& font) override;
    ReportFont font() const override { return font_; }
    void drawText(const QString& text, const ReportRect& rect, TextOptions options) override;
    ReportRect boundingRect(const QString& text, const ReportRect& rect,
                            TextOptions options) override;
    ReportSize textExtent(const QString& text) const override;
    void setPenWidth(std::int32_t width) override;
    std::int32_t penWidth() const override { return penWidth_; }
    void moveTo(std::int32_t x, std::int32_t y) override;
    void lineTo(std::int32_t x, std::int32_t y) override;
    void setBrush(ReportBrush brush) override;
    ReportBrush brush() const override { return brush_; }
    void drawRectangle(const ReportRect& rect) override;
    void setBackgroundMode(Qt::BGMode mode) override { background_ = mode; }
    Qt::BGMode backgroundMode() const override { return background_; }

private:
    struct LoadedFont {
        ReportFont key;
        QFont font;
        QFontMetricsF metrics;
    };
    const LoadedFont& Loaded(const ReportFont& font);
    std::int32_t LineWidth(const QString& line) const;
    void ApplyPen();

    QPainter& painter_;
    int dpiX_;
    int dpiY_;
    std::deque<LoadedFont> fonts_;  // a page uses three or four; stays where it is put
    ReportFont font_;
    const LoadedFont* loaded_ = nullptr;
    std::int32_t penWidth_ = 1;
    ReportBrush brush_ = ReportBrush::White;
    Qt::BGMode background_ = Qt::OpaqueMode;
    QPoint current_;
};

}  // namespace plx
