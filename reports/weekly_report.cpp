#include "reports/weekly_report.h"

#include "app/utf16.h"
#include "engine/cycles.h"
#include "engine/numerals.h"
#include "engine/vocabulary.h"
#include "reports/page_frame.h"
#include "reports/report_table.h"
#include "reports/report_times.h"
#include "reports/title_texts.h"

namespace plx {

std::array<std::optional<WeekDay>, 7> WeekOf(CalendarDate civil) {
    // Day numbers of Sundays are multiples of 7.
    const DayNumber sunday = CivilToDayNumber(civil) / 7 * 7;
    std::array<std::optional<WeekDay>, 7> week;
    for (int i = 0; i < 7; ++i) {
        const DayNumber n = sunday + i;
        if (n >= kFirstDayNumber && n <= kLastDayNumber)
            week[static_cast<std::size_t>(i)] = WeekDay{DayNumberToCivil(n), DayNumberToHebrew(n)};
    }
    return week;
}

std::vector<std::vector<int>> WeeklyRows(int entryCount, int pairs) {
    const int full = entryCount / pairs;
    std::vector<std::vector<int>> rows;
    for (int j = 0; j < full; ++j) {
        std::vector<int> row;
        for (int k = 0; k < pairs; ++k)
            row.push_back(j + k * full);
        rows.push_back(std::move(row));
    }
    const int rest = entryCount - pairs * full;
    if (rest > 0) {
        std::vector<int> row(static_cast<std::size_t>(pairs - rest), -1);
        for (int i = entryCount - rest; i < entryCount; ++i)
            row.push_back(i);
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

struct WeeklyFonts {
    ReportFont title, heading, text, dafYomi;
};

// The lengths of the page in surface units.
struct WeeklyGeometry {
    ReportRect frame;       // the page less its margins
    std::int32_t boxX = 0;  // half a box's size across
    std::int32_t boxY = 0;  // and down
    std::int32_t bandTop = 0;
    std::int32_t bandHeight = 0;
    std::int32_t timesLeft = 0;
    std::int32_t timesRight = 0;
    bool wide = false;  // three pairs of columns rather than two
};

WeeklyGeometry Measure(const ReportSurface& surface, const ReportRect& area) {
    const auto x = [&surface](float p) { return PointsToUnits(surface, p, Axis::Horizontal); };
    const auto y = [&surface](float p) { return PointsToUnits(surface, p, Axis::Vertical); };
    WeeklyGeometry g;
    g.frame = {area.left + x(40), area.top + y(30), area.right - x(40), area.bottom - y(30)};
    g.boxX = x(30);
    g.boxY = y(30);
    g.bandTop = g.frame.top + y(25);
    g.bandHeight = (g.frame.bottom - g.bandTop) / 7;
    g.timesLeft = g.frame.left + 2 * g.boxX;
    g.timesRight = g.frame.right - 2 * g.boxX;
    g.wide = (g.timesRight - g.timesLeft) / 3 > x(200);
    const std::int32_t margin = x(g.wide ? 30 : 10);
    g.timesLeft += margin;
    g.timesRight -= margin;
    return g;
}

// The two ladders and the band's bottom, with a box at each end; returns the boxes, left first.
std::array<ReportRect, 2> DrawBandFrame(ReportSurface& surface, const WeeklyGeometry& g,
                                        std::int32_t y0) {
    const ReportRect& r = g.frame;
    const std::int32_t b = g.bandHeight;
    const std::int32_t h = b / 2 - g.boxY;
    const std::array<ReportRect, 2> boxes{
        ReportRect{r.left, y0 + h, r.left + 2 * g.boxX, y0 + b - h},
        ReportRect{r.right - 2 * g.boxX, y0 + h, r.right, y0 + b - h}};
    surface.moveTo(r.left + g.boxX, y0);
    surface.lineTo(r.left + g.boxX, y0 + h);
    surface.drawRectangle(boxes[0]);
    surface.moveTo(r.left + g.boxX, y0 + b - h);
    surface.lineTo(r.left + g.boxX, y0 + b);
    surface.lineTo(r.right - g.boxX, y0 + b);
    surface.moveTo(r.right - g.boxX, y0 + b - h);
    surface.lineTo(r.right - g.boxX, y0 + b);
    surface.drawRectangle(boxes[1]);
    surface.moveTo(r.right - g.boxX, y0);
    surface.lineTo(r.right - g.boxX, y0 + h);
    return boxes;
}

// A text centred both ways in its box.
void DrawBoxText(ReportSurface& surface, const QString& text, ReportRect box, bool rtl) {
    const TextOptions options = TextOption::AlignHCenter | Reading(rtl);
    box.top += (box.height() - surface.boundingRect(text, box, options).height()) / 2;
    surface.drawText(text, box, options);
}

// The weekday's box and the civil date's box: the weekday on the reading side of the names.
void DrawDayBoxes(ReportSurface& surface, const std::array<ReportRect, 2>& boxes,
                  const WeekDay& day, int weekday, const ReportInputs& inputs) {
    const Language names = inputs.language.names;
    const PlxLocaleBase& words = Vocabulary(names);
    const QString month =
        FromUtf16(words.civilMonthNames[static_cast<std::size_t>(day.civil.month - 1)]).left(3);
    const QString civilText = QStringLiteral("%1.\n%2").arg(month).arg(day.civil.day);
    const QString weekdayName =
        FromUtf16(words.weekdayNames[static_cast<std::size_t>(weekday - 1)]);
    const bool rtl = inputs.language.rightToLeft;
    if (names == Language::kHebrew) {
        const QString hebrewDay = FromUtf16(HebrewNumeral(day.hebrew.day).value_or(u""));
        DrawBoxText(surface, weekdayName + QLatin1Char('\n') + hebrewDay, boxes[1], rtl);
        DrawBoxText(surface, civilText, boxes[0], rtl);
    } else {
        DrawBoxText(surface,
                    weekdayName.left(3) + QLatin1Char('\n') + QString::number(day.hebrew.day),
                    boxes[0], rtl);
        DrawBoxText(surface, civilText, boxes[1], rtl);
    }
}

// The day's times in rows that fit above the band's bottom.
void DrawDayTimes(ReportSurface& surface, const WeeklyGeometry& g, std::int32_t y0,
                  const std::vector<ReportTime>& times, bool rtl) {
    static const std::vector<double> kNarrow{0.4, 0.1, 0.4, 0.1};
    static const std::vector<double> kWide{0.25, 0.083, 0.25, 0.083, 0.25, 0.083};
    ReportTable table;
    table.begin(surface, rtl, rtl ? g.timesRight : g.timesLeft,
                y0 + PointsToUnits(surface, 10, Axis::Vertical), g.timesRight - g.timesLeft,
                g.wide ? kWide : kNarrow);
    const int pairs = g.wide ? 3 : 2;
    for (const std::vector<int>& row : WeeklyRows(static_cast<int>(times.size()), pairs)) {
        if (table.cursorY + table.currentRowHeight() > y0 + g.bandHeight)
            break;
        for (const int entry : row) {
            const bool empty = entry < 0;
            table.addCell(empty ? QString() : times[static_cast<std::size_t>(entry)].label, true);
            table.addCell(empty ? QString() : times[static_cast<std::size_t>(entry)].time, true);
        }
        table.endRow();
    }
}

void DrawDay(ReportSurface& surface, const WeeklyGeometry& g, const WeeklyFonts& fonts,
             std::int32_t y0, const WeekDay& day, int weekday, const ReportInputs& inputs,
             const std::array<ReportRect, 2>& boxes) {
    const bool rtl = inputs.language.rightToLeft;
    surface.setFont(fonts.heading);
    DrawDayBoxes(surface, boxes, day, weekday, inputs);

    surface.setFont(fonts.text);
    DrawDayTimes(surface, g, y0, ReportTimes(day.civil, inputs), rtl);

    surface.setFont(fonts.dafYomi);
    surface.drawText(
        QStringLiteral("%1: %2").arg(inputs.language.texts.dafYomi,
                                     FromUtf16(DafYomiText(inputs.language.names, day.civil))),
        {g.timesLeft, y0, g.timesRight, y0 + g.bandHeight},
        TextOption::AlignHCenter | Reading(rtl));
}

}  // namespace

void DrawWeeklyReport(ReportSurface& surface, const ReportPageInfo& page,
                      const ReportInputs& inputs) {
    const FontScope pageFont(surface);
    const auto points = [&surface](float p) { return PointsToUnits(surface, p, Axis::Vertical); };
    const WeeklyFonts fonts{{points(20), QFont::Bold},
                            {points(14), QFont::Bold},
                            {points(10), QFont::Normal},
                            {points(10), QFont::Bold}};
    const bool rtl = inputs.language.rightToLeft;
    surface.setBackgroundMode(Qt::TransparentMode);
    DrawPageHead(surface, page.drawRect, fonts.title, fonts.heading, inputs.language);

    const std::array<std::optional<WeekDay>, 7> week = WeekOf(inputs.civil);
    // Titled by the month of its Sunday, or of the calendar's first day in its first week.
    const WeekDay& first = week[0] ? *week[0] : *week[1];
    const WeeklyGeometry g = Measure(surface, page.drawRect);

    surface.setFont(fonts.heading);
    const ReportRect titleBox{g.frame.left, g.frame.top, g.frame.right, g.bandTop};
    const QString datePart =
        QStringLiteral(" - ") +
        MonthTitleText(first.hebrew.month, first.hebrew.year, inputs.language.names);
    DrawTitleBand(surface, ReportTitleLine(inputs.language.texts.weeklyTitle, datePart, inputs),
                  titleBox, rtl);
    const PenScope framePen(surface, 1, ReportBrush::Hollow);
    surface.drawRectangle(titleBox);

    for (int i = 0; i < 7; ++i) {
        const std::int32_t y0 = g.bandTop + i * g.bandHeight;
        const std::array<ReportRect, 2> boxes = DrawBandFrame(surface, g, y0);
        if (const auto& day = week[static_cast<std::size_t>(i)])
            DrawDay(surface, g, fonts, y0, *day, i + 1, inputs, boxes);
    }

    surface.setFont(fonts.text);
    DrawRemarkLine(surface, RaisedBottom(surface, page.drawRect, 20), inputs.language);
}

}  // namespace plx
