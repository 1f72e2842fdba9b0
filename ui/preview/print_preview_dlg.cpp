#include "ui/preview/print_preview_dlg.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <climits>

#include "app/language.h"
#include "app/settings_store.h"
#include "ui/preview/print_preview.h"
#include "ui/preview/printer_defaults.h"

namespace plx {
namespace {

constexpr int kBandHeight = 26;
constexpr int kControlWidth = 66;
constexpr int kLastControlWidth = 116;
constexpr int kControlHeight = 22;
constexpr int kControlGap = 2;
// Around the paper in the whole-page view: the canvas's margins and the paper's rim.
constexpr int kPaperMargin = 20;
// Kept free of the window between it and the screen's edges when it opens at the paper's size.
constexpr int kScreenMargin = 40;
// The canvas keeps at least this height when the window is made small.
constexpr int kLeastCanvasHeight = 120;

// The window's last place, in the "Settings" section.
constexpr std::u16string_view kPlaceX = u"plx_preview_x";
constexpr std::u16string_view kPlaceY = u"plx_preview_y";
constexpr std::u16string_view kPlaceWidth = u"plx_preview_width";
constexpr std::u16string_view kPlaceHeight = u"plx_preview_height";

std::optional<QRect> StoredPlace(const SettingsStore* store) {
    if (!store)
        return std::nullopt;
    const int x = store->ReadInteger(kSettingsSection, kPlaceX, INT_MIN);
    const int y = store->ReadInteger(kSettingsSection, kPlaceY, INT_MIN);
    const int width = store->ReadInteger(kSettingsSection, kPlaceWidth, 0);
    const int height = store->ReadInteger(kSettingsSection, kPlaceHeight, 0);
    if (x == INT_MIN || y == INT_MIN || width <= 0 || height <= 0)
        return std::nullopt;  // never stored, or not all of it: open as the first time
    return QRect(x, y, width, height);
}

void StorePlace(SettingsStore& store, QRect place) {
    store.WriteInteger(kSettingsSection, kPlaceX, place.x());
    store.WriteInteger(kSettingsSection, kPlaceY, place.y());
    store.WriteInteger(kSettingsSection, kPlaceWidth, place.width());
    store.WriteInteger(kSettingsSection, kPlaceHeight, place.height());
}

enum CaptionIndex : int {
    kTitleCaption = 0,
    kPrintCaption,
    kNextCaption,
    kPrevCaption,
    kOnePageCaption,
    kTwoPagesCaption,
    kZoomInCaption,
    kZoomOutCaption,
    kCloseCaption,
    kPagesDescription,
    kLandscapeCaption,
    kPrintJobFailure,
};

const std::array<const char*, 12> kDefaultCaptions{
    "Print Preview", "&Print...",
    "&Next Page",    "Pre&v Page",
    "&One Page",     "&Two Pages",
    "Zoom &In",      "Zoom &Out",
    "&Close",        "Page %u\nPages %u-%u\n",
    "L&andscape",    "Could not start print job.",
};

// The captions of the band's buttons, in the order of their commands.
constexpr std::array<int, 7> kButtonCaptions{kPrintCaption,   kNextCaption,   kPrevCaption,
                                             kOnePageCaption, kZoomInCaption, kZoomOutCaption,
                                             kCloseCaption};

bool SystemPrintDialog(QPrinter& printer, int minPage, int maxPage, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(minPage, maxPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, maxPage > minPage);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

const std::array<const char16_t*, 12> CPrintPreviewDlg::kCaptionKeys{
    u"PRINT_PREVIEW", u"DO_PRINT",   u"NEXT_PAGE",       u"PREV_PAGE",
    u"ONE_PAGE",      u"TWO_PAGES",  u"ZOOM_IN",         u"ZOOM_OUT",
    u"CLOSE",         u"PAGES_DESC", u"PRINT_LANDSCAPE", u"PRINT_JOB_FAILED",
};

CPrintPreviewDlg::CPrintPreviewDlg(ReportSource& source, QWidget* parent)
    : CSKDialog(parent),
      source_(source),
      documentName_(parent ? parent->window()->windowTitle() : QString()) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    if (parent)
        setWindowIcon(parent->window()->windowIcon());
    BuildBand();
    canvas_ = new CPrintPreview(*this, source_);
    choosePrinter = [this](QPrinter& printer, int minPage, int maxPage) {
        return SystemPrintDialog(printer, minPage, maxPage, this);
    };
    chooseOutputFile = [this] {
        return QFileDialog::getSaveFileName(this, Caption(kPrintCaption).remove(QLatin1Char('&')),
                                            documentName_ + QStringLiteral(".pdf"),
                                            QStringLiteral("PDF (*.pdf)"));
    };
}

QString CPrintPreviewDlg::Caption(int index) const {
    if (captionsGiven_)
        return captions_.value(index);
    return QString::fromUtf8(kDefaultCaptions[static_cast<std::size_t>(index)]);
}

QString CPrintPreviewDlg::PageDescription() const {
    return Caption(kPagesDescription);
}

QString CPrintPreviewDlg::PrintJobFailure() const {
    return Caption(kPrintJobFailure);
}

bool CPrintPreviewDlg::Printing() const {
    return canvas_->Printing();
}

void CPrintPreviewDlg::SetCaptions(bool rightToLeft, const QStringList& captions) {
    rightToLeft_ = rightToLeft;
    captions_ = captions;
    captionsGiven_ = true;
}

void CPrintPreviewDlg::BuildBand() {
    // The canvas carries a command out once the click is over.
    const auto forward = [this](QAbstractButton* control, PreviewCommand command) {
        control->setFocusPolicy(Qt::TabFocus);
        connect(control, &QAbstractButton::clicked, this, [this, command] {
            QMetaObject::invokeMethod(
                canvas_, [this, command] { canvas_->OnCommand(command); }, Qt::QueuedConnection);
        });
    };
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QPushButton(this);
        buttons_[i]->setAutoDefault(false);
        forward(buttons_[i], static_cast<PreviewCommand>(i));
    }
    landscape_ = new QCheckBox(this);
    forward(landscape_, PreviewCommand::Landscape);
    pageNumber_ = new QLabel(this);
}

QAbstractButton* CPrintPreviewDlg::Control(PreviewCommand command) const {
    if (command == PreviewCommand::Landscape)
        return landscape_;
    return buttons_.at(static_cast<std::size_t>(command));
}

void CPrintPreviewDlg::RefreshBand() {
    const PreviewControls states = canvas_->Controls();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int caption = kButtonCaptions[i] == kOnePageCaption && states.twoPages
                                ? kTwoPagesCaption
                                : kButtonCaptions[i];
        buttons_[i]->setText(Caption(caption));
    }
    Control(PreviewCommand::NextPage)->setEnabled(states.next);
    Control(PreviewCommand::PrevPage)->setEnabled(states.prev);
    Control(PreviewCommand::Pages)->setEnabled(states.pages);
    Control(PreviewCommand::ZoomIn)->setEnabled(states.zoomIn);
    Control(PreviewCommand::ZoomOut)->setEnabled(states.zoomOut);
    landscape_->setText(Caption(kLandscapeCaption));
    landscape_->setChecked(canvas_->Landscape());
    pageNumber_->setText(canvas_->PageNumberText());
    PlaceBand();
}

