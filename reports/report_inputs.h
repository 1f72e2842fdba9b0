// What a report draws from: a plain value filled by its owner (the main window, or plxcal), never
// read from a window or the loaded language while the page is drawn.
#pragma once

#include <QString>

#include <array>

#include "app/stored_personal_dates.h"
#include "astro/locations.h"
#include "astro/times_options.h"
#include "engine/calendar.h"
#include "engine/language.h"
#include "reports/report_source.h"

namespace plx {

struct LanguageTable;

// The captions the reports print, in the report's language.
struct ReportTexts {
    QString cornerMark;    // at the top corner of every page, on the reading side
    QString programTitle;  // at the top centre of every page
    QString remark;        // the closing remark at the bottom
    // The title line's clock: daylight saving switched on, standard time, or automatic.
    QString daylightSaving;
    QString standardTime;
    QString automaticDaylightSaving;
    // After the clock, when the times come from the precise solar calculation.
    QString preciseSun;
    // The reports' names in their title lines.
    QString dailyTitle;
    QString weeklyTitle;
    QString monthlyTitle;
    QString yearlyTitle;
    QString sunsetTimetableTitle;
    QString sunriseTimetableTitle;
    QString dawnTimetableTitle;
    // The dawn timetable's definition of dawn after its year, "%1" standing for the mile's
    // minutes or the sun's depression.
    QString dawnFixedMinutes;
    QString dawnProportionalMinutes;
    QString dawnDegrees;
    QString dafYomi;    // the label of the weekly report's Daf Yomi line
    QString day;        // the head of the timetables' day column
    QString mevarchim;  // before the molad of the month a Sabbath blesses
    // The yearly report's column heads: date, portion, candles, sunset, end of the Sabbath and
    // Rabbeinu Tam.
    std::array<QString, 6> yearlyColumns;
};

// What the language gives a report: its direction and its names, which are chosen independently
// of each other, and its captions.
struct ReportLanguage {
    bool rightToLeft = false;  // mirrored layout, right-to-left reading (the language's direction)
    Language names = Language::kEnglish;  // Hebrew or English names (the language's code "he")
    ReportTexts texts;
};

// The report language of a language table (the loaded one, in the program and in plxcal).
ReportLanguage ReportLanguageOf(const LanguageTable& table);

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
    // The personal dates, whose names the monthly report's days show.
    PersonalDateList personalDates;
    AdarChoice personalAdar = AdarChoice::AdarI;
};

}  // namespace plx
