#include "ui/preview/print_preview.h"

#include <QApplication>
#include <QFileDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>

#include <algorithm>

#include "reports/painter_surface.h"
#include "reports/print_pages.h"
#include "ui/dialogs/message_box.h"
#include "ui/preview/print_preview_dlg.h"
#include "ui/preview/printer_defaults.h"

namespace plx {
namespace {

constexpr int kMaxPages = 2;

// The page selector stands for page counts that fit a signed 16-bit number. Larger counts come from
// a source that left its count undeclared (0xFFFF: only page 1 is shown) or from a monthly range
// over the whole calendar, which nobody pages through by a bar; the buttons page them. Pages are
// numbered from 0 up, so no range is longer than that bound either.
constexpr int kLastSelectablePage = 0x7FFF;

// A magnifying glass, hot spot in the middle of its lens.
QCursor MagnifierCursor() {
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 14), QPointF(22, 22));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(9, 8), 6.5, 6.5);
    painter.end();
    return QCursor(image, 9, 8);
}

}  // namespace

CPrintPreview::CPrintPreview(CPrintPreviewDlg& owner, ReportSource& source)
    : CScrollWnd(&owner),
      owner_(owner),
      source_(source),
      printer_(DefaultPrinter()),
      magnifier_(MagnifierCursor()) {
    viewport()->setMouseTracking(true);
    // The page is not mirrored in a right-to-left window, so neither is its horizontal scroll.
    horizontalScrollBar()->setLayoutDirection(Qt::LeftToRight);
    viewport()->setAutoFillBackground(false);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this](int action) { OnPageSelectorAction(action); });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
        if (running_ && zoomState_ == kZoomWhole)
            GoToPage(verticalScrollBar()->sliderPosition());
    });
}

void CPrintPreview::Reset() {
    running_ = false;
    job_ = {};
    zoomState_ = kZoomWhole;
    pagesShown_ = 0;
    userPages_ = 0;
    currentPage_ = 0;
}

bool CPrintPreview::StartPreviewRun() {
    if (BeginPreviewRun())
        return true;
    emit endPrinting();  // a run that cannot start ends at once
    return false;
}

bool CPrintPreview::BeginPreviewRun() {
    job_ = {};
    emit preparePrinting();
    if (owner_.TakeAbortRequest())
        return false;
    if (!printer_.isValid() &&
        !owner_.choosePrinter(printer_, job_.info.minPage, job_.info.maxPage)) {
        return false;
    }
    if (!printer_.isValid())
        return false;
    job_.pageDescription = owner_.PageDescription();
    const int dpi = printer_.resolution();
    job_.info.drawRect = PrintableArea(printer_, dpi);
    source_.beginPrinting(job_.info);
    running_ = true;
    pagesShown_ = userPages_ > 0 ? std::min(userPages_, kMaxPages) : 1;
    landscape_ = ReadPrintOrientation() == PrintOrientation::Landscape;
    zoomState_ = kZoomWhole;
    ShowPageSelector();
    GoToPage(job_.info.currentPage);
    return true;
}

PreviewControls CPrintPreview::Controls() const {
    return PreviewControlStates(currentPage_, pagesShown_, job_.info.minPage, job_.info.maxPage,
                                zoomState_);
}

QString CPrintPreview::PageNumberText() const {
    // The description's first line names one page, its second a range.
    const QStringList lines = job_.pageDescription.split(QLatin1Char('\n'));
    const int last = std::min<int>(currentPage_ + 1, job_.info.maxPage);
    return FillPageNumbers(pagesShown_ == 2 ? lines.value(1) : lines.value(0),
                           {currentPage_, last});
}

// ---- Layout -------------------------------------------------------------------------------------

QSize CPrintPreview::PaperOnScreen() const {
    const int dpi = printer_.resolution();
    const QRect paperDevice = printer_.pageLayout().fullRectPixels(dpi);
    return {paperDevice.width() * viewport()->logicalDpiX() / dpi,
            paperDevice.height() * viewport()->logicalDpiY() / dpi};
}