void CPrintPreviewDlg::PlaceBand() {
    // Along the top from the reading side; a caption longer than its control widens it.
    int x = kControlGap;
    const QRect client = ClientRect();
    const auto place = [this, &x, &client](QWidget* control, int width) {
        width = std::max(width, control->sizeHint().width());
        const int left = rightToLeft_ ? client.right() + 1 - x - width : client.left() + x;
        control->setGeometry(left, client.top() + kControlGap, width, kControlHeight);
        x += width + kControlGap;
    };
    for (QPushButton* button : buttons_)
        place(button, kControlWidth);
    place(landscape_, kLastControlWidth);
    // The page number keeps room for its longest text, so that paging never crowds it out.
    const int declared = canvas_->Job().info.maxPage;
    const int last = declared == ReportPageInfo::kUndeclared ? 1 : declared;
    const QStringList lines = PageDescription().split(QLatin1Char('\n'));
    int numberWidth = 0;
    for (const QString& text :
         {FillPageNumbers(lines.value(0), {last}), FillPageNumbers(lines.value(1), {last, last})})
        numberWidth = std::max(numberWidth, pageNumber_->fontMetrics().horizontalAdvance(text));
    place(pageNumber_, numberWidth + 2 * kControlGap);
    // No narrower than the band, so that none of its texts is ever cut off.
    const QSize frame = size() - client.size();
    setMinimumSize(frameMinimum_.expandedTo(
        QSize(x + frame.width(), frame.height() + kBandHeight + kLeastCanvasHeight)));
}

void CPrintPreviewDlg::resizeEvent(QResizeEvent* event) {
    CSKDialog::resizeEvent(event);
    PlaceBand();
    const QRect client = ClientRect();
    canvas_->setGeometry(client.left(), client.top() + kBandHeight, client.width(),
                         std::max(0, client.height() - kBandHeight));
}

void CPrintPreviewDlg::Run() {
    setLayoutDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
    landscape_->setLayoutDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowTitle(Caption(kTitleCaption));
    setMinimumSize(QSize());
    SetSkin(kDialogSkin);  // again after each change of direction
    frameMinimum_ = minimumSize();
    canvas_->Reset();
    RefreshBand();
    PlaceWindow();
    if (canvas_->StartPreviewRun())
        exec();
}

void CPrintPreviewDlg::PlaceWindow() {
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->availableGeometry());
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect ownerRect = owner ? owner->frameGeometry() : QRect();
    const QScreen* ownerScreen = owner ? owner->screen() : screen();
    const QSize room = ownerScreen ? ownerScreen->availableGeometry().size() : QSize(800, 600);
    // The paper whole beside what the window adds: frame, band, margins and the page selector.
    const QSize chrome = size() - ClientRect().size() +
                         QSize(kPaperMargin + canvas_->verticalScrollBar()->sizeHint().width(),
                               kPaperMargin + kBandHeight);
    const QSize opening =
        PreviewOpeningSize(canvas_->PaperOnScreen(), chrome,
                           room - QSize(kScreenMargin, kScreenMargin), minimumSize());
    setGeometry(PreviewWindowRect(StoredPlace(store_), opening, ownerRect, screens));
}

void CPrintPreviewDlg::done(int result) {
    if (store_ && isVisible())
        StorePlace(*store_, isMaximized() || isFullScreen() ? normalGeometry() : geometry());
    CSKDialog::done(result);
}

void OpenPrintPreview(CPrintPreviewDlg*& preview, ReportSource& source, QWidget* owner,
                      SettingsStore* store) {
    if (!preview)
        preview = new CPrintPreviewDlg(source, owner);
    preview->RememberPlaceIn(store);
    const LanguageSection section = FindSection(u"PrintPreview");
    QStringList captions;
    for (const char16_t* key : CPrintPreviewDlg::kCaptionKeys)
        captions += LookupString(section, QStringView(key));
    preview->SetCaptions(ActiveLanguage().rightToLeft, captions);
    preview->Run();
}

}  // namespace plx
