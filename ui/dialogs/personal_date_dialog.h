// One personal date as the user enters it: a name, the kind, the date on the Hebrew or the civil
// calendar (a civil date possibly after sunset) and a note. Nothing is stored here: the owner
// keeps what the dialog accepted.
#pragma once

#include "app/stored_personal_dates.h"
#include "engine/language.h"
#include "ui/toolkit/skinned_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace plx {

class CPLXPersonalDateDlg : public CSKDialog {
public:
    // Shows `date` (a new one has an empty name) in the layout and the names of the language.
    CPLXPersonalDateDlg(const PersonalDate& date, bool hebrewLayout, QWidget* parent = nullptr);

    // The date as the fields stand (the key is the one it was opened with).
    PersonalDate Entered() const;

    // Accepts only a name and a date the list can keep; otherwise says why and leaves the focus
    // in the field to mend.
    void accept() override;

    QLineEdit* NameEdit() const { return name_; }
    QComboBox* KindBox() const { return kind_; }
    QRadioButton* HebrewChoice() const { return hebrew_; }
    QRadioButton* CivilChoice() const { return civil_; }
    QComboBox* DayBox() const { return day_; }
    QComboBox* MonthBox() const { return month_; }
    QLineEdit* YearEdit() const { return year_; }
    QCheckBox* AfterSunsetBox() const { return afterSunset_; }
    QLineEdit* NoteEdit() const { return note_; }

private:
    bool CivilCalendar() const;
    // The year typed, 0 when the text names none.
    int TypedYear() const;
    void ShowDate(bool civil, CalendarDate date);
    // The day and month lists of the calendar chosen and of the year typed, keeping the day and
    // the month (by name) that were chosen.
    void FillDayAndMonth();
    void OnCalendarChosen();
    bool Refuse(const QString& message, QWidget* field);

    PersonalDate original_;
    bool hebrewLayout_;
    Language names_;
    bool shownCivil_ = false;
    int filledForYear_ = -1;
    QLineEdit* name_ = nullptr;
    QComboBox* kind_ = nullptr;
    QRadioButton* hebrew_ = nullptr;
    QRadioButton* civil_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QCheckBox* afterSunset_ = nullptr;
    QLineEdit* note_ = nullptr;
};

}  // namespace plx
