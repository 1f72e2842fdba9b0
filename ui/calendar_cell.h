// One cell of the month view: a weekday header or one day. The view sets every field; the cell
// paints them and reports the mouse through its three signals, which the view receives queued.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "engine/calendar.h"
#include "ui/cell_colours.h"

namespace plx {

// The smallest line, in pixels, a text of a cell shrinks to before it is cut.
inline constexpr int kLeastCellFontHeight = 6;

// A text of a cell as it is painted: its font, its lines and the distance between them.
struct CellTextLayout {
    QFont font;
    QStringList lines;
    int lineHeight = 0;
};

// The portion and events of a day cell in their area: each line broken between words, in the
// events font of `fontHeight` pixels or a smaller one down to kLeastCellFontHeight, and cut with
// an ellipsis only in that smallest font.
CellTextLayout LayOutCellEvents(const QString& text, QSize area, int fontHeight, bool rightToLeft);

// The line heights a cell's texts start from, following the height of its client area; a text
// that does not fit is drawn smaller.
struct CellFontHeights {
    int header = 0;   // the weekday name
    int numbers = 0;  // the Hebrew and the civil day
    int events = 0;   // the portion and the events
};
CellFontHeights CellFontHeightsFor(int clientHeight);

// The bold font of the weekday names and the day numbers, its characters half as wide as its
// line is high.
QFont CellFont(int height);
// CellFont of `fontHeight` pixels, or the largest smaller one down to kLeastCellFontHeight, in
// which `texts`, side by side on one line and `gap` pixels apart, fit `width`.
QFont FittingCellFont(const QStringList& texts, int width, int gap, int fontHeight);

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
    // The names of the personal dates kept on the day, one per line: drawn after the events in a
    // colour of their own, with a mark in the cell's corner.
    const QString& personalText() const { return personalText_; }
    void setPersonalText(const QString& text);
    bool hasPersonal() const { return !personalText_.isEmpty(); }
    // What the day's balloon says: the events, then the personal dates.
    QString balloonText() const;
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

    // The next mouse move over the cell reports a hover again, as if the mouse had just come in.
    void ForgetHover() { tracking_ = false; }

    // The cell inside its one-pixel sunken edge.
    QRect clientRect() const { return rect().adjusted(1, 1, -1, -1); }
    // The events and the personal dates as the cell paints them at its present size.
    CellTextLayout EventsLayout() const;

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
    void PaintPersonalMark(QPainter& painter, QSize client);

    bool isHeader_ = false;
    int row_;
    int column_;
    CalendarDate date_{0, 0, 0};
    QString dayText_;
    QString eventsText_;
    QString personalText_;
    bool rightToLeft_;
    bool blank_ = false;
    bool marked_ = false;
    Highlight highlight_ = Highlight::kNone;
    bool focusMark_ = false;
    bool tracking_ = false;
};

}  // namespace plx
