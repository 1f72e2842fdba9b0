#include "astro/halachic_times.h"

#include <array>
#include <cmath>
#include <optional>

#include "astro/solar.h"
#include "astro/time_zones.h"
#include "engine/vocabulary.h"

namespace plx {
namespace {

// The Maga day runs from dawn to nightfall, a "mile" before sunrise and after sunset.
struct MagaDay {
    double dawn = 0;
    double nightfall = 0;
    double hour = 0;
};

// The lengths a "mile" may be given: its minutes, the sun's depression below the horizon that
// many minutes before sunrise (and after sunset), and the Gra's nightfall after sunset that goes
// with it. Rabbeinu Tam's nightfall is chosen by position in this table.
struct MileLength {
    int minutes;
    double depression;
    double graNightfallMinutes;
};
constexpr std::array<MileLength, 3> kMileLengths{
    {{72, 15.99, 13.5}, {90, 19.75, 17}, {120, 25.9, 18}}};

// The 90-minute mile stands for every length that is not 72 or 120.
const MileLength& MileOf(int minutes) {
    if (minutes == 72)
        return kMileLengths[0];
    if (minutes == 120)
        return kMileLengths[2];
    return kMileLengths[1];
}

std::optional<MagaDay> ComputeMagaDay(const SolarDay& sun, const TimesOfDayOptions& options) {
    const double mile = options.milesMethod;
    MagaDay maga;
    switch (options.riseSetDiffMethod) {
        case kFixedMinutes:
            maga.dawn = sun.sunrise - mile / 60;
            maga.nightfall = sun.sunset + mile / 60;
            break;
        case kProportionalMinutes: {
            const double k = (sun.sunset - sun.sunrise) * mile / 720;
            maga.dawn = sun.sunrise - k;
            maga.nightfall = sun.sunset + k;
            break;
        }
        case kDegrees: {
            const double depression = MileDepression(options.milesMethod);
            const std::optional<double> before = MorningDepressionHours(sun, depression);
            const std::optional<double> after = EveningDepressionHours(sun, depression);
            if (!before || !after)
                return std::nullopt;
            maga.dawn = sun.noon - *before;
            maga.nightfall = sun.noon + *after;
            break;
        }
        default:
            return std::nullopt;
    }
    maga.hour = (maga.nightfall - maga.dawn) / 12;
    return maga;
}

std::optional<double> TallitTime(const SolarDay& sun, int method) {
    constexpr double kMinutesBefore[] = {40, 52, 60};
    constexpr double kDepression[] = {11.5, 11, 10.2};
    if (method >= 0 && method <= 2)
        return sun.sunrise - kMinutesBefore[method] / 60.0;
    if (method < 3 || method > 5)
        return std::nullopt;
    const std::optional<double> h = MorningDepressionHours(sun, kDepression[method - 3]);
    if (!h || *h == 0)
        return std::nullopt;
    return sun.noon - *h;
}

std::optional<double> RabbeinuTamTime(const SolarDay& sun, double graHour, int method,
                                      RabbeinuTamLength length) {
    const auto choice = static_cast<std::size_t>(length);
    if (choice >= kMileLengths.size())
        return std::nullopt;
    const MileLength& mile = kMileLengths[choice];
    const double hours = mile.minutes / 60.0;
    switch (method) {
        case kFixedMinutes:
            return sun.sunset + hours;
        case kProportionalMinutes:
            return sun.sunset + hours * graHour;
        case kDegrees: {
            const std::optional<double> h = EveningDepressionHours(sun, mile.depression);
            if (!h)
                return std::nullopt;
            return sun.noon + *h;
        }
        default:
            return std::nullopt;
    }
}

std::optional<double> Plus(double base, const std::optional<double>& hours) {
    if (!hours)
        return std::nullopt;
    return base + *hours;
}

// The list under construction: an entry is added only when its switch is on, its time exists and
// the time can be written as a clock time.
class TimeList {
public:
    explicit TimeList(double zoneHours) : zoneHours_(zoneHours) {
        entries_.reserve(static_cast<std::size_t>(TimeKind::kCandleLighting));
    }

