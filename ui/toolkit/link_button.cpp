#include "ui/toolkit/link_button.h"

namespace plx {

LinkButton::LinkButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setStyleSheet(
        QStringLiteral("QPushButton { color: #0645ad; text-decoration: underline;"
                       " border: none; padding: 0px; background: transparent; }"
                       "QPushButton:hover { color: #0b0080; }"));
}

}  // namespace plx
