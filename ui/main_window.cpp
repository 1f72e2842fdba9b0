#include "ui/main_window.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>
#include <utility>

#include "app/language.h"
#include "app/settings_store.h"
#include "app/stored_locations.h"
#include "app/stored_options.h"
#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/time_zones.h"
#include "engine/vocabulary.h"
#include "reports/personal_days.h"
#include "ui/calendar_view.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/details_dialog.h"
#include "ui/dialogs/export_calendar_dialog.h"
#include "ui/dialogs/monthly_report_dialog.h"
#include "ui/dialogs/personal_dates_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/time_zones_dialog.h"
#include "ui/layout_text.h"
#include "ui/preview/print_preview_dlg.h"
#include "ui/preview/printer_defaults.h"
#include "ui/settings_writes.h"
#include "ui/times_events.h"

namespace plx {
namespace {

QString Caption(std::u16string_view key) {
    return LookupString(u"Plx", FromUtf16(key));
}

}  // namespace

CPLXDlg::CPLXDlg(SettingsStore& store, CustomLocationList& customLocations, QString languagesFolder,
                 QWidget* parent)
    : CSKDialog(parent),
      store_(store),
      customLocations_(customLocations),
      languagesFolder_(std::move(languagesFolder)),
      languageCode_(ActiveLanguage().code),
      vocabulary_(LanguageOfCode(languageCode_.toStdU16String())),
      settings_(LoadCalculationSettings(store)),
      stored_(settings_),
      reports_([this] { return CurrentReportInputs(); }) {
    const bool hebrewLayout = ActiveLanguage().rightToLeft;
    setLayoutDirection(hebrewLayout ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 2, 6, 6);
    menuBar_ = new QMenuBar(this);
    column->setMenuBar(menuBar_);
    BuildMenu();
    hebrewFields_ = new DateFields(DateFields::Calendar::Hebrew, hebrewLayout, this);
    civilFields_ = new DateFields(DateFields::Calendar::Civil, hebrewLayout, this);
    auto* dates = new QHBoxLayout;
    for (DateFields* fields : {hebrewFields_, civilFields_}) {
        // The date band spreads across a larger window; the height goes to the tabs.
        fields->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        dates->addWidget(fields);
    }
    column->addLayout(dates);

    tabs_ = new QTabWidget(this);
    view_ = new CPLXCalendar(ActiveCalendarViewLanguage(), tabs_);
    LoadPersonal();
    view_->setPersonalNames([this](DayNumber first, DayNumber last) {
        return PersonalNamesByDay(personalDates_, personalAdar_, first, last);
    });
    view_->Attach();
    page_ = new CPLXTimesEventsDlg(languageCode_, tabs_);
    tabs_->addTab(view_, Caption(u"CALENDAR"));
    tabs_->addTab(page_, Caption(u"TIMESEVENTS"));
    column->addWidget(tabs_);
    SetSkin(kMainWindowSkin);
    // The window grows from what its contents ask for, which is where a fresh install opens.
    defaultSize_ = sizeHint().expandedTo(minimumSize());
    setMinimumSize(defaultSize_);
    storedGeometry_ = LoadWindowGeometry(store_);
    PlaceWindow(OpeningWindowGeometry(storedGeometry_, defaultSize_));

    location_ = LookupLocation(settings_.locationKey, customLocations_);
    ShowDate(view_->selected(), view_->selectedHebrew());
    CaptionLocationItem();
    RefreshDaylightMenu();

    ConnectFields(hebrewFields_);
    ConnectFields(civilFields_);
    connect(view_, &CPLXCalendar::dateChanged, this,
            [this](CalendarDate civil, CalendarDate hebrew) { ShowDate(civil, hebrew); });

    welcomeTimer_.setInterval(100);
    connect(&welcomeTimer_, &QTimer::timeout, this, [this] { OnWelcome(); });
    if (ShowWelcomeAtStart(store_))
        welcomeTimer_.start();
}

MainWindowPlace CPLXDlg::Place() const {
    return {view_->selected(), tabs_->currentIndex(), view_->civilMode(), Geometry()};
}

WindowGeometry CPLXDlg::Geometry() const {
    return {normalGeometry(), windowState().testFlag(Qt::WindowMaximized)};
}

void CPLXDlg::PlaceWindow(const WindowGeometry& geometry) {
    // Normal first: the maximised window keeps that rectangle to return to.
    setWindowState(windowState() & ~Qt::WindowMaximized);
    setGeometry(geometry.normal);
    if (geometry.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CPLXDlg::RestorePlace(const MainWindowPlace& place) {
    // The same run goes on in the other language: it was welcomed once.
    welcomeTimer_.stop();
    if (place.civilMode != view_->civilMode()) {
        view_->setCivilMode(place.civilMode);
        view_->LayOutCells();
    }
    view_->setSelected(NormalizeCivilDate(place.selected));
    view_->Refill();
    tabs_->setCurrentIndex(place.page);
    PlaceWindow(place.geometry);
}

void CPLXDlg::BuildMenu() {
    menu_ = BuildMainMenu(menuBar_, ActiveLanguage().rightToLeft);
    const std::pair<MainCommand, std::function<void()>> handlers[] = {
        {MainCommand::Today, [this] { view_->selectToday(); }},
        {MainCommand::CalendarMode, [this] { OnCalendarMode(); }},
        {MainCommand::Location, [this] { OnLocation(); }},
        {MainCommand::DaylightAuto,
         [this] { AfterDaylightChange(ChooseDaylightAutomatic(settings_)); }},
        {MainCommand::DaylightOff, [this] { AfterDaylightChange(SwitchDaylightOff(settings_)); }},
        {MainCommand::DaylightOn, [this] { AfterDaylightChange(SwitchDaylightOn(settings_)); }},
        {MainCommand::Daylight1,
         [this] { AfterDaylightChange(ChooseDaylightHours(settings_, 1)); }},
        {MainCommand::Daylight2,
         [this] { AfterDaylightChange(ChooseDaylightHours(settings_, 2)); }},
        {MainCommand::Daylight3,
         [this] { AfterDaylightChange(ChooseDaylightHours(settings_, 3)); }},
        {MainCommand::TimesSettings, [this] { OnTimesSettings(); }},
        {MainCommand::PersonalDates, [this] { OnPersonalDates(); }},
        {MainCommand::SwitchToEnglish, [this] { SwitchLanguageTo(QStringLiteral("English.xml")); }},
        {MainCommand::SwitchToHebrew, [this] { SwitchLanguageTo(QStringLiteral("Hebrew.xml")); }},
        {MainCommand::About, [this] { OnAbout(); }},
        {MainCommand::DailyReport, [this] { ShowReport(ReportKind::Daily); }},
        {MainCommand::WeeklyReport, [this] { ShowReport(ReportKind::Weekly); }},
        {MainCommand::MonthlyReport, [this] { OnMonthlyReport(); }},
        {MainCommand::YearlyReport, [this] { ShowReport(ReportKind::Yearly); }},
        {MainCommand::SunsetTimetable, [this] { ShowReport(ReportKind::SunsetTimetable); }},
        {MainCommand::SunriseTimetable, [this] { ShowReport(ReportKind::SunriseTimetable); }},
        {MainCommand::DawnTimetable, [this] { ShowReport(ReportKind::DawnTimetable); }},
        {MainCommand::ExportCalendar, [this] { OnExportCalendar(); }},
        {MainCommand::Explanation, [this] { CPLXDetails(this).exec(); }},
        {MainCommand::Close, [this] { reject(); }},
    };
    // Each layout has one of the two language switches.
    for (const auto& [id, handler] : handlers) {
        if (QAction* action = menu_.action(id))
            connect(action, &QAction::triggered, this, handler);
    }
}

void CPLXDlg::reject() {
    // Only what changed in this window: a value another process set meanwhile stays. One write
    // for both, so that a file that cannot be written is said once.
    const WindowGeometry geometry = Geometry();
    const bool settingsChanged = settings_ != stored_;
    const bool moved = storedGeometry_ != geometry;
    if ((settingsChanged || moved) && KeepInStore(this, store_, [&](SettingsStore& store) {
            if (settingsChanged)
                SaveChangedCalculationSettings(store, stored_, settings_);
            if (moved)
                SaveWindowGeometry(store, geometry);
        })) {
        stored_ = settings_;
        storedGeometry_ = geometry;
    }
    CSKDialog::reject();
}

void CPLXDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // Enter has no default action here
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        DateFieldsEdited()) {
        // The edit is dropped, not the window: a second Escape closes it.
        RestoreDateFields();
        event->accept();
        return;
    }
    CSKDialog::keyPressEvent(event);
}

// ---- Commands -------------------------------------------------------------------------------

void CPLXDlg::OnCalendarMode() {
    view_->setCivilMode(!view_->civilMode());
    view_->LayOutCells();
    view_->Refill();
}

void CPLXDlg::AfterDaylightChange(bool changed) {
    if (changed)
        RebuildTimesText();
    // Also when nothing changed: choosing a checkable item has flipped its check mark.
    RefreshDaylightMenu();
}

void CPLXDlg::RefreshDaylightMenu() {
    const DaylightChecks checks = DaylightMenuChecks(settings_);
    menu_.action(MainCommand::DaylightAuto)->setChecked(checks.automatic);
    menu_.action(MainCommand::DaylightOff)->setChecked(checks.off);
    menu_.action(MainCommand::DaylightOn)->setChecked(checks.on);
    menu_.action(MainCommand::Daylight1)->setChecked(checks.hours[0]);
    menu_.action(MainCommand::Daylight2)->setChecked(checks.hours[1]);
    menu_.action(MainCommand::Daylight3)->setChecked(checks.hours[2]);
    menu_.daylight->setTitle(DaylightStateText());
    SetTitle();
}

QString CPLXDlg::DaylightStateText() const {
    const DateClock clock = ClockOnDate(view_->selected(), location_, settings_, SystemZoneOffset);
    const std::u16string_view key = DaylightCaptionKey(settings_, clock);
    if (key.empty())
        return {};
    QString text = Caption(key);
    if (clock.source == ClockSource::kUnknownZone)
        text.replace(QStringLiteral("%s"), LeftToRightRun(FromUtf16(location_.timeZone)));
    return text;
}

void CPLXDlg::CaptionLocationItem() {
    const QString timezone = Caption(kLocationCaptionKey);
    menu_.action(MainCommand::Location)
        ->setText(FromUtf16(LocationCaption(timezone.toStdU16String(), location_, vocabulary_)));
}

void CPLXDlg::SetTitle() {
    statusText_ = FromUtf16(LocationListText(location_, vocabulary_)) + QStringLiteral(" - ") +
                  DaylightStateText();
    SetFrameCaption(statusText_);
    setWindowTitle(Caption(u"PLX") + QStringLiteral(" - ") + statusText_);
}

void CPLXDlg::OnLocation() {
    CPLXTimeZonesDlg dialog(customLocations_, settings_.locationKey, this);
    dialog.SetEditHandler([this](const PlaceEdit& edit) { return KeepPlaceEdit(edit); });
    if (dialog.exec() == Accepted)
        settings_.locationKey = dialog.Key();
    // Even after Cancel: the list's edits stay, and may have moved or removed the current place.
    location_ = LookupLocation(settings_.locationKey, customLocations_);
    // The choice is kept at once too, so that a crash before the program closes loses nothing.
    if (settings_.locationKey != stored_.locationKey) {
        const LocationKey key = settings_.locationKey;
        if (KeepInStore(this, store_, [key](SettingsStore& store) {
                store.WriteInteger(kSettingsSection, kLocationKeyName, key);
            })) {
            stored_.locationKey = key;
        }
    }
    CaptionLocationItem();
    RebuildTimesText();
    SetTitle();
}

std::optional<std::int32_t> CPLXDlg::KeepPlaceEdit(const PlaceEdit& edit) {
    PlaceEditResult done;
    const bool kept = KeepInStore(
        this, store_, [&](SettingsStore& store) { done = ApplyPlaceEdit(store, edit); });
    if (kept && done.removed) {
        for (LocationKey* key : {&settings_.locationKey, &stored_.locationKey})
            *key = KeyAfterRemoval(*key, *done.removed, done.count);
    }
    // The list as the file has it, with what another process changed meanwhile; the ids are the
    // sections the places are stored in.
    customLocations_ = LoadCustomLocations(store_);
    return kept ? done.id : std::nullopt;
}

void CPLXDlg::OnTimesSettings() {
    CPLXSettingsDlg dialog(settings_, this);
    if (dialog.exec() != Accepted)
        return;
    settings_ = dialog.Settings();
    RebuildTimesText();
}

void CPLXDlg::LoadPersonal() {
    personalDates_ = LoadPersonalDates(store_);
    personalAdar_ = LoadPersonalAdarChoice(store_);
}

void CPLXDlg::OnPersonalDates() {
    // What another process changed meanwhile shows too.
    LoadPersonal();
    CPLXPersonalDatesDlg dialog(
        {personalDates_, personalAdar_, std::nullopt}, view_->today(), view_->selected(),
        [this](const PersonalEdit& edit) { return KeepPersonalEdit(edit); },
        ActiveLanguage().rightToLeft, this);
    dialog.exec();
    LoadPersonal();
    view_->Refill();
}

PersonalList CPLXDlg::KeepPersonalEdit(const PersonalEdit& edit) {
    std::optional<std::int32_t> key;
    const bool kept = KeepInStore(this, store_, [&](SettingsStore& store) {
        key.reset();
        switch (edit.kind) {
            case PersonalEdit::Kind::Add:
                key = AddStoredPersonalDate(store, edit.date);
                break;
            case PersonalEdit::Kind::Update:
                if (UpdateStoredPersonalDate(store, edit.date))
                    key = edit.date.key;
                break;
            case PersonalEdit::Kind::Remove:
                RemoveStoredPersonalDate(store, edit.date.key);
                break;
            case PersonalEdit::Kind::Adar:
                SavePersonalAdarChoice(store, edit.adar);
                break;
        }
    });
    if (!kept)
        key.reset();
    // The list as the file has it: unchanged when the write failed, without a date another
    // process removed meanwhile.
    LoadPersonal();
    return {personalDates_, personalAdar_, key};
}

void CPLXDlg::SwitchLanguageTo(const QString& fileName) {
    // When the file does not load, the window is built again in the language it has.
    LoadLanguageFile(QDir(languagesFolder_).filePath(fileName));
    switchLanguage_ = true;
    reject();
}

void CPLXDlg::OnAbout() {
    CAboutDlg(store_, this).exec();
}

void CPLXDlg::OnMonthlyReport() {
    CPLXReportMonthlyDlg dialog(
        settings_, view_->selected(), [this] { return CurrentReportInputs(); }, this);
    dialog.previewStore = &store_;
    dialog.exec();
}

void CPLXDlg::OnExportCalendar() {
    CPLXExportCalendarDlg dialog(CurrentReportInputs(), this);
    dialog.exec();
}

void CPLXDlg::ShowReport(ReportKind kind) {
    reports_.setKind(kind);
    const PrintOrientation noted = ReadPrintOrientation();
    if (const auto orientation = OrientationForReport(kind))
        WritePrintOrientation(*orientation);
    OpenPrintPreview(preview_, reports_, this, &store_);
    if (const auto orientation = OrientationAfterReport(kind, noted))
        WritePrintOrientation(*orientation);
}

ReportInputs CPLXDlg::CurrentReportInputs() const {
    ReportInputs inputs;
    inputs.civil = view_->selected();
    inputs.place = location_;
    inputs.settings = settings_;
    inputs.language = ReportLanguageOf(ActiveLanguage());
    inputs.orientation = ReadPrintOrientation();
    inputs.informationText = page_->InformationBox()->toPlainText();
    inputs.personalDates = personalDates_;
    inputs.personalAdar = personalAdar_;
    return inputs;
}

void CPLXDlg::OnWelcome() {
    welcomeTimer_.stop();
    CAboutDlg(store_, this, CAboutDlg::Purpose::Welcome).exec();
}

}  // namespace plx
