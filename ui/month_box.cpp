#include "ui/month_box.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "app/number_text.h"
#include "ui/date_entry.h"

namespace plx {
namespace {

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    entries.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

}  // namespace

void SelectMonthEntry(QComboBox* box, const QString& name) {
    const std::optional<int> index = FindEntryByPrefix(Entries(box), name);
    box->setCurrentIndex(index.value_or(-1));
    // The edit part may still hold what was typed into it.
    box->setEditText(index ? box->itemText(*index) : QString());
}

void CompleteTypedMonth(QComboBox* box, const std::function<void(int index)>& chosen) {
    QLineEdit* edit = box->lineEdit();
    const QString text = edit->text();
    int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    std::optional<int> index = FindEntryByPrefix(Entries(box), text);
    if (!index) {
        // Not the start of a name: a month number ("3" is March, "12" December).
        const int n = TypedMonthNumber(text);
        if (text.size() != 2) {
            edit->setSelection(1, static_cast<int>(text.size()) - 1);
            start = 1;
        }
        if (n < 1 || n > box->count())
            return;
        index = n - 1;
    }
    box->setCurrentIndex(*index);
    box->setEditText(box->itemText(*index));
    chosen(*index);
    const int length = static_cast<int>(edit->text().size());
    start = std::min(start, length);
    edit->setSelection(start, length - start);
}

}  // namespace plx
