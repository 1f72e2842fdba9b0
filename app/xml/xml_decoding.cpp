#include "app/xml/xml_decoding.h"

#include <QStringDecoder>

namespace plx {

namespace {

constexpr QByteArrayView kUtf16LeMark("\xFF\xFE", 2);
constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);

// The 8-bit code page of Hebrew Windows, where language files without a byte-order mark that are
// not UTF-8 come from.
constexpr const char* kLegacyCodePage = "windows-1255";

std::optional<QString> DecodeStrictly(QStringDecoder&& decoder, QByteArrayView bytes) {
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

QString Utf16LeText(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf16LeMark)) {
        bytes = bytes.sliced(kUtf16LeMark.size());
    }
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = QChar(static_cast<char16_t>(high << 8 | low));
    }
    return text;
}

}  // namespace

bool LooksLikeUtf16Le(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf16LeMark)) {
        return true;
    }
    if (bytes.size() < 2 || bytes.size() % 2 != 0) {
        return false;
    }
    // Text files in 8-bit encodings hold no zero bytes. In UTF-16LE every ASCII character (all of
    // the markup) has a zero high byte, while a zero low byte is rare.
    qsizetype zeroLow = 0;
    qsizetype zeroHigh = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        zeroLow += bytes[i] == 0;
        zeroHigh += bytes[i + 1] == 0;
    }
    const qsizetype units = bytes.size() / 2;
    return zeroHigh * 4 >= units && zeroLow * 4 < zeroHigh;
}

std::optional<QString> DecodeXmlBytes(QByteArrayView bytes) {
    if (LooksLikeUtf16Le(bytes)) {
        return Utf16LeText(bytes);
    }
    if (bytes.startsWith(kUtf8Mark)) {
        return DecodeStrictly(QStringDecoder(QStringDecoder::Utf8), bytes.sliced(kUtf8Mark.size()));
    }
    if (std::optional<QString> text =
            DecodeStrictly(QStringDecoder(QStringDecoder::System), bytes)) {
        return text;
    }
    return DecodeStrictly(QStringDecoder(kLegacyCodePage), bytes);
}

}  // namespace plx