QPoint CPrintPreview::ImageOrigin() const {
    if (zoomState_ == kZoomWhole)
        return {};
    return CentringOffset(viewport()->size(), ScrollSizes()) - ScrollPosition();
}

void CPrintPreview::LayOutPages() {
    const QSize paper = PaperOnScreen();
    // The whole client, scroll bars counted in, so that showing or hiding them changes nothing.
    const QSize client = size();
    const bool selector = zoomState_ == kZoomWhole && job_.info.maxPage != job_.info.minPage;
    const PreviewPageFrame frame = PreviewAvailableArea(
        client, pagesShown_, selector ? verticalScrollBar()->sizeHint().width() : 0);
    for (int i = 0; i < pagesShown_; ++i) {
        PageLayout& page = pages_[static_cast<std::size_t>(i)];
        page.ratio = ZoomedRatio(WholePageRatio(paper, frame.available), zoomState_);
        page.rect = PreviewPageRect(paper, page.ratio, zoomState_, frame, i);
    }
    if (zoomState_ != kZoomWhole)
        SetScrollSizes(pages_[0].rect.size() + QSize(16, 16));
}

void CPrintPreview::ShowPageSelector() {
    const ReportPageInfo& info = job_.info;
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const bool selects = info.maxPage <= kLastSelectablePage && info.maxPage != info.minPage;
    QScrollBar* bar = verticalScrollBar();
    SetScrollSizes(QSize(1, 1));
    setVerticalScrollBarPolicy(selects ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (selects) {
        bar->setRange(info.minPage, info.maxPage);
        bar->setPageStep(1);
        bar->setSingleStep(1);
    }
}

void CPrintPreview::GoToPage(int page) {
    currentPage_ = std::clamp<int>(page, job_.info.minPage, job_.info.maxPage);
    if (zoomState_ == kZoomWhole && verticalScrollBar()->isVisible()) {
        const QSignalBlocker quiet(verticalScrollBar());
        verticalScrollBar()->setValue(currentPage_);
    }
    LayOutPages();
    owner_.RefreshBand();
    viewport()->update();
}

void CPrintPreview::ApplyZoom(int page, QPoint point) {
    if (zoomState_ == kZoomWhole) {
        pagesShown_ = userPages_ > 0 ? userPages_ : 1;
        ShowPageSelector();
        GoToPage(currentPage_);
        return;
    }
    // The clicked point, in the paper's pixels at 1 : 1.
    const PageLayout before = pages_[static_cast<std::size_t>(page)];
    const QPoint onPaper(
        (point.x() - before.rect.left()) * before.ratio.den / std::max(1, before.ratio.num),
        (point.y() - before.rect.top()) * before.ratio.den / std::max(1, before.ratio.num));
    pagesShown_ = 1;
    currentPage_ = std::clamp<int>(currentPage_ + page, job_.info.minPage, job_.info.maxPage);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    {
        const QSignalBlocker quiet(verticalScrollBar());
        LayOutPages();
    }
    const PageLayout& after = pages_[0];
    const QPoint centre(after.rect.left() + after.ratio.Scale(onPaper.x()),
                        after.rect.top() + after.ratio.Scale(onPaper.y()));
    const QSize view = viewport()->size();
    ScrollToPosition(centre - QPoint(view.width() / 2, view.height() / 2));
    owner_.RefreshBand();
    viewport()->update();
}

void CPrintPreview::showEvent(QShowEvent* event) {
    CScrollWnd::showEvent(event);
    // Scroll bars set while the window was hidden come back as they were when it is shown.
    if (running_ && zoomState_ == kZoomWhole) {
        ShowPageSelector();
        GoToPage(currentPage_);
    }
}

void CPrintPreview::resizeEvent(QResizeEvent* event) {
    CScrollWnd::resizeEvent(event);
    if (running_)
        LayOutPages();
}

// ---- Drawing ------------------------------------------------------------------------------------

void CPrintPreview::paintEvent(QPaintEvent*) {
    owner_.RefreshBand();
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Dark));
    if (!running_)
        return;
    painter.translate(ImageOrigin());
    for (int i = 0; i < pagesShown_; ++i) {
        const int page = currentPage_ + i;
        if (i > 0 && page > job_.info.maxPage)
            break;
        job_.info.currentPage = page;
        job_.continuePrinting = job_.info.maxPage != ReportPageInfo::kUndeclared || page == 1;
        job_.info.drawRect = PrintableArea(printer_, printer_.resolution());
        const QRect& rect = pages_[static_cast<std::size_t>(i)].rect;
        const QRect paper = rect.adjusted(0, 0, -3, -3);
        painter.setPen(Qt::NoPen);
        painter.fillRect(paper, Qt::white);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(paper);
        painter.setPen(QPen(palette().color(QPalette::Shadow), 3));
        painter.drawLine(paper.right() + 2, paper.top() + 3, paper.right() + 2, paper.bottom() + 2);
        painter.drawLine(paper.left() + 3, paper.bottom() + 2, paper.right() + 2,
                         paper.bottom() + 2);
        if (!job_.continuePrinting || page > job_.info.maxPage) {
            if (i == 0 && currentPage_ > 1) {
                --currentPage_;  // nothing to show here: back to the last page there is
                viewport()->update();
            }
            break;
        }
        DrawPage(painter, i, page);
    }
}

