// The print preview window: a band of eight controls along its top and the canvas below. It
// knows nothing of reports: it asks its ReportSource to begin printing and to draw pages, on the
// screen and on the printer alike. The notifications a source may listen to are signals.
#pragma once

#include <QStringList>

#include <array>
#include <functional>

#include "reports/report_source.h"
#include "ui/toolkit/skinned_dialog.h"

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;

namespace plx {

class CPrintPreview;

class CPrintPreviewDlg : public CSKDialog {
    Q_OBJECT

public:
    // The caption keys of the "PrintPreview" section, in the order SetCaptions takes them.
    static const std::array<const char16_t*, 11> kCaptionKeys;

    // `source` outlives the window. The document name of print jobs is the title of the
    // application's main window now.
    CPrintPreviewDlg(ReportSource& source, QWidget* parent);

    // The mirrored right-to-left layout or the normal one, and the eleven captions in the order
    // of kCaptionKeys.
    void SetCaptions(bool rightToLeft, const QStringList& captions);
    // Opens the window and runs it modally; returns when it closes.
    void Run();

    // A source may ask, while preparing, that the run not start.
    void RequestAbort() { abortRequested_ = true; }
    bool TakeAbortRequest() { return std::exchange(abortRequested_, false); }
    bool Printing() const { return printing_; }
    const QString& DocumentName() const { return documentName_; }
    bool CaptionsGiven() const { return captionsGiven_; }
    // The caption of key index i (of kCaptionKeys), or its default without captions.
    QString Caption(int index) const;
    // "Page %u\nPages %u-%u\n": the page numbers of one page and of two.
    QString PageDescription() const;

    CPrintPreview* Canvas() const { return canvas_; }
    QAbstractButton* Control(int id) const;
    QLabel* PageNumberLabel() const { return pageNumber_; }
    // The control band's captions and enabled states, as the canvas's state has them.
    void RefreshBand();

    // How the print run chooses the printer and its page range (the system's print dialog by
    // default) and the file of a print to a file; tests answer them.
    std::function<bool(QPrinter& printer, int minPage, int maxPage)> choosePrinter;
    std::function<QString()> chooseOutputFile;

signals:
    void preparePrinting();
    void endPrinting();
    void showStatusDialog();
    void hideStatusDialog();
    void statusPageNumber(int page);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CPrintPreview;
    void BuildBand();
    void PlaceBand();
    void SetPrinting(bool on) { printing_ = on; }

    ReportSource& source_;
    QString documentName_;
    bool rightToLeft_ = false;
    bool captionsGiven_ = false;
    QStringList captions_;
    bool abortRequested_ = false;
    bool printing_ = false;
    std::array<QPushButton*, 7> buttons_{};  // 101 .. 107
    QCheckBox* landscape_ = nullptr;         // 108
    QLabel* pageNumber_ = nullptr;
    CPrintPreview* canvas_ = nullptr;
};

// Opens the owner's preview window, made on first use and kept for the owner's lifetime, with the
// captions and layout of the loaded language, and runs it for `source`.
void OpenPrintPreview(CPrintPreviewDlg*& preview, ReportSource& source, QWidget* owner);

}  // namespace plx
