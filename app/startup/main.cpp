// plx, the Hebrew calendar: the program.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include "app/language.h"
#include "app/settings.h"
#include "app/startup/plx_app.h"
#include "ui/toolkit/skin_theme.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plx"));
    QApplication::setApplicationVersion(QStringLiteral(PLX_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/plx/plx.svg")));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("plx, the Hebrew calendar"));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption nativeFrame(
        QStringLiteral("native-frame"),
        QStringLiteral("Keep the desktop's own window frame instead of the program's."));
    options.addOption(nativeFrame);
    options.process(application);
    if (options.isSet(nativeFrame))
        plx::SetNativeFrame(true);

    plx::IniSettingsStore store;
    plx::CPLXApp(store, plx::ExeRelativePath(u"Languages")).Run();
    return 0;
}
