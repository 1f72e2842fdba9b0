#include "ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/language.h"
#include "app/settings_store.h"
#include "app/stored_locations.h"
#include "app/stored_options.h"
#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/time_zones.h"
#include "engine/vocabulary.h"
#include "ui/calendar_view.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/details_dialog.h"
#include "ui/dialogs/export_calendar_dialog.h"
#include "ui/dialogs/monthly_report_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/time_zones_dialog.h"
#include "ui/layout_text.h"
#include "ui/preview/print_preview_dlg.h"
#include "ui/preview/printer_defaults.h"
#include "ui/times_events.h"
#include "ui/toolkit/up_down.h"

namespace plx {
namespace {

constexpr LayoutText kHebrewGroup{u" תאריך עברי ", u" Hebrew Date "};
constexpr LayoutText kCivilGroup{u" תאריך לועזי ", u" Civil Date "};
constexpr LayoutText kDayStep{u"יום אחד קדימה או אחורה", u"One day on or back"};
constexpr LayoutText kYearStep{u"שנה אחת קדימה או אחורה", u"One year on or back"};
constexpr LayoutText kDecadeStep{u"עשר שנים קדימה או אחורה", u"Ten years on or back"};

constexpr int kDayFieldWidth = 48;
constexpr int kMonthBoxWidth = 112;
constexpr int kYearFieldWidth = 72;

QString Caption(std::u16string_view key) {
    return LookupString(u"Plx", FromUtf16(key));
}

QLineEdit* DateField(int width, Qt::Alignment alignment, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setFixedWidth(width);
    field->setAlignment(alignment);
    return field;
}

QComboBox* MonthBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setCompleter(nullptr);  // the window completes month names itself
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(13);
    box->setFixedWidth(kMonthBoxWidth);
    return box;
}

UpDownControl* Spinner(const LayoutText& tip, bool hebrewLayout, QWidget* parent) {
    auto* spinner = new UpDownControl(parent);
    spinner->setToolTip(LayoutString(tip, hebrewLayout));
    return spinner;
}

}  // namespace

const CPLXDlg::CommandEntry CPLXDlg::kCommands[] = {
    {kCmdToday, &CPLXDlg::OnToday},
    {kCmdCalendarMode, &CPLXDlg::OnCalendarMode},
    {kCmdLocation, &CPLXDlg::OnLocation},
    {kCmdDaylightAuto, &CPLXDlg::OnDaylightAuto},
    {kCmdDaylightOff, &CPLXDlg::OnDaylightOff},
    {kCmdDaylightOn, &CPLXDlg::OnDaylightOn},
    {kCmdDaylight1, &CPLXDlg::OnDaylight1},
    {kCmdDaylight2, &CPLXDlg::OnDaylight2},
    {kCmdDaylight3, &CPLXDlg::OnDaylight3},
    {kCmdTimesSettings, &CPLXDlg::OnTimesSettings},
    {kCmdSwitchToEnglish, &CPLXDlg::OnSwitchToEnglish},
    {kCmdSwitchToHebrew, &CPLXDlg::OnSwitchToHebrew},
    {kCmdAbout, &CPLXDlg::OnAbout},
    {kCmdDailyReport, &CPLXDlg::OnDailyReport},
    {kCmdWeeklyReport, &CPLXDlg::OnWeeklyReport},
    {kCmdMonthlyReport, &CPLXDlg::OnMonthlyReport},
    {kCmdYearlyReport, &CPLXDlg::OnYearlyReport},
    {kCmdSunsetTimetable, &CPLXDlg::OnSunsetTimetable},
    {kCmdSunriseTimetable, &CPLXDlg::OnSunriseTimetable},
    {kCmdDawnTimetable, &CPLXDlg::OnDawnTimetable},
    {kCmdExportCalendar, &CPLXDlg::OnExportCalendar},
    {kCmdExplanation, &CPLXDlg::OnExplanation},
    {kCmdClose, &CPLXDlg::OnClose},
};

