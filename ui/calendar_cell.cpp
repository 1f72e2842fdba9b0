#include "ui/calendar_cell.h"

#include <QFontMetricsF>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>
#include <optional>

#include "reports/text_fit.h"
#include "ui/toolkit/painting.h"

namespace plx {
namespace {

const QColor kTodayText(255, 255, 255);
const QColor kPlainText(0, 0, 0);
const QColor kMarkedText(238, 0, 0);
// The family's own dates stand apart from the calendar's events.
const QColor kPersonalText(120, 0, 150);
// The least room between the Hebrew and the civil day.
constexpr int kNumberGap = 2;

// One line of text in `box`, clipped to it; `alignment` is absolute, never mirrored.
void DrawLine(QPainter& painter, const QRectF& box, Qt::Alignment alignment, const QString& text,
              bool rightToLeft) {
    painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(box, static_cast<int>(alignment | Qt::AlignAbsolute) | Qt::TextSingleLine,
                     text);
}

// The one-pixel sunken edge around the client area.
void DrawSunkenEdge(QPainter& painter, const QRect& outer) {
    // Filled rather than stroked: a fill of whole pixels is the cheapest thing a painter draws,
    // and a large window repaints 49 of these at every step of a resize.
    const QColor shadow(160, 160, 160);
    const QColor light(255, 255, 255);
    const int w = outer.width();
    const int h = outer.height();
    painter.fillRect(QRect(outer.left(), outer.top(), w, 1), shadow);
    painter.fillRect(QRect(outer.left(), outer.top(), 1, h), shadow);
    painter.fillRect(QRect(outer.left(), outer.bottom(), w, 1), light);
    painter.fillRect(QRect(outer.right(), outer.top(), 1, h), light);
}

// Below the number band, the full width of the client area.
QRect EventsArea(QSize client) {
    const int top = client.height() / 4;
    return QRect(0, top, client.width(), client.height() - top);
}

QFont EventsFont(int height) {
    return SizedFont(kFontFamily, height, static_cast<int>(static_cast<float>(height) * 0.45f),
                     true);
}

LineMeasure MeasureBy(const QFontMetricsF& metrics) {
    return [&metrics](const QString& line) {
        return static_cast<std::int32_t>(std::ceil(metrics.horizontalAdvance(line)));
    };
}

TextOptions EventsOptions(bool rightToLeft) {
    return TextOption::WordWrap | TextOption::NoMnemonic |
           (rightToLeft ? TextOptions(TextOption::RightToLeft) : TextOptions());
}

}  // namespace

CellFontHeights CellFontHeightsFor(int clientHeight) {
    return {static_cast<int>(static_cast<float>(clientHeight + 1) * 0.4f), clientHeight / 4,
            clientHeight / 5};
}

QFont CellFont(int height) {
    return SizedFont(kFontFamily, height, static_cast<int>(static_cast<float>(height) * 0.5f),
                     true);
}

QFont FittingCellFont(const QStringList& texts, int width, int gap, int fontHeight) {
    const auto fits = [&](std::int32_t height) {
        const QFontMetricsF metrics(CellFont(height));
        qreal total = gap * (texts.size() - 1);
        for (const QString& text : texts)
            total += metrics.horizontalAdvance(text);
        return total <= width;
    };
    return CellFont(LargestFittingHeight(fontHeight, kLeastCellFontHeight, fits));
}

CellTextLayout LayOutCellEvents(const QString& text, QSize area, int fontHeight, bool rightToLeft) {
    const TextOptions options = EventsOptions(rightToLeft);
    const ReportSize room{area.width(), area.height()};
    CellTextLayout layout;
    std::optional<QFontMetricsF> metrics;
    // Fitting measures the same words and lines again and again; shaping them is the cost.
    int selected = 0;
    QHash<QString, std::int32_t> widths;
    const LineMeasure measure = [&](const QString& line) {
        const auto known = widths.constFind(line);
        if (known != widths.constEnd())
            return *known;
        const auto width = static_cast<std::int32_t>(std::ceil(metrics->horizontalAdvance(line)));
        widths.insert(line, width);
        return width;
    };
    const auto fits = [&](std::int32_t height) {
        if (height != selected) {
            selected = height;
            layout.font = EventsFont(height);
            metrics.emplace(layout.font);
            layout.lineHeight = static_cast<int>(std::ceil(metrics->height()));
            widths.clear();
        }
        return TextFits(text, options, room, layout.lineHeight, measure);
    };
    const std::int32_t height = LargestFittingHeight(fontHeight, kLeastCellFontHeight, fits);
    if (fits(height))
        layout.lines = FittedLines(text, options, room.width, measure);
    else
        layout.lines = CutToRoom(text, options, room, layout.lineHeight, measure);
    return layout;
}

CPLXCalendarChild::CPLXCalendarChild(int row, int column, bool rightToLeft, QWidget* parent)
    : QWidget(parent), row_(row), column_(column), rightToLeft_(rightToLeft) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

template <typename T>
void CPLXCalendarChild::Assign(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    update();
}

void CPLXCalendarChild::setHeader(bool header) {
    Assign(isHeader_, header);
}
void CPLXCalendarChild::setDayText(const QString& text) {
    Assign(dayText_, text);
}
void CPLXCalendarChild::setEventsText(const QString& text) {
    Assign(eventsText_, text);
}
void CPLXCalendarChild::setPersonalText(const QString& text) {
    Assign(personalText_, text);
}
QString CPLXCalendarChild::balloonText() const {
    if (eventsText_.isEmpty() || personalText_.isEmpty())
        return eventsText_ + personalText_;
    return eventsText_ + u'\n' + personalText_;
}
void CPLXCalendarChild::setRightToLeft(bool rightToLeft) {
    Assign(rightToLeft_, rightToLeft);
}
void CPLXCalendarChild::setBlank(bool blank) {
    Assign(blank_, blank);
}
void CPLXCalendarChild::setMarked(bool marked) {
    Assign(marked_, marked);
}
void CPLXCalendarChild::setHighlight(Highlight highlight) {
    Assign(highlight_, highlight);
}

void CPLXCalendarChild::paintEvent(QPaintEvent*) {
    const QRect client = clientRect();
    QPainter painter(this);
    DrawSunkenEdge(painter, rect());
    if (client.isEmpty())
        return;
    // Drawn off-screen and copied in one step, so a refill never shows a half-drawn cell.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(client.size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter offscreen(&buffer);
        PaintClient(offscreen, client.size());
    }
    painter.drawPixmap(client.topLeft(), buffer);
    if (focusMark_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = client.adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CPLXCalendarChild::setFocusMark(bool mark) {
    Assign(focusMark_, mark);
}

void CPLXCalendarChild::PaintClient(QPainter& painter, QSize client) {
    const int height = client.height();
    const CellShades shades = CellBackground(isHeader_, blank_, highlight_);
    // Two bands of half the height each; an odd height leaves one row below them.
    painter.fillRect(QRect(QPoint(0, 0), client), shades.bottom);
    const int band = (isHeader_ ? height + 1 : height) / 2;
    FillGradientBand(painter, QRect(0, 0, client.width(), band), shades.top, shades.middle);
    FillGradientBand(painter, QRect(0, band, client.width(), band), shades.middle, shades.bottom);
    if (blank_)
        return;
    if (isHeader_) {
        PaintHeaderText(painter, client);
    } else {
        PaintDayNumbers(painter, client);
        PaintEvents(painter, client);
    }
}

void CPLXCalendarChild::PaintHeaderText(QPainter& painter, QSize client) {
    painter.setFont(FittingCellFont({dayText_}, client.width() - 2, 0,
                                    CellFontHeightsFor(client.height()).header));
    painter.setPen(highlight_ == Highlight::kToday ? kTodayText : kPlainText);
    DrawLine(painter, QRectF(QPointF(0, 0), client), Qt::AlignCenter, dayText_, rightToLeft_);
}

void CPLXCalendarChild::PaintDayNumbers(QPainter& painter, QSize client) {
    const QRectF band(1, 0, client.width() - 2, client.height() / 4);
    const int numberHeight = CellFontHeightsFor(client.height()).numbers;
    painter.setPen(highlight_ == Highlight::kToday ? kTodayText : kPlainText);
    const qsizetype tab = dayText_.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
        painter.setFont(FittingCellFont({dayText_}, client.width() - 2, 0, numberHeight));
        DrawLine(painter, band, Qt::AlignCenter, dayText_, rightToLeft_);
        return;
    }
    // The Hebrew day on the reading side, the civil day at the other edge, never into each
    // other.
    const QString hebrew = dayText_.left(tab);
    const QString civil = dayText_.mid(tab + 1);
    painter.setFont(FittingCellFont({hebrew, civil}, client.width() - 2, kNumberGap, numberHeight));
    const Qt::Alignment hebrewSide = rightToLeft_ ? Qt::AlignRight : Qt::AlignLeft;
    const Qt::Alignment civilSide = rightToLeft_ ? Qt::AlignLeft : Qt::AlignRight;
    DrawLine(painter, band, hebrewSide | Qt::AlignVCenter, hebrew, rightToLeft_);
    DrawLine(painter, band, civilSide | Qt::AlignVCenter, civil, rightToLeft_);
}

void CPLXCalendarChild::PaintEvents(QPainter& painter, QSize client) {
    const QString text = balloonText();
    if (text.isEmpty())
        return;
    QColor colour = kPlainText;
    if (highlight_ == Highlight::kToday) {
        colour = kTodayText;
    } else if (marked_) {
        colour = highlight_ == Highlight::kSelected ? kTodayText : kMarkedText;
    }
    const QColor personalColour = highlight_ == Highlight::kNone ? kPersonalText : kTodayText;
    const QRect area = EventsArea(client);
    const CellTextLayout layout = EventsLayout();
    // The names follow the events: the lines past those of the events are theirs.
    const QFontMetricsF metrics(layout.font);
    const qsizetype eventLines = eventsText_.isEmpty()
                                     ? 0
                                     : FittedLines(eventsText_, EventsOptions(rightToLeft_),
                                                   area.width(), MeasureBy(metrics))
                                           .size();
    painter.save();
    painter.setClipRect(area);
    painter.setFont(layout.font);
    int y = area.top();
    for (qsizetype line = 0; line < layout.lines.size(); ++line) {
        painter.setPen(line < eventLines ? colour : personalColour);
        DrawLine(painter, QRectF(area.left(), y, area.width(), layout.lineHeight),
                 Qt::AlignHCenter | Qt::AlignTop, layout.lines[line], rightToLeft_);
        y += layout.lineHeight;
    }
    painter.restore();
    if (!personalText_.isEmpty())
        PaintPersonalMark(painter, client);
}

// A small corner triangle at the bottom of the reading side, seen even when the names do not fit.
void CPLXCalendarChild::PaintPersonalMark(QPainter& painter, QSize client) {
    const int size = std::max(4, client.height() / 7);
    const int bottom = client.height();
    const int edge = rightToLeft_ ? client.width() : 0;
    const int inward = rightToLeft_ ? -size : size;
    const QPoint corner[] = {{edge, bottom}, {edge, bottom - size}, {edge + inward, bottom}};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(highlight_ == Highlight::kNone ? kPersonalText : kTodayText);
    painter.drawPolygon(corner, 3);
    painter.restore();
}

CellTextLayout CPLXCalendarChild::EventsLayout() const {
    const QSize client = clientRect().size();
    return LayOutCellEvents(balloonText(), EventsArea(client).size(),
                            CellFontHeightsFor(client.height()).events, rightToLeft_);
}

void CPLXCalendarChild::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit childClicked(this, row_, column_);
    event->accept();
}

void CPLXCalendarChild::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit childDoubleClicked(this, row_, column_);
    event->accept();
}

void CPLXCalendarChild::mouseMoveEvent(QMouseEvent* event) {
    if (!tracking_) {
        tracking_ = true;
        emit childMouseHover(this, row_, column_);
    }
    event->accept();
}

void CPLXCalendarChild::leaveEvent(QEvent* event) {
    tracking_ = false;
    QWidget::leaveEvent(event);
}

}  // namespace plx
