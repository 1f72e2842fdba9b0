#include "reports/report_surface.h"

#include <QRegularExpression>

#include <algorithm>

namespace plx {

std::int32_t ReportSurface::deviceToSurface(std::int32_t length, Axis) const {
    return length;
}

std::int32_t PointsToUnits(const ReportSurface& surface, float points, Axis axis) {
    const int dpi = axis == Axis::Horizontal ? surface.dpiX() : surface.dpiY();
    const auto device = static_cast<std::int32_t>(static_cast<float>(dpi) * points / 72.0f);
    return surface.deviceToSurface(device, axis);
}

namespace {

// "&x" shows as "x" and "&&" as "&"; the underline of a mnemonic is not drawn on paper.
QString WithoutPrefixes(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

}  // namespace

QStringList TextLines(const QString& text, TextFlags flags) {
    QString shown = (flags & DT_NOPREFIX) ? text : WithoutPrefixes(text);
    shown.remove(QLatin1Char('\t'));
    if (flags & DT_SINGLELINE) {
        shown.remove(QLatin1Char('\r'));
        shown.remove(QLatin1Char('\n'));
        return {shown};
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return shown.split(lineBreak);
}

std::int32_t FirstLineTop(const ReportRect& rect, int lineCount, std::int32_t lineHeight,
                          TextFlags flags) {
    if (!(flags & DT_SINGLELINE) || lineCount != 1)
        return rect.top;
    if (flags & DT_BOTTOM)
        return rect.bottom - lineHeight;
    if (flags & DT_VCENTER)
        return rect.top + (rect.height() - lineHeight) / 2;
    return rect.top;
}

std::int32_t LineLeft(const ReportRect& rect, std::int32_t lineWidth, TextFlags flags) {
    if (flags & DT_CENTER)
        return rect.left + (rect.width() - lineWidth) / 2;
    if (flags & DT_RIGHT)
        return rect.right - lineWidth;
    return rect.left;
}

ReportRect FittedTextRect(const ReportRect& rect, std::int32_t widestLine, int lineCount,
                          std::int32_t lineHeight) {
    return {rect.left, rect.top, rect.left + widestLine, rect.top + lineCount * lineHeight};
}

}  // namespace plx
