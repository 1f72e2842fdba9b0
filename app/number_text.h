// Numbers as a person types them. The location dialog's numeric fields: what they keep of a
// text, the numbers they stand for in the user's notation, and an angle's degrees, minutes and
// seconds. The main window's date fields and month boxes: numbers, month numbers and Hebrew years.
#pragma once

#include <QChar>
#include <QString>

#include <optional>

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

// Leading blanks, an optional sign, then digits; 0 when there are none. Stops at the first
// other character and saturates at the limits of int.
int ReadDecimal(const QString& text);

// A Hebrew year as people type it, or nothing when the text names no year in 1..110999.
// Decimal digits are the year number. Letters with a thousands mark after the first letter
// (ה'תשפד, ו') are read as written; letters without one name a year of the current millennium
// (תשפד and תשפ"ד are 5784). The marks may be ASCII ' and " or the geresh and gershayim.
std::optional<int> ReadTypedHebrewYear(const QString& text);

// A month number typed into a month box: the last character as a digit, plus 10 when the text
// is exactly two characters long ("12" is December); 0 when the last character is no digit.
int TypedMonthNumber(const QString& text);

}  // namespace plx
