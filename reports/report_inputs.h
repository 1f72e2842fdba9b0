// What a report draws from: a plain value filled by its owner (the main window, or plxcal), never
// read from a window while the page is drawn.
#pragma once

#include <QString>

#include "astro/locations.h"
#include "astro/times_options.h"
#include "engine/calendar.h"
#include "engine/language.h"
#include "reports/report_source.h"

namespace plx {

// The two choices the loaded language makes, independently of each other.
struct ReportLanguage {
    bool rightToLeft = false;  // mirrored layout, right-to-left reading (the language's direction)
    Language names = Language::kEnglish;  // Hebrew or English names (the language's code "he")
};

// The loaded language's choices.
ReportLanguage ActiveReportLanguage();

struct ReportInputs {
    CalendarDate civil;  // the current date
    Location place;
    // The times' options, daylight saving and its hours, the elevation switch (calcHeights) and
    // the monthly report's choices.
    CalculationSettings settings;
    ReportLanguage language;
    PrintOrientation orientation = PrintOrientation::Portrait;
    // The daily report's information block: the day and year information text as the times
    // page shows it.
    QString informationText;
};

}  // namespace plx
