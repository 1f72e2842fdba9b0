#include "ui/settings_writes.h"

#include <QDir>

#include "app/language.h"
#include "app/utf16.h"
#include "ui/dialogs/message_box.h"

namespace plx {
namespace {

QString FileName(std::u16string_view path) {
    return QDir::toNativeSeparators(FromUtf16(path));
}

// The text of the key with each "%s" in turn replaced by the next file name.
QString TextNaming(std::u16string_view key, std::initializer_list<std::u16string_view> paths) {
    QString text = LookupString(u"Global", key);
    qsizetype from = 0;
    for (std::u16string_view path : paths) {
        const qsizetype at = text.indexOf(QStringLiteral("%s"), from);
        if (at < 0)
            break;
        const QString name = FileName(path);
        text.replace(at, 2, name);
        from = at + name.size();
    }
    return text;
}

}  // namespace

bool KeepInStore(QWidget* parent, SettingsStore& store, const SettingsStore::Change& change) {
    for (;;) {
        const StoreUpdate update = store.Update(change);
        if (!update.keptAside.empty()) {
            CMessageBoxDlg(parent).Show(
                TextNaming(u"SETTINGS_KEPT_ASIDE", {update.file, update.keptAside}), QString(),
                MessageBoxButtons::Ok);
        }
        if (update.Stored())
            return true;
        const QString text = TextNaming(u"SETTINGS_NOT_SAVED", {update.file}) + u'\n' +
                             FromUtf16(update.failure) + QStringLiteral("\n\n") +
                             LookupString(u"Global", u"TRY_AGAIN");
        if (CMessageBoxDlg(parent).Show(text, QString(), MessageBoxButtons::YesNo) !=
            MessageBoxAnswer::Yes)
            return false;
    }
}

}  // namespace plx
