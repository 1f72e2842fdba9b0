// The main window's menu: its commands by id and the texts of both layouts.
#pragma once

#include <QHash>

class QAction;
class QMenu;
class QMenuBar;

namespace plx {

// Command ids, shared by the Hebrew and the English menu.
enum MainCommand : int {
    kCmdClose = 2,
    kCmdToday = 30601,
    kCmdLocation = 30603,
    kCmdDaylightOff = 30606,
    kCmdDaylight1 = 30607,
    kCmdDaylight2 = 30608,
    kCmdDaylight3 = 30609,
    kCmdDaylightOn = 30610,
    kCmdDailyReport = 30611,
    kCmdWeeklyReport = 30612,
    kCmdMonthlyReport = 30613,
    kCmdYearlyReport = 30614,
    kCmdCalendarMode = 30615,
    kCmdExplanation = 30616,
    kCmdTimesSettings = 30617,
    kCmdSunsetTimetable = 30618,
    kCmdDawnTimetable = 30619,
    kCmdSunriseTimetable = 30620,
    kCmdSwitchToEnglish = 30621,
    kCmdSwitchToHebrew = 30622,
    kCmdAbout = 30624,
    kCmdDaylightAuto = 30630,
    kCmdExportCalendar = 30631,
};

struct MainMenu {
    QHash<int, QAction*> commands;  // every command of the layout, by id (QAction::data holds it)
    QMenu* settings = nullptr;
    QMenu* daylight = nullptr;  // the daylight-saving popup inside "Settings"
};

// Fills the menu bar with the menu of the layout: the Hebrew menu (which offers the switch to
// English) or the English one (which offers the switch to Hebrew).
MainMenu BuildMainMenu(QMenuBar* bar, bool hebrewLayout);

}  // namespace plx
