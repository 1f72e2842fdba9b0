#include "ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <vector>

#include "ui/layout_text.h"

namespace plx {
namespace {

enum class Item { kCommand, kCheckable, kSeparator, kPopup, kEnd };
enum class Only { kBoth, kHebrew, kEnglish };

struct MenuEntry {
    Item item;
    int id = 0;
    LayoutText text{u"", u""};
    Only only = Only::kBoth;
};

constexpr int kSettingsPopup = -1;
constexpr int kDaylightPopup = -2;
constexpr int kReportsPopup = -3;

// Popups end at the matching kEnd. The captions of the calendar switch, the location item and the
// daylight-saving popup are replaced as soon as the window opens.
constexpr MenuEntry kMainMenu[] = {
    {Item::kCommand, kCmdToday, {u"היום", u"Today"}},
    {Item::kPopup, kSettingsPopup, {u"הגדרות", u"Settings"}},
    {Item::kCommand, kCmdCalendarMode, {u"לוח גרגוריאני", u"Gregorian Calendar"}},
    {Item::kCommand, kCmdLocation, {u"אזור זמן", u"Time Zone"}},
    {Item::kPopup, kDaylightPopup, {u"שעון קיץ", u"Daylight Saving"}},
    {Item::kCheckable,
     kCmdDaylightAuto,
     {u"אוטומטי (לפי אזור הזמן של המקום)", u"Automatic (by the place's time zone)"}},
    {Item::kSeparator},
    {Item::kCheckable, kCmdDaylightOff, {u"שעון קיץ כבוי", u"Daylight Saving Clock Off"}},
    {Item::kCheckable, kCmdDaylightOn, {u"שעון קיץ פועל", u"Daylight Saving Clock On"}},
    {Item::kSeparator},
    {Item::kCheckable, kCmdDaylight1, {u"שעון קיץ: שעה אחת", u"Daylight Saving: 1 Hour"}},
    {Item::kCheckable, kCmdDaylight2, {u"שעון קיץ: שעתיים", u"Daylight Saving: 2 Hours"}},
    {Item::kCheckable, kCmdDaylight3, {u"שעון קיץ: שלוש שעות", u"Daylight Saving: 3 Hours"}},
    {Item::kEnd},
    {Item::kCommand, kCmdTimesSettings, {u"הגדרות זמני היום", u"Halachic times Settings"}},
    {Item::kSeparator},
    {Item::kCommand, kCmdSwitchToEnglish, {u"החלף שפה לאנגלית", u""}, Only::kHebrew},
    {Item::kCommand, kCmdSwitchToHebrew, {u"", u"Switch to Hebrew"}, Only::kEnglish},
    {Item::kSeparator},
    {Item::kCommand, kCmdAbout, {u"אודות...", u"About..."}},
    {Item::kEnd},
    {Item::kPopup, kReportsPopup, {u"דוחות", u"Reports"}},
    {Item::kCommand, kCmdDailyReport, {u"דוח יומי", u"Daily Report"}},
    {Item::kCommand, kCmdWeeklyReport, {u"דוח שבועי", u"Weekly Report"}},
    {Item::kCommand, kCmdMonthlyReport, {u"דוח חודשי", u"Monthly Report"}},
    {Item::kCommand, kCmdYearlyReport, {u"דוח שנתי", u"Yearly Report"}},
    {Item::kSeparator},
    {Item::kCommand, kCmdSunsetTimetable, {u"לוח שקיעות שנתי", u"Yearly sunset timetable"}},
    {Item::kCommand, kCmdSunriseTimetable, {u"לוח זריחות שנתי", u"Yearly sunrise timetable"}},
    {Item::kCommand, kCmdDawnTimetable, {u"לוח עלות השחר שנתי", u"Yearly break-of-dawn timetable"}},
    {Item::kSeparator},
    {Item::kCommand, kCmdExportCalendar, {u"ייצוא ללוח שנה…", u"Export to calendar…"}},
    {Item::kEnd},
    {Item::kCommand, kCmdExplanation, {u"הסבר", u"Explanation"}},
    {Item::kCommand, kCmdClose, {u"סגור", u"Close"}},
};

bool InLayout(const MenuEntry& entry, bool hebrewLayout) {
    return entry.only == Only::kBoth || (entry.only == Only::kHebrew) == hebrewLayout;
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar* bar, bool hebrewLayout) {
    MainMenu menu;
    std::vector<QMenu*> open;  // the popups being filled, innermost last
    for (const MenuEntry& entry : kMainMenu) {
        if (!InLayout(entry, hebrewLayout))
            continue;
        const QString text = LayoutString(entry.text, hebrewLayout);
        switch (entry.item) {
            case Item::kPopup: {
                QMenu* popup = open.empty() ? bar->addMenu(text) : open.back()->addMenu(text);
                // A popup is a window of its own and does not inherit the bar's direction.
                popup->setLayoutDirection(hebrewLayout ? Qt::RightToLeft : Qt::LeftToRight);
                if (entry.id == kSettingsPopup)
                    menu.settings = popup;
                if (entry.id == kDaylightPopup)
                    menu.daylight = popup;
                open.push_back(popup);
                break;
            }
            case Item::kEnd:
                open.pop_back();
                break;
            case Item::kSeparator:
                open.back()->addSeparator();
                break;
            case Item::kCommand:
            case Item::kCheckable: {
                QAction* action =
                    open.empty() ? bar->addAction(text) : open.back()->addAction(text);
                action->setData(entry.id);
                action->setCheckable(entry.item == Item::kCheckable);
                menu.commands.insert(entry.id, action);
                break;
            }
        }
    }
    return menu;
}

}  // namespace plx