CPLXDlg::CPLXDlg(SettingsStore& store, CustomLocationList& customLocations, QString languagesFolder,
                 QWidget* parent)
    : CSKDialog(parent),
      store_(store),
      customLocations_(customLocations),
      languagesFolder_(std::move(languagesFolder)),
      languageCode_(ActiveLanguage().code),
      vocabulary_(LanguageOfCode(languageCode_.toStdU16String())),
      settings_(LoadCalculationSettings(store)),
      reports_([this] { return CurrentReportInputs(); }) {
    const bool hebrewLayout = ActiveLanguage().rightToLeft;
    setLayoutDirection(hebrewLayout ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(6, 2, 6, 6);
    menuBar_ = new QMenuBar(this);
    column->setMenuBar(menuBar_);
    BuildMenu();
    auto* dates = new QHBoxLayout;
    BuildDateGroups(dates);
    column->addLayout(dates);

    tabs_ = new QTabWidget(this);
    view_ = new CPLXCalendar(ActiveCalendarViewLanguage(), tabs_);
    view_->Attach();
    page_ = new CPLXTimesEventsDlg(languageCode_, tabs_);
    tabs_->addTab(view_, Caption(u"CALENDAR"));
    tabs_->addTab(page_, Caption(u"TIMESEVENTS"));
    column->addWidget(tabs_);
    SetSkin(kMainWindowSkin);

    location_ = LookupLocation(settings_.locationKey, customLocations_);
    ShowDate(view_->selected(), view_->selectedHebrew());
    CaptionLocationItem();
    RefreshDaylightMenu();

    ConnectFields();
    connect(view_, &CPLXCalendar::dateChanged, this,
            [this](CalendarDate civil, CalendarDate hebrew) { ShowDate(civil, hebrew); });

    welcomeTimer_.setInterval(100);
    connect(&welcomeTimer_, &QTimer::timeout, this, [this] { OnWelcome(); });
    if (ShowWelcomeAtStart(store_))
        welcomeTimer_.start();
}

MainWindowPlace CPLXDlg::Place() const {
    return {view_->selected(), tabs_->currentIndex(), view_->civilMode()};
}

void CPLXDlg::RestorePlace(const MainWindowPlace& place) {
    if (place.civilMode != view_->civilMode()) {
        view_->setCivilMode(place.civilMode);
        view_->LayOutCells();
    }
    view_->setSelected(NormalizeCivilDate(place.selected));
    view_->Refill();
    tabs_->setCurrentIndex(place.page);
}

void CPLXDlg::BuildDateGroups(QHBoxLayout* row) {
    const bool hebrewLayout = ActiveLanguage().rightToLeft;
    // Hebrew dates are written in Hebrew numerals, which read from the right in either layout.
    const Qt::Alignment hebrewAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

    auto* hebrewGroup = new QGroupBox(LayoutString(kHebrewGroup, hebrewLayout), this);
    auto* hebrewRow = new QHBoxLayout(hebrewGroup);
    hebrewDay_ = DateField(kDayFieldWidth, hebrewAlignment, hebrewGroup);
    hebrewDaySpin_ = Spinner(kDayStep, hebrewLayout, hebrewGroup);
    hebrewMonth_ = MonthBox(hebrewGroup);
    hebrewYear_ = DateField(kYearFieldWidth, hebrewAlignment, hebrewGroup);
    hebrewDecadeSpin_ = Spinner(kDecadeStep, hebrewLayout, hebrewGroup);
    hebrewYearSpin_ = Spinner(kYearStep, hebrewLayout, hebrewGroup);
    for (QWidget* w :
         std::initializer_list<QWidget*>{hebrewDay_, hebrewDaySpin_, hebrewMonth_, hebrewYear_,
                                         hebrewDecadeSpin_, hebrewYearSpin_}) {
        hebrewRow->addWidget(w);
    }

    auto* civilGroup = new QGroupBox(LayoutString(kCivilGroup, hebrewLayout), this);
    auto* civilRow = new QHBoxLayout(civilGroup);
    civilDay_ = DateField(kDayFieldWidth, Qt::AlignCenter, civilGroup);
    civilDaySpin_ = Spinner(kDayStep, hebrewLayout, civilGroup);
    civilMonth_ = MonthBox(civilGroup);
    civilYear_ = DateField(kYearFieldWidth, Qt::AlignCenter, civilGroup);
    civilYearSpin_ = Spinner(kYearStep, hebrewLayout, civilGroup);
    civilDecadeSpin_ = Spinner(kDecadeStep, hebrewLayout, civilGroup);
    for (QWidget* w : std::initializer_list<QWidget*>{
             civilDay_, civilDaySpin_, civilMonth_, civilYear_, civilYearSpin_, civilDecadeSpin_}) {
        civilRow->addWidget(w);
    }
    for (QHBoxLayout* groupRow : {hebrewRow, civilRow}) {
        groupRow->setSpacing(3);
        groupRow->setContentsMargins(8, 4, 8, 6);
        groupRow->insertStretch(0);
        groupRow->addStretch();
    }
    row->addWidget(hebrewGroup);
    row->addWidget(civilGroup);
}

void CPLXDlg::BuildMenu() {
    menu_ = BuildMainMenu(menuBar_, ActiveLanguage().rightToLeft);
    for (QAction* action : std::as_const(menu_.commands)) {
        const int id = action->data().toInt();
        const auto entry = std::find_if(std::begin(kCommands), std::end(kCommands),
                                        [id](const CommandEntry& e) { return e.id == id; });
        // Commands whose windows come later stay disabled rather than do nothing when chosen.
        action->setEnabled(entry != std::end(kCommands) && entry->handler != nullptr);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    }
}

void CPLXDlg::RunCommand(int id) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.id == id && entry.handler)
            (this->*entry.handler)();
    }
}

void CPLXDlg::reject() {
    SaveCalculationSettings(store_, settings_);
    CSKDialog::reject();
}

void CPLXDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();  // Enter has no default action here
        return;
    }
    CSKDialog::keyPressEvent(event);
}

// ---- Commands -------------------------------------------------------------------------------

void CPLXDlg::OnToday() {
    const CalendarDate today = LocalToday();
    if (today == view_->today() && today == view_->selected())
        return;
    view_->setToday(today);
    view_->setSelected(today);
    view_->Refill();
}

