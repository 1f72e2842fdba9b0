// One cell of the month view: a weekday header or one day. The view sets every field; the cell
// paints them and reports the mouse through its three signals, which the view receives queued.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "engine/calendar.h"
#include "ui/cell_colours.h"

namespace plx {

class CPLXCalendarChild : public QWidget {
    Q_OBJECT

public:
    CPLXCalendarChild(int row, int column, bool rightToLeft, QWidget* parent);

    int row() const { return row_; }
    int column() const { return column_; }

    bool isHeader() const { return isHeader_; }
    void setHeader(bool header);
    CalendarDate date() const { return date_; }
    void setDate(CalendarDate date) { date_ = date; }
    // Header cells: the weekday name. Day cells: the Hebrew day, a tab, the civil day.
    const QString& dayText() const { return dayText_; }
    void setDayText(const QString& text);
    // The portion and the events, one per line.
    const QString& eventsText() const { return eventsText_; }
    void setEventsText(const QString& text);
    bool rightToLeft() const { return rightToLeft_; }
    void setRightToLeft(bool rightToLeft);
    bool isBlank() const { return blank_; }
    void setBlank(bool blank);
    bool isMarked() const { return marked_; }
    void setMarked(bool marked);
    Highlight highlight() const { return highlight_; }
    void setHighlight(Highlight highlight);
    // The keyboard's place in the grid: the selected day while the view has the focus.
    bool hasFocusMark() const { return focusMark_; }
    void setFocusMark(bool mark);

    // The cell inside its one-pixel sunken edge.
    QRect clientRect() const { return rect().adjusted(1, 1, -1, -1); }

signals:
    void childClicked(plx::CPLXCalendarChild* cell, int row, int column);
    void childDoubleClicked(plx::CPLXCalendarChild* cell, int row, int column);
    // Once per entry of the mouse into the cell.
    void childMouseHover(plx::CPLXCalendarChild* cell, int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    template <typename T>
    void Assign(T& field, const T& value);
    void PaintClient(QPainter& painter, QSize client);
    void PaintHeaderText(QPainter& painter, QSize client);
    void PaintDayNumbers(QPainter& painter, QSize client);
    void PaintEvents(QPainter& painter, QSize client);
    void SizeFonts(int clientHeight);

    bool isHeader_ = false;
    int row_;
    int column_;
    CalendarDate date_{0, 0, 0};
    QString dayText_;
    QString eventsText_;
    bool rightToLeft_;
    bool blank_ = false;
    bool marked_ = false;
    Highlight highlight_ = Highlight::kNone;
    bool focusMark_ = false;
    bool tracking_ = false;

    // Fonts follow the client height; kept until it changes.
    int fontsForHeight_ = -1;
    QFont headerFont_;
    QFont numberFont_;
    QFont eventsFont_;
};

}  // namespace plx
