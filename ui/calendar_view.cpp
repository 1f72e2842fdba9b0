#include "ui/calendar_view.h"

#include <algorithm>

#include <QCursor>
#include <QDate>
#include <QKeyEvent>
#include <QMetaObject>

#include "app/language.h"
#include "ui/day_texts.h"
#include "ui/month_grid.h"
#include "ui/toolkit/painting.h"

namespace plx {
namespace {

constexpr int kTodayCheckMs = 60000;
constexpr int kBalloonMs = 5000;

}  // namespace

CalendarViewLanguage ActiveCalendarViewLanguage() {
    static constexpr const char16_t* kWeekdayKeys[7] = {
        u"SUNDAY", u"MONDAY", u"TUESDAY", u"WEDNESDAY", u"THURSDAY", u"FRIDAY", u"SATURDAY"};
    const LanguageTable& table = ActiveLanguage();
    CalendarViewLanguage language;
    language.rightToLeft = table.rightToLeft;
    language.vocabulary = LanguageOfCode(table.code.toStdU16String());
    for (int day = 0; day < 7; ++day) {
        language.weekdayNames[day] = LookupString(u"Plx", QStringView(kWeekdayKeys[day]));
    }
    return language;
}

CalendarDate LocalToday() {
    const QDate date = QDate::currentDate();
    return {static_cast<std::uint8_t>(date.day()), static_cast<std::uint8_t>(date.month()),
            date.year()};
}

CPLXCalendar::CPLXCalendar(const CalendarViewLanguage& language, QWidget* parent)
    : QWidget(parent), language_(language), todayTimer_(this) {
    PinTahomaFont();  // the cells draw in "Tahoma"
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 7; ++column) {
            auto* child = new CPLXCalendarChild(row, column, language_.rightToLeft, this);
            // The cells post: their messages are handled after their own event is done.
            connect(child, &CPLXCalendarChild::childClicked, this, &CPLXCalendar::OnChildClicked,
                    Qt::QueuedConnection);
            connect(child, &CPLXCalendarChild::childDoubleClicked, this,
                    &CPLXCalendar::OnChildDoubleClicked, Qt::QueuedConnection);
            connect(child, &CPLXCalendarChild::childMouseHover, this,
                    &CPLXCalendar::OnChildMouseHover, Qt::QueuedConnection);
            cells_[row * 7 + column] = child;
        }
    }
    setFocusPolicy(Qt::StrongFocus);
    todayTimer_.setObjectName(QStringLiteral("todayTimer"));
    todayTimer_.setInterval(kTodayCheckMs);
    connect(&todayTimer_, &QTimer::timeout, this, &CPLXCalendar::RenewToday);
}

void CPLXCalendar::setTodaySource(TodaySource source) {
    todaySource_ = std::move(source);
}

void CPLXCalendar::setPersonalNames(PersonalNames source) {
    personalNames_ = std::move(source);
}

void CPLXCalendar::Attach() {
    LayOutCells();
    setToday(todaySource_());
    if (selected_ != today_) {
        selected_ = NormalizeCivilDate(today_);
        Refill();
    }
    todayTimer_.start();
}

void CPLXCalendar::selectToday() {
    const CalendarDate now = todaySource_();
    if (now == today_ && now == selected_)
        return;
    setToday(now);
    selected_ = now;
    Refill();
}

void CPLXCalendar::setCivil(CalendarDate civil) {
    if (civil == selected_)
        return;
    selected_ = NormalizeCivilDate(civil);
    Refill();
}

void CPLXCalendar::setFromHebrew(CalendarDate hebrew) {
    const CalendarDate civil = HebrewToCivil(hebrew);
    if (civil == selected_)
        return;
    selected_ = civil;
    Refill();
}

void CPLXCalendar::setToday(CalendarDate civil) {
    today_ = civil;
    todayHebrew_ = CivilToHebrew(civil);
}

void CPLXCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutCells();
}

