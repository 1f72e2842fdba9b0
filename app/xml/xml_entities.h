// Character references and the five named entities of XML text and attribute values.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace plx {

// Replaces every reference in `raw`: "&amp;" "&lt;" "&gt;" "&quot;" "&apos;" (any letter case),
// "&#DDD;" and "&#xHHH;". Absent when a reference is unknown or malformed; a bare `&` is one.
std::optional<QString> DecodeXmlEntities(QStringView raw);

}  // namespace plx
