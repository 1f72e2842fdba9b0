// A scrollable view: the image scrolled is `ScrollSizes` large, a line is a tenth of a page, the
// wheel turns by the system's lines per notch, and the middle button starts automatic scrolling
// around an anchor (CMouseAnchorWnd) until the next key, click or wheel turn.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QTimer>

namespace plx {

class CScrollWnd;

// The round marker at the point where automatic scrolling started. Every 50 ms the view scrolls
// by a tenth of the cursor's distance beyond the marker, toward the cursor.
class CMouseAnchorWnd : public QWidget {
public:
    CMouseAnchorWnd(CScrollWnd& view, QPoint globalAnchor);
    ~CMouseAnchorWnd() override;

    // The scroll of one tick for a cursor `offset` away from the anchor.
    static QPoint TickStep(QPoint offset, bool horizontal, bool vertical);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Tick();
    void Finish();

    CScrollWnd& view_;
    QPoint anchor_;
    bool horizontal_;
    bool vertical_;
    bool releasedNear_ = false;  // the starting click's release, near the anchor, is let go
    QTimer timer_;
};

class CScrollWnd : public QAbstractScrollArea {
public:
    explicit CScrollWnd(QWidget* parent = nullptr);

    // The size of the scrolled image in pixels; the scroll bars follow the viewport's size.
    void SetScrollSizes(QSize total);
    QSize ScrollSizes() const { return total_; }
    QPoint ScrollPosition() const;
    // Clamped to the scroll range on each axis (0 on an axis without a scroll bar).
    void ScrollToPosition(QPoint position);
    void ScrollBy(QPoint delta);
    bool AutoScrolling() const { return anchor_ != nullptr; }

    // The lines one wheel notch scrolls (the system's setting, 3 when it has none).
    static int WheelLines();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Lines of a tenth of a page on the wheel's axis, + down or right.
    virtual void WheelScroll(int lines);
    // Whether the middle button may start automatic scrolling now.
    virtual bool CanAutoScroll() const { return true; }

private:
    void UpdateScrollBars();

    QSize total_;
    QPointer<CMouseAnchorWnd> anchor_;
};

}  // namespace plx
