// The application: it chooses and loads the interface language, runs the main window until the
// user closes it (building it again after every language switch), and saves what it keeps.
#pragma once

#include <QString>
#include <QTranslator>

#include <optional>

#include "app/settings.h"
#include "astro/locations.h"
#include "ui/main_window.h"

namespace plx {

class SettingsStore;

// "אירעה שגיאה חמורה ..." in Hebrew and in English: no language file could be loaded.
extern const QString kNoLanguageFilesMessage;

// "NativeFrame" (default 0): 1 keeps every window in the desktop's own frame.
bool ReadNativeFrameSetting(const SettingsStore& store);

class CPLXApp {
public:
    // Needs the QApplication. Language files are looked for in `languagesFolder`.
    CPLXApp(SettingsStore& store, QString languagesFolder);

    // Start-up, the main windows one after the other, and the saving at exit. Returns when the
    // user has closed the main window without switching the language.
    void Run();

    const QString& LanguageFile() const { return languageFile_; }
    const QString& LanguageCode() const { return languageCode_; }
    const CustomLocationList& CustomLocations() const { return customLocations_; }

private:
    void LoadSettings();
    void SaveSettings();
    // The chosen language file, else the first of the folder that loads; false when none does.
    bool LoadLanguage();
    // Qt's own share of the language: the reading direction of every window, and Qt's
    // translations of its standard dialogs, buttons and context menus.
    void FollowLanguageInQt();
    // Builds and runs one main window; true when it closed for a language switch.
    bool RunMainWindow();

    SettingsStore& store_;
    QString languagesFolder_;
    CustomLocationList customLocations_;
    LanguageChoice storedLanguage_;  // "LanguageFile" and "LanguageCode" as the file holds them
    // Where the window stood when it closed for a language switch; the next one opens there.
    std::optional<MainWindowPlace> place_;
    QString languageFile_ = QStringLiteral("Hebrew.xml");
    QString languageCode_ = QStringLiteral("he");
    QTranslator qtTexts_;
};

}  // namespace plx
