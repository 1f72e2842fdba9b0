#include "app/number_text.h"

#include <QLocale>

#include <climits>
#include <cmath>

#include "engine/calendar.h"
#include "engine/numerals.h"

namespace plx {

QChar DecimalSeparator() {
    static const QChar separator = [] {
        const QString point = QLocale::system().decimalPoint();
        return point.isEmpty() ? QChar(u'.') : point.front();
    }();
    return separator;
}

QString FilterNumberText(const QString& text, bool allowDecimal) {
    const QChar separator = DecimalSeparator();
    QString kept;
    bool separatorKept = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) {
            kept += c;
        } else if (c == separator && allowDecimal && !separatorKept) {
            kept += c;
            separatorKept = true;
        } else if (c == u'-' && i == 0) {
            kept += c;
        }
    }
    return kept;
}

double ParseDecimalText(const QString& text) {
    QString plain = text;
    plain.replace(DecimalSeparator(), u'.');
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

QString FormatDecimalText(double value) {
    return QString::asprintf("%f", value).replace(u'.', DecimalSeparator());
}

int ParseIntegerText(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

DegreesMinutesSeconds ToDegreesMinutesSeconds(double angle) {
    constexpr double kMostDegrees = 2147483647.0;
    const double whole = std::trunc(angle);
    if (std::fabs(whole) > kMostDegrees)
        return {whole < 0 ? -2147483647 : 2147483647, 0, 0};
    const long seconds = std::lround((angle - whole) * 3600);
    return {static_cast<int>(whole), static_cast<int>(std::labs(seconds / 60)),
            static_cast<int>(std::labs(seconds % 60))};
}

double FromDegreesMinutesSeconds(DegreesMinutesSeconds dms) {
    const double value =
        std::fabs(static_cast<double>(dms.degrees)) + dms.minutes / 60.0 + dms.seconds / 3600.0;
    return dms.degrees < 0 ? -value : value;
}

int ReadDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::optional<int> ReadTypedHebrewYear(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(QChar(0x05F3), u'\'').replace(QChar(0x05F4), u'"');
    text.remove(u'"');
    if (text.isEmpty() || text.size() > 16)
        return std::nullopt;
    int year = 0;
    bool digits = true;
    for (QChar c : text)
        digits = digits && c >= u'0' && c <= u'9';
    if (digits) {
        year = text.toInt();
    } else {
        for (QChar c : text) {
            if (c != u'\'' && (c < QChar(u'א') || c > QChar(u'ת')))
                return std::nullopt;
        }
        // One letter then the mark is a thousands digit (ו' is 6000); so is any mark that has
        // letters after it. A mark only at the end of several letters is a plain geresh.
        const qsizetype mark = text.indexOf(u'\'');
        const bool thousands = mark > 0 && (mark == 1 || mark + 1 < text.size());
        if (thousands) {
            text = text.left(mark + 1) + text.mid(mark + 1).remove(u'\'');
        } else {
            text.remove(u'\'');
        }
        const std::u16string_view letters(reinterpret_cast<const char16_t*>(text.utf16()),
                                          static_cast<std::size_t>(text.size()));
        year = ParseHebrewNumeral(letters);
        if (!thousands && year > 0 && year < 1000)
            year += 5000;
    }
    if (year < kFirstHebrewYear || year > kLastHebrewYear)
        return std::nullopt;
    return year;
}

int TypedMonthNumber(const QString& text) {
    if (text.isEmpty())
        return 0;
    const QChar last = text.back();
    if (last < u'0' || last > u'9')
        return 0;
    const int digit = last.unicode() - u'0';
    return text.size() == 2 ? digit + 10 : digit;
}

}  // namespace plx
