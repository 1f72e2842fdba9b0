#include "ui/dialogs/small_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace plx {

OkCancelButtons MakeOkCancelButtons(QDialog& dialog, const QString& okText,
                                    const QString& cancelText) {
    OkCancelButtons buttons{new QPushButton(okText, &dialog), new QPushButton(cancelText, &dialog)};
    buttons.ok->setDefault(true);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}

QHBoxLayout* ButtonRow(const QList<QPushButton*>& buttons, ButtonRowPlacement placement) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    if (placement == ButtonRowPlacement::Centred)
        row->addStretch();
    if (!buttons.isEmpty())
        buttons.front()->setDefault(true);
    return row;
}

}  // namespace plx
