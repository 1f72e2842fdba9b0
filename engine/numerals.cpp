#include "engine/numerals.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "engine/vocabulary.h"

namespace plx {
namespace {

constexpr std::u16string_view kUnits = u"אבגדהוזחט";
constexpr std::u16string_view kTens = u"יכלמנסעפצ";
constexpr std::u16string_view kFinalTens = u"יךלםןסעףץ";  // י, ל, ס, ע have no final form
constexpr std::u16string_view kHundreds = u"קרש";
constexpr char16_t kFourHundred = u'ת';
constexpr char16_t kThousandsMark = u'\'';
constexpr char16_t kGeresh = u'\u05F3';
constexpr char16_t kAlef = u'א';
constexpr char16_t kTav = u'ת';
constexpr std::size_t kLongestParsedText = 255;

// Values of every code point from א to ת, final forms included.
constexpr std::array<int, 27> kLetterValues = {1,  2,  3,  4,  5,  6,   7,   8,   9,
                                               10, 20, 20, 30, 40, 40,  50,  50,  60,
                                               70, 80, 80, 90, 90, 100, 200, 300, 400};
static_assert(kLetterValues.size() == kTav - kAlef + 1);

constexpr std::u16string_view kYearKindLetters = u"חכש";  // deficient, regular, complete

// One group of three digits. 15 and 16 are written ט+ו and ט+ז so as not to spell a divine name.
void AppendGroup(std::u16string& out, int group, bool finalTens) {
    const int hundreds = group / 100;
    out.append(static_cast<std::size_t>(hundreds / 4), kFourHundred);
    if (hundreds % 4 != 0)
        out += kHundreds[static_cast<std::size_t>(hundreds % 4 - 1)];
    const int rest = group % 100;
    if (rest == 15 || rest == 16) {
        out += kUnits[8];
        out += kUnits[static_cast<std::size_t>(rest - 10)];
        return;
    }
    const int tens = rest / 10;
    const int units = rest % 10;
    if (tens != 0)
        out += (finalTens ? kFinalTens : kTens)[static_cast<std::size_t>(tens - 1)];
    if (units != 0)
        out += kUnits[static_cast<std::size_t>(units - 1)];
}

char16_t WeekdayLetter(int weekday) {
    return static_cast<char16_t>(kAlef + weekday - 1);
}

std::u16string NumeralOrEmpty(int n) {
    return HebrewNumeral(n).value_or(std::u16string());
}

TextTable MonthNames(bool leap, Language language) {
    const PlxLocaleBase& vocabulary = Vocabulary(language);
    return leap ? vocabulary.hebrewLeapMonthNames : vocabulary.hebrewMonthNames;
}

}  // namespace

std::optional<std::u16string> HebrewNumeral(int n) {
    if (n < 0 || n > kLargestHebrewNumeral)
        return std::nullopt;
    std::u16string out;
    const int thousands = n / 1000;
    const int low = n % 1000;
    if (thousands != 0) {
        AppendGroup(out, thousands, false);
        out += kThousandsMark;
    }
    // The tens letter ends the numeral in final form only after hundreds or thousands (20 is כ, 120
    // קך).
    AppendGroup(out, low, low % 10 == 0 && (low >= 100 || n > 1000));
    return out;
}

int ParseHebrewNumeral(std::u16string_view text) {
    int total = 0;
    int previous = 0;
    int carried = 0;
    bool thousands = false;
    for (const char16_t c : text.substr(0, std::min(text.size(), kLongestParsedText))) {
        if ((c == kThousandsMark || c == kGeresh) && !thousands) {
            total *= 1000;
            thousands = true;
        } else if (c >= kAlef && c <= kTav) {
            const int value = kLetterValues[static_cast<std::size_t>(c - kAlef)];
            if (value > previous)
                carried += previous;
            total += value;
            previous = value;
        }
    }
    return thousands ? total : total + carried * 999;
}

std::optional<int> HebrewMonthFromName(bool leap, std::u16string_view text, Language language) {
    const TextTable names = MonthNames(leap, language);
    const int count = leap ? 13 : 12;
    for (int month = 1; month <= count; ++month) {
        if (text == names[month - 1])
            return month;
    }
    return std::nullopt;
}

std::u16string DecimalText(int n, int minDigits) {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   n < 0 ? -static_cast<long long>(n) : n)
                         .ptr;
    const auto length = static_cast<int>(end - digits.data());
    std::u16string out(n < 0 ? 1 : 0, u'-');
    out.append(static_cast<std::size_t>(std::max(0, minDigits - length)), u'0');
    out.append(digits.data(), end);
    return out;
}

std::u16string_view HebrewMonthName(std::int32_t year, int month, Language language) {
    const bool leap = IsHebrewLeapYear(year) != 0;
    if (month < 1 || month > (leap ? 13 : 12))
        return {};
    return MonthNames(leap, language)[month - 1];
}

std::u16string HebrewDateText(CalendarDate hebrew) {
    std::u16string text = NumeralOrEmpty(hebrew.day);
    text += u"' ";
    text += HebrewMonthName(hebrew.year, hebrew.month, Language::kHebrew);
    text += u' ';
    text += NumeralOrEmpty(hebrew.year);
    return text;
}

std::u16string YearSignText(std::int32_t year) {
    return YearSignText(ShapeOfHebrewYear(year));
}

std::u16string YearSignText(const YearShape& year) {
    std::u16string text = NumeralOrEmpty(year.roshHashana);
    text += u'.';
    text += kYearKindLetters[static_cast<std::size_t>(year.kind) - 1];
    text += u'.';
    text += NumeralOrEmpty(year.pesach);
    return text;
}

CalendarDate MoladAnnouncementDate(CalendarDate hebrew) {
    return hebrew.day == 30 ? NextHebrewDay(hebrew) : hebrew;
}

std::u16string MoladText(Language language, CalendarDate hebrew) {
    const CalendarDate date = MoladAnnouncementDate(hebrew);
    const Molad molad = MoladOfMonth(date.year, date.month);
    const PlxLocaleBase& vocabulary = Vocabulary(language);
    // The molad hour counts from 6 p.m.; the text uses a 12-hour clock and names the time of day.
    const std::u16string clock =
        DecimalText((molad.hour + 5) % 12 + 1, 2) + u':' + DecimalText(molad.minute, 2);
    const std::u16string_view partOfDay = vocabulary.dayPartNames[(molad.hour + 3) / 6];
    const std::u16string_view month = HebrewMonthName(date.year, date.month, language);
    std::u16string text;
    if (language == Language::kHebrew) {
        text = u"מולד ";
        text += month;
        text += u' ';
        text += partOfDay;
        text += u' ';
        text += WeekdayLetter(molad.weekday);
        text += u"' שעה " + clock + u" ו- " + DecimalText(molad.parts) + u" חלקים";
    } else {
        text = u"Molad " + vocabulary.NumberText(molad.weekday, Gender::kFeminine) + u" of ";
        text += month;
        text += u", ";
        text += partOfDay;
        text += u", " + clock + u" O'Clock and " + DecimalText(molad.parts) + u" chalakim";
    }
    return text;
}

}  // namespace plx
