// What the small modal dialogs share: the layout of the interface language and a plain frame
// with a title and a close box.
#pragma once

#include <QDialog>
#include <QString>

namespace plx {

inline void PrepareSmallDialog(QDialog& dialog, bool hebrewLayout, const QString& title) {
    dialog.setLayoutDirection(hebrewLayout ? Qt::RightToLeft : Qt::LeftToRight);
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(title);
}

// A control that carries its id as its object name, so that its dialog finds it by id.
template <typename W>
W* WithId(W* widget, int id) {
    widget->setObjectName(QString::number(id));
    return widget;
}

}  // namespace plx
