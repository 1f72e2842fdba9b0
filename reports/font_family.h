// The one face every report, window and owner-drawn widget asks for.
#pragma once

#include <QString>

namespace plx {

inline const QString kFontFamily = QStringLiteral("Tahoma");

// Makes "Tahoma" resolve to an installed family with Hebrew glyphs; left to the font matcher it
// becomes a family without them. Safe to call more than once.
void PinTahomaFont();

}  // namespace plx
