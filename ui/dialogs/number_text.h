// The numbers of the location dialog as text: what its numeric fields keep of a text, the
// numbers they stand for in the user's notation, and an angle's degrees, minutes and seconds.
#pragma once

#include <QChar>
#include <QString>

namespace plx {

// The first character of the user locale's decimal separator, a period when it gives none; read
// once for every field.
QChar DecimalSeparator();

// Digits; the first decimal separator (when decimals are allowed); a "-" only as the first
// character. Everything else is dropped.
QString FilterNumberText(const QString& text, bool allowDecimal);

// The number a field's text stands for in the locale's notation; 0 when empty or not a number.
double ParseDecimalText(const QString& text);
// Six decimals, as "%f", with the locale's separator.
QString FormatDecimalText(double value);
// A signed whole number; 0 when empty or not one.
int ParseIntegerText(const QString& text);

// Degrees, minutes and seconds of a decimal angle: the degrees keep the sign and the minutes may
// reach 60 (31.9999999 is 31° 60′ 0″), as the fields show them.
struct DegreesMinutesSeconds {
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
};
DegreesMinutesSeconds ToDegreesMinutesSeconds(double angle);
// Negative when the degrees are; so a value between -1 and 0 has no such form.
double FromDegreesMinutesSeconds(DegreesMinutesSeconds dms);

}  // namespace plx
