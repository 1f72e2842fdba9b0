#include "reports/painter_surface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "reports/report_font.h"

namespace plx {

PainterSurface::PainterSurface(QPainter& painter, int dpiX, int dpiY)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY) {
    PinTahomaFont();
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    // A device's default font: 10 points.
    setFont({PointsToUnits(*this, 10, Axis::Vertical), QFont::Normal});
    ApplyPen();
    painter_.setBrush(Qt::white);
}

PainterSurface::~PainterSurface() {
    painter_.restore();
}

const PainterSurface::LoadedFont& PainterSurface::Loaded(const ReportFont& font) {
    for (const LoadedFont& loaded : fonts_) {
        if (loaded.key == font)
            return loaded;
    }
    const QFont qfont = ReportQFont(font);
    fonts_.push_back({font, qfont, QFontMetricsF(qfont)});
    return fonts_.back();
}

void PainterSurface::setFont(const ReportFont& font) {
    font_ = font;
    loaded_ = &Loaded(font);
    painter_.setFont(loaded_->font);
}

std::int32_t PainterSurface::LineWidth(const QString& line) const {
    return static_cast<std::int32_t>(std::ceil(loaded_->metrics.horizontalAdvance(line)));
}

ReportSize PainterSurface::textExtent(const QString& text) const {
    return {LineWidth(text), font_.height};
}

ReportRect PainterSurface::boundingRect(const QString& text, const ReportRect& rect,
                                        TextOptions options) {
    const LineMeasure measure = [this](const QString& line) { return LineWidth(line); };
    return FittedTextRect(rect, FittedLines(text, options, rect.width(), measure), font_.height,
                          measure);
}

void PainterSurface::drawText(const QString& text, const ReportRect& rect, TextOptions options) {
    const QStringList lines = FittedLines(text, options, rect.width(),
                                          [this](const QString& line) { return LineWidth(line); });
    const std::int32_t lineHeight = font_.height;
    const auto count = static_cast<int>(lines.size());
    painter_.save();
    painter_.setClipRect(QRect(rect.left, rect.top, rect.width(), rect.height()),
                         Qt::IntersectClip);
    painter_.setLayoutDirection(options.testFlag(TextOption::RightToLeft) ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);
    const qreal ascent = loaded_->metrics.ascent();
    std::int32_t top = FirstLineTop(rect, count, lineHeight, options);
    for (const QString& line : lines) {
        if (top >= rect.bottom)
            break;
        const std::int32_t width = LineWidth(line);
        const std::int32_t left = LineLeft(rect, width, options);
        if (background_ == Qt::OpaqueMode)
            painter_.fillRect(QRect(left, top, width, lineHeight), Qt::white);
        painter_.drawText(QPointF(left, top + ascent), line);
        top += lineHeight;
    }
    painter_.restore();
}

void PainterSurface::ApplyPen() {
    // One unit or less is the thinnest line the device draws, as a printer draws it.
    QPen pen(Qt::black, penWidth_ <= 1 ? 0 : penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter_.setPen(pen);
}

void PainterSurface::setPenWidth(std::int32_t width) {
    penWidth_ = width;
    ApplyPen();
}

void PainterSurface::moveTo(std::int32_t x, std::int32_t y) {
    current_ = QPoint(x, y);
}

void PainterSurface::lineTo(std::int32_t x, std::int32_t y) {
    const QPoint to(x, y);
    painter_.drawLine(current_, to);
    current_ = to;
}

void PainterSurface::setBrush(ReportBrush brush) {
    brush_ = brush;
    painter_.setBrush(brush == ReportBrush::Hollow ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
}

void PainterSurface::drawRectangle(const ReportRect& rect) {
    // The outline runs inside the rectangle, whose right and bottom edges are exclusive.
    painter_.drawRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
}

}  // namespace plx
