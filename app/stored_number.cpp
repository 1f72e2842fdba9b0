#include "app/stored_number.h"

#include <charconv>
#include <cmath>

namespace plx {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// The longest prefix of the form [+-]digits[.digits][e[+-]digits] with at least one mantissa
// digit, in ASCII without the '+' (from_chars refuses it); empty when there is none.
std::string NumberPrefix(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    std::size_t digits = 0;
    const auto takeDigits = [&] {
        std::size_t taken = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++taken)
            number += static_cast<char>(text[i]);
        return taken;
    };
    digits += takeDigits();
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        ++i;
        digits += takeDigits();
    }
    if (digits == 0)
        return {};
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            exponent += static_cast<char>(text[j++]);
        const std::size_t start = j;
        for (; j < text.size() && IsDigit(text[j]); ++j)
            exponent += static_cast<char>(text[j]);
        if (j > start)
            number += exponent;
    }
    return number;
}

}  // namespace

std::optional<double> ReadStoredNumber(std::u16string_view text) {
    const std::string number = NumberPrefix(text);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double ParseStoredNumber(std::u16string_view text) {
    return ReadStoredNumber(text).value_or(0);
}

std::u16string FormatStoredNumber(double value) {
    // to_chars rather than printf: the Qt program runs under the user's locale, whose decimal
    // comma would make the stored text unreadable to the parser above.
    char buffer[512];  // the largest double has 309 integer digits
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (error != std::errc())
        return u"0.000000";
    return {buffer, end};
}

}  // namespace plx
