// Numbers typed or pasted into the location dialog: whatever the text, the field keeps only a
// signed decimal number, that number is finite, and its degrees, minutes and seconds are whole
// numbers in their ranges, never a crash or an overflow.
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (bool allowDecimal : {true, false}) {
        const QString kept = plx::FilterNumberText(typed, allowDecimal);
        if (plx::FilterNumberText(kept, allowDecimal) != kept)
            std::abort();
        const double value = plx::ParseDecimalText(kept);
        if (!std::isfinite(value) || !std::isfinite(plx::ParseDecimalText(typed)))
            std::abort();
        const plx::DegreesMinutesSeconds dms = plx::ToDegreesMinutesSeconds(value);
        if (dms.minutes < 0 || dms.minutes > 60 || dms.seconds < 0 || dms.seconds > 59)
            std::abort();
        if (!std::isfinite(plx::FromDegreesMinutesSeconds(
                {plx::ParseIntegerText(kept), plx::ParseIntegerText(typed), dms.seconds})))
            std::abort();
        plx::FormatDecimalText(value);
    }
    return 0;
}
