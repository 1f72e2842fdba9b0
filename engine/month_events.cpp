#include "engine/month_events.h"

#include "engine/event_days.h"
#include "engine/numerals.h"

namespace plx {
namespace {

constexpr int kSaturday = 7;

bool Between(int day, int first, int last) {
    return day >= first && day <= last;
}

// "Shabbat Hol Hamoed ..." on the Sabbath, otherwise "2nd Hol Hamoed ..." counted from the 16th.
void AddHolHamoed(const EventDay& d, Phrase suffix, EventWriter& out) {
    if (d.weekday == kSaturday) {
        out.Add(Phrase::kShabbat, suffix);
    } else {
        out.AddCounted(d.day - 15, suffix);
    }
}

void AddTishrei(const EventDay& d, EventWriter& out) {
    const YearShape& y = d.year;
    if (d.day == TzomGedaliahDay(y))
        out.AddMarked(Phrase::kTzomGedaliah, d.day == 4, Phrase::kPostponedSuffix);
    if (Between(d.day, 3, 8) && d.weekday != kSaturday)
        out.Add(Phrase::kAseretYemeiTeshuva);
    // A Thursday Rosh Hashana puts Sukkot and Shemini Atzeret abroad on Thursday and Friday.
    if ((d.day == 14 || d.day == 21) && y.roshHashana == 5)
        out.Add(Phrase::kOutsideIsraelEruvTavshilin);
    if (d.day == 21)
        out.Add(Phrase::kHoshanaRaba);
    if (Between(d.day, 16, 20))
        AddHolHamoed(d, Phrase::kHolHamoedSukkotSuffix, out);
    if (d.day == 24)
        out.Add(Phrase::kOutsideIsraelIsruChag);
}

void AddKislev(const EventDay& d, EventWriter& out) {
    if (d.day == 24)
        out.Add(Phrase::kChanukahEve);
    if (d.day >= 25)
        out.AddCounted(d.day - 24, Phrase::kChanukahSuffix);
}

void AddTevet(const EventDay& d, EventWriter& out) {
    // A 29-day Kislev leaves three days of Chanukah for Tevet.
    const int deficient = d.year.kind == YearKind::kDeficient ? 1 : 0;
    if (d.day <= 2 + deficient)
        out.AddCounted(d.day + 6 - deficient, Phrase::kChanukahSuffix);
    if (d.day == 10)
        out.Add(Phrase::kTenthOfTevet);
}

void AddAdar(const EventDay& d, EventWriter& out) {
    const bool purimOnFriday =
        d.year.pesach == 1;  // Jerusalem's Purim then spreads over three days
    if (d.day == 7)
        out.Add(Phrase::kMosheYahrtzeit);
    if (d.day == TaanitEstherDay(d.year))
        out.AddMarked(Phrase::kTaanitEsther, d.year.pesach == 3, Phrase::kEarlySuffix);
    if (d.day == 14)
        out.Add(Phrase::kPurim);
    if (d.day == 15) {
        std::u16string text(purimOnFriday ? out.Text(Phrase::kTripledPrefix)
                                          : std::u16string_view());
        out.Add(text.append(out.Text(Phrase::kPurimDeMukafot)));
    }
    if (purimOnFriday && (d.day == 14 || d.day == 16))
        out.Add(Phrase::kPurimTripledInCities);
    if (purimOnFriday && d.day == 14)
        out.Add(Phrase::kPurimMegillah);
    if (purimOnFriday && d.day == 16)
        out.Add(Phrase::kPurimFeast);
}

void AddNisan(const EventDay& d, EventWriter& out) {
    const YearShape& y = d.year;
    if (d.day == BedikatHametzDay(y))
        out.AddMarked(Phrase::kBedikatHametz, y.pesach == 1, Phrase::kEarlySuffix);
    if (d.day == 20 && y.pesach == 7)
        out.Add(Phrase::kEruvTavshilin);
    if (d.day == 14 && y.pesach == 5)
        out.Add(Phrase::kOutsideIsraelEruvTavshilin);
    if (Between(d.day, 16, 20))
        AddHolHamoed(d, Phrase::kHolHamoedPesachSuffix, out);
    if (d.day == 23)
        out.Add(Phrase::kOutsideIsraelIsruChag);
    if (d.day == HolocaustRemembranceDay(y))
        out.Add(Phrase::kHolocaustRemembrance);
    if (d.day >= 16)
        out.AddCounted(d.day - 15, Phrase::kOmerSuffix);
}

void AddIyar(const EventDay& d, EventWriter& out) {
    const YearShape& y = d.year;
    out.AddCounted(d.day + 15, Phrase::kOmerSuffix);
    if (d.day == 14)
        out.Add(Phrase::kPesachSheni);
    if (d.day == 28 && y.year >= kJerusalemLiberationYear)
        out.Add(Phrase::kJerusalemLiberation);
    if (d.day == RemembranceDay(y))
        out.Add(Phrase::kRemembranceDay);
    if (d.day == IndependenceDay(y)) {
        out.Add(std::u16string(out.Text(Phrase::kIndependenceDayPrefix))
                    .append(DecimalText(y.year - kStateDeclarationYear)));
    }
    if (d.day == 5 && y.year == kStateDeclarationYear)
        out.Add(Phrase::kStateDeclaration);
}

void AddSivan(const EventDay& d, EventWriter& out) {
    if (d.day <= 5)
        out.AddCounted(d.day + 44, Phrase::kOmerSuffix);
    if (d.day == 5 && d.year.pesach == 5)
        out.Add(Phrase::kEruvTavshilin);
    if (d.day == 8)
        out.Add(Phrase::kOutsideIsraelIsruChag);
}

void AddTammuz(const EventDay& d, EventWriter& out) {
    if (d.day == SeventeenthOfTammuzDay(d.year)) {
        out.AddMarked(Phrase::kSeventeenthOfTammuz, d.year.pesach == 7, Phrase::kPostponedSuffix);
    }
    if (d.day >= 18 && d.year.year > kSecondTempleYear)
        out.Add(Phrase::kBeinHametzarim);
}

// The fast of Av counts the years since the destruction of each Temple.
std::u16string YearsSince(std::int32_t year, std::int32_t since, std::u16string_view suffix) {
    return u"-" + DecimalText(year - since).append(suffix);
}

void AddAv(const EventDay& d, EventWriter& out) {
    const YearShape& y = d.year;
    if (d.day <= 8 && y.year > kSecondTempleYear)
        out.Add(Phrase::kBeinHametzarim);
    if (d.day == NinthOfAvDay(y)) {
        out.AddMarked(Phrase::kTishaBeAv, y.pesach == 7, Phrase::kPostponedSuffix);
        if (y.year >= kFirstTempleYear)
            out.Add(YearsSince(y.year, kFirstTempleYear, out.Text(Phrase::kFirstTempleSuffix)));
        if (y.year >= kSecondTempleYear)
            out.Add(YearsSince(y.year, kSecondTempleYear, out.Text(Phrase::kSecondTempleSuffix)));
    }
    if (d.day == 15)
        out.Add(Phrase::kTuBeAv);
}

void AddElul(const EventDay& d, EventWriter& out) {
    if ((d.day == 2 && d.weekday != kSaturday) || (d.day == 3 && d.weekday == 1))
        out.Add(Phrase::kSelichotSepharad);
    if (d.day == AshkenazSelichotDay(d.year))
        out.Add(Phrase::kSelichotAshkenaz);
    if (d.day == 29 && d.year.pesach == 3)
        out.Add(Phrase::kEruvTavshilin);
}

}  // namespace

void AddMonthEvents(const EventDay& d, EventWriter& out) {
    switch (d.month) {
        case HebrewMonth::kTishrei:
            AddTishrei(d, out);
            break;
        case HebrewMonth::kHeshvan:
            if (d.day == 7)
                out.Add(Phrase::kTalUmatar);
            break;
        case HebrewMonth::kKislev:
            AddKislev(d, out);
            break;
        case HebrewMonth::kTevet:
            AddTevet(d, out);
            break;
        case HebrewMonth::kShevat:
            if (d.day == 15)
                out.Add(Phrase::kTuBishvat);
            break;
        case HebrewMonth::kAdarI:
            if (d.day == 14)
                out.Add(Phrase::kPurimKatan);
            break;
        case HebrewMonth::kAdar:
            AddAdar(d, out);
            break;
        case HebrewMonth::kNisan:
            AddNisan(d, out);
            break;
        case HebrewMonth::kIyar:
            AddIyar(d, out);
            break;
        case HebrewMonth::kSivan:
            AddSivan(d, out);
            break;
        case HebrewMonth::kTammuz:
            AddTammuz(d, out);
            break;
        case HebrewMonth::kAv:
            AddAv(d, out);
            break;
        case HebrewMonth::kElul:
            AddElul(d, out);
            break;
    }
}

// 29 Heshvan, kept on the Thursday before when it falls on Friday or Saturday. Before 2008 (and
// from 1400) the day was 29 Heshvan, earlier 29 Kislev, and a Saturday 29th moved to the Sunday
// after it instead: the 30th, or the 1st of the next month when the month has only 29 days.
bool IsSigdDay(const EventDay& d) noexcept {
    const int w = d.weekday;
    const bool onThe29th = d.day == 29 && w <= 5;
    if (d.civilYear >= 2008) {
        return d.month == HebrewMonth::kHeshvan &&
               (onThe29th || ((d.day == 27 || d.day == 28) && w == 5));
    }
    if (d.civilYear < 1400)
        return false;
    const bool heshvanEra = d.civilYear >= 1800;
    const HebrewMonth month = heshvanEra ? HebrewMonth::kHeshvan : HebrewMonth::kKislev;
    const HebrewMonth next = heshvanEra ? HebrewMonth::kKislev : HebrewMonth::kTevet;
    const bool monthHas29Days =
        heshvanEra ? d.year.kind != YearKind::kComplete : d.year.kind == YearKind::kDeficient;
    if (d.month == month)
        return onThe29th || (d.day == 28 && w == 5) || (d.day == 30 && w == 1);
    return d.month == next && d.day == 1 && w == 1 && monthHas29Days;
}

}  // namespace plx
