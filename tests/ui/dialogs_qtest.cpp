// The small windows: the message box's size and answers, the About box's start-up check box,
// links and closing click, the explanation dialog, and the two layouts of the times page.
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "app/language.h"
#include "app/settings_store.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/details_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/times_events.h"
#include "ui/toolkit/link_button.h"

using namespace plx;

namespace {

const QString kLanguages = QStringLiteral(PLX_SOURCE_DIR "/resources/Languages");

// Runs `act` on the dialog once its modal loop has started.
void WhenShown(QDialog* dialog, std::function<void()> act) {
    QTimer::singleShot(0, dialog, [dialog, act = std::move(act)] {
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        act();
    });
}

}  // namespace

// Receives the links the About box opens instead of the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxFitsItsButtonsOrItsText() {
        CMessageBoxDlg box(false, nullptr);
        box.Prepare(QStringLiteral("Delete?"), QString(), MessageBoxButtons::YesNo);
        const int bw = box.Button(MessageBoxAnswer::Yes)->width();
        // Two buttons and 28 pixels of margin, less the frame's side borders.
        QCOMPARE(box.width(), 2 * (bw + 2) + 28 - 22);
        QVERIFY(box.Button(MessageBoxAnswer::Yes)->isVisibleTo(&box));
        QVERIFY(box.Button(MessageBoxAnswer::No)->isVisibleTo(&box));
        QVERIFY(!box.Button(MessageBoxAnswer::Ok)->isVisibleTo(&box));
        QVERIFY(box.Button(MessageBoxAnswer::Yes)->x() < box.Button(MessageBoxAnswer::No)->x());

        const QString longLine(120, u'W');
        box.Prepare(longLine + QStringLiteral("\nsecond line"), QString(), MessageBoxButtons::Ok);
        const QSize text = box.MessageLabel()->size();
        QCOMPARE(box.width(), text.width() + 10);
        QCOMPARE(box.height(), 15 + box.Button(MessageBoxAnswer::Ok)->height() + text.height());
        QVERIFY(text.height() >= 2 * box.MessageLabel()->fontMetrics().height());

        CMessageBoxDlg hebrew(true, nullptr);
        hebrew.Prepare(QStringLiteral("למחוק?"), QString(), MessageBoxButtons::YesNo);
        QVERIFY(hebrew.Button(MessageBoxAnswer::Yes)->x() >
                hebrew.Button(MessageBoxAnswer::No)->x());
    }

    void messageBoxAnswers() {
        {
            CMessageBoxDlg box(false, nullptr);
            WhenShown(&box, [&] { QTest::keyClick(&box, Qt::Key_Escape); });
            QCOMPARE(box.Show(QStringLiteral("Delete?"), QStringLiteral("plx"),
                              MessageBoxButtons::YesNo),
                     MessageBoxAnswer::No);
            QCOMPARE(box.windowTitle(), QStringLiteral("plx"));
        }
        {
            CMessageBoxDlg box(false, nullptr);
            WhenShown(&box, [&] { QTest::keyClick(&box, Qt::Key_Escape); });
            QCOMPARE(box.Show(QStringLiteral("Go on?"), QString(), MessageBoxButtons::YesNoCancel),
                     MessageBoxAnswer::Cancel);
        }
        {
            CMessageBoxDlg box(false, nullptr);
            WhenShown(&box, [&] {
                QTest::mouseClick(box.Button(MessageBoxAnswer::Yes), Qt::LeftButton);
            });
            QCOMPARE(box.Show(QStringLiteral("Delete?"), QString(), MessageBoxButtons::YesNo),
                     MessageBoxAnswer::Yes);
        }
        QStringList asked;
        SetMessageBoxAnswerer([&](const QString& message, const QString&, MessageBoxButtons) {
            asked << message;
            return MessageBoxAnswer::Yes;
        });
        CMessageBoxDlg box(false, nullptr);
        QCOMPARE(box.Show(QStringLiteral("Delete?"), QString(), MessageBoxButtons::YesNo),
                 MessageBoxAnswer::Yes);
        ShowErrorMessage(nullptr, QStringLiteral("Broken"));
        SetMessageBoxAnswerer({});
        QCOMPARE(asked, (QStringList{QStringLiteral("Delete?"), QStringLiteral("Broken")}));
    }

    void aboutBoxStartupCheckBoxWritesAtOnce() {
        MemorySettingsStore store;
        QVERIFY(ShowWelcomeAtStart(store));
        {
            CAboutDlg about(store, false, nullptr);
            about.show();
            QVERIFY(about.StartupCheckBox()->isChecked());
            QTest::mouseClick(about.StartupCheckBox(), Qt::LeftButton);
            QCOMPARE(store.ReadInteger(u"Settings", u"ShowWelcome", -1), 0);
        }
        QVERIFY(!ShowWelcomeAtStart(store));
        CAboutDlg again(store, true, nullptr);
        QVERIFY(!again.StartupCheckBox()->isChecked());
        QCOMPARE(again.layoutDirection(), Qt::RightToLeft);
    }

    void aboutBoxOpensLinksShowsTheVersionAndClosesOnAClick() {
        QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
        LinkCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        MemorySettingsStore store;
        const ContactAddresses addresses{QStringLiteral("help@plx.test"),
                                         QStringLiteral("https://plx.test/")};
        CAboutDlg about(store, false, nullptr, CAboutDlg::Purpose::About, addresses);
        QVERIFY(about.VersionLabel()->text().contains(QStringLiteral("9.8.7")));
        WhenShown(&about, [&] {
            QTest::mouseClick(about.MailButton(), Qt::LeftButton);
            QTest::mouseClick(about.WebButton(), Qt::LeftButton);
            QVERIFY(about.isVisible());
            QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(4, about.height() / 2));
        });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:help@plx.test")),
                                              QUrl(QStringLiteral("https://plx.test/"))}));
    }

    // The build gives the addresses; each one it leaves empty is not offered, and with neither
    // there is no invitation to write.
    void aboutBoxOffersOnlyTheAddressesItHas_data() {
        QTest::addColumn<QString>("mail");
        QTest::addColumn<QString>("web");
        QTest::newRow("both") << u"help@plx.test"_qs << u"https://plx.test"_qs;
        QTest::newRow("e-mail") << u"help@plx.test"_qs << QString();
        QTest::newRow("web") << QString() << u"https://plx.test"_qs;
        QTest::newRow("none") << QString() << QString();
    }

    void aboutBoxOffersOnlyTheAddressesItHas() {
        QFETCH(QString, mail);
        QFETCH(QString, web);
        MemorySettingsStore store;
        CAboutDlg about(store, true, nullptr, CAboutDlg::Purpose::About, {mail, web});
        about.show();
        QCOMPARE(about.MailButton()->isVisible(), !mail.isEmpty());
        QCOMPARE(about.WebButton()->isVisible(), !web.isEmpty());
        QCOMPARE(about.ContactLabel()->isVisible(), !mail.isEmpty() || !web.isEmpty());
        // No made-up address stands in for one the build was not given.
        QVERIFY(!BuiltContactAddresses().mail.contains(u"example"_qs));
        QVERIFY(!BuiltContactAddresses().web.contains(u"example"_qs));
    }

    void welcomeScreenIsTitledAsAWelcome() {
        MemorySettingsStore store;
        for (const QString& language : {u"English"_qs, u"Hebrew"_qs}) {
            QVERIFY(LoadLanguageFile(kLanguages + u'/' + language + u".xml"_qs));
            const QString welcome = LookupString(u"Plx", u"WELCOME_TITLE");
            QVERIFY(!welcome.isEmpty());
            QCOMPARE(CAboutDlg(store, nullptr, CAboutDlg::Purpose::Welcome).windowTitle(), welcome);
            QVERIFY(CAboutDlg(store, nullptr).windowTitle() != welcome);
        }
    }

    void explanationClosesWithOk() {
        CPLXDetails details(true, nullptr);
        QCOMPARE(details.layoutDirection(), Qt::RightToLeft);
        WhenShown(&details, [&] { QTest::mouseClick(details.OkButton(), Qt::LeftButton); });
        QCOMPARE(details.exec(), int(QDialog::Accepted));
    }

    void timesPageLayouts() {
        QWidget parent;
        parent.resize(600, 400);
        CPLXTimesEventsDlg english(QStringLiteral("en"), &parent);
        english.resize(600, 400);
        english.show();
        QVERIFY(english.InformationBox()->x() < english.TimesBox()->x());
        english.SetInformationText(QStringLiteral("Year 5787"));
        QVERIFY(english.InformationBox()
                    ->cursorRect(QTextCursor(english.InformationBox()->document()))
                    .x() < english.InformationBox()->viewport()->width() / 4);
        for (const QString& code : {QStringLiteral("he"), QStringLiteral("fr"), QString()}) {
            CPLXTimesEventsDlg other(code, &parent);
            other.resize(600, 400);
            other.show();
            QVERIFY2(other.InformationBox()->x() > other.TimesBox()->x(), qPrintable(code));
            // A short Hebrew line begins at the right edge of the box.
            other.SetInformationText(QStringLiteral("שנת 5787"));
            QTextCursor start(other.InformationBox()->document());
            QVERIFY2(other.InformationBox()->cursorRect(start).x() >
                         other.InformationBox()->viewport()->width() * 3 / 4,
                     qPrintable(code));
        }

        english.SetTimesText(QStringLiteral("\nSunrise\t\t06:01\nSunset\t17:02"));
        QCOMPARE(english.TimesBox()->toPlainText(),
                 QStringLiteral("\nSunrise\t06:01\nSunset\t17:02"));
        english.SetTimesText(QString());
        QVERIFY(english.TimesBox()->toPlainText().isEmpty());
        QVERIFY(english.TimesBox()->isReadOnly() && english.InformationBox()->isReadOnly());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_qtest.moc"
