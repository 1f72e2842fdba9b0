// The Hebrew layout reads from the right everywhere: every text of every window (labels, check
// boxes, radio buttons, group titles, tabs, list rows, combo-box items, message boxes, the menu
// popups) is drawn as a right-to-left paragraph at the right, as the application sets Qt up for
// a right-to-left language.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "main_window_fixture.h"
#include "reading_order.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/details_dialog.h"
#include "ui/dialogs/export_calendar_dialog.h"
#include "ui/dialogs/location_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/monthly_report_dialog.h"
#include "ui/dialogs/personal_date_dialog.h"
#include "ui/dialogs/personal_dates_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/time_zones_dialog.h"
#include "ui/preview/print_preview_dlg.h"
#include "ui/toolkit/skin_theme.h"
#include "ui/toolkit/up_down.h"

using namespace plx;
using namespace plx::test;

namespace {

// Digits at the start of a Hebrew sentence: the first thing read, so at the right-hand end.
const QString kProbe = QStringLiteral("18 אבגדה");
const QString kProbeDigits = QStringLiteral("18");

QImage Drawn(QWidget* widget, const QRect& area) {
    return widget->grab(area).toImage();
}

bool HasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Every text a widget shows, as something the test can rewrite and draw: the texts with words
// (a degree sign or a colon alone reads the same either way). The items of the menu bar and the
// tabs are sized to their texts, which the probe would change; their popups are tested below.
QList<ShownText> TextsOf(QWidget* widget) {
    QList<ShownText> texts;
    const QString name =
        QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
    const auto whole = [widget] { return Drawn(widget, widget->rect()); };
    if (auto* label = qobject_cast<QLabel*>(widget); label && HasLetters(label->text())) {
        texts << ShownText{name + label->text(), [label] { return label->text(); },
                           [label](const QString& t) { label->setText(t); }, whole};
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
               button && HasLetters(button->text())) {
        int lead = 0;
        QStyle* style = button->style();
        if (qobject_cast<QCheckBox*>(button)) {
            lead = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        } else if (qobject_cast<QRadioButton*>(button)) {
            lead = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                   style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        }
        texts << ShownText{name + button->text(), [button] { return button->text(); },
                           [button](const QString& t) { button->setText(t); }, whole, lead};
    } else if (auto* group = qobject_cast<QGroupBox*>(widget);
               group && !group->title().trimmed().isEmpty()) {
        // Only the title's band: the group's contents are walked on their own.
        const auto band = [group] {
            return Drawn(group, QRect(0, 0, group->width(), group->fontMetrics().height() + 2));
        };
        texts << ShownText{name + group->title(), [group] { return group->title(); },
                           [group](const QString& t) { group->setTitle(t); }, band};
    } else if (auto* box = qobject_cast<QComboBox*>(widget);
               box && !box->isEditable() && box->currentIndex() >= 0) {
        texts << ShownText{name + box->currentText(), [box] { return box->currentText(); },
                           [box](const QString& t) { box->setItemText(box->currentIndex(), t); },
                           whole};
    } else if (auto* list = qobject_cast<QListWidget*>(widget); list && list->count() > 0) {
        QListWidgetItem* row = list->item(0);
        texts << ShownText{
            name + row->text(), [row] { return row->text(); },
            [row](const QString& t) { row->setText(t); },
            [list, row] { return Drawn(list->viewport(), list->visualItemRect(row)); }};
    } else if (auto* page = qobject_cast<QPlainTextEdit*>(widget)) {
        texts << ShownText{name, [page] { return page->toPlainText(); },
                           [page](const QString& t) { page->setPlainText(t); },
                           [page] { return Drawn(page->viewport(), page->viewport()->rect()); }};
    }
    return texts;
}

// Whether `widget` is one of `fields` or inside one.
bool Within(const QWidget* widget, const QList<QWidget*>& fields) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (fields.contains(w))
            return true;
    }
    return false;
}

