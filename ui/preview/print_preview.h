// The preview's canvas: lays one or two pages out on the screen, draws their paper, has the
// report source draw their content through a surface that measures as the printer does, and
// carries out the control band's commands (paging, zoom, landscape, print, close).
#pragma once

#include <QCursor>
#include <QRect>
#include <QString>

#include <array>

#include "reports/report_source.h"
#include "ui/preview/preview_rules.h"
#include "ui/preview/scroll_wnd.h"

class QPrinter;

namespace plx {

class CPrintPreviewDlg;

// The commands of the control band, one a control, in the band's order.
enum class PreviewCommand { Print, NextPage, PrevPage, Pages, ZoomIn, ZoomOut, Close, Landscape };

// One preview run or print run.
struct PrintJob {
    ReportPageInfo info;
    bool continuePrinting = true;
    QString pageDescription;  // "Page %u\nPages %u-%u\n"
};

class CPrintPreview : public CScrollWnd {
    Q_OBJECT

public:
    CPrintPreview(CPrintPreviewDlg& owner, ReportSource& source);

    // Back to the state of a new opening: no run, zoom 0, no pages.
    void Reset();
    // Asks the source to begin printing and shows its first page; false, after endPrinting, when
    // the run cannot start.
    bool StartPreviewRun();
    void OnCommand(PreviewCommand command);

    int ZoomState() const { return zoomState_; }
    int CurrentPage() const { return currentPage_; }
    int PagesShown() const { return pagesShown_; }
    bool Landscape() const { return landscape_; }
    const PrintJob& Job() const { return job_; }
    QRect PageRect(int index) const { return pages_[static_cast<std::size_t>(index)].rect; }
    ScaleRatio PageRatio(int index) const { return pages_[static_cast<std::size_t>(index)].ratio; }
    PreviewControls Controls() const;
    // Where the page image's origin lies in the viewport: (0, 0) in the whole-page view; in the
    // zoomed views scrolled, and centred on an axis where the view is larger than the image.
    QPoint ImageOrigin() const;
    // The printer's whole sheet in screen pixels, at its own size.
    QSize PaperOnScreen() const;
    // "Page 3" or "Pages 3-4" from the job's page description.
    QString PageNumberText() const;
    // A print run is under way.
    bool Printing() const { return printing_; }

signals:
    // The notifications a report's owner may listen to; the report sources here ignore them.
    void preparePrinting();
    void endPrinting();
    void showStatusDialog();
    void hideStatusDialog();
    void statusPageNumber(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void WheelScroll(int lines) override;
    bool CanAutoScroll() const override { return zoomState_ != kZoomWhole; }

private:
    struct PageLayout {
        QRect rect;  // the paper on the screen, in the scrolled image's coordinates
        ScaleRatio ratio;
    };

    bool BeginPreviewRun();
    void LayOutPages();
    void ApplyZoom(int page, QPoint point);
    void GoToPage(int page);
    void ShowPageSelector();
    void OnPageSelectorAction(int action);
    void DrawPage(QPainter& painter, int index, int page);
    int PageAt(QPoint imagePoint) const;
    void ClosePreview();
    void SwitchOrientation();
    void Print();
    void RunPrintJob();

    CPrintPreviewDlg& owner_;
    ReportSource& source_;
    QPrinter& printer_;
    PrintJob job_;
    bool running_ = false;
    bool printing_ = false;
    int zoomState_ = kZoomWhole;
    int pagesShown_ = 1;
    int userPages_ = 0;  // the one/two-page choice of the whole-page view; 0 none yet
    int currentPage_ = 0;
    bool landscape_ = false;
    std::array<PageLayout, 2> pages_{};
    QCursor magnifier_;
};

}  // namespace plx
