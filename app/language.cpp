#include "app/language.h"

#include "app/xml/xml_reader.h"

#include <QCoreApplication>
#include <QDir>

namespace plx {

namespace {

LanguageTable& ActiveTable() {
    static LanguageTable table;  // lives until the process ends
    return table;
}

QString AttributeOrEmpty(const XmlNode& node, QStringView name) {
    return node.attribute(name).value_or(QString());
}

bool IsRightToLeft(const XmlNode& root) {
    return AttributeOrEmpty(root, u"direction").compare(u"rtl", Qt::CaseInsensitive) == 0;
}

// The reader hands back the XML declaration (or the document node) with the root element inside,
// or the root element itself when the file has no declaration. Either way the root is the first
// element that is not a declaration.
XmlNode FindRootElement(const XmlNode& node) {
    if (node.name() && !node.isDeclaration()) {
        return node;
    }
    for (int i = 0; i < node.childCount(); ++i) {
        if (XmlNode root = FindRootElement(node.child(i)); !root.isNull()) {
            return root;
        }
    }
    return XmlNode();
}

// The root element of a language file that the reader read without any error.
XmlNode ReadLanguageRoot(const QString& path) {
    const XmlParseResult result = ParseXmlFile(path);
    if (result.error != XmlError::None) {
        return XmlNode();
    }
    return FindRootElement(result.node);
}

// The first of `count` children of `parent` whose attribute `attribute` equals `value` in any
// letter case; later ones of the same value are never reached.
XmlNode FindChildByAttribute(const XmlNode& parent, int count, QStringView attribute,
                             QStringView value) {
    for (int i = 0; i < count; ++i) {
        const XmlNode child = parent.child(i);
        if (AttributeOrEmpty(child, attribute).compare(value, Qt::CaseInsensitive) == 0) {
            return child;
        }
    }
    return XmlNode();
}

}  // namespace

QString ExeRelativePath(QStringView relativePath) {
    QString relative = relativePath.toString();
    relative.replace(u'\\', u'/');
    return QCoreApplication::applicationDirPath() + u'/' + relative;
}

bool LoadLanguageFile(const QString& path) {
    const XmlNode root = ReadLanguageRoot(path);
    if (root.isNull()) {
        return false;
    }
    LanguageTable table;
    table.root = root;
    table.sectionCount = root.childCount();
    table.code = AttributeOrEmpty(root, u"code");
    table.rightToLeft = IsRightToLeft(root);
    table.fileName = path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    ActiveTable() = std::move(table);
    return true;
}

const LanguageTable& ActiveLanguage() {
    return ActiveTable();
}

QList<LanguageInfo> ListLanguageFiles() {
    return ListLanguageFilesIn(ExeRelativePath(u"Languages"));
}

QList<LanguageInfo> ListLanguageFilesIn(const QString& folder) {
    QList<LanguageInfo> languages;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        const XmlNode root = ReadLanguageRoot(path);
        const QString language = AttributeOrEmpty(root, u"language");
        if (language.isEmpty()) {
            continue;
        }
        languages.append({language, AttributeOrEmpty(root, u"localizedName"),
                          AttributeOrEmpty(root, u"code"), IsRightToLeft(root), path});
    }
    return languages;
}

QString LookupString(QStringView section, QStringView key) {
    return LookupString(FindSection(section), key);
}

LanguageSection FindSection(QStringView name) {
    return FindSection(ActiveTable(), name);
}

LanguageSection FindSection(const LanguageTable& table, QStringView name) {
    const XmlNode section = FindChildByAttribute(table.root, table.sectionCount, u"name", name);
    return {section, section.childCount()};
}

QString LookupString(const LanguageSection& section, QStringView key) {
    return FindChildByAttribute(section.node, section.entryCount, u"key", key).text(0);
}

}  // namespace plx
