// The print preview window: a band of eight controls along its top and the canvas below. It
// knows nothing of reports: it asks its ReportSource to begin printing and to draw pages, on the
// screen and on the printer alike. The notifications a source may listen to are the canvas's
// signals.
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
class SettingsStore;
enum class PreviewCommand;

class CPrintPreviewDlg : public CSKDialog {
    Q_OBJECT

public:
    // The keys of the window's texts in the "PrintPreview" section, in the order SetCaptions takes
    // them: the eleven captions, then the message for a print job that cannot start.
    static const std::array<const char16_t*, 12> kCaptionKeys;

    // `source` outlives the window. The document name of print jobs is the title of the
    // application's main window now.
    CPrintPreviewDlg(ReportSource& source, QWidget* parent);

    // The mirrored right-to-left layout or the normal one, and the texts in the order of
    // kCaptionKeys.
    void SetCaptions(bool rightToLeft, const QStringList& captions);
    // Where the window keeps its last size and position (written when it closes, read when it
    // opens); without a store each opening is centred on the owner.
    void RememberPlaceIn(SettingsStore* store) { store_ = store; }
    // Opens the window and runs it modally; returns when it closes.
    void Run();
    void done(int result) override;

    // A source may ask, while preparing, that the run not start.
    void RequestAbort() { abortRequested_ = true; }
    bool TakeAbortRequest() { return std::exchange(abortRequested_, false); }
    bool Printing() const;
    const QString& DocumentName() const { return documentName_; }
    bool CaptionsGiven() const { return captionsGiven_; }
    // The caption of key index i (of kCaptionKeys), or its default without captions.
    QString Caption(int index) const;
    // "Page %u\nPages %u-%u\n": the page numbers of one page and of two.
    QString PageDescription() const;
    // "Could not start print job."
    QString PrintJobFailure() const;

    CPrintPreview* Canvas() const { return canvas_; }
    QAbstractButton* Control(PreviewCommand command) const;
    QLabel* PageNumberLabel() const { return pageNumber_; }
    // The control band's captions and enabled states, as the canvas's state has them.
    void RefreshBand();

    // How the print run chooses the printer and its page range (the system's print dialog by
    // default) and the file of a print to a file; tests answer them.
    std::function<bool(QPrinter& printer, int minPage, int maxPage)> choosePrinter;
    std::function<QString()> chooseOutputFile;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildBand();
    void PlaceBand();
    void PlaceWindow();

    ReportSource& source_;
    SettingsStore* store_ = nullptr;
    QSize frameMinimum_;  // the least size of the frame alone; the band may ask for more
    QString documentName_;
    bool rightToLeft_ = false;
    bool captionsGiven_ = false;
    QStringList captions_;
    bool abortRequested_ = false;
    std::array<QPushButton*, 7> buttons_{};  // the commands from Print to Close
    QCheckBox* landscape_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    CPrintPreview* canvas_ = nullptr;
};

// Opens the owner's preview window, made on first use and kept for the owner's lifetime, with the
// captions and layout of the loaded language, and runs it for `source`; its last place is kept
// in `store` when one is given.
void OpenPrintPreview(CPrintPreviewDlg*& preview, ReportSource& source, QWidget* owner,
                      SettingsStore* store = nullptr);

}  // namespace plx
