// "Personal dates…": the family's birthdays, yahrzeits and anniversaries, each with the date as it
// was entered and the day it is next kept, on both calendars; adding, editing and deleting them,
// and where a yahrzeit of a death in Adar of a common year falls in a leap year.
//
// The dialog keeps nothing itself: each confirmed change goes to its owner at once, which stores
// it and hands back the list as stored.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "app/stored_personal_dates.h"
#include "engine/language.h"
#include "ui/toolkit/skinned_dialog.h"

class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace plx {

// One confirmed change of the list.
struct PersonalEdit {
    enum class Kind { Add, Update, Remove, Adar };
    Kind kind = Kind::Add;
    PersonalDate date;  // the date added, changed or removed
    AdarChoice adar = AdarChoice::AdarI;
};

// The list after a change was kept, with the key of the date added or changed.
struct PersonalList {
    PersonalDateList dates;
    AdarChoice adar = AdarChoice::AdarI;
    std::optional<int> key;
};

class CPLXPersonalDatesDlg : public CSKDialog {
public:
    // Keeps the change and returns the list as stored afterwards; none when it could not be kept,
    // and the rows stay as they were.
    using EditHandler = std::function<std::optional<PersonalList>(const PersonalEdit&)>;

    // The next observances are counted from `today`; a date added starts as the Hebrew date of
    // `selected` (both civil).
    CPLXPersonalDatesDlg(PersonalList list, CalendarDate today, CalendarDate selected,
                         EditHandler handler, bool hebrewLayout, QWidget* parent = nullptr);

    const PersonalList& List() const { return list_; }

    QTreeWidget* Rows() const { return rows_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* EditButton() const { return edit_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* CloseButton() const { return close_; }
    QRadioButton* AdarButton(AdarChoice choice) const;

    // The columns of a row.
    enum Column { kName, kKind, kDate, kNextHebrew, kNextCivil, kColumns };

private:
    void ShowRows(std::optional<int> selectKey);
    std::optional<int> SelectedKey() const;
    const PersonalDate* SelectedDate() const;
    void OnSelectionChanged();
    void Keep(const PersonalEdit& edit);
    // Opens the editor on `date` and keeps what it accepts as a change of `kind`.
    void EditInEditor(const PersonalDate& date, PersonalEdit::Kind kind);
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnAdarChosen(AdarChoice choice);

    PersonalList list_;
    CalendarDate today_;
    CalendarDate selected_;
    EditHandler handler_;
    bool hebrewLayout_;
    Language names_;
    QTreeWidget* rows_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* close_ = nullptr;
    std::array<QRadioButton*, 3> adar_{};
};

}  // namespace plx
