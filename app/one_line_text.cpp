#include "app/one_line_text.h"

namespace plx {
namespace {

bool IsSurrogate(char16_t c, char16_t low, char16_t high) {
    return c >= low && c <= high;
}

}  // namespace

bool HasUnfitCharacter(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029)
            return true;
        if (IsSurrogate(c, 0xDC00, 0xDFFF))
            return true;
        if (IsSurrogate(c, 0xD800, 0xDBFF)) {
            if (i + 1 == text.size() || !IsSurrogate(text[i + 1], 0xDC00, 0xDFFF))
                return true;
            ++i;
        }
    }
    return false;
}

}  // namespace plx
