// The main window: the selected day as a Hebrew and as a civil date in two groups of entry
// fields, the month view and the times-and-events page in a tab control, and the menu.
//
// The month view owns the selected date. Every way of changing it (typing, spinners, arrow keys,
// month boxes, Today, a click in the view) goes through the view, whose dateChanged rewrites the
// fields and the page under the updating flag, so the fields never disagree with the view and
// the rewrite never feeds back into a new date.
#pragma once

#include <QList>
#include <QString>
#include <QTimer>

#include <optional>

#include "app/stored_personal_dates.h"
#include "astro/locations.h"
#include "astro/times_options.h"
#include "engine/calendar.h"
#include "reports/main_report_source.h"
#include "ui/date_fields.h"
#include "ui/main_menu.h"
#include "ui/toolkit/skinned_dialog.h"
#include "ui/window_geometry.h"

class QLineEdit;
class QMenuBar;
class QTabWidget;

namespace plx {

class CPLXCalendar;
class CPLXTimesEventsDlg;
class CPrintPreviewDlg;
class SettingsStore;
struct PlaceEdit;
struct PersonalEdit;
struct PersonalList;

// What a language switch carries over to the rebuilt window: the selected day, the page shown,
// the calendar mode and where the window stood.
struct MainWindowPlace {
    CalendarDate selected;
    int page = 0;
    bool civilMode = false;
    WindowGeometry geometry;
};

class CPLXDlg : public CSKDialog {
public:
    // The layout (Hebrew for a right-to-left language, English otherwise) follows the active
    // language. The calculation settings and the window's place are read from `store` here and
    // written back when the window closes; `customLocations` stays the application's. The language
    // switch loads its file from `languagesFolder`.
    CPLXDlg(SettingsStore& store, CustomLocationList& customLocations, QString languagesFolder,
            QWidget* parent = nullptr);

    // Set when the window closed to be built again in the other language.
    bool SwitchLanguage() const { return switchLanguage_; }
    MainWindowPlace Place() const;
    // Goes on from the window closed for a language switch, without a second welcome.
    void RestorePlace(const MainWindowPlace& place);

    // The window's parts, for the tests that drive it.
    // Hiding the half-destroyed window moves the focus out of a date field, whose signals must
    // no longer reach this window's handlers.
    ~CPLXDlg() override;

    DateFields* hebrewFields() const { return hebrewFields_; }
    DateFields* civilFields() const { return civilFields_; }
    QAction* CommandAction(MainCommand id) const { return menu_.action(id); }
    QMenu* DaylightMenu() const { return menu_.daylight; }
    QTabWidget* Tabs() const { return tabs_; }
    CPLXCalendar* CalendarView() const { return view_; }
    CPLXTimesEventsDlg* TimesEventsPage() const { return page_; }
    const QTimer& WelcomeTimer() const { return welcomeTimer_; }
    // The size a fresh install opens at, which is also the smallest the window can be made.
    QSize DefaultSize() const { return defaultSize_; }
    // Where the window stands, as the settings keep it.
    WindowGeometry Geometry() const;
    // The report shown last and its preview window (none before the first report).
    const MainReportSource& Reports() const { return reports_; }
    CPrintPreviewDlg* PreviewWindow() const { return preview_; }
    // What a report draws from: the selected date, the place, options and language now.
    ReportInputs CurrentReportInputs() const;

    // Closing by any way (Escape, the close box, Close, a language switch) saves the settings.
    void reject() override;

protected:
    // Enter does nothing; Escape while a date field holds an edit only puts the selected date
    // back into the fields.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenu();
    void PlaceWindow(const WindowGeometry& geometry);
    void ConnectFields(DateFields* fields);

    // Showing the selected date.
    void ShowDate(CalendarDate civil, CalendarDate hebrew);
    void ShowDateFields(CalendarDate civil, CalendarDate hebrew);
    // Rewrites the fields from the selected date, dropping text that named no date.
    void RestoreDateFields();
    // A day or year field as a date shows it: its text and the value that text stands for.
    struct FieldText {
        DateFields* fields;
        DateFields::Part part;
        QString text;
        int value;
    };
    QList<FieldText> DateFieldTexts(CalendarDate civil, CalendarDate hebrew) const;
    QString HebrewMonthText(CalendarDate hebrew) const;
    QString CivilMonthText(CalendarDate civil) const;
    // Whether a date field or month box holds text other than the selected date's: an edit the
    // user is making, or text that named no date.
    bool DateFieldsEdited() const;
    void FillMonthBoxes(std::int32_t hebrewYear);
    void RebuildTimesText();
    void CaptionCalendarSwitch(CalendarDate civil);

    // What the user does to the fields.
    void SetCivil(CalendarDate civil);
    void SetFromHebrew(CalendarDate hebrew);
    void OnFieldEdited(const DateFields* fields, DateFields::Part part);
    void OnMonthChosen(const DateFields* fields, int index);
    void OnMonthTyped(const DateFields* fields);
    void OnStep(const DateFields* fields, DateFields::Step step, int direction);
    CalendarDate SelectedCivil() const;
    CalendarDate SelectedHebrew() const;

    // Commands.
    void OnCalendarMode();
    void OnLocation();
    // Writes a confirmed change of the user's places to the store at once and reads the places
    // back; the id the place has now.
    std::optional<std::int32_t> KeepPlaceEdit(const PlaceEdit& edit);
    void OnTimesSettings();
    void OnPersonalDates();
    // Writes a confirmed change of the personal dates to the store at once and reads them back.
    PersonalList KeepPersonalEdit(const PersonalEdit& edit);
    void LoadPersonal();
    // The selected day's information with the personal dates kept on it.
    void ShowInformation(CalendarDate civil);
    void OnAbout();
    // The monthly report has a dialog of its own, which is the report's source.
    void OnMonthlyReport();
    void OnExportCalendar();
    void ShowReport(ReportKind kind);
    void SwitchLanguageTo(const QString& fileName);
    void AfterDaylightChange(bool changed);
    void RefreshDaylightMenu();
    // How the clock of the selected date is set, as the daylight-saving popup and the title say it.
    QString DaylightStateText() const;
    void CaptionLocationItem();
    void SetTitle();
    void OnWelcome();

    SettingsStore& store_;
    CustomLocationList& customLocations_;
    QString languagesFolder_;
    QString languageCode_;
    Language vocabulary_;  // month names, times labels

    bool switchLanguage_ = false;
    bool updating_ = false;
    QLineEdit* typingField_ = nullptr;  // the field whose typing is being applied
    std::int32_t lastHebrewYear_ = -1;
    bool lastCivilMode_ = false;
    CalculationSettings settings_;
    CalculationSettings stored_;  // what the store holds, as far as this window knows
    std::optional<WindowGeometry> storedGeometry_;
    QSize defaultSize_;
    Location location_;
    // The personal dates as the store held them when last read.
    PersonalDateList personalDates_;
    AdarChoice personalAdar_ = AdarChoice::AdarI;
    QString statusText_;
    MainReportSource reports_;
    CPrintPreviewDlg* preview_ = nullptr;  // made by the first report, kept for the window's life

    QMenuBar* menuBar_ = nullptr;
    MainMenu menu_;
    DateFields* hebrewFields_ = nullptr;
    DateFields* civilFields_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    CPLXCalendar* view_ = nullptr;
    CPLXTimesEventsDlg* page_ = nullptr;
    QTimer welcomeTimer_;
};

}  // namespace plx
