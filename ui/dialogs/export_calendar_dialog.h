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
class QRadioButton;

namespace plx {

class CPLXExportCalendarDlg : public CSKDialog {
public:
    enum ControlId : int {
        kIdExport = 1,
        kIdCancel = 2,
        kIdMonth = 6201,
        kIdYear = 6202,
        kIdCustom = 6203,
        kIdFrom = 6204,
        kIdTo = 6205,
        kIdEvents = 6206,
        kIdPortion = 6207,
        kIdDaf = 6208,
        kIdTimes = 6209,
        kIdCandles = 6210,
        kIdFile = 6211,
        kIdBrowse = 6212,
    };

    // `inputs` are the main window's: its selected date, place, options and language.
    explicit CPLXExportCalendarDlg(ReportInputs inputs, QWidget* parent = nullptr);

    QWidget* ControlOf(int id) const;
    // The file as the dialog stands now.
    CalendarExportRequest Request() const;
    QString FilePath() const;

    // Writes the file; tells the user why when it cannot, and closes the dialog when it could.
    bool Export();

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
    QLineEdit* file_ = nullptr;
};

}  // namespace plx
