// What the editable month boxes share: selecting a month by its name, and completing what the
// user types into them.
#pragma once

#include <QString>

#include <functional>

class QComboBox;

namespace plx {

// Selects the first entry that begins with `name` (none when no entry does) and shows it in the
// edit part, whatever was typed there.
void SelectMonthEntry(QComboBox* box, const QString& name);

// What the user typed into the box's edit part: when the text is the beginning of an entry, that
// entry; otherwise the month number it ends with ("3" is the third entry, "12" the twelfth).
// The entry is selected and handed to `chosen`, then the rest of its name is highlighted so that
// typing on replaces it. Nothing is chosen when the text names no entry.
void CompleteTypedMonth(QComboBox* box, const std::function<void(int index)>& chosen);

}  // namespace plx
