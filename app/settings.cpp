#include "app/settings.h"

#include <QStandardPaths>
#include <QStringList>

#include <limits>

#include "app/utf16.h"

namespace plx {
namespace {

QString Key(std::u16string_view section, std::u16string_view name) {
    return FromUtf16(section) + QLatin1Char('/') + FromUtf16(name);
}

}  // namespace

QString DefaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/plx/plx.ini");
}

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : settings_(filePath, QSettings::IniFormat) {
    // QSettings parses INI sections on first use and, in a hand-edited file where "[Settings]" is
    // followed by "[Settings/Location0]", never finds the keys of "[Settings]". Parse them all now.
    settings_.allKeys();
}

std::int32_t IniSettingsStore::ReadInteger(std::u16string_view section, std::u16string_view name,
                                           std::int32_t fallback) const {
    const QVariant value = settings_.value(Key(section, name));
    // A hand-edited "1, 2" comes back as a list; QVariant would read that as 0, not as absent.
    if (!value.isValid() || value.typeId() == QMetaType::QStringList)
        return fallback;
    // QVariant::toInt would cut 99999999999 to 32 bits and call it a success.
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return fallback;
    }
    return static_cast<std::int32_t>(number);
}

std::u16string IniSettingsStore::ReadString(std::u16string_view section, std::u16string_view name,
                                            std::u16string_view fallback) const {
    const QVariant value = settings_.value(Key(section, name));
    if (!value.isValid())
        return std::u16string(fallback);
    // An unquoted text with commas, written by hand, is split into a list by the INI reader.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdU16String();
    }
    if (!value.canConvert<QString>())
        return std::u16string(fallback);
    return value.toString().toStdU16String();
}

void IniSettingsStore::Flush() {
    settings_.sync();
}

void IniSettingsStore::WriteInteger(std::u16string_view section, std::u16string_view name,
                                    std::int32_t value) {
    settings_.setValue(Key(section, name), value);
}

void IniSettingsStore::WriteString(std::u16string_view section, std::u16string_view name,
                                   std::u16string_view value) {
    settings_.setValue(Key(section, name), FromUtf16(value));
}

void IniSettingsStore::DeleteValue(std::u16string_view section, std::u16string_view name) {
    settings_.remove(Key(section, name));
}

LanguageChoice LoadLanguageChoice(const SettingsStore& store) {
    LanguageChoice choice{store.ReadString(kSettingsSection, u"LanguageFile", u""),
                          store.ReadString(kSettingsSection, u"LanguageCode", u"")};
    if (choice.file.empty() && choice.code.empty()) {
        const bool english = store.ReadInteger(kSettingsSection, u"Language", 0) == 1;
        choice =
            english ? LanguageChoice{u"English.xml", u"en"} : LanguageChoice{u"Hebrew.xml", u"he"};
    }
    return choice;
}

void SaveLanguageChoice(SettingsStore& store, const LanguageChoice& choice) {
    store.WriteString(kSettingsSection, u"LanguageFile", choice.file);
    store.WriteString(kSettingsSection, u"LanguageCode", choice.code);
}

}  // namespace plx
