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
    selectFont({PointsToUnits(*this, 10, Axis::Vertical), ReportFont::kNormal});
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

ReportFont PainterSurface::selectFont(const ReportFont& font) {
    const ReportFont previous = font_;
    font_ = font;
    loaded_ = &Loaded(font);
    painter_.setFont(loaded_->font);
    return previous;
}

std::int32_t PainterSurface::LineWidth(const QString& line) const {
    return static_cast<std::int32_t>(std::ceil(loaded_->metrics.horizontalAdvance(line)));
}

ReportSize PainterSurface::textExtent(const QString& text) const {
    return {LineWidth(text), font_.height};
}

std::int32_t PainterSurface::drawText(const QString& text, ReportRect& rect, TextFlags flags) {
    const QStringList lines = FittedLines(text, flags, rect.width(),
                                          [this](const QString& line) { return LineWidth(line); });
    const std::int32_t lineHeight = font_.height;
    const auto count = static_cast<int>(lines.size());
    if (flags & DT_CALCRECT) {
        std::int32_t widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, LineWidth(line));
        rect = FittedTextRect(rect, widest, count, lineHeight);
        return count * lineHeight;
    }
    painter_.save();
    painter_.setClipRect(QRect(rect.left, rect.top, rect.width(), rect.height()),
                         Qt::IntersectClip);
    painter_.setLayoutDirection((flags & DT_RTLREADING) ? Qt::RightToLeft : Qt::LeftToRight);
    const qreal ascent = loaded_->metrics.ascent();
    std::int32_t top = FirstLineTop(rect, count, lineHeight, flags);
    for (const QString& line : lines) {
        if (top >= rect.bottom)
            break;
        const std::int32_t width = LineWidth(line);
        const std::int32_t left = LineLeft(rect, width, flags);
        if (background_ == BackgroundMode::Opaque)
            painter_.fillRect(QRect(left, top, width, lineHeight), Qt::white);
        painter_.drawText(QPointF(left, top + ascent), line);
        top += lineHeight;
    }
    painter_.restore();
    return count * lineHeight;
}

void PainterSurface::ApplyPen() {
    // One unit or less is the thinnest line the device draws, as a printer draws it.
    QPen pen(Qt::black, penWidth_ <= 1 ? 0 : penWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter_.setPen(pen);
}

std::int32_t PainterSurface::selectPen(std::int32_t width) {
    const std::int32_t previous = penWidth_;
    penWidth_ = width;
    ApplyPen();
    return previous;
}

void PainterSurface::moveTo(std::int32_t x, std::int32_t y) {
    current_ = QPoint(x, y);
}

void PainterSurface::lineTo(std::int32_t x, std::int32_t y) {
    const QPoint to(x, y);
    painter_.drawLine(current_, to);
    current_ = to;
}

ReportBrush PainterSurface::selectBrush(ReportBrush brush) {
    const ReportBrush previous = brush_;
    brush_ = brush;
    painter_.setBrush(brush == ReportBrush::Hollow ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
    return previous;
}

void PainterSurface::drawRectangle(const ReportRect& rect) {
    // The outline runs inside the rectangle, whose right and bottom edges are exclusive.
    painter_.drawRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
}

BackgroundMode PainterSurface::setBackgroundMode(BackgroundMode mode) {
    const BackgroundMode previous = background_;
    background_ = mode;
    return previous;
}

}  // namespace plx
