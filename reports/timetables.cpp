#include "reports/timetables.h"

#include <string_view>

#include "app/utf16.h"
#include "astro/halachic_times.h"
#include "engine/numerals.h"
#include "reports/page_frame.h"
#include "reports/report_table.h"
#include "reports/report_times.h"
#include "reports/year_page.h"

namespace plx {
namespace {

constexpr int kLongestMonth = 30;

QString WeekdayLetter(int weekday, Language names) {
    static constexpr std::u16string_view kHebrewLetters[] = {u"א", u"ב", u"ג", u"ד",
                                                             u"ה", u"ו", u"ש"};
    static constexpr std::u16string_view kEnglishLetters[] = {u"Su", u"Mo", u"Tu", u"We",
                                                              u"Th", u"Fr", u"Sa"};
    const auto index = static_cast<std::size_t>(weekday - 1);
    return FromUtf16(names == Language::kHebrew ? kHebrewLetters[index] : kEnglishLetters[index]);
}

const QString& Title(ReportKind kind, const ReportTexts& texts) {
    switch (kind) {
        case ReportKind::SunriseTimetable:
            return texts.sunriseTimetableTitle;
        case ReportKind::DawnTimetable:
            return texts.dawnTimetableTitle;
        default:
            return texts.sunsetTimetableTitle;
    }
}

// " (72 fixed minutes)": which dawn the dawn timetable lists; nothing for the other tables, or
// for a method the calculator does not know.
QString DawnDefinition(ReportKind kind, const TimesOfDayOptions& options,
                       const ReportTexts& texts) {
    if (kind != ReportKind::DawnTimetable)
        return {};
    const auto filled = [](QString text, const QString& value) {
        return text.replace(QStringLiteral("%1"), value);
    };
    const QString minutes = QString::number(options.milesMethod);
    QString text;
    switch (options.riseSetDiffMethod) {
        case kFixedMinutes:
            text = filled(texts.dawnFixedMinutes, minutes);
            break;
        case kProportionalMinutes:
            text = filled(texts.dawnProportionalMinutes, minutes);
            break;
        case kDegrees:
            text = filled(texts.dawnDegrees, QString::number(MileDepression(options.milesMethod)));
            break;
        default:
            return {};
    }
    return QStringLiteral(" (") + text + u')';
}

QString CellText(CalendarDate hebrew, const ReportInputs& inputs,
                 const TimesOfDayOptions& options) {
    const std::vector<TimeEntry> times = TimesOfDate(HebrewToCivil(hebrew), inputs, options);
    if (times.empty())
        return {};
    const int weekday = DayNumberWeekday(HebrewToDayNumber(hebrew));
    return QString::fromStdU16String(times.front().text) + u' ' +
           WeekdayLetter(weekday, inputs.language.names);
}

}  // namespace

bool IsTimetable(ReportKind kind) {
    return kind == ReportKind::SunsetTimetable || kind == ReportKind::SunriseTimetable ||
           kind == ReportKind::DawnTimetable;
}

TimesOfDayOptions TimetableOptions(ReportKind kind, const TimesOfDayOptions& user) {
    TimesOfDayOptions options;
    SetAllTimeSwitches(options, false);
    options.riseSetDiffMethod = user.riseSetDiffMethod;
    options.milesMethod = user.milesMethod;
    options.talitTfilinMethod = user.talitTfilinMethod;
    options.solarCalculation = user.solarCalculation;
    options.starsOutRabeinuTamMinutes = RabbeinuTamLength::k72Minutes;
    options.starsOutRabeinuTamMethod = 0;
    switch (kind) {
        case ReportKind::SunriseTimetable:
            options.sunrise = true;
            break;
        case ReportKind::DawnTimetable:
            options.breakOfDawn = true;
            break;
        default:
            options.sunset = true;
            break;
    }
    return options;
}

std::vector<TimetableCell> ComputeTimetableCells(ReportKind kind, const ReportInputs& inputs) {
    const std::int32_t year = ReportYear(inputs);
    const int months = IsHebrewLeapYear(year) ? 13 : 12;
    const TimesOfDayOptions options = TimetableOptions(kind, inputs.settings.times);
    std::vector<TimetableCell> cells;
    cells.reserve(static_cast<std::size_t>(kLongestMonth * months));
    // The months are counted rather than stepped through: in the calendar's last year stepping
    // stops at Elul and would never come back to Tishrei.
    for (int day = 1; day <= kLongestMonth; ++day) {
        for (int month = 1; month <= months; ++month) {
            TimetableCell cell{
                static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), {}};
            if (day <= HebrewMonthLength(year, month)) {
                const CalendarDate hebrew{static_cast<std::uint8_t>(day),
                                          static_cast<std::uint8_t>(month), year};
                cell.text = CellText(hebrew, inputs, options);
            }
            cells.push_back(std::move(cell));
        }
    }
    return cells;
}

QString TimetableDayLabel(int day, Language names) {
    if (names == Language::kHebrew)
        return FromUtf16(HebrewNumeral(day).value_or(std::u16string()));
    return QString::number(day);
}

void DrawTimetable(ReportSurface& surface, const ReportPageInfo& page, const ReportInputs& inputs,
                   ReportKind kind, const std::vector<TimetableCell>& cells) {
    const FontScope pageFont(surface);
    const YearPage year =
        DrawYearPageHead(surface, page, inputs, Title(kind, inputs.language.texts),
                         DawnDefinition(kind, inputs.settings.times, inputs.language.texts));
    const bool rtl = inputs.language.rightToLeft;
    const Language names = inputs.language.names;
    const std::int32_t hebrewYear = ReportYear(inputs);
    const int months = IsHebrewLeapYear(hebrewYear) ? 13 : 12;

    const PenScope framePen(surface, 1, ReportBrush::Hollow);
    surface.setFont({PointsToUnits(surface, 10, Axis::Vertical), QFont::Bold});
    // Equal columns a little narrower than the frame.
    const double column = months == 13 ? 0.071 : 0.076;
    ReportTable table;
    table.begin(surface, rtl, rtl ? year.frame.right : year.frame.left,
                year.titleBottom + PointsToUnits(surface, 25, Axis::Vertical), year.frame.width(),
                std::vector<double>(static_cast<std::size_t>(months + 1), column));

    table.rowHeight = table.currentRowHeight() + PointsToUnits(surface, 2, Axis::Vertical);
    table.rowHeightSet = true;
    table.addCell(inputs.language.texts.day, true);
    for (int month = 1; month <= months; ++month)
        table.addCell(FromUtf16(HebrewMonthName(hebrewYear, month, names)), true);

    surface.setFont(YearTextFont(surface));
    for (const TimetableCell& cell : cells) {
        if (cell.month == 1) {
            table.endRow();
            table.addCell(TimetableDayLabel(cell.day, names), true);
        }
        table.addCell(cell.text, true);
    }
    table.endRow();
    table.drawGrid();

    const std::int32_t gapX = PointsToUnits(surface, 2, Axis::Horizontal);
    const std::int32_t gapY = PointsToUnits(surface, 2, Axis::Vertical);
    surface.drawRectangle({year.frame.left - gapX, table.originY - gapY, year.frame.right + gapX,
                           table.cursorY + gapY});

    DrawPortraitRemark(surface, page, inputs);
}

}  // namespace plx
