// Turns the bytes of an XML file into text, whatever encoding the file was saved in.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace plx {

// True when the bytes look like UTF-16 little-endian text: a byte-order mark FF FE, or markup
// whose high bytes are mostly zero while its low bytes are not.
bool LooksLikeUtf16Le(QByteArrayView bytes);

// UTF-16LE (by the test above, byte-order mark dropped), else UTF-8 after its byte-order mark,
// else the system encoding (UTF-8) or, when the bytes are no valid UTF-8, the Hebrew Windows
// code page the older language files were saved in. The encoding named in the XML declaration is
// not consulted. Absent when the bytes cannot be decoded.
std::optional<QString> DecodeXmlBytes(QByteArrayView bytes);

}  // namespace plx
