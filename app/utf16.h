// Between the engine's UTF-16 texts and Qt's strings, without a copy where none is needed.
#pragma once

#include <QString>

#include <string_view>

namespace plx {

inline QString FromUtf16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A view of the string's characters; valid while the string lives unchanged.
inline std::u16string_view ToUtf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace plx
