// How the print preview and the print run talk to the owner of a report: the source declares its
// page range when printing begins and draws one page at a time onto the surface it is handed. No
// report is kept as a document; every page is drawn afresh from the source's current inputs.
#pragma once

#include <cstdint>
#include <optional>

#include "reports/report_surface.h"

namespace plx {

// Handed to a source with every request.
struct ReportPageInfo {
    static constexpr std::uint16_t kUndeclared = 0xFFFF;  // maxPage before a source sets it

    ReportRect drawRect;  // the printable area of the page, in surface units
    int currentPage = 1;  // from 1
    std::uint16_t minPage = 1;
    std::uint16_t maxPage = kUndeclared;
};

class ReportSource {
public:
    virtual ~ReportSource() = default;
    // Sets the page range (maxPage, and minPage if not 1) and prepares what the pages need.
    virtual void beginPrinting(ReportPageInfo& info) = 0;
    // Draws page info.currentPage into info.drawRect.
    virtual void printPage(ReportSurface& surface, const ReportPageInfo& info) = 0;
};

// Which report the main window shows; the values are the stored ones (2 is not used: the monthly
// report has a dialog of its own as its source).
enum class ReportKind {
    Daily = 0,
    Weekly = 1,
    Yearly = 3,
    SunsetTimetable = 4,
    SunriseTimetable = 5,
    DawnTimetable = 6,
};

// The page orientation of the application's printer defaults, with the printer's own values.
enum class PrintOrientation { Portrait = 1, Landscape = 2 };

// The orientation a report command sets before its preview opens: portrait for the yearly
// report, landscape for the timetables, none (the user's) for the others.
std::optional<PrintOrientation> OrientationForReport(ReportKind kind);
// What the command puts back when the preview closes, given the orientation it noted before its
// change: the noted one when the command had changed it, else nothing, so a change the user made
// in the preview survives unless the command's own rule undoes it.
std::optional<PrintOrientation> OrientationAfterReport(ReportKind kind, PrintOrientation noted);

}  // namespace plx