void CPLXCalendar::LayOutCells() {
    const float cellWidth = static_cast<float>(width()) / 7.0f;
    const float headerHeight = static_cast<float>(height() / 7) * 0.65f;
    const float rowHeight = (static_cast<float>(height()) - headerHeight) / 6.0f;
    float y = 0.0f;
    for (int row = 0; row < 7; ++row) {
        const float rowTop = y;
        const float cellHeight = row == 0 ? headerHeight : rowHeight;
        for (int column = 0; column < 7; ++column) {
            // Custom placement is not mirrored by the layout direction: the mode decides.
            const int slot = civilMode_ ? column : 6 - column;
            cell(row, column)
                ->setGeometry(static_cast<int>(static_cast<float>(slot) * cellWidth),
                              static_cast<int>(rowTop), static_cast<int>(cellWidth),
                              static_cast<int>(cellHeight));
            cell(row, column)->show();
        }
        y += cellHeight;
    }
    for (int column = 0; column < 7; ++column) {
        cell(0, column)->setHeader(true);
        cell(0, column)->setDayText(language_.weekdayNames[column]);
    }
    CloseStaleBalloon();
}

void CPLXCalendar::Refill() {
    const CalendarDate hebrew = CivilToHebrew(selected_);
    const int selectedDay = civilMode_ ? selected_.day : hebrew.day;
    const auto days = MonthGridDays(selected_, civilMode_);
    // The days of a month are consecutive, so one span covers them all.
    DayNumber first = 0;
    std::vector<QStringList> personal;
    if (personalNames_) {
        const auto shown = [](const auto& day) { return day.has_value(); };
        const auto from = std::find_if(days.begin(), days.end(), shown);
        const auto to = std::find_if(days.rbegin(), days.rend(), shown);
        if (from != days.end()) {
            first = CivilToDayNumber((*from)->civil);
            personal = personalNames_(first, CivilToDayNumber((*to)->civil));
        }
    }
    std::array<Highlight, 7> headers{};
    for (int index = 0; index < kWeekCells; ++index) {
        CPLXCalendarChild* child = cells_[7 + index];
        const auto& day = days[index];
        if (!day) {
            // A blank cell forgets its highlight too, or a header click could find a stale one.
            child->setBlank(true);
            child->setHighlight(Highlight::kNone);
            child->setPersonalText({});
            continue;
        }
        if (child->isBlank() || child->date() != day->civil) {
            const DayCellTexts texts = DayCellTextsFor(day->civil, day->hebrew,
                                                       child->column() == 6, language_.vocabulary);
            child->setDayText(texts.dayText);
            child->setDate(day->civil);
            child->setBlank(false);
            child->setMarked(texts.marked);
            child->setEventsText(texts.eventsText);
        }
        // Asked for every day: the dates may have changed while the day stayed.
        const auto slot = static_cast<std::size_t>(CivilToDayNumber(day->civil) - first);
        child->setPersonalText(slot < personal.size() ? personal[slot].join(u'\n') : QString());
        Highlight highlight = Highlight::kNone;
        Highlight& header = headers[child->column()];
        if (day->civil == today_) {
            highlight = header = Highlight::kToday;
        } else if (day->dayOfMonth == selectedDay) {
            highlight = Highlight::kSelected;
            if (header == Highlight::kNone)
                header = Highlight::kSelected;
        }
        child->setHighlight(highlight);
    }
    for (int column = 0; column < 7; ++column)
        cell(0, column)->setHighlight(headers[column]);
    MarkFocusedCell();
    CloseStaleBalloon();
    emit dateChanged(selected_, hebrew);
}

int CPLXCalendar::WeekRowHighlighted(Highlight highlight) const {
    int found = 0;
    for (int row = 1; row < 7; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (cell(row, column)->highlight() == highlight)
                found = row;
        }
    }
    return found;
}

