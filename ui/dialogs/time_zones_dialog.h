// The location list behind "Time Zone": the built-in places and then the user's own, from which
// the current place is chosen and through which the user's places are added, deleted and updated.
// A place carries its own zone, so choosing a place chooses the time zone.
#pragma once

#include <QString>

#include <functional>
#include <optional>

#include "app/stored_locations.h"
#include "astro/locations.h"
#include "ui/toolkit/skinned_dialog.h"

class QListWidget;
class QPushButton;

namespace plx {

class CPLXTimeZonesDlg : public CSKDialog {
public:
    // Edits `custom` in place; `key` is the current place. The layout and the language of the row
    // texts follow the active language.
    CPLXTimeZonesDlg(CustomLocationList& custom, LocationKey key, QWidget* parent = nullptr);
    CPLXTimeZonesDlg(CustomLocationList& custom, LocationKey key, const QString& languageCode,
                     bool hebrewLayout, QWidget* parent);

    // After OK, the chosen place; the key it was opened with when no row was selected.
    LocationKey Key() const { return key_; }

    // Runs after each confirmed add, update and delete, with the list already changed: it keeps
    // the change and may replace the list with the places as stored. It returns the id the place
    // added or updated has in the list now (none when it is not there); the rows are then made
    // again from the list.
    using EditHandler = std::function<std::optional<std::int32_t>(const PlaceEdit&)>;
    void SetEditHandler(EditHandler handler) { editHandler_ = std::move(handler); }

    void accept() override;

    QListWidget* List() const { return list_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* UpdateButton() const { return update_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    QString RowText(const Location& place, bool custom) const;
    void AppendCustomRow(const Location& place);
    // Hands the edit on and shows the list as it is afterwards, the row of `id` selected.
    void AfterEdit(const PlaceEdit& edit, std::optional<std::int32_t> id);
    void SelectRow(int row);
    void OnSelectionChanged();
    void OnAdd();
    void OnDelete();
    void OnUpdate();

    CustomLocationList& custom_;
    EditHandler editHandler_;
    LocationKey key_;
    QString languageCode_;
    bool hebrewLayout_;
    QListWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace plx
