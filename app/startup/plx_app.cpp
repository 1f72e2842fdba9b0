#include "app/startup/plx_app.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

#include "app/language.h"
#include "app/settings.h"
#include "app/stored_locations.h"
#include "ui/dialogs/message_box.h"
#include "ui/main_window.h"
#include "ui/settings_writes.h"
#include "ui/toolkit/painting.h"
#include "ui/toolkit/skin_theme.h"

namespace plx {

const QString kNoLanguageFilesMessage = QStringLiteral(
    "אירעה שגיאה חמורה: לא נמצאו קבצי שפה!\nA serious error occurred: No language files has been "
    "found!");

bool ReadNativeFrameSetting(const SettingsStore& store) {
    return store.ReadInteger(kSettingsSection, u"NativeFrame", 0) != 0;
}

CPLXApp::CPLXApp(SettingsStore& store, QString languagesFolder)
    : store_(store), languagesFolder_(std::move(languagesFolder)) {}

void CPLXApp::Run() {
    PinTahomaFont();
    AddProgramSkinThemes();
    if (ReadNativeFrameSetting(store_))
        SetNativeFrame(true);
    LoadSettings();
    while (RunMainWindow()) {
    }
    SaveSettings();
}

void CPLXApp::LoadSettings() {
    const LanguageChoice choice = LoadLanguageChoice(store_);
    languageFile_ = QString::fromStdU16String(choice.file);
    languageCode_ = QString::fromStdU16String(choice.code);
    storedLanguage_ = StoredLanguageChoice(store_);
    customLocations_ = LoadCustomLocations(store_);
}

void CPLXApp::SaveSettings() {
    // The places were written as they were edited; the language only when it is not what the file
    // says already (a file that names none is given the one chosen).
    const LanguageChoice choice{languageFile_.toStdU16String(), languageCode_.toStdU16String()};
    if (choice != storedLanguage_ && KeepInStore(nullptr, store_, [&choice](SettingsStore& store) {
            SaveLanguageChoice(store, choice);
        })) {
        storedLanguage_ = choice;
    }
}

bool CPLXApp::LoadLanguage() {
    if (!languageFile_.isEmpty() &&
        LoadLanguageFile(QDir(languagesFolder_).filePath(languageFile_))) {
        return true;
    }
    for (const LanguageInfo& language : ListLanguageFilesIn(languagesFolder_)) {
        if (LoadLanguageFile(language.path))
            return true;
    }
    return false;
}

void CPLXApp::FollowLanguageInQt() {
    const LanguageTable& language = ActiveLanguage();
    QCoreApplication::removeTranslator(&qtTexts_);
    // Where Qt has no text in the language (or its translations are not installed), its
    // English stays.
    if (qtTexts_.load(QLocale(language.code), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts_);
    }
    // The style draws the texts of labels, buttons, group titles and menus in the application's
    // direction, whatever the widget's own: set it explicitly, or Qt's translation would decide.
    QGuiApplication::setLayoutDirection(language.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

bool CPLXApp::RunMainWindow() {
    // Without any language the window still opens, with empty texts, left to right.
    if (!LoadLanguage())
        ShowErrorMessage(nullptr, kNoLanguageFilesMessage);
    FollowLanguageInQt();

    bool switched = false;
    {
        CPLXDlg window(store_, customLocations_, languagesFolder_);
        if (place_)
            window.RestorePlace(*place_);
        window.exec();
        switched = window.SwitchLanguage();
        place_ = switched ? std::optional(window.Place()) : std::nullopt;
        languageFile_ = ActiveLanguage().fileName;
        languageCode_ = ActiveLanguage().code;
        // What the closing window left queued must not reach the next one.
        if (switched)
            QCoreApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return switched;
}

}  // namespace plx
