// The location dialog: creates one of the user's own places or edits one. Latitude and longitude
// are typed as decimal degrees or as degrees, minutes and seconds; the two forms are brought into
// agreement whenever one of their fields loses the focus.
#pragma once

#include <array>
#include <cstdint>

#include "astro/locations.h"
#include "ui/toolkit/skinned_dialog.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace plx {

class CNumericEdit;

class CPLXLocationDlg : public CSKDialog {
public:
    // Edits `custom` in place. The Hebrew layout when the active language reads right to left.
    explicit CPLXLocationDlg(CustomLocationList& custom, QWidget* parent = nullptr);
    CPLXLocationDlg(CustomLocationList& custom, bool hebrewLayout, QWidget* parent);

    // -1 creates a place; otherwise the id of the place to edit. After a confirmed creation it
    // holds the new place's position in the list.
    void SetEditId(std::int32_t id) { editId_ = id; }
    std::int32_t EditId() const { return editId_; }

    // Fills the fields and runs the dialog; a place to edit that is no longer in the list ends
    // it at once as cancelled.
    int exec() override;
    void accept() override;

    // The fields, for the tests that type into them.
    QLineEdit* HebrewName() const { return nameHebrew_; }
    QLineEdit* EnglishName() const { return nameEnglish_; }
    CNumericEdit* Latitude() const { return latitude_.decimal; }
    CNumericEdit* LatitudeDegrees() const { return latitude_.degrees; }
    QLineEdit* LatitudeMinutes() const { return latitude_.minutes; }
    QLineEdit* LatitudeSeconds() const { return latitude_.seconds; }
    CNumericEdit* Longitude() const { return longitude_.decimal; }
    CNumericEdit* LongitudeDegrees() const { return longitude_.degrees; }
    QLineEdit* Height() const { return height_; }
    QLineEdit* ZoneHours() const { return zoneHours_; }
    QLineEdit* ZoneMinutes() const { return zoneMinutes_; }
    QComboBox* TimeZone() const { return timeZone_; }
    // The zone id the zone field stands for now, whether chosen from the list or typed.
    QString ChosenZoneId() const;
    QLineEdit* CandleMinutes() const { return candles_; }
    QRadioButton* IsraelRefraction() const { return israel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A coordinate in its two forms.
    struct Coordinate {
        CNumericEdit* decimal = nullptr;
        CNumericEdit* degrees = nullptr;
        QLineEdit* minutes = nullptr;
        QLineEdit* seconds = nullptr;
    };

    bool Fill();
    Location Entered() const;
    // Each refuses with a message that names the field, which takes the focus.
    bool NamesFit(const Location& place);
    bool CoordinatesInRange(const Location& place);
    bool TimeZoneKnown(const Location& place);
    // Shows the message and gives the field the focus; false.
    bool Refuse(const QString& message, QWidget* field);
    void SyncFrom(QObject* field);
    static void ShowDegreesOf(const Coordinate& c);
    static void ShowDecimalOf(const Coordinate& c);

    CustomLocationList& custom_;
    std::int32_t editId_ = -1;
    bool hebrewLayout_;
    QLineEdit* nameHebrew_ = nullptr;
    QLineEdit* nameEnglish_ = nullptr;
    Coordinate latitude_;
    Coordinate longitude_;
    QLineEdit* height_ = nullptr;
    QLineEdit* zoneHours_ = nullptr;
    QLineEdit* zoneMinutes_ = nullptr;
    QComboBox* timeZone_ = nullptr;  // the place's IANA zone, or empty for none
    QLineEdit* candles_ = nullptr;
    QRadioButton* israel_ = nullptr;
    QRadioButton* world_ = nullptr;
};

}  // namespace plx
