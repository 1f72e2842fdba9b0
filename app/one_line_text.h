// What a one-line text (a name, a note) may hold.
#pragma once

#include <string_view>

namespace plx {

// Whether the text holds a character a one-line text may not: a control character, a line or
// paragraph separator, or half of a surrogate pair.
bool HasUnfitCharacter(std::u16string_view text);

}  // namespace plx
