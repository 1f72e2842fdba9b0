// The halachic-times settings: which times the times page shows, by which definitions they are
// computed, and whether the place's height counts. It edits a copy of the main window's settings.
#pragma once

#include <QHash>

#include "astro/times_options.h"
#include "ui/toolkit/skinned_dialog.h"

class QAbstractButton;
class QButtonGroup;

namespace plx {

class CPLXSettingsDlg : public CSKDialog {
public:
    // The Hebrew layout when the active language reads right to left.
    explicit CPLXSettingsDlg(const CalculationSettings& settings, QWidget* parent = nullptr);
    CPLXSettingsDlg(const CalculationSettings& settings, bool hebrewLayout, QWidget* parent);

    // The settings as confirmed; as given until OK.
    const CalculationSettings& Settings() const { return settings_; }

    void accept() override;

    // A check box, radio button or push button by its control id (6001 Defaults, 6043 ...).
    QAbstractButton* Control(int id) const { return controls_.value(id); }

private:
    // Checks the controls after `settings`; the fields without a control are not looked at.
    void ShowSettings(const CalculationSettings& settings);

    CalculationSettings settings_;
    QHash<int, QAbstractButton*> controls_;
    QList<QButtonGroup*> groups_;  // in the order of the radio groups' table
};

}  // namespace plx
