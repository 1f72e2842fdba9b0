// An edit field that holds only a signed decimal number: typed keys, texts set on it and pastes
// are filtered so that it never holds anything else.
#pragma once

#include <QLineEdit>

#include "app/number_text.h"

namespace plx {

class CNumericEdit : public QLineEdit {
public:
    CNumericEdit(bool allowDecimal, QWidget* parent);

    bool AllowsDecimal() const { return allowDecimal_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool AcceptsCharacter(QChar typed) const;
    void PasteKeepingSelection();
    void Refilter();

    bool allowDecimal_;
};

}  // namespace plx