void CPLXDlg::OnCalendarMode() {
    view_->setCivilMode(!view_->civilMode());
    view_->LayOutCells();
    view_->Refill();
}

void CPLXDlg::OnDaylightAuto() {
    AfterDaylightChange(ChooseDaylightAutomatic(settings_));
}
void CPLXDlg::OnDaylightOff() {
    AfterDaylightChange(SwitchDaylightOff(settings_));
}
void CPLXDlg::OnDaylightOn() {
    AfterDaylightChange(SwitchDaylightOn(settings_));
}
void CPLXDlg::OnDaylight1() {
    AfterDaylightChange(ChooseDaylightHours(settings_, 1));
}
void CPLXDlg::OnDaylight2() {
    AfterDaylightChange(ChooseDaylightHours(settings_, 2));
}
void CPLXDlg::OnDaylight3() {
    AfterDaylightChange(ChooseDaylightHours(settings_, 3));
}

void CPLXDlg::AfterDaylightChange(bool changed) {
    if (changed)
        RebuildTimesText();
    // Also when nothing changed: choosing a checkable item has flipped its check mark.
    RefreshDaylightMenu();
}

void CPLXDlg::RefreshDaylightMenu() {
    const DaylightChecks checks = DaylightMenuChecks(settings_);
    menu_.commands.value(kCmdDaylightAuto)->setChecked(checks.automatic);
    menu_.commands.value(kCmdDaylightOff)->setChecked(checks.off);
    menu_.commands.value(kCmdDaylightOn)->setChecked(checks.on);
    menu_.commands.value(kCmdDaylight1)->setChecked(checks.hours[0]);
    menu_.commands.value(kCmdDaylight2)->setChecked(checks.hours[1]);
    menu_.commands.value(kCmdDaylight3)->setChecked(checks.hours[2]);
    menu_.daylight->setTitle(DaylightStateText());
    SetTitle();
}

QString CPLXDlg::DaylightStateText() const {
    const DateClock clock = ClockOnDate(SelectedCivil(), location_, settings_, SystemZoneOffset);
    const std::u16string_view key = DaylightCaptionKey(settings_, clock);
    if (key.empty())
        return {};
    QString text = Caption(key);
    if (clock.source == ClockSource::kUnknownZone)
        text.replace(QStringLiteral("%s"), FromUtf16(location_.timeZone));
    return text;
}

void CPLXDlg::CaptionLocationItem() {
    const QString timezone = Caption(kLocationCaptionKey);
    menu_.commands.value(kCmdLocation)
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
    if (dialog.exec() == Accepted)
        settings_.locationKey = dialog.Key();
    // Even after Cancel: the list's edits stay, and may have moved or removed the current place.
    settings_.locationKey = RenumberCustomLocations(customLocations_, settings_.locationKey);
    location_ = LookupLocation(settings_.locationKey, customLocations_);
    // The places the user typed are kept at once, with the key that points into them, so that a
    // crash or a power cut before the program closes loses none.
    SaveCustomLocations(store_, customLocations_);
    store_.WriteInteger(kSettingsSection, kLocationKeyName, settings_.locationKey);
    CaptionLocationItem();
    RebuildTimesText();
    SetTitle();
}

void CPLXDlg::OnTimesSettings() {
    CPLXSettingsDlg dialog(settings_, this);
    if (dialog.exec() != Accepted)
        return;
    settings_ = dialog.Settings();
    RebuildTimesText();
}

void CPLXDlg::OnSwitchToEnglish() {
    SwitchLanguageTo(QStringLiteral("English.xml"));
}
void CPLXDlg::OnSwitchToHebrew() {
    SwitchLanguageTo(QStringLiteral("Hebrew.xml"));
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
void CPLXDlg::OnExplanation() {
    CPLXDetails(this).exec();
}
void CPLXDlg::OnDailyReport() {
    ShowReport(ReportKind::Daily);
}
void CPLXDlg::OnWeeklyReport() {
    ShowReport(ReportKind::Weekly);
}
void CPLXDlg::OnYearlyReport() {
    ShowReport(ReportKind::Yearly);
}
void CPLXDlg::OnSunsetTimetable() {
    ShowReport(ReportKind::SunsetTimetable);
}
void CPLXDlg::OnSunriseTimetable() {
    ShowReport(ReportKind::SunriseTimetable);
}
void CPLXDlg::OnDawnTimetable() {
    ShowReport(ReportKind::DawnTimetable);
}

void CPLXDlg::OnMonthlyReport() {
    CPLXReportMonthlyDlg dialog(
        settings_, view_->selected(), [this] { return CurrentReportInputs(); }, this);
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
    OpenPrintPreview(preview_, reports_, this);
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
    return inputs;
}

void CPLXDlg::OnClose() {
    reject();
}

void CPLXDlg::OnWelcome() {
    welcomeTimer_.stop();
    showNormal();
    if (const QScreen* where = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(where->availableGeometry().center());
        move(frame.topLeft());
    }
    OnAbout();
}

}  // namespace plx
