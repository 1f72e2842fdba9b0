#include "app/xml/xml_entities.h"

#include <array>

namespace plx {

namespace {

struct NamedEntity {
    QStringView name;
    char16_t character;
};

constexpr std::array<NamedEntity, 5> kNamedEntities{{
    {u"&amp;", u'&'},
    {u"&lt;", u'<'},
    {u"&gt;", u'>'},
    {u"&quot;", u'"'},
    {u"&apos;", u'\''},
}};

constexpr char32_t kLastCodePoint = 0x10FFFF;

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool StartsWithIgnoringAsciiCase(QStringView text, QStringView prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (AsciiLower(text[i].unicode()) != AsciiLower(prefix[i].unicode())) {
            return false;
        }
    }
    return true;
}

int DigitValue(char16_t c, int base) {
    int value = -1;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < base ? value : -1;
}

// The digits between "&#" and ";", with an optional leading x for hexadecimal. An empty reference
// stands for code point 0. Values beyond Unicode are refused rather than wrapped into some other
// character.
std::optional<char32_t> NumericReferenceValue(QStringView digits) {
    int base = 10;
    if (!digits.isEmpty() && (digits.front() == u'x' || digits.front() == u'X')) {
        base = 16;
        digits = digits.mid(1);
    }
    char32_t value = 0;
    for (QChar c : digits) {
        const int digit = DigitValue(c.unicode(), base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + static_cast<char32_t>(digit);
        if (value > kLastCodePoint) {
            return std::nullopt;
        }
    }
    return value;
}

void AppendCodePoint(QString& out, char32_t value) {
    if (QChar::requiresSurrogates(value)) {
        out += QChar(QChar::highSurrogate(value));
        out += QChar(QChar::lowSurrogate(value));
    } else {
        out += QChar(static_cast<char16_t>(value));
    }
}

}  // namespace

std::optional<QString> DecodeXmlEntities(QStringView raw) {
    QString out;
    out.reserve(raw.size());
    qsizetype i = 0;
    while (i < raw.size()) {
        if (raw[i] != u'&') {
            out += raw[i++];
            continue;
        }
        const QStringView rest = raw.mid(i);
        if (rest.size() >= 3 && rest[1] == u'#') {
            const qsizetype semicolon = rest.indexOf(u';', 2);
            if (semicolon < 0) {
                return std::nullopt;
            }
            const std::optional<char32_t> value = NumericReferenceValue(rest.mid(2, semicolon - 2));
            if (!value) {
                return std::nullopt;
            }
            AppendCodePoint(out, *value);
            i += semicolon + 1;
            continue;
        }
        bool known = false;
        for (const NamedEntity& entity : kNamedEntities) {
            if (StartsWithIgnoringAsciiCase(rest, entity.name)) {
                out += QChar(entity.character);
                i += entity.name.size();
                known = true;
                break;
            }
        }
        if (!known) {
            return std::nullopt;
        }
    }
    return out;
}

}  // namespace plx
