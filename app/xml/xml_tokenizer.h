// The token scanner under the XML reader: markup punctuation, text runs, quoted values and the
// sections kept raw (CDATA, DOCTYPE, comments, PRE).
#pragma once

#include <QStringView>

namespace plx {

struct XmlToken {
    enum class Kind {
        End,              // end of the text, or an embedded NUL
        TagOpen,          // <
        EndTagOpen,       // </
        DeclarationOpen,  // <?
        TagClose,         // >
        ShortClose,       // />
        Equals,           // =
        Text,             // a run up to white space, <, =, > or />
        Quoted,           // "..." or '...'; `inner` is the text between the quotes
        ClearSection,     // a raw section; `inner` is its content
        UnclosedSection,  // a raw section opener without its closing marker
    };
    Kind kind = Kind::End;
    qsizetype begin = 0;  // the token's place in the document text
    qsizetype end = 0;
    QStringView inner;
    QStringView opening;  // the markers of a clear section
    QStringView closing;
};

class XmlTokenizer {
public:
    explicit XmlTokenizer(QStringView text) : text_(text) {}

    XmlToken Next();
    QStringView Text() const { return text_; }

private:
    char16_t At(qsizetype i) const { return i < text_.size() ? text_[i].unicode() : u'\0'; }
    void SkipWhiteSpace();
    bool IsTextEnd(qsizetype i) const;
    XmlToken TextRun(qsizetype begin, qsizetype scanFrom);
    XmlToken Quoted(qsizetype begin);
    XmlToken ClearSection(qsizetype begin, QStringView opening, QStringView closing);
    XmlToken Punctuation(XmlToken::Kind kind, qsizetype length);

    QStringView text_;
    qsizetype pos_ = 0;
};

inline bool IsXmlWhiteSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

}  // namespace plx
