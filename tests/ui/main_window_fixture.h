// The main window as the widget tests open it: a shown window over a store of its own, and the
// ways a user types into its fields.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <memory>

#include "app/language.h"
#include "app/settings_store.h"
#include "engine/calendar.h"
#include "ui/calendar_view.h"
#include "ui/main_menu.h"
#include "ui/main_window.h"

namespace plx::test {

inline const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

inline void LoadLanguage(const QString& name) {
    QVERIFY(LoadLanguageFile(kLanguages + u'/' + name + QStringLiteral(".xml")));
}

// A shown main window over a store of its own (empty, or what a test wrote before), without the
// welcome screen.
struct Window {
    MemorySettingsStore store;
    CustomLocationList custom;
    std::unique_ptr<CPLXDlg> dlg;

    explicit Window(bool welcome = false, MemorySettingsStore initial = {},
                    CustomLocationList places = {})
        : store(std::move(initial)), custom(std::move(places)) {
        if (!welcome)
            store.WriteInteger(u"Settings", u"ShowWelcome", 0);
        Open();
    }
    // A new window over the same store and places.
    void Open() {
        dlg = std::make_unique<CPLXDlg>(store, custom, kLanguages);
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
    }

    CalendarDate Civil() const { return dlg->CalendarView()->selected(); }
    CalendarDate Hebrew() const { return dlg->CalendarView()->selectedHebrew(); }
    void Select(CalendarDate civil) const { dlg->CalendarView()->setCivil(civil); }
    QString CalendarSwitchText() const {
        return dlg->CommandAction(MainCommand::CalendarMode)->text();
    }
};

// Selects everything in the field and types `text` over it, key by key; QTest::keyClicks cannot
// type Hebrew.
inline void TypeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

}  // namespace plx::test
