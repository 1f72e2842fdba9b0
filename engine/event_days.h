// The days of the month on which the movable fasts, Selichot and Israeli days fall in a given year.
// Shared by the event list and the month view's highlight, which must agree on them.
#pragma once

#include <optional>

#include "engine/year_shape.h"

namespace plx {

// A fast that would fall on the Sabbath moves to the Sunday after it ...
constexpr int TzomGedaliahDay(const YearShape& y) noexcept {
    return y.roshHashana == 5 ? 4 : 3;
}
constexpr int SeventeenthOfTammuzDay(const YearShape& y) noexcept {
    return y.pesach == 7 ? 18 : 17;
}
constexpr int NinthOfAvDay(const YearShape& y) noexcept {
    return y.pesach == 7 ? 10 : 9;
}
// ... except the Fast of Esther, which moves back to the Thursday before.
constexpr int TaanitEstherDay(const YearShape& y) noexcept {
    return y.pesach == 3 ? 11 : 13;
}
// The search for leaven moves to Thursday evening when Pesach begins on Saturday night.
constexpr int BedikatHametzDay(const YearShape& y) noexcept {
    return y.pesach == 1 ? 12 : 13;
}

// Elul: the Sunday that leaves at least four days of Selichot before Rosh Hashana.
constexpr int AshkenazSelichotDay(const YearShape& y) noexcept {
    switch (y.pesach) {
        case 1:
            return 21;
        case 7:
            return 22;
        case 5:
            return 24;
        default:
            return 26;  // Pesach on Tuesday; it falls only on Sunday, Tuesday, Thursday or Saturday
    }
}

inline constexpr std::int32_t kStateDeclarationYear = 5708;

// Nisan: Holocaust Remembrance Day, kept off Friday and (from 5757) off Sunday; none before 5708.
constexpr std::optional<int> HolocaustRemembranceDay(const YearShape& y) noexcept {
    if (y.year < kStateDeclarationYear)
        return std::nullopt;
    if (y.pesach == 1)
        return 26;
    if (y.pesach == 3 && y.year >= 5757)
        return 28;
    return 27;
}

// Iyar: the memorial day for the fallen, from 5711; none when the year has none.
constexpr std::optional<int> RemembranceDay(const YearShape& y) noexcept {
    if (y.year < 5711)
        return std::nullopt;
    if (y.pesach == 1)
        return 2;
    if (y.pesach == 7)
        return 3;
    if (y.pesach == 3 && y.year >= 5764)
        return 5;
    return 4;
}

// Iyar: Independence Day, from 5709; none when the year has none.
constexpr std::optional<int> IndependenceDay(const YearShape& y) noexcept {
    if (y.year < 5709)
        return std::nullopt;
    if (y.pesach == 1)
        return y.year < 5714 ? 6 : 3;
    if (y.pesach == 7)
        return 4;
    if (y.pesach == 3 && y.year >= 5764)
        return 6;
    return 5;
}

inline constexpr std::int32_t kJerusalemLiberationYear =
    5727;  // 28 Iyar is marked from the year after 5726
inline constexpr std::int32_t kFirstTempleYear = 3338;  // the Av fast counts years from here
inline constexpr std::int32_t kSecondTempleYear = 3829;

}  // namespace plx
