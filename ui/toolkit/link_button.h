// A button that looks like a link: underlined text, a pointing hand, no frame.
#pragma once

#include <QPushButton>

namespace plx {

class LinkButton : public QPushButton {
public:
    explicit LinkButton(const QString& text, QWidget* parent = nullptr);
};

}  // namespace plx
