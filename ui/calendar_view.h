// The month view: a weekday header row over six weeks of day cells showing the month around the
// selected date, either its Hebrew month or its civil month.
//
// The view owns the selected date, today's date and the calendar mode. Its cells report clicks,
// double clicks and hovering queued; the view answers by moving the selection (and refilling)
// or by opening a balloon tip with the day's events. Every Refill ends in dateChanged, the one
// way the owner learns the date.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <QStringList>

#include <array>
#include <functional>
#include <vector>

#include "engine/calendar.h"
#include "engine/language.h"
#include "ui/calendar_cell.h"
#include "ui/toolkit/balloon_tip.h"

namespace plx {

// What the view takes from the interface language.
struct CalendarViewLanguage {
    bool rightToLeft = false;
    Language vocabulary = Language::kEnglish;  // of the portion and event names
    std::array<QString, 7> weekdayNames;       // Sunday first
};

// The view's share of the active language file.
CalendarViewLanguage ActiveCalendarViewLanguage();

// The local civil date.
CalendarDate LocalToday();

class CPLXCalendar : public QWidget {
    Q_OBJECT

public:
    using TodaySource = std::function<CalendarDate()>;
    // The names of the personal dates kept on each day from `first` to `last`, first day first.
    using PersonalNames = std::function<std::vector<QStringList>(DayNumber first, DayNumber last)>;

    explicit CPLXCalendar(const CalendarViewLanguage& language, QWidget* parent = nullptr);

    // Where today's date comes from: the local clock unless replaced (before Attach).
    void setTodaySource(TodaySource source);
    // Where the names of the personal dates come from; none without it. Each Refill asks it once
    // for the month shown, so a Refill after a change of the dates shows them.
    void setPersonalNames(PersonalNames source);

    // Lays out the cells, takes today's date, selects it and starts the minute timer that renews
    // today. Connect to dateChanged first: the first notification comes from here.
    void Attach();

    // Takes today's date from the source and selects it, refilling unless both were already it.
    void selectToday();
    // Selects a civil date (brought into the supported range) and refills, unless already selected.
    void setCivil(CalendarDate civil);
    // Selects the civil date of a Hebrew date and refills, unless already selected.
    void setFromHebrew(CalendarDate hebrew);

    // Places the cells for the widget's size and the calendar mode, Sunday at the left in civil-
    // month mode and at the right in Hebrew-month mode, and writes the weekday names.
    void LayOutCells();
    // Fills the week cells with the month of the selected date and sends dateChanged. Only the
    // cells whose date changed get new texts, and only cells that change are repainted.
    void Refill();

    CalendarDate selected() const { return selected_; }
    CalendarDate selectedHebrew() const { return CivilToHebrew(selected_); }
    CalendarDate today() const { return today_; }
    CalendarDate todayHebrew() const { return todayHebrew_; }
    bool civilMode() const { return civilMode_; }
    // Plain writes for the owner's calendar-mode command and the restored place of a rebuilt
    // window, which then call LayOutCells and Refill themselves.
    void setSelected(CalendarDate civil) { selected_ = civil; }
    void setToday(CalendarDate civil);
    void setCivilMode(bool civil) { civilMode_ = civil; }

    // Row 0 is the weekday header, rows 1..6 the weeks; column 0 is Sunday.
    CPLXCalendarChild* cell(int row, int column) const { return cells_[row * 7 + column]; }

    QSize sizeHint() const override { return QSize(600, 410); }

signals:
    // Sent at the end of every Refill with the selected date in both calendars.
    void dateChanged(plx::CalendarDate civil, plx::CalendarDate hebrew);
    // Posted after a double click on a cell has been handled as a click.
    void calendarDoubleClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // With the focus: the arrows move the selected day to the cell beside it on the screen, Page
    // Up and Page Down a month of the mode's calendar, Home to today.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void OnChildClicked(CPLXCalendarChild* cell);
    void OnChildDoubleClicked(CPLXCalendarChild* cell);
    void OnChildMouseHover(CPLXCalendarChild* cell);
    void RenewToday();
    // Closes the balloon once its cell shows another day or the mouse has left that cell.
    void CloseStaleBalloon();
    void MoveSelectionByDays(int days);
    void MarkFocusedCell();
    // The last week row holding a cell with this highlight; 0 when there is none.
    int WeekRowHighlighted(Highlight highlight) const;

    CalendarViewLanguage language_;
    std::array<CPLXCalendarChild*, 49> cells_{};
    bool civilMode_ = false;
    CalendarDate selected_{0, 0, 0};
    CalendarDate today_{0, 0, 0};
    CalendarDate todayHebrew_{0, 0, 0};
    TodaySource todaySource_ = LocalToday;
    PersonalNames personalNames_;
    QTimer todayTimer_;
    QPointer<BalloonTip> balloon_;  // open over the cell it tells of
    CalendarDate balloonDate_{0, 0, 0};
};

}  // namespace plx
