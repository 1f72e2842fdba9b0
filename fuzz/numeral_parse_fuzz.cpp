// Numerals typed by the user: any UTF-16 text must parse to a number without overflow or a crash,
// and the numeral of any number in range must read back as that number.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/numerals.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    const int n = plx::ParseHebrewNumeral(text);
    if (n < 0)
        std::abort();
    if (n <= plx::kLargestHebrewNumeral &&
        plx::ParseHebrewNumeral(plx::HebrewNumeral(n).value()) != n)
        std::abort();
    return 0;
}