void CPrintPreview::DrawPage(QPainter& painter, int index, int page) {
    const PageLayout& layout = pages_[static_cast<std::size_t>(index)];
    const int dpi = printer_.resolution();
    const qreal scaleX =
        qreal(layout.ratio.num) / layout.ratio.den * viewport()->logicalDpiX() / dpi;
    const qreal scaleY =
        qreal(layout.ratio.num) / layout.ratio.den * viewport()->logicalDpiY() / dpi;
    const QPoint offset = printer_.pageLayout().paintRectPixels(dpi).topLeft();
    painter.save();
    painter.setClipRect(layout.rect.adjusted(1, 1, -4, -4));
    painter.translate(layout.rect.topLeft() +
                      QPointF(offset.x() * scaleX + 1, offset.y() * scaleY + 1));
    painter.scale(scaleX, scaleY);
    {
        PainterSurface surface(painter, dpi, dpi);
        job_.info.currentPage = page;
        source_.printPage(surface, job_.info);
    }
    painter.restore();
}

// ---- Mouse and scroll bar -----------------------------------------------------------------------

int CPrintPreview::PageAt(QPoint imagePoint) const {
    for (int i = 0; i < pagesShown_; ++i) {
        if (pages_[static_cast<std::size_t>(i)].rect.contains(imagePoint))
            return i;
    }
    return -1;
}

void CPrintPreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !running_) {
        CScrollWnd::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint() - ImageOrigin();
    const int page = PageAt(point);
    if (page < 0)
        return;
    zoomState_ = (zoomState_ + 1) % (kZoomFull + 1);
    ApplyZoom(page, point);
}

void CPrintPreview::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint() - ImageOrigin();
    const bool magnify = running_ && zoomState_ < kZoomFull && PageAt(point) >= 0;
    viewport()->setCursor(magnify ? magnifier_ : QCursor(Qt::ArrowCursor));
    CScrollWnd::mouseMoveEvent(event);
}

void CPrintPreview::WheelScroll(int lines) {
    // In the whole-page view the wheel turns pages, one a notch.
    if (zoomState_ == kZoomWhole) {
        const int notches = lines / std::max(1, WheelLines());
        if (notches != 0)
            GoToPage(currentPage_ + notches);
        return;
    }
    CScrollWnd::WheelScroll(lines);
}

void CPrintPreview::OnPageSelectorAction(int action) {
    if (zoomState_ != kZoomWhole || !running_)
        return;  // in the zoomed views the bar scrolls the page image
    const ReportPageInfo& info = job_.info;
    int page = currentPage_;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            ++page;
            break;
        case QAbstractSlider::SliderSingleStepSub:
            --page;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            page += PreviewPageStep(info.minPage, info.maxPage);
            break;
        case QAbstractSlider::SliderPageStepSub:
            page -= PreviewPageStep(info.minPage, info.maxPage);
            break;
        case QAbstractSlider::SliderToMinimum:
            page = info.minPage;
            break;
        case QAbstractSlider::SliderToMaximum:
            page = info.maxPage;
            break;
        default:
            return;  // a dragged thumb turns the page when it is let go
    }
    // The bar moves by its own step after this; the page decides where it stands.
    GoToPage(page);
    QMetaObject::invokeMethod(
        this, [this] { verticalScrollBar()->setValue(currentPage_); }, Qt::QueuedConnection);
}

