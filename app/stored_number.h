// Decimal numbers kept as texts in the settings store ("%f", six decimals).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plx {

// The decimal number at the start of the text, as the C library would read it ("31.5", " -7",
// "2e3", "12abc" is 12); none for an empty text, a text without a number, and a number that is not
// finite (nan, inf, 1e999).
std::optional<double> ReadStoredNumber(std::u16string_view text);
// The same, 0 where there is none.
double ParseStoredNumber(std::u16string_view text);

// The value with six decimals, as "%f" in the C locale: 5.5 is "5.500000".
std::u16string FormatStoredNumber(double value);

}  // namespace plx
