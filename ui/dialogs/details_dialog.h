// The explanation dialog: how the calendars are kept and how the halachic times are computed.
#pragma once

#include "ui/toolkit/skinned_dialog.h"

class QPushButton;

namespace plx {

class CPLXDetails : public CSKDialog {
public:
    // The Hebrew layout when the active language reads right to left.
    explicit CPLXDetails(QWidget* parent = nullptr);
    CPLXDetails(bool hebrewLayout, QWidget* parent);

    QPushButton* OkButton() const { return ok_; }

private:
    QPushButton* ok_ = nullptr;
};

}  // namespace plx
