// What the small modal dialogs share: the layout of the interface language, a plain frame with a
// title and a close box, the margins around their controls and the row of buttons at their foot.
#pragma once

#include <QDialog>
#include <QList>
#include <QMargins>
#include <QString>

class QHBoxLayout;
class QPushButton;

namespace plx {

inline void PrepareSmallDialog(QDialog& dialog, bool hebrewLayout, const QString& title) {
    dialog.setLayoutDirection(hebrewLayout ? Qt::RightToLeft : Qt::LeftToRight);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(title);
}

// Between the frame of a small dialog and its controls (the export and monthly dialogs keep the
// style's own).
inline constexpr QMargins kSmallDialogMargins(14, 12, 14, 12);

// OK, the default button, accepts the dialog; Cancel rejects it. The texts are the window's own:
// the dialogs do not agree on how OK is written.
struct OkCancelButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
OkCancelButtons MakeOkCancelButtons(QDialog& dialog, const QString& okText,
                                    const QString& cancelText);

// A row of a dialog's buttons in reading order, the first of them the default button: centred
// under the controls, or at the side where reading ends.
enum class ButtonRowPlacement { Centred, Trailing };
QHBoxLayout* ButtonRow(const QList<QPushButton*>& buttons, ButtonRowPlacement placement);

}  // namespace plx
