#include "app/xml/xml_reader.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/temp_files.h"

namespace plx {
namespace {

XmlParseResult Parse(const char16_t* text) {
    return ParseXmlText(QStringView(text));
}

QString NameOf(const XmlNode& node) {
    return node.name().value_or(QStringLiteral("<none>"));
}

TEST(XmlReader, DeclarationHoldsTheRootElement) {
    const XmlParseResult result =
        Parse(u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<root a=\"1\"><child/></root>");
    ASSERT_EQ(result.error, XmlError::None);
    const XmlNode declaration = result.node;
    EXPECT_EQ(NameOf(declaration), u"xml");
    EXPECT_TRUE(declaration.isDeclaration());
    ASSERT_EQ(declaration.attributeCount(), 2);
    EXPECT_EQ(declaration.attribute(u"version"), u"1.0");
    EXPECT_EQ(declaration.attribute(u"encoding"), u"utf-8");
    ASSERT_EQ(declaration.childCount(), 1);
    EXPECT_EQ(NameOf(declaration.child(0)), u"root");
    EXPECT_EQ(declaration.child(0).parent().name(), u"xml");

    const XmlParseResult bare = Parse(u"<root a=\"1\"><child/></root>");
    ASSERT_EQ(bare.error, XmlError::None);
    EXPECT_EQ(NameOf(bare.node), u"root");
    EXPECT_FALSE(bare.node.isDeclaration());
    EXPECT_EQ(bare.node.childCount(), 1);
}

TEST(XmlReader, DeclarationQuestionMarkLeavesNoAttribute) {
    EXPECT_EQ(Parse(u"<?xml version=1.0?><r/>").node.attribute(u"version"), u"1.0");
    const XmlParseResult spaced = Parse(u"<?xml standalone ?><r/>");
    ASSERT_EQ(spaced.node.attributeCount(), 1);
    EXPECT_EQ(spaced.node.attributeAt(0)->name, u"standalone");
    EXPECT_FALSE(spaced.node.attributeAt(0)->value);
}

TEST(XmlReader, ProcessingInstructionInsideAnElementIsClosedByItself) {
    const XmlParseResult result = Parse(u"<r><?pi x=\"1\"?><e/></r>");
    ASSERT_EQ(result.error, XmlError::None);
    ASSERT_EQ(result.node.childCount(), 2);
    EXPECT_TRUE(result.node.child(0).isDeclaration());
    EXPECT_EQ(result.node.child(0).childCount(), 0);
    EXPECT_EQ(NameOf(result.node.child(1)), u"e");
}

TEST(XmlReader, EndTagsAndAttributeNamesMatchInAnyCase) {
    const XmlParseResult result =
        Parse(u"<Section NAME=Plx other><Entry Key='K'>v</ENTRY></section>");
    ASSERT_EQ(result.error, XmlError::None);
    EXPECT_EQ(result.node.attribute(u"name"), u"Plx");  // unquoted value
    EXPECT_EQ(result.node.attributeCount(), 2);
    EXPECT_FALSE(result.node.attribute(u"other"));  // written without a value
    EXPECT_EQ(result.node.child(0).attribute(u"KEY"), u"K");
    EXPECT_EQ(result.node.child(0).text(0), u"v");
}

TEST(XmlReader, DuplicateAttributesAreKeptAndTheFirstAnswers) {
    const XmlNode node = Parse(u"<e a=\"1\" A=\"2\"/>").node;
    EXPECT_EQ(node.attributeCount(), 2);
    EXPECT_EQ(node.attribute(u"a"), u"1");
}

TEST(XmlReader, EndTagClosingAnOuterElementClosesTheInnerOnes) {
    const XmlParseResult result = Parse(u"<a><b></A>");
    EXPECT_EQ(result.error, XmlError::MissingEndTag);
    ASSERT_FALSE(result.node.isNull());
    EXPECT_EQ(NameOf(result.node), u"a");
    EXPECT_EQ(NameOf(result.node.child(0)), u"b");
}

TEST(XmlReader, EndTagMatchingNothingFailsTheParse) {
    const XmlParseResult result = Parse(u"<a><b></c>");
    EXPECT_EQ(result.error, XmlError::UnmatchedEndTag);
    EXPECT_TRUE(result.node.isNull());
}

TEST(XmlReader, EndTagNameIsAWholeWord) {
    EXPECT_EQ(Parse(u"<ab></a>").error, XmlError::UnmatchedEndTag);
    EXPECT_EQ(Parse(u"<a></ab>").error, XmlError::UnmatchedEndTag);
    EXPECT_EQ(Parse(u"<a></a >").error, XmlError::None);
}

TEST(XmlReader, InputEndingInsideAnElementKeepsTheTree) {
    const XmlParseResult result = Parse(u"<a><b>text");
    EXPECT_EQ(result.error, XmlError::MissingEndTag);
    EXPECT_EQ(result.node.child(0).text(0), u"text");
}

TEST(XmlReader, MalformedMarkupGivesItsErrorCode) {
    struct Case {
        const char16_t* text;
        XmlError error;
    };
    const Case cases[] = {
        {u"< >", XmlError::MissingTagName},
        {u"<a><?=?></a>", XmlError::MissingTagName},
        {u"<a></>", XmlError::MalformedEndTag},
        {u"<a></a", XmlError::MalformedEndTag},
        {u"<a></a b>", XmlError::MalformedEndTag},
        {u"<a =b/>", XmlError::UnexpectedToken},
        {u"<a b=/>", XmlError::UnexpectedToken},
        {u"<a b=\"1\" <c/>", XmlError::UnexpectedToken},
        {u"<a b", XmlError::UnexpectedToken},
        {u"<a><!-- open", XmlError::UnclosedSection},
        {u"<a><![CDATA[ open", XmlError::UnclosedSection},
        {u"<!DOCTYPE x [ <!ENTITY e 'v'> <a/>", XmlError::UnclosedSection},
        {u"", XmlError::NoElement},
        {u"  just text  ", XmlError::NoElement},
    };
    for (const Case& c : cases) {
        const XmlParseResult result = Parse(c.text);
        EXPECT_EQ(result.error, c.error) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(result.node.isNull(), c.error != XmlError::NoElement);
    }
    EXPECT_EQ(ParseXmlText(QStringView()).error, XmlError::NoInput);
}

TEST(XmlReader, StrayMarkupCharactersInContentAreText) {
    const XmlParseResult result = Parse(u"<a> 1 > 0 = true /> \"open </a>");
    ASSERT_EQ(result.error, XmlError::None);
    EXPECT_EQ(result.node.text(0), u"1 > 0 = true /> \"open");
}

TEST(XmlReader, TextIsTrimmedAtBothEndsOnly) {
    const XmlNode node = Parse(u"<a>\r\n  two\r\nlines\t  </a>").node;
    EXPECT_EQ(node.text(0), u"two\r\nlines");
    EXPECT_EQ(Parse(u"<a>   </a>").node.textCount(), 0);
}

TEST(XmlReader, CharacterReferences) {
    EXPECT_EQ(Parse(u"<a>Tom &amp; Jerry</a>").node.text(0), u"Tom & Jerry");
    EXPECT_EQ(Parse(u"<a>&#65;&#x41;&#X41;&AMP;&Lt;&gt;&quot;&apos;</a>").node.text(0),
              u"AAA&<>\"'");
    EXPECT_EQ(Parse(u"<a k=\"&#x5D0;&lt;\"/>").node.attribute(u"k"), u"א<");
    EXPECT_EQ(Parse(u"<a>&#128512;</a>").node.text(0), u"😀");
    EXPECT_EQ(Parse(u"<a>&#;</a>").node.text(0), QString(QChar(0)));

    for (const char16_t* bad :
         {u"<a>Tom & Jerry</a>", u"<a>&nbsp;</a>", u"<a>&#6x5;</a>", u"<a>&#65</a>",
          u"<a>&#xG;</a>", u"<a>&</a>", u"<a>&#</a>", u"<a>&#x110000;</a>",
          u"<a>&#99999999999999999999;</a>", u"<a k=\"&bad;\"/>"}) {
        const XmlParseResult result = Parse(bad);
        EXPECT_EQ(result.error, XmlError::BadCharacterReference)
            << QString::fromUtf16(bad).toStdString();
        EXPECT_TRUE(result.node.isNull());
    }
}

TEST(XmlReader, CdataIsAClearSectionNotText) {
    const XmlNode node = Parse(u"<a><![CDATA[ <raw> &amp; ]]></a>").node;
    EXPECT_EQ(node.textCount(), 0);
    ASSERT_EQ(node.clearSectionCount(), 1);
    EXPECT_EQ(node.clearSection(0)->content, u" <raw> &amp; ");
    EXPECT_EQ(node.clearSection(0)->opening, u"<![CDATA[");
    EXPECT_EQ(node.clearSection(0)->closing, u"]]>");
}

TEST(XmlReader, ClearSectionMarkersAreCaseSensitive) {
    const XmlNode pre = Parse(u"<a><PRE> keep  this </PRE><pre>x</pre></a>").node;
    ASSERT_EQ(pre.clearSectionCount(), 1);
    EXPECT_EQ(pre.clearSection(0)->content, u" keep  this ");
    EXPECT_EQ(pre.childCount(), 1);  // lower-case pre is an ordinary element
}

TEST(XmlReader, DoctypeWithAndWithoutInternalSubset) {
    const XmlParseResult plain = Parse(u"<!DOCTYPE html><a/>");
    ASSERT_EQ(plain.error, XmlError::None);
    EXPECT_FALSE(plain.node.name());  // the document node: it holds a section beside the root
    EXPECT_EQ(plain.node.clearSection(0)->content, u" html");
    EXPECT_EQ(plain.node.clearSection(0)->closing, u">");

    const XmlParseResult subset = Parse(u"<!DOCTYPE a [<!ENTITY e \"v\">]><a/>");
    ASSERT_EQ(subset.error, XmlError::None);
    EXPECT_EQ(subset.node.clearSection(0)->content, u" a [<!ENTITY e \"v\">");
    EXPECT_EQ(subset.node.clearSection(0)->closing, u"]>");
    EXPECT_EQ(NameOf(subset.node.child(0)), u"a");
}

TEST(XmlReader, TextAroundACommentIsJoined) {
    const XmlNode node = Parse(u"<a>Good <!-- note --> morning<b/>after<!-- kept --></a>").node;
    ASSERT_EQ(node.textCount(), 2);
    EXPECT_EQ(node.text(0), u"Goodmorning");
    EXPECT_EQ(node.text(1), u"after");
    ASSERT_EQ(node.clearSectionCount(), 1);
    EXPECT_EQ(node.clearSection(0)->content, u" kept ");
    const std::vector<XmlItem> order = node.order();
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[0].kind, XmlItem::Kind::Text);
    EXPECT_EQ(order[1].kind, XmlItem::Kind::Child);
    EXPECT_EQ(order[2].kind, XmlItem::Kind::Text);
    EXPECT_EQ(order[3].kind, XmlItem::Kind::ClearSection);
}

TEST(XmlReader, NestingIsBounded) {
    QString deep;
    for (int i = 0; i < kMaxXmlDepth; ++i) {
        deep += u"<e>";
    }
    EXPECT_EQ(ParseXmlText(deep).error, XmlError::MissingEndTag);
    deep += u"<e>";
    const XmlParseResult tooDeep = ParseXmlText(deep);
    EXPECT_EQ(tooDeep.error, XmlError::TooDeeplyNested);
    EXPECT_TRUE(tooDeep.node.isNull());
}

TEST(XmlReader, EmptyHandleAnswersNothing) {
    const XmlNode none;
    EXPECT_FALSE(none.name());
    EXPECT_EQ(none.childCount(), 0);
    EXPECT_TRUE(none.child(0).child(3).isNull());
    EXPECT_FALSE(none.attribute(u"a"));
    EXPECT_TRUE(none.text(0).isEmpty());
    EXPECT_FALSE(Parse(u"<a/>").node.clearSection(0));
    EXPECT_TRUE(Parse(u"<a/>").node.child(-1).isNull());
}

// ---- Files and encodings ---------------------------------------------------------------------

class XmlFile : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        return WriteTestFile(dir_, name, bytes);
    }

    static QByteArray Utf16Le(const QString& text) {
        QByteArray bytes;
        for (QChar c : text) {
            bytes.append(static_cast<char>(c.unicode() & 0xFF));
            bytes.append(static_cast<char>(c.unicode() >> 8));
        }
        return bytes;
    }

    static const inline QString kDocument = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<Language language=\"Hebrew\" code=\"he\"><s name=\"Plx\"><e key=\"K\">שלום עולם</e></s>"
        "</Language>");

    // The text of the one entry, and that the whole tree came through.
    static QString EntryText(const XmlParseResult& result) {
        EXPECT_EQ(result.error, XmlError::None);
        EXPECT_EQ(result.node.child(0).attribute(u"code"), u"he");
        return result.node.child(0).child(0).child(0).text(0);
    }

    QTemporaryDir dir_;
};

