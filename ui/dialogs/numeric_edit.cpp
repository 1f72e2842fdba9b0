#include "ui/dialogs/numeric_edit.h"

#include <QKeyEvent>

#include <algorithm>

namespace plx {

CNumericEdit::CNumericEdit(bool allowDecimal, QWidget* parent)
    : QLineEdit(parent), allowDecimal_(allowDecimal) {
    // Every way a text arrives (set by the dialog, pasted from the context menu, dropped) ends
    // here; typed keys are refused before they arrive.
    connect(this, &QLineEdit::textChanged, this, [this] { Refilter(); });
}

void CNumericEdit::Refilter() {
    const QString filtered = FilterNumberText(text(), allowDecimal_);
    if (filtered == text())
        return;
    const int cursor = std::min(cursorPosition(), static_cast<int>(filtered.size()));
    setText(filtered);
    setCursorPosition(cursor);
}

bool CNumericEdit::AcceptsCharacter(QChar typed) const {
    const QString current = text();
    const bool selection = hasSelectedText();
    const int start = selection ? selectionStart() : cursorPosition();
    const int end = start + static_cast<int>(selectedText().size());
    const bool startsNegative = current.startsWith(u'-');

    if (typed.isDigit() && typed.unicode() < 128)
        return !(start == 0 && !selection && startsNegative);
    if (typed == u'-')
        return start == 0 && !(!selection && startsNegative);
    if (typed == u'.' || typed == DecimalSeparator()) {
        if (!allowDecimal_)
            return false;
        if (start == 0 && end < current.size() && current[end] == u'-')
            return false;
        const QChar separator = DecimalSeparator();
        return !current.contains(separator) || selectedText().contains(separator);
    }
    return false;
}

void CNumericEdit::PasteKeepingSelection() {
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int length = static_cast<int>(selectedText().size());
    paste();
    setSelection(std::min(start, static_cast<int>(text().size())), length);
}

void CNumericEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys that type nothing (arrows, Home, Delete ...) and Enter, Escape and Tab, which belong
    // to the dialog, behave as in any field.
    if (typed.isEmpty() || typed == u"\r" || typed == u"\x1b" || typed == u"\t") {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control && event->key() == Qt::Key_V) {
        PasteKeepingSelection();
    } else if ((control && (event->key() == Qt::Key_C || event->key() == Qt::Key_X)) ||
               typed == u"\b") {
        QLineEdit::keyPressEvent(event);
    } else if (!control && typed.size() == 1 && AcceptsCharacter(typed.front())) {
        // The period key types the locale's separator.
        insert(typed.front() == u'.' ? QString(DecimalSeparator()) : typed);
    }
    event->accept();
}

}  // namespace plx
