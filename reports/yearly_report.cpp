#include "reports/yearly_report.h"

#include <algorithm>

#include "app/utf16.h"
#include "astro/halachic_times.h"
#include "engine/numerals.h"
#include "engine/portion.h"
#include "engine/vocabulary.h"
#include "reports/page_frame.h"
#include "reports/report_table.h"
#include "reports/report_times.h"
#include "reports/year_page.h"

namespace plx {
namespace {

constexpr int kFriday = 6;

// The time of that kind in the list; empty when the list has none.
QString TimeOfKind(const std::vector<TimeEntry>& times, TimeKind kind) {
    for (const TimeEntry& entry : times) {
        if (entry.kind == kind)
            return QString::fromStdU16String(entry.text);
    }
    return {};
}

QString FridayText(CalendarDate friday, Language names) {
    const QString month = FromUtf16(HebrewMonthName(friday.year, friday.month, names));
    if (names == Language::kHebrew)
        return FromUtf16(HebrewNumeral(friday.day).value_or(std::u16string())) + u' ' + month;
    return month + u' ' + FromUtf16(EnglishVocabulary().NumberText(friday.day, Gender::kMasculine));
}

SabbathRow RowOf(DayNumber friday, const ReportInputs& inputs, const TimesOfDayOptions& options) {
    const Language names = inputs.language.names;
    SabbathRow row;
    row.friday = DayNumberToHebrew(friday);
    row.date = FridayText(row.friday, names);
    row.portion = FromUtf16(WeeklyPortionName(names, row.friday).value_or(u""));
    if (const std::optional<std::u16string> molad = MevarchimMoladText(names, row.friday)) {
        row.blessesMonth = true;
        row.portion += QStringLiteral("  %1: %2")
                           .arg(inputs.language.texts.mevarchim, QString::fromStdU16String(*molad));
    }

    TimesOfDayOptions fridayOptions = options;
    fridayOptions.sunset = true;
    fridayOptions.starsOutRt = false;
    const std::vector<TimeEntry> fridayTimes =
        TimesOfDate(DayNumberToCivil(friday), inputs, fridayOptions);
    row.candleLighting = TimeOfKind(fridayTimes, TimeKind::kCandleLighting);
    row.sunset = TimeOfKind(fridayTimes, TimeKind::kSunset);

    TimesOfDayOptions saturdayOptions = options;
    saturdayOptions.sunset = false;
    saturdayOptions.starsOutRt = true;
    const std::vector<TimeEntry> saturdayTimes =
        TimesOfDate(DayNumberToCivil(friday + 1), inputs, saturdayOptions);
    row.sabbathEnds = TimeOfKind(saturdayTimes, TimeKind::kNightfall);
    row.rabbeinuTam = TimeOfKind(saturdayTimes, TimeKind::kStarsOutRt);
    return row;
}

// The columns' widths as parts of the frame's: date, portion, then the four times.
const std::vector<double> kColumnWidths{0.09, 0.61, 0.075, 0.075, 0.075, 0.075};

// The columns are too narrow for some English dates and announcements: a text wider than its
// cell is drawn in a font scaled down to fit rather than cut off.
void AddFittedCell(ReportSurface& surface, ReportTable& table, const QString& text) {
    const auto column = static_cast<std::size_t>(table.cellIndex);
    if (column >= table.columnWidths.size())
        return;
    const std::int32_t room = table.columnWidths[column] - table.lineWidth - 2 * table.cellPadding;
    const FontScope fitting(surface, FittingFont(surface, text, room));
    table.addCell(text, true);
}

// The text font, smaller when the year's rows would run past the bottom of the frame: a
// landscape page holds about 45 rows of 10 points, and a year has up to 55 Sabbaths.
ReportFont RowFont(ReportTable& table, std::size_t rows, std::int32_t room,
                   std::int32_t firstRowExtra) {
    ReportSurface& surface = *table.surface;
    ReportFont font = YearTextFont(surface);
    const auto count = static_cast<std::int32_t>(rows);
    for (;;) {
        surface.setFont(font);
        const std::int32_t needed = count * table.currentRowHeight() + firstRowExtra;
        if (needed <= room || font.height <= 1)
            return font;
        font.height = std::max(1, std::min(font.height - 1, font.height * room / needed));
    }
}

}  // namespace

TimesOfDayOptions SabbathOptions(const TimesOfDayOptions& user) {
    TimesOfDayOptions options = user;
    SetAllTimeSwitches(options, false);
    options.candleLighting = true;
    options.motzash = true;
    return options;
}

std::vector<SabbathRow> SabbathRows(const ReportInputs& inputs) {
    const std::int32_t year = ReportYear(inputs);
    const TimesOfDayOptions options = SabbathOptions(inputs.settings.times);
    DayNumber friday = HebrewToDayNumber(year, 1, 1);
    while (DayNumberWeekday(friday) != kFriday)
        ++friday;
    std::vector<SabbathRow> rows;
    // Day numbers rather than date stepping: in the calendar's last year the steps stop at its
    // last day and would never leave the year.
    for (; friday <= kLastDayNumber && DayNumberToHebrew(friday).year == year; friday += 7)
        rows.push_back(RowOf(friday, inputs, options));
    return rows;
}

void DrawYearlyReport(ReportSurface& surface, const ReportPageInfo& page,
                      const ReportInputs& inputs) {
    const FontScope pageFont(surface);
    const ReportTexts& texts = inputs.language.texts;
    const YearPage year = DrawYearPageHead(surface, page, inputs, texts.yearlyTitle);
    const bool rtl = inputs.language.rightToLeft;
    const std::int32_t x = rtl ? year.frame.right : year.frame.left;
    const std::int32_t width = year.frame.width();

    surface.setFont({PointsToUnits(surface, 12, Axis::Vertical), QFont::Bold});
    ReportTable head;
    head.begin(surface, rtl, x, year.titleBottom, width, kColumnWidths);
    for (const QString& caption : texts.yearlyColumns)
        AddFittedCell(surface, head, caption);
    head.endRow();
    head.drawGrid();

    const PenScope framePen(surface, 1, ReportBrush::Hollow);
    ReportTable table;
    table.begin(surface, rtl, x, head.cursorY, width, kColumnWidths);
    const bool landscape = inputs.orientation == PrintOrientation::Landscape;
    const std::int32_t firstRowExtra = landscape ? -PointsToUnits(surface, 1, Axis::Vertical)
                                                 : PointsToUnits(surface, 2, Axis::Vertical);
    const std::vector<SabbathRow> rows = SabbathRows(inputs);
    const ReportFont text =
        RowFont(table, rows.size(), year.frame.bottom - head.cursorY, firstRowExtra);
    const ReportFont announcement{text.height, QFont::Bold};
    surface.setFont(text);
    table.rowHeight = table.currentRowHeight() + firstRowExtra;
    table.rowHeightSet = true;
    for (const SabbathRow& row : rows) {
        surface.setFont(
            row.blessesMonth && inputs.language.names == Language::kHebrew ? announcement : text);
        for (const QString* cell : {&row.date, &row.portion, &row.candleLighting, &row.sunset,
                                    &row.sabbathEnds, &row.rabbeinuTam})
            AddFittedCell(surface, table, *cell);
        table.endRow();
    }
    table.drawGrid();

    const std::int32_t gapX = PointsToUnits(surface, 2, Axis::Horizontal);
    const std::int32_t gapY = PointsToUnits(surface, 2, Axis::Vertical);
    const ReportRect outline{year.frame.left - gapX, head.originY - gapY, year.frame.right + gapX,
                             table.cursorY + gapY};
    surface.moveTo(outline.left, outline.top);
    surface.lineTo(outline.right, outline.top);
    surface.lineTo(outline.right, outline.bottom);
    surface.moveTo(outline.left, outline.top);
    surface.lineTo(outline.left, outline.bottom);
    surface.lineTo(outline.right, outline.bottom);

    DrawPortraitRemark(surface, page, inputs);
}

}  // namespace plx