TEST_F(XmlFile, EncodingsGiveTheSameTree) {
    EXPECT_EQ(EntryText(ParseXmlFile(Write("utf8bom.xml", "\xEF\xBB\xBF" + kDocument.toUtf8()))),
              u"שלום עולם");
    EXPECT_EQ(EntryText(ParseXmlFile(Write("utf16bom.xml", "\xFF\xFE" + Utf16Le(kDocument)))),
              u"שלום עולם");
    EXPECT_EQ(EntryText(ParseXmlFile(Write("utf16.xml", Utf16Le(kDocument)))), u"שלום עולם");
    EXPECT_EQ(EntryText(ParseXmlFile(Write("utf8.xml", kDocument.toUtf8()))), u"שלום עולם");
}

TEST_F(XmlFile, EightBitFileInTheHebrewCodePage) {
    QByteArray bytes = kDocument.toUtf8();
    bytes.replace(QStringLiteral("שלום עולם").toUtf8(), "\xF9\xEC\xE5\xED \xF2\xE5\xEC\xED");
    EXPECT_EQ(EntryText(ParseXmlFile(Write("cp1255.xml", bytes))), u"שלום עולם");
}

TEST_F(XmlFile, UndecodableBytesAreRefused) {
    // 0xFF is undefined in the Hebrew code page and can't start a UTF-8 sequence.
    EXPECT_EQ(ParseXmlFile(Write("bad.xml", "<a>\xFF</a>")).error, XmlError::CannotDecode);
    EXPECT_EQ(ParseXmlFile(Write("badutf8.xml", "\xEF\xBB\xBF<a>\xF9</a>")).error,
              XmlError::CannotDecode);
}

TEST_F(XmlFile, EmptyAndMissingFiles) {
    EXPECT_EQ(ParseXmlFile(Write("empty.xml", QByteArray())).error, XmlError::EmptyFile);
    EXPECT_EQ(ParseXmlFile(Write("bom.xml", "\xFF\xFE")).error, XmlError::EmptyFile);
    EXPECT_EQ(ParseXmlFile(dir_.filePath("missing.xml")).error, XmlError::CannotOpenFile);
    EXPECT_EQ(ParseXmlFile(dir_.path()).error, XmlError::CannotOpenFile);
}

TEST_F(XmlFile, NulCharacterEndsTheText) {
    const XmlParseResult result = ParseXmlFile(Write("nul.xml", QByteArray("<a>x</a>\0<b>", 12)));
    EXPECT_EQ(result.error, XmlError::None);
    EXPECT_EQ(NameOf(result.node), u"a");
}

}  // namespace
}  // namespace plx
