// An edit field that holds only a signed decimal number: typed keys, texts set on it and pastes
// are filtered so that it never holds anything else.
#pragma once

#include <QChar>
#include <QLineEdit>
#include <QString>

namespace plx {

// The first character of the user locale's decimal separator, a period when it gives none; read
// once for every field.
QChar DecimalSeparator();

// Digits; the first decimal separator (when decimals are allowed); a "-" only as the first
// character. Everything else is dropped.
QString FilterNumberText(const QString& text, bool allowDecimal);

// The number a field's text stands for in the locale's notation; 0 when empty or not a number.
double ParseDecimalText(const QString& text);
// Six decimals, as "%f", with the locale's separator.
QString FormatDecimalText(double value);
// A signed whole number; 0 when empty or not one.
int ParseIntegerText(const QString& text);

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
