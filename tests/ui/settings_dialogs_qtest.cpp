// The settings dialogs driven through keys and clicks: the location dialog (the two forms of a
// coordinate kept in agreement, the numeric fields' filters, creating and editing places), the
// location list (selection, buttons, row texts, the key it hands back) and the halachic-times
// settings (what the controls show for each value, what OK, Defaults and Cancel change).
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "app/language.h"
#include "app/time_zone_database.h"
#include "ui/dialogs/location_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/numeric_edit.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/time_zones_dialog.h"
#include "ui/toolkit/skin_theme.h"

using namespace plx;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

// Runs `act` on the modal dialog that is open when the event loop next runs.
void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        act(dialog);
    });
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Gives the field the focus and types over its text, key by key.
void TypeOver(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

Location Place(const char16_t* hebrew, const char16_t* english, int candles) {
    Location place;
    place.nameHebrew = hebrew;
    place.nameEnglish = english;
    place.latitude = 40;
    place.longitude = -74;
    place.zone = -5;
    place.candleMinutes = candles;
    return place;
}

// While it lives, every message box is answered with OK and what it said is kept.
struct SaidMessages {
    QStringList said;
    SaidMessages() {
        SetMessageBoxAnswerer([this](const QString& message, const QString&, MessageBoxButtons) {
            said << message;
            return MessageBoxAnswer::Ok;
        });
    }
    ~SaidMessages() { SetMessageBoxAnswerer({}); }
    SaidMessages(const SaidMessages&) = delete;
    SaidMessages& operator=(const SaidMessages&) = delete;
};

// Two places with ids 0 and 1, as loaded from the store.
CustomLocationList TwoPlaces() {
    CustomLocationList custom{Place(u"אחד", u"One", 18), Place(u"שתיים", u"Two", 20)};
    custom[1].id = 1;
    return custom;
}

// A location dialog for a new place, shown and active so that leaving a field counts.
struct NewPlace {
    CustomLocationList custom;
    CPLXLocationDlg dlg{custom, false, nullptr};
    NewPlace() {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
    }
    // Types into the field, then leaves it for the English name.
    void Enter(QLineEdit* field, const QString& text) {
        TypeOver(field, text);
        dlg.EnglishName()->setFocus();
    }
    QString Degrees() const {
        return dlg.LatitudeDegrees()->text() + u' ' + dlg.LatitudeMinutes()->text() + u' ' +
               dlg.LatitudeSeconds()->text();
    }
};

}  // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        AddProgramSkinThemes();  // the dialogs as the program shows them, in their frame
        QVERIFY(LoadLanguageFile(kLanguages + QStringLiteral("/English.xml")));
    }
    void cleanup() { SetMessageBoxAnswerer({}); }
    void decimalAndDegreesAgreeWhenAFieldIsLeft() {
        NewPlace p;
        QCOMPARE(p.dlg.CandleMinutes()->text(), QStringLiteral("22"));
        QVERIFY(!p.dlg.IsraelRefraction()->isChecked());

        p.Enter(p.dlg.Latitude(), QStringLiteral("31.78"));
        QCOMPARE(p.Degrees(), QStringLiteral("31 46 48"));
        p.Enter(p.dlg.LatitudeSeconds(), QStringLiteral("48"));
        QCOMPARE(p.dlg.Latitude()->text(), QStringLiteral("31.780000"));

        p.Enter(p.dlg.Latitude(), QStringLiteral("-34.5833"));
        QCOMPARE(p.Degrees(), QStringLiteral("-34 35 0"));
        p.Enter(p.dlg.LatitudeMinutes(), QStringLiteral("35"));
        QCOMPARE(p.dlg.Latitude()->text(), QStringLiteral("-34.583333"));

        // A full minute count is not carried into the degrees.
        p.Enter(p.dlg.Latitude(), QStringLiteral("31.9999999"));
        QCOMPARE(p.Degrees(), QStringLiteral("31 60 0"));

        // Longitude has its own pair; degrees 0 carry no sign.
        p.Enter(p.dlg.LongitudeDegrees(), QStringLiteral("-0"));
        QCOMPARE(p.dlg.Longitude()->text(), QStringLiteral("0.000000"));
        p.Enter(p.dlg.Longitude(), QStringLiteral("-0.5"));
        QCOMPARE(p.dlg.LongitudeDegrees()->text(), QStringLiteral("0"));
        QCOMPARE(p.Degrees(), QStringLiteral("31 60 0"));
    }

    void numericFieldsFilterKeysAndPastes() {
        NewPlace p;
        CNumericEdit* latitude = p.dlg.Latitude();
        TypeOver(latitude, QStringLiteral("12-3"));
        QCOMPARE(latitude->text(), QStringLiteral("123"));  // a "-" in the middle is ignored
        latitude->setCursorPosition(0);
        QTest::keyClick(latitude, Qt::Key_Minus);
        latitude->setCursorPosition(0);
        QTest::keyClick(latitude, Qt::Key_Minus);  // one sign only
        QTest::keyClick(latitude, Qt::Key_5);      // and no digit before it
        QCOMPARE(latitude->text(), QStringLiteral("-123"));
        latitude->end(false);
        QTest::keyClick(latitude, Qt::Key_Period);
        QTest::keyClick(latitude, Qt::Key_4);
        QTest::keyClick(latitude, Qt::Key_Period);  // one separator only
        QTest::keyClick(latitude, Qt::Key_A);
        QCOMPARE(latitude->text(), QStringLiteral("-123.4"));
        latitude->setSelection(0, 1);
        QTest::keyClick(latitude, Qt::Key_Period);  // would stand before nothing but digits
        QCOMPARE(latitude->text(), QStringLiteral("-123.4"));
        QTest::keyClick(latitude, Qt::Key_Backspace);
        QCOMPARE(latitude->text(), QStringLiteral("123.4"));

        CNumericEdit* degrees = p.dlg.LatitudeDegrees();
        TypeOver(degrees, QStringLiteral("-3.5"));
        QCOMPARE(degrees->text(), QStringLiteral("-35"));  // no period in a degree field

        // A paste is filtered as a whole and leaves the selection as it was.
        QApplication::clipboard()->setText(QStringLiteral("12a.3.4-"));
        latitude->setFocus();
        latitude->clear();
        QTest::keyClick(latitude, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(latitude->text(), QStringLiteral("12.34"));
        QCOMPARE(latitude->cursorPosition(), 0);
        // Texts set on the field pass the same filter.
        latitude->setText(QStringLiteral("--7x,8"));
        QCOMPARE(latitude->text(), QStringLiteral("-78"));
        QCOMPARE(FilterNumberText(QStringLiteral("1.2.3"), false), QStringLiteral("123"));
    }

    void createsThenEditsKeepingIdAndPosition() {
        CustomLocationList custom = TwoPlaces();
        {
            CPLXLocationDlg create(custom, false, nullptr);
            create.SetEditId(-1);
            WhenModal([&](QWidget*) {
                TypeOver(create.HebrewName(), QStringLiteral("בית שמש"));
                TypeOver(create.EnglishName(), QStringLiteral("Beit Shemesh"));
                TypeOver(create.Latitude(), QStringLiteral("31.75"));
                TypeOver(create.Longitude(), QStringLiteral("34.99"));
                TypeOver(create.ZoneHours(), QStringLiteral("-3"));
                TypeOver(create.ZoneMinutes(), QStringLiteral("-30"));
                TypeOver(create.Height(), QStringLiteral("300"));
                create.IsraelRefraction()->setFocus();
                QTest::keyClick(create.IsraelRefraction(), Qt::Key_Space);
                QTest::keyClick(create.Height(), Qt::Key_Return);
            });
            QCOMPARE(create.exec(), int(QDialog::Accepted));
            QCOMPARE(create.EditId(), 2);
        }
        QCOMPARE(custom.size(), std::size_t{3});
        const Location added = custom[2];
        QCOMPARE(added.id, 2);
        QVERIFY(added.nameHebrew == u"בית שמש");
        QCOMPARE(added.latitude, 31.75);
        QCOMPARE(added.zone, -3.5f);
        QCOMPARE(added.height, 300.0);
        QCOMPARE(added.candleMinutes, 22);
        QCOMPARE(added.refraction, 1);

        CPLXLocationDlg edit(custom, false, nullptr);
        edit.SetEditId(1);
        WhenModal([&](QWidget*) {
            QCOMPARE(edit.EnglishName()->text(), QStringLiteral("Two"));
            QCOMPARE(edit.ZoneHours()->text(), QStringLiteral("-5"));
            QCOMPARE(edit.LatitudeDegrees()->text(), QStringLiteral("40"));
            QCOMPARE(edit.Longitude()->text(), QStringLiteral("-74.000000"));
            TypeOver(edit.EnglishName(), QStringLiteral("Twice"));
            // Degrees typed and confirmed with Enter, without leaving the field, count.
            TypeOver(edit.LatitudeDegrees(), QStringLiteral("41"));
            QTest::keyClick(edit.LatitudeDegrees(), Qt::Key_Return);
        });
        QCOMPARE(edit.exec(), int(QDialog::Accepted));
        QCOMPARE(custom.size(), std::size_t{3});
        QCOMPARE(custom[1].id, 1);
        QVERIFY(custom[1].nameEnglish == u"Twice");
        QCOMPARE(custom[1].latitude, 41.0);
        QVERIFY(custom[2] == added);
    }

    void editingAPlaceThatIsGoneEndsAsCancelled() {
        CustomLocationList custom = TwoPlaces();
        CPLXLocationDlg edit(custom, false, nullptr);
        edit.SetEditId(7);
        QCOMPARE(edit.exec(), int(QDialog::Rejected));
        QVERIFY(!edit.isVisible());
    }

    void coordinatesBeyondTheGlobeAreRefused() {
        const SaidMessages messages;
        const QStringList& said = messages.said;
        CustomLocationList custom;
        CPLXLocationDlg create(custom, false, nullptr);
        WhenModal([&](QWidget*) {
            TypeOver(create.EnglishName(), QStringLiteral("Pole"));
            TypeOver(create.Latitude(), QStringLiteral("91"));
            QTest::keyClick(create.Latitude(), Qt::Key_Return);
            QVERIFY(create.isVisible());
            QCOMPARE(QApplication::focusWidget(), create.Latitude());
            TypeOver(create.Latitude(), QStringLiteral("-90"));
            TypeOver(create.LongitudeDegrees(), QStringLiteral("-181"));
            QTest::keyClick(create.LongitudeDegrees(), Qt::Key_Return);
            QVERIFY(create.isVisible());
            TypeOver(create.Longitude(), QStringLiteral("180"));
            QTest::keyClick(create.Longitude(), Qt::Key_Return);
        });
        QCOMPARE(create.exec(), int(QDialog::Accepted));
        QCOMPARE(said.size(), 2);
        QVERIFY(said[0].startsWith(QStringLiteral("Latitude")));
        QVERIFY(said[1].startsWith(QStringLiteral("Longitude")));
        QCOMPARE(custom.size(), std::size_t{1});
        QCOMPARE(custom[0].latitude, -90.0);
        QCOMPARE(custom[0].longitude, 180.0);
    }

    void aPlaceNeedsAName_data() {
        QTest::addColumn<bool>("hebrew");
        QTest::newRow("English") << false;
        QTest::newRow("Hebrew") << true;
    }

    // OK without either name is refused, naming the field; one name is enough.
    void aPlaceNeedsAName() {
        QFETCH(bool, hebrew);
        const SaidMessages messages;
        const QStringList& said = messages.said;
        CustomLocationList custom;
        CPLXLocationDlg create(custom, hebrew, nullptr);
        QLineEdit* ownName = hebrew ? create.HebrewName() : create.EnglishName();
        WhenModal([&](QWidget*) {
            TypeOver(create.Latitude(), QStringLiteral("32"));
            TypeOver(create.EnglishName(), QStringLiteral("   "));
            QTest::keyClick(create.Latitude(), Qt::Key_Return);
            QVERIFY(create.isVisible());
            QCOMPARE(QApplication::focusWidget(), ownName);
            TypeOver(create.HebrewName(), QStringLiteral("צפת"));
            QTest::keyClick(create.HebrewName(), Qt::Key_Return);
        });
        QCOMPARE(create.exec(), int(QDialog::Accepted));
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].startsWith(hebrew ? QStringLiteral("שם המקום")
                                           : QStringLiteral("Location's name")),
                 qPrintable(said[0]));
        QCOMPARE(custom.size(), std::size_t{1});
        QVERIFY(custom[0].nameHebrew == u"צפת");
        QVERIFY(custom[0].nameEnglish == u"צפת");
    }

    // A pasted tab or line break in either name is refused, naming the field it is in.
    void aNameWithAControlCharacterIsRefused() {
        const SaidMessages messages;
        const QStringList& said = messages.said;
        CustomLocationList custom;
        CPLXLocationDlg create(custom, false, nullptr);
        WhenModal([&](QWidget*) {
            TypeOver(create.Latitude(), QStringLiteral("32"));
            create.HebrewName()->setText(QStringLiteral("צפת"));
            create.EnglishName()->setText(QStringLiteral("Safed\tnorth"));
            QTest::keyClick(create.Latitude(), Qt::Key_Return);
            QVERIFY(create.isVisible());
            QCOMPARE(QApplication::focusWidget(), create.EnglishName());
            create.EnglishName()->setText(QStringLiteral("Safed"));
            create.HebrewName()->setText(QStringLiteral("צפת") + QChar(0x2028));
            QTest::keyClick(create.Latitude(), Qt::Key_Return);
            QVERIFY(create.isVisible());
            QCOMPARE(QApplication::focusWidget(), create.HebrewName());
            create.HebrewName()->setText(QStringLiteral("צפת"));
            QTest::keyClick(create.Latitude(), Qt::Key_Return);
        });
        QCOMPARE(create.exec(), int(QDialog::Accepted));
        QCOMPARE(said.size(), 2);
        QVERIFY(said[0].startsWith(QStringLiteral("Location's name: a name may not hold a tab")));
        QCOMPARE(custom.size(), std::size_t{1});
        QVERIFY(custom[0].nameEnglish == u"Safed");
    }

    void theTimeZoneIsChosenCheckedAndKept() {
        const SaidMessages messages;
        const QStringList& said = messages.said;
        CustomLocationList custom = TwoPlaces();
        custom[1].timeZone = u"America/New_York";
        {
            CPLXLocationDlg edit(custom, false, nullptr);
            edit.SetEditId(1);
            WhenModal([&](QWidget*) {
                // Shown with its offset now, kept by its id.
                QVERIFY(QRegularExpression(QStringLiteral("^America/New_York \\(UTC-0[45]:00\\)$"))
                            .match(edit.TimeZone()->currentText())
                            .hasMatch());
                QCOMPARE(edit.ChosenZoneId(), QStringLiteral("America/New_York"));
                TypeOver(edit.CandleMinutes(), QStringLiteral("30"));
                QTest::keyClick(edit.CandleMinutes(), Qt::Key_Return);
            });
            QCOMPARE(edit.exec(), int(QDialog::Accepted));
        }
        QVERIFY(custom[1].timeZone == u"America/New_York");  // editing another value keeps it

        CPLXLocationDlg create(custom, false, nullptr);
        WhenModal([&](QWidget*) {
            QCOMPARE(create.TimeZone()->currentText(), QString());  // none until chosen
            TypeOver(create.EnglishName(), QStringLiteral("Jerusalem"));
            QLineEdit* zone = create.TimeZone()->lineEdit();
            // Any part of an id lists the zones that hold it; a row chosen gives its id.
            QCompleter* completer = create.TimeZone()->completer();
            TypeOver(zone, QStringLiteral("york"));
            QVERIFY(completer->popup()->isVisible());
            QVERIFY(completer->completionCount() >= 1);
            QVERIFY(completer->currentCompletion().startsWith(u"America/New_York (UTC-0"_qs));
            QTest::keyClick(completer->popup(), Qt::Key_Down);
            QTest::keyClick(completer->popup(), Qt::Key_Return);
            QCOMPARE(create.ChosenZoneId(), QStringLiteral("America/New_York"));
            TypeOver(zone, QStringLiteral("jerusalem"));
            QCOMPARE(completer->currentCompletion(),
                     ZoneIdWithOffset(u"Asia/Jerusalem"_qs, QDateTime::currentDateTimeUtc()));
            completer->popup()->hide();
            TypeOver(zone, QStringLiteral("asia/JERUSALEM"));  // an id typed in any case
            completer->popup()->hide();
            QCOMPARE(create.ChosenZoneId(), QStringLiteral("Asia/Jerusalem"));
            TypeOver(zone, QStringLiteral("Asia/Jerusalm"));
            QTest::keyClick(create.CandleMinutes(), Qt::Key_Return);
            QVERIFY(create.isVisible());
            TypeOver(zone, QStringLiteral("Asia/Jerusalem"));
            completer->popup()->hide();
            QTest::keyClick(create.CandleMinutes(), Qt::Key_Return);
        });
        QCOMPARE(create.exec(), int(QDialog::Accepted));
        QCOMPARE(said.size(), 1);
        QVERIFY(said[0].startsWith(QStringLiteral("The time zone is not known")));
        QVERIFY(custom.back().timeZone == u"Asia/Jerusalem");
    }

    void listSelectsByKeyAndEnablesEditingOnlyForOwnPlaces() {
        CustomLocationList custom = TwoPlaces();
        {
            CPLXTimeZonesDlg list(custom, 0, QStringLiteral("en"), false, nullptr);
            QCOMPARE(list.List()->count(), 82);
            QCOMPARE(list.List()->currentRow(), 0);
            QCOMPARE(list.List()->item(0)->text(), QStringLiteral("Jerusalem (40)"));
            QVERIFY(!list.DeleteButton()->isEnabled() && !list.UpdateButton()->isEnabled());
        }
        CPLXTimeZonesDlg list(custom, 81, QStringLiteral("en"), false, nullptr);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.List()->currentRow(), 81);
        QVERIFY(list.DeleteButton()->isEnabled() && list.UpdateButton()->isEnabled());
        list.List()->setCurrentRow(5);
        QVERIFY(!list.DeleteButton()->isEnabled() && !list.UpdateButton()->isEnabled());
        list.List()->setCurrentRow(80);
        QVERIFY(list.DeleteButton()->isEnabled());

        // Double click chooses the row.
        QListWidget* rows = list.List();
        rows->scrollToItem(rows->item(80));
        const QRect own = rows->visualItemRect(rows->item(80));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, own.center());
        QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, own.center());
        QCOMPARE(list.result(), int(QDialog::Accepted));
        QCOMPARE(list.Key(), 80);
    }

    void rowTextsTestTheLanguageDifferently() {
        CustomLocationList custom = TwoPlaces();
        const auto rows = [&](const QString& code) {
            CPLXTimeZonesDlg list(custom, 0, code, code == u"he", nullptr);
            return list.List()->item(0)->text() + u'|' + list.List()->item(81)->text();
        };
        QCOMPARE(rows(QStringLiteral("en")), QStringLiteral("Jerusalem (40)|Two (20)"));
        QCOMPARE(rows(QStringLiteral("he")), QStringLiteral("ירושלים (40)|שתיים (20)"));
        QCOMPARE(rows(QStringLiteral("fr")), QStringLiteral("ירושלים (40)|Two (20)"));
    }

    void addedPlaceIsListedLastSelectedAndChosen() {
        CustomLocationList custom = TwoPlaces();
        CPLXTimeZonesDlg list(custom, 3, QStringLiteral("en"), false, nullptr);
        WhenModal([&](QWidget*) {
            WhenModal([&](QWidget* dialog) {
                auto* create = qobject_cast<QDialog*>(dialog);
                QVERIFY(create && create != &list);
                auto* place = static_cast<CPLXLocationDlg*>(create);
                TypeOver(place->EnglishName(), QStringLiteral("Safed"));
                TypeOver(place->CandleMinutes(), QStringLiteral("30"));
                QTest::keyClick(place->CandleMinutes(), Qt::Key_Return);
            });
            Click(list.AddButton());
            QCOMPARE(list.List()->count(), 83);
            QCOMPARE(list.List()->currentRow(), 82);
            QCOMPARE(list.List()->item(82)->text(), QStringLiteral("Safed (30)"));
            QVERIFY(list.UpdateButton()->isEnabled());
            QTest::keyClick(list.List(), Qt::Key_Return);
        });
        QCOMPARE(list.exec(), int(QDialog::Accepted));
        QCOMPARE(custom.back().id, 2);
        QCOMPARE(list.Key(), 82);
    }

    void updateRewritesTheRowInPlace() {
        CustomLocationList custom = TwoPlaces();
        CPLXTimeZonesDlg list(custom, 80, QStringLiteral("en"), false, nullptr);
        WhenModal([&](QWidget*) {
            WhenModal([&](QWidget* dialog) {
                auto* place = static_cast<CPLXLocationDlg*>(dialog);
                TypeOver(place->CandleMinutes(), QStringLiteral("40"));
                QTest::keyClick(place->CandleMinutes(), Qt::Key_Return);
            });
            Click(list.UpdateButton());
            QCOMPARE(list.List()->item(80)->text(), QStringLiteral("One (40)"));
            QCOMPARE(list.List()->currentRow(), 80);
            Click(list.CancelButton());  // Cancel keeps the list's edits
        });
        QCOMPARE(list.exec(), int(QDialog::Rejected));
        QCOMPARE(custom[0].candleMinutes, 40);
    }

    void deleteAsksThenLeavesNoSelection() {
        CustomLocationList custom = TwoPlaces();
        MessageBoxAnswer answer = MessageBoxAnswer::No;
        QStringList asked;
        QList<MessageBoxButtons> offered;
        SetMessageBoxAnswerer(
            [&](const QString& message, const QString& caption, MessageBoxButtons buttons) {
                asked << message + u'|' + caption;
                offered << buttons;
                return answer;
            });
        CPLXTimeZonesDlg list(custom, 81, QStringLiteral("en"), false, nullptr);
        list.show();
        Click(list.DeleteButton());
        QCOMPARE(custom.size(), std::size_t{2});
        answer = MessageBoxAnswer::Yes;
        Click(list.DeleteButton());
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0], QStringLiteral("Delete the selected location?|"));
        QCOMPARE(offered[0], MessageBoxButtons::YesNo);
        QCOMPARE(custom.size(), std::size_t{1});
        QCOMPARE(list.List()->count(), 81);
        QVERIFY(list.List()->selectedItems().isEmpty());
        QVERIFY(list.DeleteButton()->isEnabled());
        Click(list.DeleteButton());  // nothing selected: nothing asked, nothing deleted
        QCOMPARE(asked.size(), 2);

        // OK with nothing selected keeps the key the list was opened with.
        Click(list.OkButton());
        QCOMPARE(list.result(), int(QDialog::Accepted));
        QCOMPARE(list.Key(), 81);
    }

    void settingsShowEveryValueAndWriteBackOnlyCheckedGroups() {
        CalculationSettings settings;
        settings.calcHeights = true;
        settings.times.propHourMaga = true;
        settings.times.sunset = false;
        settings.times.starsOutRabeinuTamMinutes =
            static_cast<RabbeinuTamLength>(7);        // any other value: 90 minutes
        settings.times.starsOutRabeinuTamMethod = 9;  // any other: degrees
        settings.times.milesMethod = 100;             // any other: 72 minutes
        settings.times.riseSetDiffMethod = 7;         // no button at all
        settings.times.talitTfilinMethod = 5;
        settings.times.candleLighting = false;
        settings.times.motzash = false;
        settings.daylightHours = 2;
        settings.daylightOn = true;
        settings.locationKey = 83;
        settings.monthlyPlag = 9;
        settings.times.solarCalculation = SolarCalculation::Precise;

        CPLXSettingsDlg dlg(settings, true, nullptr);
        QCOMPARE(dlg.layoutDirection(), Qt::RightToLeft);
        using Choice = CPLXSettingsDlg::Choice;
        const QList<QAbstractButton*> checked{
            dlg.HeightsBox(),
            dlg.TimeBox(&TimesOfDayOptions::propHourMaga),
            dlg.ChoiceButton(Choice::RabeinuTamMinutes, 1),
            dlg.ChoiceButton(Choice::RabeinuTamMethod, kDegrees),
            dlg.ChoiceButton(Choice::Miles, 72),
            dlg.ChoiceButton(Choice::TallitMethod, 5),
            dlg.ChoiceButton(Choice::SolarCalculation, 1),
        };
        for (const QAbstractButton* button : checked)
            QVERIFY2(button->isChecked(), qPrintable(button->text()));
        const QList<QAbstractButton*> unchecked{
            dlg.TimeBox(&TimesOfDayOptions::sunset),
            dlg.TimeBox(&TimesOfDayOptions::starsOutGra),
            dlg.ChoiceButton(Choice::DawnMethod, kFixedMinutes),
            dlg.ChoiceButton(Choice::DawnMethod, kProportionalMinutes),
            dlg.ChoiceButton(Choice::DawnMethod, kDegrees),
            dlg.ChoiceButton(Choice::RabeinuTamMinutes, 0),
            dlg.ChoiceButton(Choice::Miles, 90),
            dlg.ChoiceButton(Choice::SolarCalculation, 0),
        };
        for (const QAbstractButton* button : unchecked)
            QVERIFY2(!button->isChecked(), qPrintable(button->text()));

        WhenModal([&](QWidget*) {
            Click(dlg.ChoiceButton(Choice::SolarCalculation, 0));
            Click(dlg.OkButton());
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        CalculationSettings expected = settings;
        expected.times.starsOutRabeinuTamMinutes = RabbeinuTamLength::k90Minutes;
        expected.times.starsOutRabeinuTamMethod = kDegrees;
        expected.times.milesMethod = 72;
        expected.times.solarCalculation = SolarCalculation::Classic;
        QVERIFY(dlg.Settings() == expected);  // the dawn method, with no button, stays 7
    }

    void settingsDefaultsSetTheControlsOnly() {
        CalculationSettings settings;
        settings.times.sunrise = false;
        settings.times.starsOutGra = true;
        settings.times.talitTfilinMethod = 0;
        settings.times.candleLighting = false;
        settings.calcHeights = true;
        settings.times.solarCalculation = SolarCalculation::Precise;
        {
            CPLXSettingsDlg dlg(settings, false, nullptr);
            WhenModal([&](QWidget*) {
                using Choice = CPLXSettingsDlg::Choice;
                Click(dlg.DefaultsButton());
                QVERIFY(dlg.TimeBox(&TimesOfDayOptions::sunrise)->isChecked());
                QVERIFY(!dlg.TimeBox(&TimesOfDayOptions::starsOutGra)->isChecked());
                QVERIFY(dlg.ChoiceButton(Choice::TallitMethod, 3)->isChecked());
                QVERIFY(!dlg.ChoiceButton(Choice::TallitMethod, 0)->isChecked());
                QVERIFY(!dlg.HeightsBox()->isChecked());
                QVERIFY(dlg.ChoiceButton(Choice::SolarCalculation, 0)->isChecked());
                QTest::keyClick(&dlg, Qt::Key_Escape);
            });
            QCOMPARE(dlg.exec(), int(QDialog::Rejected));
            QVERIFY(dlg.Settings() == settings);
        }
        CPLXSettingsDlg dlg(settings, false, nullptr);
        WhenModal([&](QWidget*) {
            Click(dlg.DefaultsButton());
            Click(dlg.OkButton());
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        CalculationSettings defaults;
        defaults.times.candleLighting = false;  // no control: passed through
        QVERIFY(dlg.Settings() == defaults);
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_qtest.moc"
