// The language files and the process-wide active language.
//
// A language file (Languages/*.xml beside the program) holds a root element with the attributes
// `language`, `localizedName`, `code` and `direction`; its children are sections with a `name`,
// and their children entries with a `key` whose first text piece is the string. Section names,
// keys and attribute names match in any letter case. A missing section or key yields the empty
// string, which shows as an empty caption.
#pragma once

#include "app/xml/xml_node.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace plx {

// The active language. Empty until the first successful load: every lookup then yields "".
struct LanguageTable {
    XmlNode root;
    int sectionCount = 0;
    QString code;              // "he", "en" ...; empty when the file names none
    bool rightToLeft = false;  // direction="rtl"
    QString fileName;          // the loaded file's name, without folder
};

// One language found by ListLanguageFiles.
struct LanguageInfo {
    QString language;
    QString localizedName;
    QString code;
    bool rightToLeft = false;
    QString path;
};

// A section found once and searched many times (the print preview fetches its captions so).
struct LanguageSection {
    XmlNode node;
    int entryCount = 0;
};

// `relativePath` joined to the folder of the running program; `\` in it counts as a separator.
// Needs the application object.
QString ExeRelativePath(QStringView relativePath);

// Makes the file the active language. On any failure, including a file the reader could only
// partly read, returns false and leaves the active language as it was.
bool LoadLanguageFile(const QString& path);

const LanguageTable& ActiveLanguage();

// The languages in Languages/ beside the program, by file name.
QList<LanguageInfo> ListLanguageFiles();
// The same for any folder: the *.xml files whose root has a non-empty `language`.
QList<LanguageInfo> ListLanguageFilesIn(const QString& folder);

QString LookupString(QStringView section, QStringView key);
LanguageSection FindSection(QStringView name);
// The same in the table given rather than the active one.
LanguageSection FindSection(const LanguageTable& table, QStringView name);
QString LookupString(const LanguageSection& section, QStringView key);

}  // namespace plx
