#include "ui/preview/scroll_wnd.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QStyleHints>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace plx {
namespace {

constexpr int kAnchorSize = 32;
constexpr int kAnchorRadius = kAnchorSize / 2;

Qt::CursorShape DirectionCursor(QPoint step) {
    if (step.x() == 0 && step.y() == 0)
        return Qt::SizeAllCursor;
    if (step.x() == 0)
        return Qt::SizeVerCursor;
    if (step.y() == 0)
        return Qt::SizeHorCursor;
    return (step.x() > 0) == (step.y() > 0) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
}

// A tenth of what lies beyond the anchor's rim on one axis.
int AxisStep(int offset) {
    const int beyond = std::abs(offset) - kAnchorRadius;
    if (beyond <= 0)
        return 0;
    return (offset < 0 ? -1 : 1) * beyond / 10;
}

}  // namespace

// ---- CMouseAnchorWnd ----------------------------------------------------------------------------

CMouseAnchorWnd::CMouseAnchorWnd(CScrollWnd& view, QPoint globalAnchor)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint),
      view_(view),
      anchor_(globalAnchor),
      horizontal_(view.horizontalScrollBar()->maximum() > 0),
      vertical_(view.verticalScrollBar()->maximum() > 0) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(kAnchorSize, kAnchorSize);
    setMask(QRegion(rect(), QRegion::Ellipse));
    move(anchor_ - QPoint(kAnchorRadius, kAnchorRadius));
    QApplication::setOverrideCursor(Qt::SizeAllCursor);
    qApp->installEventFilter(this);
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
}

CMouseAnchorWnd::~CMouseAnchorWnd() {
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

QPoint CMouseAnchorWnd::TickStep(QPoint offset, bool horizontal, bool vertical) {
    return {horizontal ? AxisStep(offset.x()) : 0, vertical ? AxisStep(offset.y()) : 0};
}

void CMouseAnchorWnd::Tick() {
    const QPoint step = TickStep(QCursor::pos() - anchor_, horizontal_, vertical_);
    QApplication::changeOverrideCursor(DirectionCursor(step));
    view_.ScrollBy(step);
}

void CMouseAnchorWnd::Finish() {
    timer_.stop();
    close();
}

bool CMouseAnchorWnd::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int near = QGuiApplication::styleHints()->mouseDoubleClickDistance();
            if (mouse->button() == Qt::MiddleButton && !releasedNear_ &&
                (mouse->globalPosition().toPoint() - anchor_).manhattanLength() <= near) {
                releasedNear_ = true;  // a click: keep scrolling until the next one
                return true;
            }
            Finish();
            return true;
        }
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            Finish();
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

void CMouseAnchorWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(palette().color(QPalette::Window));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    // A dot, and a triangle toward every direction that scrolls.
    const QPointF c(kAnchorRadius, kAnchorRadius);
    painter.setBrush(palette().color(QPalette::WindowText));
    painter.drawEllipse(c, 2, 2);
    const auto arrow = [&painter, c](QPointF tip, QPointF side) {
        const QPointF base = c + (tip - c) * 0.55;
        painter.drawPolygon(QPolygonF{c + tip - c, base + side, base - side});
    };
    if (vertical_) {
        arrow({c.x(), 3}, {4, 0});
        arrow({c.x(), kAnchorSize - 3.0}, {4, 0});
    }
    if (horizontal_) {
        arrow({3, c.y()}, {0, 4});
        arrow({kAnchorSize - 3.0, c.y()}, {0, 4});
    }
}

// ---- CScrollWnd --------------------------------------------------------------------------------

CScrollWnd::CScrollWnd(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
}

void CScrollWnd::SetScrollSizes(QSize total) {
    total_ = total;
    UpdateScrollBars();
}

void CScrollWnd::UpdateScrollBars() {
    const QSize page = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, total_.width() - page.width()));
    h->setPageStep(page.width());
    h->setSingleStep(std::max(1, page.width() / 10));
    v->setRange(0, std::max(0, total_.height() - page.height()));
    v->setPageStep(page.height());
    v->setSingleStep(std::max(1, page.height() / 10));
}

QPoint CScrollWnd::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CScrollWnd::ScrollToPosition(QPoint position) {
    horizontalScrollBar()->setValue(position.x());  // the bars clamp to their ranges
    verticalScrollBar()->setValue(position.y());
}

void CScrollWnd::ScrollBy(QPoint delta) {
    ScrollToPosition(ScrollPosition() + delta);
}

int CScrollWnd::WheelLines() {
    const int lines = QApplication::wheelScrollLines();
    return lines > 0 ? lines : 3;
}

void CScrollWnd::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CScrollWnd::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    const int notches = -event->angleDelta().y() / 120;
    if (notches != 0)
        WheelScroll(notches * WheelLines());
    event->accept();
}

void CScrollWnd::WheelScroll(int lines) {
    const bool vertical = verticalScrollBar()->isVisible() && verticalScrollBar()->maximum() > 0;
    QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
    bar->setValue(bar->value() + lines * bar->singleStep());
}

void CScrollWnd::mousePressEvent(QMouseEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    const bool scrolls = horizontalScrollBar()->maximum() > 0 || verticalScrollBar()->maximum() > 0;
    if (event->button() == Qt::MiddleButton && plain && scrolls && !anchor_ && CanAutoScroll()) {
        anchor_ = new CMouseAnchorWnd(*this, event->globalPosition().toPoint());
        anchor_->show();
        event->accept();
        return;
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void CScrollWnd::scrollContentsBy(int, int) {
    viewport()->update();
}

}  // namespace plx
