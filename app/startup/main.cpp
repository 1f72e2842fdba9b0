// plx, the Hebrew calendar: the program.
#include <QApplication>
#include <QIcon>

#include "app/language.h"
#include "app/settings.h"
#include "app/startup/plx_app.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plx"));
    QApplication::setApplicationVersion(QStringLiteral(PLX_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/plx/plx.svg")));

    plx::IniSettingsStore store;
    plx::CPLXApp(store, plx::ExeRelativePath(u"Languages")).Run();
    return 0;
}
