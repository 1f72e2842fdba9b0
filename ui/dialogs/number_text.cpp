#include "ui/dialogs/number_text.h"

#include <QLocale>

#include <cmath>

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

}  // namespace plx
