#include "reports/report_surface.h"

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

QStringList TextLines(const QString& text, TextOptions options) {
    QString shown = options.testFlag(TextOption::NoMnemonic) ? text : WithoutPrefixes(text);
    shown.remove(QLatin1Char('\t'));
    // The program breaks lines with "\n"; a text read from a file may still carry "\r\n".
    shown.remove(QLatin1Char('\r'));
    if (options.testFlag(TextOption::SingleLine)) {
        shown.remove(QLatin1Char('\n'));
        return {shown};
    }
    return shown.split(QLatin1Char('\n'));
}

namespace {

constexpr QChar kEllipsis(0x2026);

// The longest beginning of `text` that fits `width` with an ellipsis after it, with the ellipsis;
// the ellipsis alone when not even one character fits.
QString CutWithEllipsis(const QString& text, std::int32_t width, const LineMeasure& measure) {
    for (qsizetype length = text.size() - 1; length > 0; --length) {
        QString cut = text.left(length).trimmed() + kEllipsis;
        if (measure(cut) <= width)
            return cut;
    }
    return QString(kEllipsis);
}

// `text` as it is, or cut with an ellipsis when it is wider than `width`.
QString Fitted(const QString& text, std::int32_t width, const LineMeasure& measure) {
    return text.isEmpty() || measure(text) <= width ? text : CutWithEllipsis(text, width, measure);
}

// Breaks a word wider than `width` between characters: every piece but the last fills a line.
QStringList BrokenWord(const QString& word, std::int32_t width, const LineMeasure& measure) {
    QStringList pieces;
    QString rest = word;
    // A single character that does not fit has a line of its own.
    while (rest.size() > 1 && measure(rest) > width) {
        qsizetype length = 1;
        while (length + 1 < rest.size() && measure(rest.left(length + 1)) <= width)
            ++length;
        pieces += rest.left(length);
        rest = rest.mid(length);
    }
    pieces += rest;
    return pieces;
}

// One line of the text broken between words, as many words to a line as fit.
QStringList WrappedLine(const QString& line, std::int32_t width, bool cutWords,
                        const LineMeasure& measure) {
    QStringList wrapped;
    QString current;
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList pieces =
            cutWords ? QStringList{Fitted(word, width, measure)} : BrokenWord(word, width, measure);
        for (const QString& piece : pieces) {
            const QString joined = current.isEmpty() ? piece : current + QLatin1Char(' ') + piece;
            if (current.isEmpty() || measure(joined) <= width) {
                current = joined;
            } else {
                wrapped += current;
                current = piece;
            }
        }
    }
    wrapped += current;
    return wrapped;
}

}  // namespace

QStringList FittedLines(const QString& text, TextOptions options, std::int32_t width,
                        const LineMeasure& measure) {
    QStringList lines;
    const bool cutWords = options.testFlag(TextOption::ElideWords);
    for (const QString& line : TextLines(text, options)) {
        if (options.testFlag(TextOption::WordWrap) && !options.testFlag(TextOption::SingleLine))
            lines += WrappedLine(line, width, cutWords, measure);
        else
            lines += line;
    }
    if (options.testAnyFlags(TextOption::ElideLines | TextOption::ElideWords)) {
        for (QString& line : lines)
            line = Fitted(line, width, measure);
    }
    return lines;
}

std::int32_t FirstLineTop(const ReportRect& rect, int lineCount, std::int32_t lineHeight,
                          TextOptions options) {
    if (!options.testFlag(TextOption::SingleLine) || lineCount != 1)
        return rect.top;
    if (options.testFlag(TextOption::AlignBottom))
        return rect.bottom - lineHeight;
    if (options.testFlag(TextOption::AlignVCenter))
        return rect.top + (rect.height() - lineHeight) / 2;
    return rect.top;
}

std::int32_t LineLeft(const ReportRect& rect, std::int32_t lineWidth, TextOptions options) {
    if (options.testFlag(TextOption::AlignHCenter))
        return rect.left + (rect.width() - lineWidth) / 2;
    if (options.testFlag(TextOption::AlignRight))
        return rect.right - lineWidth;
    return rect.left;
}

ReportRect FittedTextRect(const ReportRect& rect, const QStringList& lines, std::int32_t lineHeight,
                          const LineMeasure& measure) {
    std::int32_t widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, measure(line));
    const auto count = static_cast<std::int32_t>(lines.size());
    return {rect.left, rect.top, rect.left + widest, rect.top + count * lineHeight};
}

}  // namespace plx