void CPLXCalendar::OnChildClicked(CPLXCalendarChild* clicked) {
    if (clicked == nullptr || clicked->isBlank())
        return;
    CPLXCalendarChild* target = clicked;
    if (clicked->isHeader()) {
        // A weekday header moves the selection to that weekday of the selected (or current) week.
        int row = WeekRowHighlighted(Highlight::kSelected);
        if (row == 0)
            row = WeekRowHighlighted(Highlight::kToday);
        if (row == 0)
            return;
        target = cell(row, clicked->column());
        if (target->isBlank())
            return;
    }
    if (target->highlight() == Highlight::kSelected || target->date() == selected_)
        return;
    selected_ = target->date();
    Refill();
}

void CPLXCalendar::OnChildDoubleClicked(CPLXCalendarChild* clicked) {
    OnChildClicked(clicked);
    QMetaObject::invokeMethod(this, &CPLXCalendar::calendarDoubleClicked, Qt::QueuedConnection);
}

void CPLXCalendar::OnChildMouseHover(CPLXCalendarChild* hovered) {
    if (hovered == nullptr || hovered->isBlank() || hovered->balloonText().isEmpty())
        return;
    // The mouse may have crossed the cell before its message came: no balloon left behind.
    if (!hovered->underMouse())
        return;
    const QRect client = hovered->clientRect();
    balloon_ = BalloonTip::Launch(hovered->dayText(), hovered->balloonText(), hovered,
                                  client.topLeft() + QPoint(client.width() / 2, 5),
                                  language_.rightToLeft, kBalloonMs);
    balloonDate_ = hovered->date();
}

void CPLXCalendar::CloseStaleBalloon() {
    if (!balloon_)
        return;
    auto* cell = static_cast<CPLXCalendarChild*>(balloon_->parentWidget());
    const bool sameDay = !cell->isBlank() && cell->date() == balloonDate_;
    if (sameDay && cell->rect().contains(cell->mapFromGlobal(QCursor::pos())))
        return;
    balloon_->close();
    // The mouse still over the cell opens the balloon of its new day when it moves.
    cell->ForgetHover();
}

void CPLXCalendar::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (balloon_)
        balloon_->close();
}

void CPLXCalendar::MarkFocusedCell() {
    for (int index = 0; index < kWeekCells; ++index) {
        CPLXCalendarChild* child = cells_[7 + index];
        child->setFocusMark(hasFocus() && !child->isBlank() && child->date() == selected_);
    }
}

void CPLXCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    MarkFocusedCell();
}

void CPLXCalendar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    MarkFocusedCell();
}

void CPLXCalendar::MoveSelectionByDays(int days) {
    const DayNumber target =
        std::clamp(CivilToDayNumber(selected_) + days, kFirstDayNumber, kLastDayNumber);
    setCivil(DayNumberToCivil(target));
}

void CPLXCalendar::keyPressEvent(QKeyEvent* event) {
    // Sunday is at the left in civil-month mode and at the right in Hebrew-month mode.
    const int rightward = civilMode_ ? +1 : -1;
    const CalendarDate hebrew = CivilToHebrew(selected_);
    switch (event->key()) {
        case Qt::Key_Right:
            MoveSelectionByDays(rightward);
            break;
        case Qt::Key_Left:
            MoveSelectionByDays(-rightward);
            break;
        case Qt::Key_Down:
            MoveSelectionByDays(7);
            break;
        case Qt::Key_Up:
            MoveSelectionByDays(-7);
            break;
        case Qt::Key_PageDown:
            if (civilMode_) {
                setCivil(NextCivilMonth(selected_));
            } else {
                setFromHebrew(NextHebrewMonth(hebrew));
            }
            break;
        case Qt::Key_PageUp:
            if (civilMode_) {
                setCivil(PrevCivilMonth(selected_));
            } else {
                setFromHebrew(PrevHebrewMonth(hebrew));
            }
            break;
        case Qt::Key_Home:
            setToday(todaySource_());
            selected_ = NormalizeCivilDate(today_);
            Refill();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CPLXCalendar::RenewToday() {
    const CalendarDate now = todaySource_();
    if (now == today_)
        return;
    setToday(now);
    Refill();
}

}  // namespace plx
