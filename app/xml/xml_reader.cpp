#include "app/xml/xml_reader.h"

#include "app/xml/xml_decoding.h"
#include "app/xml/xml_entities.h"
#include "app/xml/xml_tokenizer.h"

#include <QFile>
#include <QFileInfo>

namespace plx {

namespace {

using Kind = XmlToken::Kind;
using NodePtr = std::shared_ptr<XmlNodeData>;

void AddChild(XmlNodeData& node, NodePtr child) {
    node.order.push_back({XmlItem::Kind::Child, static_cast<int>(node.children.size())});
    node.children.push_back(std::move(child));
}

void AddClearSection(XmlNodeData& node, const XmlToken& token) {
    node.order.push_back(
        {XmlItem::Kind::ClearSection, static_cast<int>(node.clearSections.size())});
    node.clearSections.push_back(
        {token.inner.toString(), token.opening.toString(), token.closing.toString()});
}

// Text split only by a comment is one text: "Good <!-- note --> morning" reads "Goodmorning",
// and the comment is dropped.
void AddText(XmlNodeData& node, QString text) {
    const std::size_t n = node.order.size();
    if (n >= 2 && node.order[n - 2].kind == XmlItem::Kind::Text &&
        node.order[n - 1].kind == XmlItem::Kind::ClearSection &&
        node.clearSections.back().opening == u"<!--") {
        node.clearSections.pop_back();
        node.order.pop_back();
        node.texts.back() += text;
        return;
    }
    node.order.push_back({XmlItem::Kind::Text, static_cast<int>(node.texts.size())});
    node.texts.push_back(std::move(text));
}

// "?>" closes a declaration: the `?` belongs to no attribute.
void DropTrailingQuestionMark(QString& text) {
    if (text.endsWith(u'?')) {
        text.chop(1);
    }
}

bool IsEndTagDelimiter(QChar c) {
    return IsXmlWhiteSpace(c.unicode()) || c == u'/' || c == u'<' || c == u'=' || c == u'>';
}

class XmlParser {
public:
    explicit XmlParser(QStringView text) : tokens_(text) { open_.push_back(document_); }

    XmlParseResult Run();

private:
    // These return false when the parse has failed; the error is then in error_.
    bool ReadStartTag(bool declaration);
    bool ReadEndTag();
    bool StorePendingText();

    bool Fail(XmlError error) {
        error_ = error;
        return false;
    }
    bool EndTagCloses(const XmlNodeData& element, qsizetype at) const;
    bool AnyOpenElement() const;
    XmlParseResult Finish();

