// The halachic-times settings: which times the times page shows, by which definitions they are
// computed, and whether the place's height counts. It edits a copy of the main window's settings.
#pragma once

#include <QList>

#include "astro/times_options.h"
#include "ui/toolkit/skinned_dialog.h"

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace plx {

class CPLXSettingsDlg : public CSKDialog {
public:
    // The groups of radio buttons, top to bottom: each chooses one definition. The solar
    // calculation's values are those of `SolarCalculation`.
    enum class Choice {
        Miles,
        DawnMethod,
        TallitMethod,
        RabeinuTamMinutes,
        RabeinuTamMethod,
        SolarCalculation
    };

    // The Hebrew layout when the active language reads right to left.
    explicit CPLXSettingsDlg(const CalculationSettings& settings, QWidget* parent = nullptr);
    CPLXSettingsDlg(const CalculationSettings& settings, bool hebrewLayout, QWidget* parent);

    // The settings as confirmed; as given until OK.
    const CalculationSettings& Settings() const { return settings_; }

    void accept() override;

    // The check box of a time the times page may show.
    QCheckBox* TimeBox(bool TimesOfDayOptions::*time) const;
    // The radio button of a group that stands for `value`, the value the settings keep for it.
    QRadioButton* ChoiceButton(Choice group, int value) const;
    QCheckBox* HeightsBox() const { return heights_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* DefaultsButton() const { return defaults_; }

private:
    // Checks the controls after `settings`; the fields without a control are not looked at.
    void ShowSettings(const CalculationSettings& settings);
    QButtonGroup* SolarButtons() const;

    CalculationSettings settings_;
    QList<QCheckBox*> timeBoxes_;  // in the order of the times' table
    QList<QButtonGroup*> groups_;  // in the order of Choice
    QCheckBox* heights_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* defaults_ = nullptr;
};

}  // namespace plx
