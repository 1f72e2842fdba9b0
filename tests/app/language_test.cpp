#include "app/language.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "app/temp_files.h"

namespace plx {
namespace {

class Language : public ::testing::Test {
protected:
    QString Write(const QString& name, const QString& text) {
        return WriteTestFile(dir_, name, "\xEF\xBB\xBF" + text.toUtf8());
    }

    // A language file with the usual declaration around `body`.
    QString WriteLanguage(const QString& name, const QString& rootAttributes, const QString& body) {
        return Write(name,
                     QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Language ") +
                         rootAttributes + u'>' + body + QStringLiteral("</Language>"));
    }

    QTemporaryDir dir_;
};

TEST_F(Language, LookupIgnoresLetterCase) {
    ASSERT_TRUE(LoadLanguageFile(
        WriteLanguage("a.xml", "code=\"he\" direction=\"RTL\"",
                      "<S name=\"Plx\"><E key=\"TIMESEVENTS\"> Times &amp; events </E></S>")));
    EXPECT_EQ(LookupString(u"plx", u"timesEvents"), u"Times & events");
    EXPECT_EQ(LookupString(u"Plx", u"MISSING"), u"");
    EXPECT_EQ(LookupString(u"Missing", u"TIMESEVENTS"), u"");
    EXPECT_EQ(ActiveLanguage().code, u"he");
    EXPECT_TRUE(ActiveLanguage().rightToLeft);
    EXPECT_EQ(ActiveLanguage().fileName, u"a.xml");
    EXPECT_EQ(ActiveLanguage().sectionCount, 1);
}

TEST_F(Language, OnlyTheFirstOfTwoSameNamedSectionsIsSearched) {
    ASSERT_TRUE(LoadLanguageFile(
        WriteLanguage("twice.xml", "code=\"en\"",
                      "<S name=\"Global\"><E key=\"A\">first</E></S>"
                      "<S name=\"GLOBAL\"><E key=\"A\">second</E><E key=\"B\">hidden</E></S>")));
    EXPECT_EQ(LookupString(u"Global", u"A"), u"first");
    EXPECT_EQ(LookupString(u"Global", u"B"), u"");
}

TEST_F(Language, EntryValueIsItsFirstTextPiece) {
    ASSERT_TRUE(LoadLanguageFile(WriteLanguage(
        "pieces.xml", "code=\"en\"",
        "<S name=\"Plx\"><E key=\"TWO\">before<b/>after</E>"
        "<E key=\"CDATA\"><![CDATA[raw]]></E><E key=\"EMPTY\"/><E key=\"JOINED\">a<!-- c -->b</E>"
        "</S>")));
    EXPECT_EQ(LookupString(u"Plx", u"TWO"), u"before");
    EXPECT_EQ(LookupString(u"Plx", u"CDATA"), u"");
    EXPECT_EQ(LookupString(u"Plx", u"EMPTY"), u"");
    EXPECT_EQ(LookupString(u"Plx", u"JOINED"), u"ab");
}

TEST_F(Language, SectionFoundOnceServesManyLookups) {
    ASSERT_TRUE(LoadLanguageFile(
        WriteLanguage("preview.xml", "code=\"en\"",
                      "<S name=\"Plx\"/><S name=\"PrintPreview\"><E key=\"CLOSE\">Close</E>"
                      "<E key=\"ZOOM_IN\">Zoom In</E></S>")));
    const LanguageSection section = FindSection(u"printpreview");
    EXPECT_EQ(section.entryCount, 2);
    EXPECT_EQ(LookupString(section, u"close"), u"Close");
    EXPECT_EQ(LookupString(section, u"ZOOM_IN"), u"Zoom In");
    EXPECT_EQ(LookupString(section, u"PLX"), u"");

    const LanguageSection missing = FindSection(u"Nowhere");
    EXPECT_TRUE(missing.node.isNull());
    EXPECT_EQ(missing.entryCount, 0);
    EXPECT_EQ(LookupString(missing, u"CLOSE"), u"");
}

TEST_F(Language, FailedLoadKeepsTheActiveLanguage) {
    ASSERT_TRUE(LoadLanguageFile(WriteLanguage("good.xml", "code=\"he\" direction=\"rtl\"",
                                               "<S name=\"Plx\"><E key=\"K\">v</E></S>")));
    // The reader returns a tree for an unclosed element, but the loader wants a clean parse.
    const QString unclosed =
        Write("unclosed.xml",
              "<?xml version=\"1.0\"?><Language code=\"en\"><S name=\"Plx\"><E key=\"K\">x");
    // A FIFO would block the read for ever; a device never ends.
    const QString fifo = dir_.filePath("fifo.xml");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {unclosed, Write("empty.xml", ""), dir_.filePath("missing.xml"),
                                Write("bad.xml", "<Language><S name=\"&x;\"/></Language>"),
                                Write("noroot.xml", "<?xml version=\"1.0\"?>"), fifo,
                                QStringLiteral("/dev/zero"), dir_.path()}) {
        EXPECT_FALSE(LoadLanguageFile(path)) << path.toStdString();
        EXPECT_EQ(ActiveLanguage().fileName, u"good.xml");
        EXPECT_EQ(ActiveLanguage().code, u"he");
        EXPECT_EQ(LookupString(u"Plx", u"K"), u"v");
    }
}

TEST_F(Language, MissingCodeAndDirection) {
    ASSERT_TRUE(LoadLanguageFile(WriteLanguage("plain.xml", "language=\"X\"", "")));
    EXPECT_EQ(ActiveLanguage().code, u"");
    EXPECT_FALSE(ActiveLanguage().rightToLeft);
    EXPECT_EQ(ActiveLanguage().sectionCount, 0);
}

TEST_F(Language, FileWithoutDeclarationHasItsOwnRoot) {
    ASSERT_TRUE(LoadLanguageFile(Write(
        "bare.xml", "<Language code=\"en\"><S name=\"Plx\"><E key=\"K\">v</E></S></Language>")));
    EXPECT_EQ(ActiveLanguage().code, u"en");
    EXPECT_EQ(LookupString(u"Plx", u"K"), u"v");
}

TEST_F(Language, ListingSkipsWhatIsNoLanguageFile) {
    Write("notes.txt", "<Language language=\"Text\"/>");
    QDir(dir_.path()).mkdir("folder.xml");
    WriteLanguage("nameless.xml", "code=\"xx\"", "");
    WriteLanguage("blank.xml", "language=\"\"", "");
    Write("broken.xml", "<?xml version=\"1.0\"?><Language language=\"Broken\">");
    ASSERT_EQ(mkfifo(QFile::encodeName(dir_.filePath("pipe.xml")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(dir_.filePath("pipe.xml"), dir_.filePath("link.xml")));
    EXPECT_TRUE(ListLanguageFilesIn(dir_.path()).isEmpty());

    WriteLanguage("Hebrew.xml",
                  "language=\"Hebrew\" localizedName=\"עברית\" code=\"he\" direction=\"rtl\"", "");
    WriteLanguage("English.xml", "language=\"English\" code=\"en\"", "");
    const QList<LanguageInfo> languages = ListLanguageFilesIn(dir_.path());
    ASSERT_EQ(languages.size(), 2);
    EXPECT_EQ(languages[0].language, u"English");
    EXPECT_EQ(languages[0].localizedName, u"");
    EXPECT_FALSE(languages[0].rightToLeft);
    EXPECT_EQ(languages[1].language, u"Hebrew");
    EXPECT_EQ(languages[1].localizedName, u"עברית");
    EXPECT_EQ(languages[1].code, u"he");
    EXPECT_TRUE(languages[1].rightToLeft);
    EXPECT_EQ(languages[1].path, dir_.filePath("Hebrew.xml"));
}

}  // namespace
}  // namespace plx
