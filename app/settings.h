// The settings store of the program: an INI file in the per-user configuration folder
// (<config>/plx/plx.ini), one group per section, in QSettings' INI format.
//
// The store reads the file whole when it is made (Reload reads it again) and answers from that
// copy. Update is one transaction against every other writer: it takes the lock file
// "plx.ini.write.lock" beside the file (QSettings takes "plx.ini.lock" itself, only around its own
// write), reads the file again, applies the change, writes the whole file to a temporary beside it
// and renames that over the old one (QSaveFile), so a process that dies at any moment leaves a
// whole file, and a change made meanwhile by another process is never lost.
//
// The file is parsed from a private copy: QSettings keeps what it parsed of a file for the rest of
// the process and parses it again only when its size or time has changed, which a write of the
// same length within the same millisecond would not show.
//
// A file that did not parse (QSettings finds its format wrong, or it holds a NUL byte, or it is not
// UTF-8: a binary or UTF-16 file) reads as the defaults, and the first write moves it aside to
// "plx.ini.unreadable-YYYYMMDD-HHMMSS" instead of replacing it.
#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

#include <string>
#include <vector>

#include "app/settings_store.h"

namespace plx {

// <per-user configuration folder>/plx/plx.ini ($XDG_CONFIG_HOME or ~/.config on Linux).
QString DefaultSettingsPath();

class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath = DefaultSettingsPath());
    // Flushes what is still unwritten; a failure then goes unreported.
    ~IniSettingsStore() override;
    IniSettingsStore(const IniSettingsStore&) = delete;
    IniSettingsStore& operator=(const IniSettingsStore&) = delete;

    QString FilePath() const { return path_; }
    // Reads the file again.
    void Reload();
    // Whether the file as last read could not be read or parsed (and so reads as the defaults).
    bool Unreadable() const { return unreadable_; }

    // The values given to WriteInteger, WriteString and DeleteValue are read back at once and reach
    // the file together, in the next Update: on Flush, or when the store is destroyed.
    StoreUpdate Flush();

    std::int32_t ReadInteger(std::u16string_view section, std::u16string_view name,
                             std::int32_t fallback) const override;
    std::u16string ReadString(std::u16string_view section, std::u16string_view name,
                              std::u16string_view fallback) const override;
    void WriteInteger(std::u16string_view section, std::u16string_view name,
                      std::int32_t value) override;
    void WriteString(std::u16string_view section, std::u16string_view name,
                     std::u16string_view value) override;
    void DeleteValue(std::u16string_view section, std::u16string_view name) override;
    bool Contains(std::u16string_view section, std::u16string_view name) const override;
    std::vector<std::u16string> Subsections(std::u16string_view section) const override;
    StoreUpdate Update(const Change& change) override;

private:
    // A write to the file that waits for Flush.
    struct Pending {
        std::u16string section;
        std::u16string name;
        QVariant value;  // invalid: delete the value
    };

    void Write(std::u16string_view section, std::u16string_view name, QVariant value);
    // Shows the writes still waiting over the values read.
    void ApplyPending();

    QString path_;
    QMap<QString, QVariant> values_;  // the file as last read or written, with the writes pending
    std::vector<Pending> pending_;
    bool unreadable_ = false;
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
// "LanguageFile" and "LanguageCode" as they are stored, empty where absent.
LanguageChoice StoredLanguageChoice(const SettingsStore& store);
void SaveLanguageChoice(SettingsStore& store, const LanguageChoice& choice);

}  // namespace plx
