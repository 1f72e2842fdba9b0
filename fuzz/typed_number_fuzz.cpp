// Numbers, month numbers and Hebrew years typed into the main window's date fields and month
// boxes: whatever the text, a year that is read lies in the calendar's range, a month number is
// one digit plus at most ten, and no reading overflows or crashes.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "app/number_text.h"
#include "engine/calendar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const std::optional<int> year = plx::ReadTypedHebrewYear(typed);
    if (year && (*year < plx::kFirstHebrewYear || *year > plx::kLastHebrewYear))
        std::abort();
    // Blanks around the year and the Hebrew marks in place of the ASCII ones change nothing.
    QString hebrewMarks = typed;
    hebrewMarks.replace(u'\'', QChar(0x05F3)).replace(u'"', QChar(0x05F4));
    if (plx::ReadTypedHebrewYear(QStringLiteral(" ") + typed + QStringLiteral(" ")) != year ||
        plx::ReadTypedHebrewYear(hebrewMarks) != year)
        std::abort();
    if (year && plx::ReadTypedHebrewYear(QString::number(*year)) != year)
        std::abort();

    // Reading stops at the first character that is not a digit.
    const int number = plx::ReadDecimal(typed);
    if (plx::ReadDecimal(typed + u'x') != number ||
        plx::ReadDecimal(QString::number(number)) != number)
        std::abort();

    const int month = plx::TypedMonthNumber(typed);
    if (month < 0 || month > 19)
        std::abort();
    return 0;
}
