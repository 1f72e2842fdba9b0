#include "reports/text_fit.h"

#include <algorithm>

namespace plx {
namespace {

constexpr QChar kEllipsis(0x2026);

TextOptions WithoutCutting(TextOptions options) {
    options.setFlag(TextOption::ElideLines, false);
    options.setFlag(TextOption::ElideWords, false);
    return options;
}

bool Wraps(TextOptions options) {
    return options.testFlag(TextOption::WordWrap) && !options.testFlag(TextOption::SingleLine);
}

}  // namespace

std::int32_t LargestFittingHeight(std::int32_t start, std::int32_t floor,
                                  const std::function<bool(std::int32_t height)>& fits) {
    floor = std::min(floor, start);
    if (fits(start))
        return start;
    if (floor == start || !fits(floor))
        return floor;
    std::int32_t low = floor;  // fits
    std::int32_t high = start - 1;
    while (low < high) {
        const std::int32_t middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

std::int32_t LargestFittingFont(ReportSurface& surface, std::int32_t floor,
                                const std::function<bool()>& fits) {
    const FontScope kept(surface);
    const ReportFont start = surface.font();
    return LargestFittingHeight(start.height, floor, [&](std::int32_t height) {
        surface.setFont({height, start.weight});
        return fits();
    });
}

bool TextFits(const QString& text, TextOptions options, ReportSize room, std::int32_t lineHeight,
              const LineMeasure& measure) {
    if (text.trimmed().isEmpty())
        return true;
    if (Wraps(options)) {
        // A word broken inside, even without an ellipsis, is not whole.
        for (const QString& line : TextLines(text, options)) {
            for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                if (measure(word) > room.width)
                    return false;
            }
        }
    }
    const QStringList lines = FittedLines(text, WithoutCutting(options), room.width, measure);
    if (static_cast<std::int64_t>(lines.size()) * lineHeight > room.height)
        return false;
    return std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return measure(line) <= room.width; });
}

QStringList CutToRoom(const QString& text, TextOptions options, ReportSize room,
                      std::int32_t lineHeight, const LineMeasure& measure) {
    TextOptions cut = options | TextOption::ElideLines;
    if (Wraps(options))
        cut |= TextOption::ElideWords;
    QStringList lines = FittedLines(text, cut, room.width, measure);
    const qsizetype roomLines =
        lineHeight > 0 ? std::max<qsizetype>(0, room.height / lineHeight) : lines.size();
    if (lines.size() > roomLines) {
        lines.resize(roomLines);
        if (!lines.isEmpty() && !lines.last().endsWith(kEllipsis)) {
            lines.last() = FittedLines(lines.last() + kEllipsis,
                                       TextOption::SingleLine | TextOption::NoMnemonic |
                                           TextOption::ElideLines,
                                       room.width, measure)
                               .front();
        }
    }
    return lines;
}

FittedText FitText(ReportSurface& surface, const QString& text, TextOptions options,
                   ReportSize room, std::int32_t floor) {
    const LineMeasure measure = [&surface](const QString& line) {
        return surface.textExtent(line).width;
    };
    // Lines are a font's height apart on every surface.
    const auto fits = [&] { return TextFits(text, options, room, surface.font().height, measure); };
    const std::int32_t height = LargestFittingFont(surface, floor, fits);
    const FontScope kept(surface, {height, surface.font().weight});
    FittedText fitted;
    fitted.font = surface.font();
    fitted.whole = fits();
    fitted.lines = fitted.whole ? FittedLines(text, options, room.width, measure)
                                : CutToRoom(text, options, room, height, measure);
    return fitted;
}

void DrawFitted(ReportSurface& surface, const QString& text, const FittedText& fitted,
                const ReportRect& rect, TextOptions options) {
    const FontScope font(surface, fitted.font);
    if (fitted.whole)
        surface.drawText(text, rect, options);
    else
        surface.drawText(fitted.lines.join(QLatin1Char('\n')), rect,
                         options | TextOption::NoMnemonic);
}

FittedText DrawFittedText(ReportSurface& surface, const QString& text, const ReportRect& rect,
                          TextOptions options, std::int32_t floor) {
    const FittedText fitted = FitText(surface, text, options, {rect.width(), rect.height()}, floor);
    DrawFitted(surface, text, fitted, rect, options);
    return fitted;
}

}  // namespace plx
