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

// A run of Latin text (a file path, a zone id, an address) set into a sentence of either
// direction: kept whole and read left to right, its slashes and dots where they belong.
inline QString LeftToRightRun(const QString& run) {
    return QChar(0x2066) + run + QChar(0x2069);  // left-to-right isolate ... pop isolate
}

}  // namespace plx
