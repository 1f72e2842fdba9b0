// The settings store of the program: an INI file in the per-user configuration folder
// (<config>/plx/plx.ini), one group per section, read and written through QSettings.
//
// A value written is read back at once by this store. The file follows when the event loop next
// runs (QSettings posts itself an update), when the store is destroyed, or on Flush(): one write
// of the whole file for a burst of values, rather than one per value (the options alone are some
// fifty values, each write an fsync). QSettings writes the whole file to a temporary beside it and
// renames it over the old one (QSaveFile, under a lock file), so a process that dies at any moment
// leaves a whole file: the previous one or the new one.
#pragma once

#include <QSettings>
#include <QString>

#include <string>

#include "app/settings_store.h"

namespace plx {

// <per-user configuration folder>/plx/plx.ini ($XDG_CONFIG_HOME or ~/.config on Linux).
QString DefaultSettingsPath();

class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath = DefaultSettingsPath());

    QString FilePath() const { return settings_.fileName(); }
    // Writes what has changed to the file now.
    void Flush();

    std::int32_t ReadInteger(std::u16string_view section, std::u16string_view name,
                             std::int32_t fallback) const override;
    std::u16string ReadString(std::u16string_view section, std::u16string_view name,
                              std::u16string_view fallback) const override;
    void WriteInteger(std::u16string_view section, std::u16string_view name,
                      std::int32_t value) override;
    void WriteString(std::u16string_view section, std::u16string_view name,
                     std::u16string_view value) override;
    void DeleteValue(std::u16string_view section, std::u16string_view name) override;

private:
    QSettings settings_;
};

// The interface language as stored: the language file's name and the language's code.
struct LanguageChoice {
    std::u16string file;
    std::u16string code;

    friend bool operator==(const LanguageChoice&, const LanguageChoice&) = default;
};

// "LanguageFile" and "LanguageCode"; when both are empty, the older integer "Language"
// (1 English, anything else Hebrew) decides. That integer is never written back.
LanguageChoice LoadLanguageChoice(const SettingsStore& store);
void SaveLanguageChoice(SettingsStore& store, const LanguageChoice& choice);

}  // namespace plx
