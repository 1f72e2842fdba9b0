// The application object of the widget benchmarks: offscreen, "Tahoma" pinned, the Hebrew language
// file of the source tree loaded.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "app/language.h"
#include "reports/font_family.h"

namespace plx::bench {

inline void StartApplication() {
    static int argc = 1;
    static char name[] = "plx_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    PinTahomaFont();
    const QString languages = QFileInfo(QStringLiteral(__FILE__))
                                  .dir()
                                  .filePath(QStringLiteral("../resources/Languages"));
    LoadLanguageFile(QDir(languages).filePath(QStringLiteral("Hebrew.xml")));
}

}  // namespace plx::bench
