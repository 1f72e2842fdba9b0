#include "app/xml/xml_tokenizer.h"

#include <array>

namespace plx {

namespace {

struct SectionMarkers {
    QStringView opening;
    QStringView closing;
};

// Matched exactly as written, before any other token.
constexpr std::array<SectionMarkers, 4> kSections{{
    {u"<![CDATA[", u"]]>"},
    {u"<!DOCTYPE", u">"},
    {u"<!--", u"-->"},
    {u"<PRE>", u"</PRE>"},
}};

XmlToken MakeToken(XmlToken::Kind kind, qsizetype begin, qsizetype end, QStringView inner = {}) {
    XmlToken token;
    token.kind = kind;
    token.begin = begin;
    token.end = end;
    token.inner = inner;
    return token;
}

}  // namespace

void XmlTokenizer::SkipWhiteSpace() {
    while (pos_ < text_.size() && IsXmlWhiteSpace(text_[pos_].unicode())) {
        ++pos_;
    }
}

bool XmlTokenizer::IsTextEnd(qsizetype i) const {
    const char16_t c = At(i);
    return c == u'\0' || IsXmlWhiteSpace(c) || c == u'<' || c == u'=' || c == u'>' ||
           (c == u'/' && At(i + 1) == u'>');
}

XmlToken XmlTokenizer::Next() {
    SkipWhiteSpace();
    const qsizetype begin = pos_;
    const QStringView rest = text_.mid(begin);
    for (const SectionMarkers& markers : kSections) {
        if (rest.startsWith(markers.opening)) {
            return ClearSection(begin, markers.opening, markers.closing);
        }
    }
    switch (At(begin)) {
        case u'\0':
            return MakeToken(XmlToken::Kind::End, begin, begin);
        case u'<':
            if (At(begin + 1) == u'/') {
                return Punctuation(XmlToken::Kind::EndTagOpen, 2);
            }
            if (At(begin + 1) == u'?') {
                return Punctuation(XmlToken::Kind::DeclarationOpen, 2);
            }
            return Punctuation(XmlToken::Kind::TagOpen, 1);
        case u'>':
            return Punctuation(XmlToken::Kind::TagClose, 1);
        case u'=':
            return Punctuation(XmlToken::Kind::Equals, 1);
        case u'/':
            if (At(begin + 1) == u'>') {
                return Punctuation(XmlToken::Kind::ShortClose, 2);
            }
            return TextRun(begin, begin + 1);
        case u'"':
        case u'\'':
            return Quoted(begin);
        default:
            return TextRun(begin, begin + 1);
    }
}

XmlToken XmlTokenizer::Punctuation(XmlToken::Kind kind, qsizetype length) {
    const qsizetype begin = pos_;
    pos_ += length;
    return MakeToken(kind, begin, pos_);
}

XmlToken XmlTokenizer::TextRun(qsizetype begin, qsizetype scanFrom) {
    pos_ = scanFrom;
    while (!IsTextEnd(pos_)) {
        ++pos_;
    }
    return MakeToken(XmlToken::Kind::Text, begin, pos_, text_.sliced(begin, pos_ - begin));
}

// A quote that meets a `<` or the end of the text before its partner is no quote: the token is
// then plain text that starts with the quote character.
XmlToken XmlTokenizer::Quoted(qsizetype begin) {
    const char16_t quote = At(begin);
    for (qsizetype i = begin + 1;; ++i) {
        const char16_t c = At(i);
        if (c == quote) {
            pos_ = i + 1;
            return MakeToken(XmlToken::Kind::Quoted, begin, pos_,
                             text_.sliced(begin + 1, i - begin - 1));
        }
        if (c == u'<' || c == u'\0') {
            return TextRun(begin, begin + 1);
        }
    }
}

// A DOCTYPE ends at its first `>`, unless a `<` comes first: then it has an internal subset and
// ends at "]>".
XmlToken XmlTokenizer::ClearSection(qsizetype begin, QStringView opening, QStringView closing) {
    const qsizetype contentBegin = begin + opening.size();
    if (opening == u"<!DOCTYPE") {
        for (qsizetype i = contentBegin; i < text_.size(); ++i) {
            if (text_[i] == u'<') {
                closing = u"]>";
                break;
            }
            if (text_[i] == u'>') {
                break;
            }
        }
    }
    const qsizetype contentEnd = text_.indexOf(closing, contentBegin);
    if (contentEnd < 0) {
        pos_ = text_.size();
        return MakeToken(XmlToken::Kind::UnclosedSection, begin, pos_);
    }
    pos_ = contentEnd + closing.size();
    XmlToken token = MakeToken(XmlToken::Kind::ClearSection, begin, pos_,
                               text_.sliced(contentBegin, contentEnd - contentBegin));
    token.opening = opening;
    token.closing = closing;
    return token;
}

}  // namespace plx
