// Helpers of the report tests: a language loaded from the program's own files or written for the
// test, and readable QStrings in failure messages.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

#include "app/language.h"
#include "reports/report_surface.h"

namespace plx {

inline void PrintTo(const ReportRect& r, std::ostream* out) {
    *out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

}  // namespace plx

namespace plx::testing {

inline bool LoadProgramLanguage(const char* fileName) {
    return LoadLanguageFile(QStringLiteral(PLX_SOURCE_DIR "/resources/Languages/") +
                            QLatin1String(fileName));
}

// A language file of the given code and direction with the "Plx" entries given as XML.
inline bool LoadTestLanguage(const QTemporaryDir& dir, const QString& code, bool rtl,
                             const QString& plxEntries) {
    const QString path = dir.filePath(QStringLiteral("test.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                              "<Language language=\"T\" code=\"%1\" direction=\"%2\">"
                              "<Section name=\"Global\"><String key=\"BASAD\">M</String></Section>"
                              "<Section name=\"Plx\">%3</Section></Language>")
                   .arg(code, rtl ? QStringLiteral("rtl") : QStringLiteral("ltr"), plxEntries)
                   .toUtf8());
    file.close();
    return LoadLanguageFile(path);
}

}  // namespace plx::testing

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
