#include "reports/report_times.h"

#include "app/time_zone_database.h"
#include "app/utf16.h"
#include "astro/halachic_times.h"
#include "engine/vocabulary.h"

namespace plx {

std::vector<TimeEntry> TimesOfDate(CalendarDate civil, const ReportInputs& inputs,
                                   const TimesOfDayOptions& options) {
    return ComputeTimesAt(civil, inputs.settings, inputs.place, options, SystemZoneOffset);
}

std::vector<ReportTime> ReportTimes(CalendarDate civil, const ReportInputs& inputs,
                                    const TimesOfDayOptions& options) {
    const TextTable names = Vocabulary(inputs.language.names).timeNames;
    std::vector<ReportTime> times;
    for (const TimeEntry& entry : TimesOfDate(civil, inputs, options)) {
        const auto label = static_cast<std::size_t>(entry.label);
        times.push_back(
            {label < names.size() ? FromUtf16(names[label]) : QString(), FromUtf16(entry.text)});
    }
    return times;
}

std::vector<ReportTime> ReportTimes(CalendarDate civil, const ReportInputs& inputs) {
    return ReportTimes(civil, inputs, inputs.settings.times);
}

}  // namespace plx
