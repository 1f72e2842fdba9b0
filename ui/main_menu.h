// The main window's menu: its commands by id and the texts of both layouts.
#pragma once

#include <QHash>

class QAction;
class QMenu;
class QMenuBar;

namespace plx {

// Command ids, shared by the Hebrew and the English menu.
enum class MainCommand : int {
    Close = 2,
    Today = 30601,
    Location = 30603,
    DaylightOff = 30606,
    Daylight1 = 30607,
    Daylight2 = 30608,
    Daylight3 = 30609,
    DaylightOn = 30610,
    DailyReport = 30611,
    WeeklyReport = 30612,
    MonthlyReport = 30613,
    YearlyReport = 30614,
    CalendarMode = 30615,
    Explanation = 30616,
    TimesSettings = 30617,
    SunsetTimetable = 30618,
    DawnTimetable = 30619,
    SunriseTimetable = 30620,
    SwitchToEnglish = 30621,
    SwitchToHebrew = 30622,
    About = 30624,
    DaylightAuto = 30630,
    ExportCalendar = 30631,
    PersonalDates = 30632,
};

inline size_t qHash(MainCommand id, size_t seed = 0) noexcept {
    return ::qHash(static_cast<int>(id), seed);
}

struct MainMenu {
    // Every command of the layout, by id (QAction::data holds it too).
    QHash<MainCommand, QAction*> commands;
    QMenu* daylight = nullptr;  // the daylight-saving popup inside "Settings"

    // None for a command the layout does not have.
    QAction* action(MainCommand id) const { return commands.value(id); }
};

// Fills the menu bar with the menu of the layout: the Hebrew menu (which offers the switch to
// English) or the English one (which offers the switch to Hebrew).
MainMenu BuildMainMenu(QMenuBar* bar, bool hebrewLayout);

}  // namespace plx