// Checks that every shown widget of `window` is laid out right to left, and that every text
// it shows is drawn as a right-to-left paragraph kept at the right (or centred). `latinFields`
// hold Latin values (dates as numbers, zone ids) and read left to right on purpose; scroll bars
// carry no text and follow what they scroll.
void CheckReadsFromTheRight(QWidget* window, const QList<QWidget*>& latinFields = {}) {
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    int texts = 0;
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || Within(widget, latinFields) ||
            qobject_cast<QScrollBar*>(widget))
            continue;
        const QString name = QString::fromLatin1(widget->metaObject()->className());
        QVERIFY2(widget->layoutDirection() == Qt::RightToLeft, qPrintable(name));
        const QSignalBlocker quiet(widget);
        const QRect place = widget->geometry();
        for (const ShownText& shown : TextsOf(widget)) {
            ++texts;
            // Room for the whole probe in a widget sized to a shorter word.
            const int probeWidth = widget->fontMetrics().horizontalAdvance(kProbe) + shown.lead;
            widget->resize(std::max(widget->width(), probeWidth + 16), widget->height());
            const TextInk ink = InkOf(shown, kProbe, kProbeDigits);
            widget->setGeometry(place);
            QVERIFY2(!ink.text.empty() && !ink.part.empty(), qPrintable(shown.name));
            QVERIFY2(ink.part.centre() > ink.text.centre(), qPrintable(shown.name));
            QVERIFY2(ink.rightGap() - shown.lead <= ink.leftGap() + 2, qPrintable(shown.name));
        }
        // A label chooses its direction from its text: in this layout that must be Hebrew's.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QVERIFY2(!HasLetters(label->text()) || label->text().isRightToLeft(),
                     qPrintable(label->text()));
        }
    }
    QVERIFY(texts > 0);
}

}  // namespace

class RightToLeftTest : public QObject {
    Q_OBJECT

    MemorySettingsStore store_;
    CustomLocationList custom_;

private slots:
    void initTestCase() {
        AddProgramSkinThemes();
        LoadLanguage(QStringLiteral("Hebrew"));
        // As the application sets Qt up for a right-to-left language.
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }

    void mainWindowAndItsPages() {
        Window window;
        window.Select({23, 4, 2019});
        CheckReadsFromTheRight(window.dlg.get());
        window.dlg->Tabs()->setCurrentIndex(1);
        CheckReadsFromTheRight(window.dlg.get());
    }

    void printPreviewAndItsBand() {
        Window window;
        bool checked = false;
        QTimer::singleShot(0, [&] {
            CPrintPreviewDlg* preview = window.dlg->PreviewWindow();
            QVERIFY(preview);
            CheckReadsFromTheRight(preview);
            checked = true;
            preview->reject();
        });
        window.dlg->CommandAction(MainCommand::DailyReport)->trigger();
        QVERIFY(checked);
    }

    void settingsDialogs() {
        CPLXSettingsDlg settings(CalculationSettings{}, nullptr);
        settings.show();
        CheckReadsFromTheRight(&settings);
        CPLXLocationDlg location(custom_, nullptr);
        location.show();
        CheckReadsFromTheRight(&location, {location.TimeZone()});
        CPLXTimeZonesDlg zones(custom_, 0, nullptr);
        zones.show();
        CheckReadsFromTheRight(&zones);
    }

    void smallDialogs() {
        CAboutDlg about(store_, nullptr);
        about.show();
        CheckReadsFromTheRight(&about);
        CPLXDetails details(nullptr);
        details.show();
        CheckReadsFromTheRight(&details);
        CMessageBoxDlg box(nullptr);
        box.Prepare(QStringLiteral("למחוק את המקום הנבחר?"), QStringLiteral("plx"),
                    MessageBoxButtons::YesNoCancel);
        box.show();
        CheckReadsFromTheRight(&box);
    }

    void reportDialogs() {
        Window window;
        CalculationSettings settings;
        CPLXReportMonthlyDlg monthly(
            settings, {23, 4, 2019}, [&] { return window.dlg->CurrentReportInputs(); }, nullptr);
        monthly.show();
        CheckReadsFromTheRight(&monthly);
        CPLXExportCalendarDlg exporter(window.dlg->CurrentReportInputs(), nullptr);
        exporter.show();
        CheckReadsFromTheRight(&exporter, {exporter.FromEdit(), exporter.ToEdit()});
    }

    void personalDatesDialogs() {
        PersonalDate yahrzeit;
        yahrzeit.key = 1;
        yahrzeit.name = u"אבא";
        yahrzeit.kind = PersonalKind::Yahrzeit;
        yahrzeit.date = {15, 6, 5783};
        PersonalList stored;
        stored.dates = {yahrzeit};
        CPLXPersonalDatesDlg list(stored, {23, 4, 2019}, {23, 4, 2019}, {}, true, nullptr);
        list.show();
        CheckReadsFromTheRight(&list);
        CPLXPersonalDateDlg editor(yahrzeit, true, nullptr);
        editor.show();
        CheckReadsFromTheRight(&editor);
    }