// ---- Commands -----------------------------------------------------------------------------------

void CPrintPreview::OnCommand(PreviewCommand command) {
    if (!running_ && command != PreviewCommand::Close)
        return;
    switch (command) {
        case PreviewCommand::Print:
            Print();
            break;
        case PreviewCommand::NextPage:
            GoToPage(currentPage_ + 1);
            break;
        case PreviewCommand::PrevPage:
            GoToPage(currentPage_ - 1);
            break;
        case PreviewCommand::Pages:
            pagesShown_ = kMaxPages + 1 - pagesShown_;
            userPages_ = pagesShown_;
            GoToPage(currentPage_);
            break;
        case PreviewCommand::ZoomIn:
            zoomState_ = std::min(zoomState_ + 1, kZoomFull);
            ApplyZoom(0, QPoint());
            break;
        case PreviewCommand::ZoomOut:
            zoomState_ = std::max(zoomState_ - 1, kZoomWhole);
            ApplyZoom(0, QPoint());
            break;
        case PreviewCommand::Close:
            ClosePreview();
            break;
        case PreviewCommand::Landscape:
            SwitchOrientation();
            break;
    }
}

void CPrintPreview::ClosePreview() {
    job_.info.currentPage = currentPage_;
    if (running_)
        emit endPrinting();
    running_ = false;
    owner_.close();
}

void CPrintPreview::SwitchOrientation() {
    landscape_ = !landscape_;
    WritePrintOrientation(landscape_ ? PrintOrientation::Landscape : PrintOrientation::Portrait);
    running_ = false;
    if (!StartPreviewRun())
        owner_.close();
}

void CPrintPreview::Print() {
    owner_.TakeAbortRequest();
    emit preparePrinting();
    if (owner_.TakeAbortRequest())
        return;
    if (!owner_.choosePrinter(printer_, job_.info.minPage, job_.info.maxPage))
        return;
    // The preview ends once this command returns.
    QMetaObject::invokeMethod(
        this, [this] { OnCommand(PreviewCommand::Close); }, Qt::QueuedConnection);
    printing_ = true;
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty()) {
        const QString file = owner_.chooseOutputFile();
        if (file.isEmpty()) {
            printing_ = false;
            return;
        }
        printer_.setOutputFileName(file);
    }
    RunPrintJob();
}

void CPrintPreview::RunPrintJob() {
    PrintJob job;
    const int dpi = printer_.resolution();
    job.info.drawRect = PrintableArea(printer_, dpi);
    source_.beginPrinting(job.info);
    QWidget* mainWindow = owner_.parentWidget() ? owner_.parentWidget()->window() : nullptr;
    if (mainWindow)
        mainWindow->setEnabled(false);
    emit showStatusDialog();
    const auto finish = [this, mainWindow] {
        if (mainWindow)
            mainWindow->setEnabled(true);
        emit endPrinting();
        owner_.close();
        emit hideStatusDialog();
        printing_ = false;
    };

    printer_.setDocName(owner_.DocumentName());
    QPainter painter;
    if (!painter.begin(&printer_)) {
        finish();
        ShowErrorMessage(&owner_, owner_.PrintJobFailure());
        return;
    }
    const bool all = printer_.printRange() != QPrinter::PageRange || printer_.fromPage() == 0;
    const int first = all ? job.info.minPage : printer_.fromPage();
    const int last = all ? job.info.maxPage : printer_.toPage();
    const bool printed =
        PrintPages(source_, job.info, painter, printer_, dpi, first, last, [this](int page) {
            if (owner_.TakeAbortRequest())
                return false;
            emit statusPageNumber(page);
            return true;
        });
    if (!printed || owner_.TakeAbortRequest())
        printer_.abort();
    painter.end();
    finish();
}

}  // namespace plx
