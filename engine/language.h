// The language of the calendar's own texts: month and weekday names, events, portions, times.
#pragma once

#include <string_view>

namespace plx {

enum class Language : int { kHebrew = 0, kEnglish = 1 };

// The code "he" chooses Hebrew, every other code English.
constexpr Language LanguageOfCode(std::u16string_view code) {
    return code == u"he" ? Language::kHebrew : Language::kEnglish;
}

// The language of the program's windows, for texts whose wording follows the window while the
// calendar's words inside them exist only in Hebrew and English: a window in any other language
// gets the Hebrew wording with the English calendar words.
enum class InterfaceLanguage : int { kHebrew, kEnglish, kOther };

constexpr InterfaceLanguage InterfaceLanguageOfCode(std::u16string_view code) {
    if (code == u"he")
        return InterfaceLanguage::kHebrew;
    return code == u"en" ? InterfaceLanguage::kEnglish : InterfaceLanguage::kOther;
}

}  // namespace plx
