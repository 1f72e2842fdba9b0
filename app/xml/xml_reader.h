// The reader of the program's language files: a small, lenient XML parser into an `XmlNode` tree.
//
// Lenient where hand-written files go wrong (end tags match in any letter case, attribute values
// may go unquoted, a stray `>` or `=` in content is text), strict where meaning would be lost (an
// unknown character reference fails the whole parse). No validation, no external entities.
#pragma once

#include "app/xml/xml_node.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace plx {

enum class XmlError {
    None = 0,
    MissingEndTag = 1,  // input ended inside an element, or an end tag skipped one
    NoElement = 2,      // the document holds no element
    EmptyFile = 3,
    MissingTagName = 4,   // `<` or `<?` without a name
    MalformedEndTag = 5,  // `</` not followed by a name and `>`
    UnmatchedEndTag = 6,  // an end tag that closes no open element
    UnclosedSection = 7,  // CDATA, DOCTYPE, comment or PRE without its closing marker
    UnexpectedToken = 8,  // e.g. `=` where an attribute name belongs, `<` inside a tag
    NoInput = 9,
    CannotOpenFile = 10,
    BadCharacterReference = 12,
    CannotDecode = 14,     // the bytes are in no encoding the reader knows
    TooDeeplyNested = 15,  // elements nested beyond kMaxXmlDepth
};

// Elements nested deeper than this fail the parse, so that a hostile file cannot exhaust the stack
// (releasing a tree recurses once per level). Language files are four levels deep.
inline constexpr int kMaxXmlDepth = 256;

// Files larger than this are refused unread (as "cannot open"): no language file comes near it.
inline constexpr qint64 kMaxXmlFileSize = 16 * 1024 * 1024;

// Errors 1 and 2 still come with the tree that was read; every other error with the empty handle.
struct XmlParseResult {
    XmlNode node;
    XmlError error = XmlError::None;
};

// Parses a document text. A NUL character ends the text. With one top-level element and nothing
// else beside it, that element is the result; otherwise the unnamed document node is (so a file
// that starts with an XML declaration yields the declaration, with the root element as its child).
// A null view is error 9.
XmlParseResult ParseXmlText(QStringView text);

// Decodes the bytes of a file (see DecodeXmlBytes) and parses them.
XmlParseResult ParseXmlBytes(QByteArrayView bytes);

// Reads the whole file at once and parses it; anything but a regular file cannot be opened.
XmlParseResult ParseXmlFile(const QString& path);

}  // namespace plx