    void AddClock(bool on, TimeKind kind, TimeLabel label, std::optional<double> ut,
                  MinuteRounding rounding) {
        if (on && ut)
            Add(kind, label, *ut + zoneHours_, rounding);
    }
    void AddLength(bool on, TimeKind kind, TimeLabel label, std::optional<double> hours) {
        if (on && hours)
            Add(kind, label, *hours, MinuteRounding::Nearest);
    }
    std::vector<TimeEntry> Take() { return std::move(entries_); }

private:
    void Add(TimeKind kind, TimeLabel label, double hours, MinuteRounding rounding) {
        std::u16string text = FormatClockTime(hours, rounding);
        if (!text.empty())
            entries_.push_back({kind, label, std::move(text), *ClockMinutes(hours, rounding)});
    }

    double zoneHours_;
    std::vector<TimeEntry> entries_;
};

TimeLabel NightfallLabel(bool endOfFestival, bool endOfSabbath) {
    if (endOfFestival && endOfSabbath)
        return TimeLabel::kEndOfSabbathOrChag;
    if (endOfFestival)
        return TimeLabel::kEndOfChag;
    if (endOfSabbath)
        return TimeLabel::kEndOfShabbat;
    return TimeLabel::kStarsOut;
}

}  // namespace

double MileDepression(int mileMinutes) {
    return MileOf(mileMinutes).depression;
}

TimesPlace TimesPlaceOf(const Location& place, const CalculationSettings& settings,
                        CalendarDate civil, const ZoneOffsetLookup& zones) {
    return {place.latitude,
            place.longitude,
            settings.calcHeights ? place.height : 0,
            ClockOnDate(civil, place, settings, zones).offsetSeconds,
            place.refraction != 0,
            static_cast<double>(place.candleMinutes)};
}

std::vector<TimeEntry> ComputeHalachicTimes(CalendarDate civil, const TimesPlace& place,
                                            const TimesOfDayOptions& options, DayKind dayKind) {
    if (!std::isfinite(place.zoneOffsetSeconds) || !std::isfinite(place.candleMinutes))
        return {};
    const std::optional<SolarDay> day =
        ComputeSolarDay(civil, place.refractionIsrael ? 1 : 0, place.latitude, place.longitude,
                        place.height, options.solarCalculation);
    if (!day)
        return {};
    const SolarDay& sun = *day;
    const double g = (sun.sunset - sun.sunrise) / 12;
    const std::optional<MagaDay> maga = ComputeMagaDay(sun, options);
    // Maga times, none when the Maga day is unavailable.
    const auto afterMagaDawn = [&maga](double hours) {
        return maga ? std::optional(maga->dawn + hours * maga->hour) : std::nullopt;
    };
    const auto afterNoonMaga = [&maga, &sun](double hours) {
        return maga ? std::optional(sun.noon + hours * maga->hour) : std::nullopt;
    };
    const double noon = sun.noon;

    const int weekday = DayNumberWeekday(CivilToDayNumber(civil));
    const bool friday = weekday == 6;
    const bool saturday = weekday == 7;
    const bool candles =
        options.candleLighting && (friday || (dayKind == DayKind::kEve && !saturday));
    const bool endOfFestival = options.motzash && dayKind == DayKind::kFestival && !friday;
    const bool endOfSabbath = options.motzash && saturday &&
                              (dayKind == DayKind::kOrdinary || dayKind == DayKind::kFestival);
    const bool showNightfall = options.starsOutStandard || endOfFestival || endOfSabbath;

    using enum MinuteRounding;
    TimeList list(place.zoneOffsetSeconds / 3600);
    list.AddClock(options.breakOfDawn, TimeKind::kBreakOfDawn, TimeLabel::kBreakOfDawn,
                  afterMagaDawn(0), Later);
    list.AddClock(options.talitTfilin, TimeKind::kTalitTfilin, TimeLabel::kTalitTfilin,
                  TallitTime(sun, options.talitTfilinMethod), Later);
    list.AddClock(options.sunrise, TimeKind::kSunrise, TimeLabel::kSunrise, sun.sunrise, Later);
    list.AddClock(options.endShmaMaga, TimeKind::kEndShmaMaga, TimeLabel::kEndShmaMaga,
                  afterMagaDawn(3), Nearest);
    list.AddClock(options.endShmaGra, TimeKind::kEndShmaGra, TimeLabel::kEndShmaGra,
                  sun.sunrise + 3 * g, Nearest);
    list.AddClock(options.endShachritMaga, TimeKind::kEndShachritMaga, TimeLabel::kEndShachritMaga,
                  afterMagaDawn(4), Nearest);
    list.AddClock(options.endShachritGra, TimeKind::kEndShachritGra, TimeLabel::kEndShachritGra,
                  sun.sunrise + 4 * g, Nearest);
    list.AddClock(options.midday, TimeKind::kMidday, TimeLabel::kMidday, noon, Nearest);
    list.AddClock(options.minchaGdolaMaga, TimeKind::kMinchaGdolaMaga, TimeLabel::kMinchaGdolaMaga,
                  afterNoonMaga(0.5), Later);
    list.AddClock(options.minchaGdolaGra, TimeKind::kMinchaGdolaGra, TimeLabel::kMinchaGdolaGra,
                  noon + 0.5 * g, Later);
    list.AddClock(options.minchaGdola30, TimeKind::kMinchaGdola30, TimeLabel::kMinchaGdola30,
                  noon + 0.5, Later);
    list.AddClock(options.minchaKtanaMaga, TimeKind::kMinchaKtanaMaga, TimeLabel::kMinchaKtanaMaga,
                  afterNoonMaga(3.5), Later);
    list.AddClock(options.minchaKtanaGra, TimeKind::kMinchaKtanaGra, TimeLabel::kMinchaKtanaGra,
                  noon + 3.5 * g, Later);
    list.AddClock(options.plagHaMinchaMaga, TimeKind::kPlagHaMinchaMaga,
                  TimeLabel::kPlagHaMinchaMaga, afterNoonMaga(4.75), Later);
    list.AddClock(options.plagHaMinchaGra, TimeKind::kPlagHaMinchaGra, TimeLabel::kPlagHaMinchaGra,
                  noon + 4.75 * g, Nearest);
    list.AddClock(candles, TimeKind::kCandleLighting, TimeLabel::kCandleLighting,
                  sun.sunset - place.candleMinutes / 60, Nearest);
    list.AddClock(options.sunset, TimeKind::kSunset, TimeLabel::kSunset, sun.sunset, Later);
    list.AddClock(showNightfall, TimeKind::kNightfall, NightfallLabel(endOfFestival, endOfSabbath),
                  Plus(noon, EveningDepressionHours(sun, 8.5)), Later);
    list.AddClock(options.starsOutGra, TimeKind::kStarsOutGra, TimeLabel::kStarsOutGra,
                  sun.sunset + MileOf(options.milesMethod).graNightfallMinutes / 60.0, Later);
    // The Rashaz counts from the sunset altitude itself, then adds four minutes.
    list.AddClock(options.starsOutRashaz, TimeKind::kStarsOutRashaz, TimeLabel::kStarsOutRashaz,
                  Plus(noon + 4 / 60.0, EveningHours(sun, sun.horizon - 4.25)), Later);
    list.AddClock(options.starsOutRt, TimeKind::kStarsOutRt, TimeLabel::kStarsOutRt,
                  RabbeinuTamTime(sun, g, options.starsOutRabeinuTamMethod,
                                  options.starsOutRabeinuTamMinutes),
                  Later);
    list.AddLength(options.propHourMaga, TimeKind::kPropHourMaga, TimeLabel::kPropHourMaga,
                   maga ? std::optional(maga->hour) : std::nullopt);
    list.AddLength(options.propHourGra, TimeKind::kPropHourGra, TimeLabel::kPropHourGra, g);
    return list.Take();
}

std::vector<TimeEntry> ComputeTimesAt(CalendarDate civil, const CalculationSettings& settings,
                                      const Location& place, const TimesOfDayOptions& options,
                                      const ZoneOffsetLookup& zones) {
    return ComputeHalachicTimes(civil, TimesPlaceOf(place, settings, civil, zones), options,
                                HolidayCodeForCivilDate(civil).kind);
}

std::u16string BuildTimesText(CalendarDate civil, const CalculationSettings& settings,
                              const Location& place, Language language,
                              const ZoneOffsetLookup& zones) {
    const TextTable names = Vocabulary(language).timeNames;
    std::u16string text;
    for (const TimeEntry& entry : ComputeTimesAt(civil, settings, place, settings.times, zones)) {
        text += u'\n';
        text += names[static_cast<int>(entry.label)];
        text += u'\t';
        text += entry.text;
    }
    return text;
}

}  // namespace plx
