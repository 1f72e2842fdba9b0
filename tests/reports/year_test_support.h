// Helpers of the yearly report and timetable tests: the inputs of a year at a place, and the
// table cells among the texts a page drew.
#pragma once

#include <string_view>
#include <vector>

#include "app/language.h"
#include "astro/locations.h"
#include "reports/recording_surface.h"
#include "reports/report_inputs.h"

namespace plx::testing {

// Jerusalem with the default options (automatic daylight saving), names and layout of the loaded
// language.
inline ReportInputs YearInputs(CalendarDate civil,
                               PrintOrientation orientation = PrintOrientation::Portrait) {
    ReportInputs inputs;
    inputs.civil = civil;
    inputs.place = BuiltInLocation(0);
    inputs.language = ReportLanguageOf(ActiveLanguage());
    inputs.orientation = orientation;
    return inputs;
}

// Definitions of the times other than the defaults in every field: fixed minutes for the Maga
// day, a 90-minute mile, tallit at 10.2 degrees, Rabbeinu Tam by 120 proportional minutes.
inline TimesOfDayOptions OtherDefinitions() {
    TimesOfDayOptions options;
    options.riseSetDiffMethod = kFixedMinutes;
    options.milesMethod = 90;
    options.talitTfilinMethod = 5;
    options.starsOutRabeinuTamMinutes = RabbeinuTamLength::k120Minutes;
    options.starsOutRabeinuTamMethod = kProportionalMinutes;
    return options;
}

// The stored names of the switches that are on, in their order.
inline std::vector<std::u16string_view> SwitchedOn(const TimesOfDayOptions& options) {
    std::vector<std::u16string_view> on;
    for (const TimeSwitch& time : kTimeSwitches) {
        if (options.*time.field)
            on.push_back(time.name);
    }
    return on;
}

// A civil date inside the Hebrew year.
inline CalendarDate InHebrewYear(std::int32_t year) {
    return HebrewToCivil({1, 1, year});
}

// Table cells are the texts drawn without prefix processing; the page's frame texts are not.
inline std::vector<RecordedText> TableCells(const RecordingSurface& surface) {
    std::vector<RecordedText> cells;
    for (const RecordedText& text : surface.texts) {
        if (text.options.testFlag(TextOption::NoMnemonic))
            cells.push_back(text);
    }
    return cells;
}

}  // namespace plx::testing
