// "Export to calendar": a calendar file (iCalendar) of a month or a year from the selected date,
// or of a span the user gives, with the events, portions, Daf Yomi and times the user ticks, at
// the main window's place under its options. Writes through the same code as `plxcal ics`.
#pragma once

#include <optional>

#include "reports/calendar_items.h"
#include "reports/report_inputs.h"
#include "ui/toolkit/skinned_dialog.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace plx {

class CPLXExportCalendarDlg : public CSKDialog {
public:
    // `inputs` are the main window's: its selected date, place, options and language.
    explicit CPLXExportCalendarDlg(ReportInputs inputs, QWidget* parent = nullptr);

    // The file as the dialog stands now.
    CalendarExportRequest Request() const;
    QString FilePath() const;

    // Writes the file; tells the user why when it cannot, and closes the dialog when it could.
    bool Export();

    // The controls. The span: a month or a year from the selected date, or the typed dates.
    QRadioButton* MonthChoice() const { return month_; }
    QRadioButton* YearChoice() const { return year_; }
    QRadioButton* CustomChoice() const { return custom_; }
    QDateEdit* FromEdit() const { return from_; }
    QDateEdit* ToEdit() const { return to_; }
    // What the file holds.
    QCheckBox* EventsBox() const { return events_; }
    QCheckBox* PortionBox() const { return portion_; }
    QCheckBox* DafBox() const { return daf_; }
    QCheckBox* TimesBox() const { return times_; }
    QCheckBox* CandlesBox() const { return candles_; }
    QCheckBox* PersonalBox() const { return personal_; }
    QLineEdit* FileEdit() const { return file_; }
    QPushButton* ExportButton() const { return export_; }

private:
    CalendarDate SpanEnd() const;
    void ShowSpan();
    void OnBrowse();

    ReportInputs inputs_;
    QRadioButton* month_ = nullptr;
    QRadioButton* year_ = nullptr;
    QRadioButton* custom_ = nullptr;
    QLabel* spanText_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QCheckBox* events_ = nullptr;
    QCheckBox* portion_ = nullptr;
    QCheckBox* daf_ = nullptr;
    QCheckBox* times_ = nullptr;
    QCheckBox* candles_ = nullptr;
    QCheckBox* personal_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPushButton* export_ = nullptr;
};

}  // namespace plx