    // A zone id or a file path inside a Hebrew sentence reads whole, left to right.
    void latinRunsStayWhole() {
        Location place = BuiltInLocation(0);
        place.id = 0;
        place.timeZone = u"Mars/Olympus";
        MemorySettingsStore store;
        store.WriteInteger(u"Settings", u"plx_timezone", 80);
        Window window(false, store, {place});
        QVERIFY(window.dlg->CaptionText().contains(QStringLiteral("Mars/Olympus")));
        QVERIFY(ReadsLeftToRight(window.dlg->CaptionText(), QStringLiteral("Mars/Olympus"),
                                 Qt::RightToLeft));

        QStringList messages;
        SetMessageBoxAnswerer([&](const QString& message, const QString&, MessageBoxButtons) {
            messages << message;
            return MessageBoxAnswer::Ok;
        });
        CPLXExportCalendarDlg exporter(window.dlg->CurrentReportInputs(), nullptr);
        const QString path = QStringLiteral("/no/such/folder/x.ics");
        exporter.FileEdit()->setText(path);
        QVERIFY(!exporter.Export());
        SetMessageBoxAnswerer({});
        QCOMPARE(messages.size(), 1);
        QVERIFY(ReadsLeftToRight(messages[0], path, Qt::RightToLeft));
    }

    // "18 דק' * 4 (72 דק')": the eighteen minutes are read first, at the right-hand end.
    void milesReadFromTheRight() {
        CPLXSettingsDlg settings(CalculationSettings{}, nullptr);
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QRadioButton* mile = settings.ChoiceButton(CPLXSettingsDlg::Choice::Miles, 72);
        QVERIFY(mile && mile->text().startsWith(kProbeDigits));
        const auto whole = [mile] { return Drawn(mile, mile->rect()); };
        const ShownText shown{mile->text(), [mile] { return mile->text(); },
                              [mile](const QString& t) { mile->setText(t); }, whole};
        const TextInk ink = InkOf(shown, mile->text(), kProbeDigits);
        QVERIFY(!ink.part.empty());
        QVERIFY(ink.part.right >= ink.text.right - 1);
        QVERIFY(ink.part.left > ink.text.centre());
    }

    // The popups of the menu bar: item texts start at the right edge, beside the check mark,
    // and a submenu's arrow points from the left edge.
    void menuPopupsReadFromTheRight() {
        Window window;
        QMenu* settings = nullptr;
        for (QAction* item : window.dlg->findChild<QMenuBar*>()->actions()) {
            if (item->menu() &&
                item->menu()->actions().contains(window.dlg->CommandAction(MainCommand::About)))
                settings = item->menu();
        }
        QVERIFY(settings);
        settings->popup(window.dlg->mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        QCOMPARE(settings->layoutDirection(), Qt::RightToLeft);
        for (const MainCommand id : {MainCommand::CalendarMode, MainCommand::About}) {
            QAction* item = window.dlg->CommandAction(id);
            const ShownText shown{
                item->text(), [item] { return item->text(); },
                [item](const QString& t) { item->setText(t); },
                [settings, item] { return Drawn(settings, settings->actionGeometry(item)); }};
            const TextInk ink = InkOf(shown, kProbe, kProbeDigits);
            QVERIFY2(ink.rightGap() < ink.leftGap(), qPrintable(shown.name));
            QVERIFY2(ink.part.centre() > ink.text.centre(), qPrintable(shown.name));
        }
        // The daylight-saving popup's arrow: its item against a plain one with the same text
        // (its own, the widest, so the popup keeps its width).
        QAction* daylight = window.dlg->DaylightMenu()->menuAction();
        QAction* plain = window.dlg->CommandAction(MainCommand::About);
        const QString plainText = plain->text();
        plain->setText(daylight->text());
        // Rows through the middle of the items: the last item touches the popup's frame.
        const auto middle = [settings](QAction* item) {
            const QRect row = settings->actionGeometry(item);
            return Drawn(settings, row.adjusted(0, row.height() / 4, 0, -row.height() / 4));
        };
        const QImage withArrow = middle(daylight);
        const InkSpan arrow = DifferingColumns(withArrow, middle(plain));
        plain->setText(plainText);
        QVERIFY(!arrow.empty());
        QVERIFY(arrow.right < withArrow.width() / 4);
        settings->hide();
    }
};

QTEST_MAIN(RightToLeftTest)
#include "right_to_left_qtest.moc"