    XmlTokenizer tokens_;
    NodePtr document_ = std::make_shared<XmlNodeData>();
    std::vector<NodePtr> open_;  // the document node, then every element still open, innermost last
    XmlError error_ = XmlError::None;
    qsizetype pendingBegin_ = -1;  // content text not stored yet, as a range of the document
    qsizetype pendingEnd_ = 0;
};

XmlParseResult XmlParser::Run() {
    for (;;) {
        const XmlToken token = tokens_.Next();
        switch (token.kind) {
            case Kind::TagOpen:
            case Kind::DeclarationOpen:
                if (!StorePendingText() || !ReadStartTag(token.kind == Kind::DeclarationOpen)) {
                    return Finish();
                }
                break;
            case Kind::EndTagOpen:
                if (!StorePendingText() || !ReadEndTag()) {
                    return Finish();
                }
                break;
            case Kind::ClearSection:
                if (!StorePendingText()) {
                    return Finish();
                }
                AddClearSection(*open_.back(), token);
                break;
            case Kind::UnclosedSection:
                Fail(XmlError::UnclosedSection);
                return Finish();
            case Kind::End:
                if (StorePendingText() && AnyOpenElement()) {
                    error_ = XmlError::MissingEndTag;
                }
                return Finish();
            default:  // text, quoted text, `=`, `>` and `/>` in content are all text
                if (pendingBegin_ < 0) {
                    pendingBegin_ = token.begin;
                }
                pendingEnd_ = token.end;
                break;
        }
    }
}

bool XmlParser::ReadStartTag(bool declaration) {
    const XmlToken nameToken = tokens_.Next();
    if (nameToken.kind != Kind::Text) {
        return Fail(XmlError::MissingTagName);
    }
    if (open_.size() > static_cast<std::size_t>(kMaxXmlDepth)) {
        return Fail(XmlError::TooDeeplyNested);
    }
    auto element = std::make_shared<XmlNodeData>();
    element->name = nameToken.inner.toString();
    element->isDeclaration = declaration;
    element->parent = open_.back();
    AddChild(*open_.back(), element);
    std::vector<XmlAttribute>& attributes = element->attributes;

    // Attributes: name, then optionally `=` and a value; a name followed by anything else has no
    // value.
    enum class State { WaitingForName, AfterName, AfterEquals };
    State state = State::WaitingForName;
    QString pendingName;
    for (;;) {
        const XmlToken token = tokens_.Next();
        const bool endsTag = token.kind == Kind::TagClose || token.kind == Kind::ShortClose;
        if (state == State::AfterEquals) {
            if (token.kind != Kind::Text && token.kind != Kind::Quoted) {
                return Fail(XmlError::UnexpectedToken);
            }
            std::optional<QString> value = DecodeXmlEntities(token.inner);
            if (!value) {
                return Fail(XmlError::BadCharacterReference);
            }
            attributes.push_back({pendingName, std::move(value)});
            state = State::WaitingForName;
        } else if (token.kind == Kind::Text) {
            if (state == State::AfterName) {
                attributes.push_back({pendingName, std::nullopt});
            }
            pendingName = token.inner.toString();
            state = State::AfterName;
        } else if (state == State::AfterName && token.kind == Kind::Equals) {
            state = State::AfterEquals;
        } else if (endsTag) {
            if (state == State::AfterName) {
                if (declaration) {
                    DropTrailingQuestionMark(pendingName);
                }
                if (!pendingName.isEmpty()) {
                    attributes.push_back({pendingName, std::nullopt});
                }
            } else if (declaration && !attributes.empty() && attributes.back().value) {
                DropTrailingQuestionMark(*attributes.back().value);
            }
            // A declaration at the top of the document stays open and holds the rest of it; one
            // inside an element is a processing instruction, closed by its "?>".
            const bool empty = token.kind == Kind::ShortClose || (declaration && open_.size() > 1);
            if (!empty) {
                open_.push_back(std::move(element));
            }
            return true;
        } else {
            return Fail(XmlError::UnexpectedToken);
        }
    }
}

// The end tag closes the innermost element when the names match in any letter case. Otherwise
// that element is closed anyway (error 1) and the tag is tried on each enclosing one in turn.
bool XmlParser::ReadEndTag() {
    const XmlToken name = tokens_.Next();
    if (name.kind != Kind::Text || tokens_.Next().kind != Kind::TagClose) {
        return Fail(XmlError::MalformedEndTag);
    }
    for (std::size_t i = open_.size() - 1; i >= 1; --i) {
        if (EndTagCloses(*open_[i], name.begin)) {
            open_.resize(i);
            return true;
        }
        error_ = XmlError::MissingEndTag;
    }
    return Fail(XmlError::UnmatchedEndTag);
}

bool XmlParser::EndTagCloses(const XmlNodeData& element, qsizetype at) const {
    const QStringView name = *element.name;
    const QStringView rest = tokens_.Text().sliced(at);
    return rest.size() > name.size() && rest.startsWith(name, Qt::CaseInsensitive) &&
           IsEndTagDelimiter(rest[name.size()]);
}

// Content text runs from its first token to its last, so it has no white space at either end.
bool XmlParser::StorePendingText() {
    if (pendingBegin_ < 0) {
        return true;
    }
    const QStringView raw = tokens_.Text().sliced(pendingBegin_, pendingEnd_ - pendingBegin_);
    pendingBegin_ = -1;
    std::optional<QString> text = DecodeXmlEntities(raw);
    if (!text) {
        return Fail(XmlError::BadCharacterReference);
    }
    AddText(*open_.back(), std::move(*text));
    return true;
}

// A declaration at the top may stay open to the end; any other element may not.
bool XmlParser::AnyOpenElement() const {
    for (std::size_t i = 1; i < open_.size(); ++i) {
        if (!open_[i]->isDeclaration) {
            return true;
        }
    }
    return false;
}

XmlParseResult XmlParser::Finish() {
    const XmlNodeData& document = *document_;
    if (document.children.empty() && error_ == XmlError::None) {
        error_ = XmlError::NoElement;
    }
    const bool treeKept = error_ == XmlError::None || error_ == XmlError::MissingEndTag ||
                          error_ == XmlError::NoElement;
    if (!treeKept) {
        return {XmlNode(), error_};
    }
    const bool onlyOneElement =
        document.children.size() == 1 && document.texts.empty() && document.clearSections.empty();
    return {XmlNode(onlyOneElement ? document.children.front() : document_), error_};
}

}  // namespace

XmlParseResult ParseXmlText(QStringView text) {
    if (text.isNull()) {
        return {XmlNode(), XmlError::NoInput};
    }
    const qsizetype nul = text.indexOf(u'\0');
    if (nul >= 0) {
        text.truncate(nul);
    }
    return XmlParser(text).Run();
}

XmlParseResult ParseXmlBytes(QByteArrayView bytes) {
    if (bytes.isEmpty()) {
        return {XmlNode(), XmlError::EmptyFile};
    }
    const std::optional<QString> text = DecodeXmlBytes(bytes);
    if (!text) {
        return {XmlNode(), XmlError::CannotDecode};
    }
    if (text->isEmpty()) {  // nothing but a byte-order mark
        return {XmlNode(), XmlError::EmptyFile};
    }
    return ParseXmlText(*text);
}

XmlParseResult ParseXmlFile(const QString& path) {
    // Only a regular file (or a link to one): opening a FIFO would wait for a writer for ever, and
    // a device has no end.
    if (!QFileInfo(path).isFile())
        return {XmlNode(), XmlError::CannotOpenFile};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {XmlNode(), XmlError::CannotOpenFile};
    }
    const qint64 size = file.size();
    if (size == 0) {
        return {XmlNode(), XmlError::EmptyFile};
    }
    if (size > kMaxXmlFileSize) {
        return {XmlNode(), XmlError::CannotOpenFile};
    }
    const QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError) {
        return {XmlNode(), XmlError::CannotOpenFile};
    }
    return ParseXmlBytes(bytes);
}

}  // namespace plx
