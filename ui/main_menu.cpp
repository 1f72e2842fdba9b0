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

// The popup the window captions again after the menu is built.
enum class Popup { kOther, kDaylight };

struct MenuEntry {
    Item item;
    MainCommand command{};
    LayoutText text{u"", u""};
    Only only = Only::kBoth;
    Popup popup = Popup::kOther;
};

// Popups end at the matching kEnd. The captions of the calendar switch, the location item and the
// daylight-saving popup are replaced as soon as the window opens.
constexpr MenuEntry kMainMenu[] = {
    {Item::kCommand, MainCommand::Today, {u"היום", u"Today"}},
    {Item::kPopup, {}, {u"הגדרות", u"Settings"}},
    {Item::kCommand, MainCommand::CalendarMode, {u"לוח גרגוריאני", u"Gregorian Calendar"}},
    {Item::kCommand, MainCommand::Location, {u"אזור זמן", u"Time Zone"}},
    {Item::kPopup, {}, {u"שעון קיץ", u"Daylight Saving"}, Only::kBoth, Popup::kDaylight},
    {Item::kCheckable,
     MainCommand::DaylightAuto,
     {u"אוטומטי (לפי אזור הזמן של המקום)", u"Automatic (by the place's time zone)"}},
    {Item::kSeparator},
    {Item::kCheckable, MainCommand::DaylightOff, {u"שעון קיץ כבוי", u"Daylight Saving Clock Off"}},
    {Item::kCheckable, MainCommand::DaylightOn, {u"שעון קיץ פועל", u"Daylight Saving Clock On"}},
    {Item::kSeparator},
    {Item::kCheckable, MainCommand::Daylight1, {u"שעון קיץ: שעה אחת", u"Daylight Saving: 1 Hour"}},
    {Item::kCheckable, MainCommand::Daylight2, {u"שעון קיץ: שעתיים", u"Daylight Saving: 2 Hours"}},
    {Item::kCheckable,
     MainCommand::Daylight3,
     {u"שעון קיץ: שלוש שעות", u"Daylight Saving: 3 Hours"}},
    {Item::kEnd},
    {Item::kCommand, MainCommand::TimesSettings, {u"הגדרות זמני היום", u"Halachic times Settings"}},
    {Item::kCommand, MainCommand::PersonalDates, {u"תאריכים אישיים…", u"Personal dates…"}},
    {Item::kSeparator},
    {Item::kCommand, MainCommand::SwitchToEnglish, {u"החלף שפה לאנגלית", u""}, Only::kHebrew},
    {Item::kCommand, MainCommand::SwitchToHebrew, {u"", u"Switch to Hebrew"}, Only::kEnglish},
    {Item::kSeparator},
    {Item::kCommand, MainCommand::About, {u"אודות...", u"About..."}},
    {Item::kEnd},
    {Item::kPopup, {}, {u"דוחות", u"Reports"}},
    {Item::kCommand, MainCommand::DailyReport, {u"דוח יומי", u"Daily Report"}},
    {Item::kCommand, MainCommand::WeeklyReport, {u"דוח שבועי", u"Weekly Report"}},
    {Item::kCommand, MainCommand::MonthlyReport, {u"דוח חודשי", u"Monthly Report"}},
    {Item::kCommand, MainCommand::YearlyReport, {u"דוח שנתי", u"Yearly Report"}},
    {Item::kSeparator},
    {Item::kCommand,
     MainCommand::SunsetTimetable,
     {u"לוח שקיעות שנתי", u"Yearly sunset timetable"}},
    {Item::kCommand,
     MainCommand::SunriseTimetable,
     {u"לוח זריחות שנתי", u"Yearly sunrise timetable"}},
    {Item::kCommand,
     MainCommand::DawnTimetable,
     {u"לוח עלות השחר שנתי", u"Yearly break-of-dawn timetable"}},
    {Item::kSeparator},
    {Item::kCommand, MainCommand::ExportCalendar, {u"ייצוא ללוח שנה…", u"Export to calendar…"}},
    {Item::kEnd},
    {Item::kCommand, MainCommand::Explanation, {u"הסבר", u"Explanation"}},
    {Item::kCommand, MainCommand::Close, {u"סגור", u"Close"}},
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
                if (entry.popup == Popup::kDaylight)
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
                action->setData(static_cast<int>(entry.command));
                action->setCheckable(entry.item == Item::kCheckable);
                menu.commands.insert(entry.command, action);
                break;
            }
        }
    }
    return menu;
}

}  // namespace plx
