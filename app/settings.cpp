#include "app/settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <memory>

#include "app/utf16.h"

namespace plx {
namespace {

QString Key(std::u16string_view section, std::u16string_view name) {
    return FromUtf16(section) + QLatin1Char('/') + FromUtf16(name);
}

std::int32_t IntegerOf(const QVariant& value, std::int32_t fallback) {
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

std::u16string TextOf(const QVariant& value, std::u16string_view fallback) {
    if (!value.isValid())
        return std::u16string(fallback);
    // An unquoted text with commas, written by hand, is split into a list by the INI reader.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).toStdU16String();
    if (!value.canConvert<QString>())
        return std::u16string(fallback);
    return value.toString().toStdU16String();
}

// The store a change works on while a transaction runs: the file's values staged in a QSettings.
class QSettingsStore final : public SettingsStore {
public:
    explicit QSettingsStore(QSettings& settings) : settings_(settings) {}

    std::int32_t ReadInteger(std::u16string_view section, std::u16string_view name,
                             std::int32_t fallback) const override {
        return IntegerOf(settings_.value(Key(section, name)), fallback);
    }
    std::u16string ReadString(std::u16string_view section, std::u16string_view name,
                              std::u16string_view fallback) const override {
        return TextOf(settings_.value(Key(section, name)), fallback);
    }
    void WriteInteger(std::u16string_view section, std::u16string_view name,
                      std::int32_t value) override {
        settings_.setValue(Key(section, name), value);
    }
    void WriteString(std::u16string_view section, std::u16string_view name,
                     std::u16string_view value) override {
        settings_.setValue(Key(section, name), FromUtf16(value));
    }
    void DeleteValue(std::u16string_view section, std::u16string_view name) override {
        settings_.remove(Key(section, name));
    }
    bool Contains(std::u16string_view section, std::u16string_view name) const override {
        return settings_.contains(Key(section, name));
    }
    std::vector<std::u16string> Subsections(std::u16string_view section) const override {
        settings_.beginGroup(FromUtf16(section));
        const QStringList groups = settings_.childGroups();
        settings_.endGroup();
        std::vector<std::u16string> names;
        for (const QString& group : groups)
            names.push_back(group.toStdU16String());
        return names;
    }
    // Already inside one.
    StoreUpdate Update(const Change& change) override {
        change(*this);
        return {};
    }

private:
    QSettings& settings_;
};

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

constexpr const char* kCannotWrite = "the file could not be written";

// Why the system refuses writing the file at `path` ("Permission denied", "Read-only file
// system" ...); a plain statement when it names no reason.
QString WriteAccessProblem(const QString& path) {
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return ErrnoText(errno);
    return QLatin1String(kCannotWrite);
}

// Why the system refuses making the file at `path` ("Not a directory", "No space left on
// device" ...), found by making it; a file that could be made is removed again.
QString CreationProblem(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int file = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (file < 0)
        return errno == EEXIST ? QLatin1String(kCannotWrite) : ErrnoText(errno);
    ::close(file);
    ::unlink(name.constData());
    return QLatin1String(kCannotWrite);
}

// The file's bytes, empty when there is no file; a failure when it is there but cannot be read
// whole. Only a regular file is read: a FIFO in its place would block the read for ever.
struct FileBytes {
    QByteArray bytes;
    QString failure;
};

FileBytes ReadFileBytes(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {{}, QStringLiteral("not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {bytes, {}};
}

// A binary file, or one in UTF-16, which QSettings would read as a few stray keys or none.
bool IsBinaryText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return true;
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8.decode(bytes));
    return utf8.hasError();
}

// The settings text in a temporary file of its own, parsed by a QSettings over that file.
class StagedSettings {
public:
    // In the temporary folder, or beside the settings file when that one cannot be written.
    StagedSettings(const QByteArray& bytes, const QString& settingsPath) {
        for (const QString& folder : {QDir::tempPath(), QFileInfo(settingsPath).absolutePath()}) {
            file_ = std::make_unique<QTemporaryFile>(folder +
                                                     QStringLiteral("/plx-settings-XXXXXX.ini"));
            if (file_->open() && file_->write(bytes) == bytes.size() && file_->flush()) {
                failure_.clear();
                break;
            }
            failure_ = file_->errorString();
        }
        if (!failure_.isEmpty())
            return;
        file_->close();
        settings_ = std::make_unique<QSettings>(file_->fileName(), QSettings::IniFormat);
        // QSettings parses INI sections on first use and, in a hand-edited file where "[Settings]"
        // is followed by "[Settings/Location0]", never finds the keys of "[Settings]". Parse
        // them all now.
        settings_->allKeys();
    }

    // Why the text could not be staged; empty when it is.
    const QString& Failure() const { return failure_; }
    QSettings& Settings() { return *settings_; }
    bool FormatError() const { return settings_->status() == QSettings::FormatError; }

    QString Folder() const { return QFileInfo(file_->fileName()).absolutePath(); }

    // The text QSettings wrote, after its sync().
    QByteArray Written() const {
        QFile written(file_->fileName());
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }

private:
    std::unique_ptr<QTemporaryFile> file_;
    QString failure_;
    std::unique_ptr<QSettings> settings_;
};

QMap<QString, QVariant> AllValues(const QSettings& settings) {
    QMap<QString, QVariant> values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

// "plx.ini.unreadable-20240321-093000" beside the file, a number added if that is taken.
QString AsidePath(const QString& path) {
    const QString stem = path + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + QLatin1Char('-') + QString::number(n);
    return aside;
}

}  // namespace

QString DefaultSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/plx/plx.ini");
}

IniSettingsStore::IniSettingsStore(const QString& filePath) : path_(filePath) {
    Reload();
}

IniSettingsStore::~IniSettingsStore() {
    Flush();
}

void IniSettingsStore::Reload() {
    values_.clear();
    unreadable_ = false;
    const FileBytes file = ReadFileBytes(path_);
    if (file.bytes.isEmpty()) {
        // Nothing, or nothing this store may read: the defaults.
        unreadable_ = !file.failure.isEmpty();
    } else if (IsBinaryText(file.bytes)) {
        unreadable_ = true;
    } else if (StagedSettings staged(file.bytes, path_); staged.Failure().isEmpty()) {
        unreadable_ = staged.FormatError();
        if (!unreadable_)
            values_ = AllValues(staged.Settings());
    } else {
        // No folder to parse a copy in: the file itself, as QSettings has it.
        QSettings direct(path_, QSettings::IniFormat);
        direct.allKeys();
        unreadable_ = direct.status() == QSettings::FormatError;
        if (!unreadable_)
            values_ = AllValues(direct);
    }
    ApplyPending();
}

std::int32_t IniSettingsStore::ReadInteger(std::u16string_view section, std::u16string_view name,
                                           std::int32_t fallback) const {
    return IntegerOf(values_.value(Key(section, name)), fallback);
}

std::u16string IniSettingsStore::ReadString(std::u16string_view section, std::u16string_view name,
                                            std::u16string_view fallback) const {
    return TextOf(values_.value(Key(section, name)), fallback);
}

bool IniSettingsStore::Contains(std::u16string_view section, std::u16string_view name) const {
    return values_.contains(Key(section, name));
}

std::vector<std::u16string> IniSettingsStore::Subsections(std::u16string_view section) const {
    const QString prefix = FromUtf16(section) + QLatin1Char('/');
    std::vector<std::u16string> names;
    // The keys are in order, so those of one subsection follow each other.
    for (auto key = values_.lowerBound(prefix);
         key != values_.end() && key.key().startsWith(prefix); ++key) {
        const qsizetype end = key.key().indexOf(QLatin1Char('/'), prefix.size());
        if (end < 0)
            continue;  // a value of the section itself
        std::u16string name = key.key().sliced(prefix.size(), end - prefix.size()).toStdU16String();
        if (names.empty() || names.back() != name)
            names.push_back(std::move(name));
    }
    return names;
}

void IniSettingsStore::WriteInteger(std::u16string_view section, std::u16string_view name,
                                    std::int32_t value) {
    Write(section, name, value);
}

void IniSettingsStore::WriteString(std::u16string_view section, std::u16string_view name,
                                   std::u16string_view value) {
    Write(section, name, FromUtf16(value));
}

void IniSettingsStore::DeleteValue(std::u16string_view section, std::u16string_view name) {
    Write(section, name, QVariant());
}

void IniSettingsStore::Write(std::u16string_view section, std::u16string_view name,
                             QVariant value) {
    const QString key = Key(section, name);
    if (value.isValid())
        values_.insert(key, value);
    else
        values_.remove(key);
    pending_.push_back({std::u16string(section), std::u16string(name), std::move(value)});
}

void IniSettingsStore::ApplyPending() {
    std::vector<Pending> writes;
    std::swap(writes, pending_);
    for (Pending& write : writes)
        Write(write.section, write.name, std::move(write.value));
}

StoreUpdate IniSettingsStore::Flush() {
    if (pending_.empty())
        return {path_.toStdU16String(), {}, {}};
    return Update([](SettingsStore&) {});
}

StoreUpdate IniSettingsStore::Update(const Change& change) {
    StoreUpdate result{path_.toStdU16String(), {}, {}};
    const auto failed = [&result](const QString& why) {
        result.failure = why.toStdU16String();
        return result;
    };
    const QString lockPath = path_ + QStringLiteral(".write.lock");
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return failed(CreationProblem(lockPath));
    // QLockFile waits for ever on a folder, a FIFO or a dangling link in its place: none of them
    // can be read as a lock or removed as a stale one.
    if (const QFileInfo in(lockPath); in.isSymLink() || (in.exists() && !in.isFile()))
        return failed(QStringLiteral("%1 is in the way: not a lock file").arg(lockPath));
    QLockFile lock(lockPath);
    // Writers hold it for a moment, and a lock older than half a minute is taken as left behind
    // by a writer that died; this bounds the wait for one that cannot be removed.
    constexpr std::chrono::minutes kLongestWait{2};
    if (!lock.tryLock(kLongestWait)) {
        if (lock.error() == QLockFile::LockFailedError)
            return failed(QStringLiteral("%1 is held by another writer").arg(lockPath));
        return failed(CreationProblem(lockPath));
    }

    const FileBytes file = ReadFileBytes(path_);
    if (!file.failure.isEmpty())
        return failed(file.failure);
    auto staged = std::make_unique<StagedSettings>(file.bytes, path_);
    if (!staged->Failure().isEmpty())
        return failed(staged->Failure());
    if (!file.bytes.isEmpty() && (IsBinaryText(file.bytes) || staged->FormatError())) {
        // What the person had is kept whole; the change starts a new file.
        const QString aside = AsidePath(path_);
        QFile unreadable(path_);
        if (!unreadable.rename(aside))
            return failed(unreadable.errorString());
        result.keptAside = aside.toStdU16String();
        staged = std::make_unique<StagedSettings>(QByteArray(), path_);
        if (!staged->Failure().isEmpty())
            return failed(staged->Failure());
    }

    QSettingsStore store(staged->Settings());
    // The writes made outside a transaction go first, as they were made first.
    for (const Pending& write : pending_) {
        if (write.value.isValid())
            store.WriteString(write.section, write.name, write.value.toString().toStdU16String());
        else
            store.DeleteValue(write.section, write.name);
    }
    change(store);
    staged->Settings().sync();
    if (staged->Settings().status() != QSettings::NoError)
        return failed(
            QStringLiteral("the settings could not be staged in %1").arg(staged->Folder()));

    // QSaveFile would rename its copy over a file that is read-only to us.
    if (QFileInfo::exists(path_) && !QFileInfo(path_).isWritable())
        return failed(WriteAccessProblem(path_));
    QSaveFile save(path_);
    const QByteArray text = staged->Written();
    if (!save.open(QIODevice::WriteOnly) || save.write(text) != text.size() || !save.commit())
        return failed(save.errorString());

    values_ = AllValues(staged->Settings());
    unreadable_ = false;
    pending_.clear();
    return result;
}

LanguageChoice StoredLanguageChoice(const SettingsStore& store) {
    return {store.ReadString(kSettingsSection, u"LanguageFile", u""),
            store.ReadString(kSettingsSection, u"LanguageCode", u"")};
}

LanguageChoice LoadLanguageChoice(const SettingsStore& store) {
    LanguageChoice choice = StoredLanguageChoice(store);
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
