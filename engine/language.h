// The language of the calendar's own texts: month and weekday names, events, portions, times.
#pragma once

#include <string_view>

namespace plx {

enum class Language : int { kHebrew = 0, kEnglish = 1 };

// The code "he" chooses Hebrew, every other code English.
constexpr Language LanguageOfCode(std::u16string_view code) {
    return code == u"he" ? Language::kHebrew : Language::kEnglish;
}

}  // namespace plx
