// The fixed texts of a window, in its Hebrew and its English layout side by side.
//
// Texts looked up at run time come from the language file; these are the texts a window carries
// in itself (group titles, captions, button texts), chosen once when the window is built.
#pragma once

#include <QString>

namespace plx {

struct LayoutText {
    const char16_t* hebrew;
    const char16_t* english;
};

inline QString LayoutString(const LayoutText& text, bool hebrewLayout) {
    return QString::fromUtf16(hebrewLayout ? text.hebrew : text.english);
}

}  // namespace plx
