// The monthly report's dialog: the first and the last Hebrew month of the range, half or full
// pages, and the times to print. It is the report's source: its Print Preview shows the months of
// its range as they stand when each page is drawn. Its page and time choices start from the main
// window's settings and go back into them when it closes.
#pragma once

#include <functional>

#include "reports/monthly_report.h"
#include "ui/toolkit/skinned_dialog.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plx {

class CPrintPreviewDlg;
class SettingsStore;
class UpDownControl;

class CPLXReportMonthlyDlg : public CSKDialog {
public:
    // The controls of one end of the range: the month, the year and the spinners that step the
    // year by ten and by one.
    struct Side {
        QComboBox* month = nullptr;
        QLineEdit* year = nullptr;
        UpDownControl* tenYears = nullptr;
        UpDownControl* oneYear = nullptr;
    };

    // The layout of the active language's direction; the range starts at the Hebrew month of the
    // civil date `today`. `settings` are the main window's: their monthly choices are shown now
    // and stored back at closing. `inputs` gives the main window's report inputs (place, options,
    // language) when a page is drawn.
    CPLXReportMonthlyDlg(CalculationSettings& settings, CalendarDate today,
                         std::function<ReportInputs()> inputs, QWidget* parent = nullptr);

    MonthRange Range() const { return range_; }
    ReportSource& Source() { return source_; }
    // What the report draws now: the range, the ticked times, the orientation of the printer.
    MonthlyRequest Request() const;

    // Closing by any way stores the choices into the settings.
    void reject() override;

    // The printer defaults' orientation, and the preview run with this dialog as the source (in
    // the dialog's own preview window, made at the first Print Preview). Tests replace them.
    std::function<PrintOrientation()> readOrientation;
    std::function<void(PrintOrientation)> writeOrientation;
    std::function<void(ReportSource&)> runPreview;
    // Where the preview window keeps its last place; none by default.
    SettingsStore* previewStore = nullptr;

    // The controls.
    const Side& FirstSide() const { return firstSide_; }
    const Side& LastSide() const { return lastSide_; }
    QRadioButton* HalfPageChoice() const { return halfPage_; }
    QRadioButton* FullPageChoice() const { return fullPage_; }
    QCheckBox* SunriseBox() const { return sunrise_; }
    QCheckBox* SunsetBox() const { return sunset_; }
    QCheckBox* CandlesBox() const { return candles_; }
    QCheckBox* TallitBox() const { return tallit_; }
    QCheckBox* PlagGraBox() const { return plagGra_; }
    QCheckBox* PlagMagaBox() const { return plagMaga_; }
    QPushButton* PrintPreviewButton() const { return printPreview_; }
    QPushButton* CloseButton() const { return close_; }

private:
    void BuildRangeRow(QGridLayout* grid, int row, Side& side, bool first);
    void ConnectSide(const Side& side, bool first);
    void ShowChoices();
    // The ticked times as the monthly fields of `settings`.
    void TicksInto(CalculationSettings& settings) const;
    void StoreChoices();

    // The side's month becomes `month`; the other side follows when the range would be inverted.
    void SetMonth(bool first, YearMonth month);
    // Both years and both lists, except the year being typed into.
    void ShowRange(const QLineEdit* typing = nullptr);
    void FillMonthList(QComboBox* box, YearMonth month);
    void OnYearEdited(bool first);
    void OnMonthChosen(bool first, int index);
    void OnPrintPreview();

    CalculationSettings& settings_;
    std::function<ReportInputs()> inputs_;
    bool hebrewLayout_;
    Language names_;  // Hebrew or English month names
    MonthRange range_;
    bool updating_ = false;
    MonthlyReportSource source_;
    CPrintPreviewDlg* preview_ = nullptr;  // a child: it goes with the dialog

    Side firstSide_;
    Side lastSide_;
    QRadioButton* halfPage_ = nullptr;
    QRadioButton* fullPage_ = nullptr;
    QCheckBox* sunrise_ = nullptr;
    QCheckBox* sunset_ = nullptr;
    QCheckBox* candles_ = nullptr;
    QCheckBox* tallit_ = nullptr;
    QCheckBox* plagGra_ = nullptr;
    QCheckBox* plagMaga_ = nullptr;
    QPushButton* printPreview_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace plx
