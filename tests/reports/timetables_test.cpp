#include <gtest/gtest.h>

#include "astro/clock_minutes.h"
#include "astro/halachic_times.h"
#include "report_test_support.h"
#include "reports/main_report_source.h"
#include "reports/timetables.h"
#include "reports/title_texts.h"
#include "year_test_support.h"

namespace plx {
namespace {

using testing::InHebrewYear;
using testing::TableCells;
using testing::YearInputs;

class TimetableCellsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing::LoadProgramLanguage("English.xml")); }
};

// The first year from 5780 on of that kind (1 deficient, 2 regular, 3 complete) and leap state.
std::int32_t YearOfKind(int kind, bool leap) {
    std::int32_t year = 5780;
    while (static_cast<int>(HebrewYearKind(year)) != kind || (IsHebrewLeapYear(year) != 0) != leap)
        ++year;
    return year;
}

TEST_F(TimetableCellsTest, DayMajorWithEmptyCellsExactlyWhereAMonthIsShort) {
    for (const bool leap : {false, true}) {
        for (const int kind : {1, 2, 3}) {
            const std::int32_t year = YearOfKind(kind, leap);
            const int months = leap ? 13 : 12;
            const std::vector<TimetableCell> cells =
                ComputeTimetableCells(ReportKind::SunsetTimetable, YearInputs(InHebrewYear(year)));
            ASSERT_EQ(cells.size(), static_cast<std::size_t>(30 * months)) << year;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const TimetableCell& cell = cells[i];
                ASSERT_EQ(cell.day, i / static_cast<std::size_t>(months) + 1);
                ASSERT_EQ(cell.month, i % static_cast<std::size_t>(months) + 1);
                EXPECT_EQ(cell.text.isEmpty(), cell.day > HebrewMonthLength(year, cell.month))
                    << year << ' ' << int{cell.month} << '/' << int{cell.day};
            }
            // Day 30 of Heshvan only in a complete year, of Kislev not in a deficient one.
            const std::size_t day30 = static_cast<std::size_t>(29 * months);
            EXPECT_EQ(cells[day30 + 1].text.isEmpty(), kind != 3) << year;
            EXPECT_EQ(cells[day30 + 2].text.isEmpty(), kind == 1) << year;
        }
    }
}

TEST_F(TimetableCellsTest, ACellIsTheTimeAndTheWeekdayLetter) {
    // 1 Tishrei 5784 was Saturday 16 September 2023; the sun set in Jerusalem at 18:46 summer
    // time.
    ReportInputs inputs = YearInputs(InHebrewYear(5784));
    EXPECT_EQ(ComputeTimetableCells(ReportKind::SunsetTimetable, inputs)[0].text,
              QStringLiteral("18:46 Sa"));
    inputs.language.names = Language::kHebrew;
    EXPECT_EQ(ComputeTimetableCells(ReportKind::SunsetTimetable, inputs)[0].text,
              QStringLiteral("18:46 ש"));
    // The next day, a Sunday, in the next column's row: day 2 of Tishrei.
    EXPECT_TRUE(ComputeTimetableCells(ReportKind::SunsetTimetable, inputs)[13].text.endsWith(
        QStringLiteral(" א")));
}

TEST_F(TimetableCellsTest, EachDayOnItsOwnClockThroughTheYear) {
    // 5784 holds Israel's return to standard time on 29 October 2023 (14 Heshvan) and its change
    // to summer time on 29 March 2024 (19 Adar II, month 7 of the leap year).
    const std::vector<TimetableCell> cells =
        ComputeTimetableCells(ReportKind::SunsetTimetable, YearInputs(InHebrewYear(5784)));
    std::vector<const TimetableCell*> days;  // in calendar order
    for (int month = 1; month <= 13; ++month) {
        for (const TimetableCell& cell : cells) {
            if (cell.month == month && !cell.text.isEmpty())
                days.push_back(&cell);
        }
    }
    ASSERT_EQ(days.size(), 383u);            // a deficient leap year
    std::vector<std::pair<int, int>> jumps;  // day, month
    for (std::size_t i = 1; i < days.size(); ++i) {
        const int change = ClockMinutes(days[i]->text.toStdU16String()) -
                           ClockMinutes(days[i - 1]->text.toStdU16String());
        if (std::abs(change) > 30) {
            jumps.emplace_back(days[i]->day, days[i]->month);
            EXPECT_NEAR(std::abs(change), 60, 2) << int{days[i]->month} << '/' << int{days[i]->day};
        }
    }
    EXPECT_EQ(jumps, (std::vector<std::pair<int, int>>{{14, 2}, {19, 7}}));
}

TEST_F(TimetableCellsTest, DaysWithoutSunriseAreEmptyAndTheRestOfTheRowStays) {
    ReportInputs inputs = YearInputs(InHebrewYear(5785));
    inputs.place.latitude = 70;  // Tromsø: no sunrise for weeks around the winter solstice
    inputs.place.longitude = 19;
    inputs.place.zone = 1;
    const std::vector<TimetableCell> cells =
        ComputeTimetableCells(ReportKind::SunriseTimetable, inputs);
    const auto at = [&cells](int day, int month) { return cells[(day - 1) * 12 + month - 1]; };
    // 20 Kislev 5785 is 21 December 2024: no sunrise; the same day of Tishrei and Nisan has one.
    EXPECT_TRUE(at(20, 3).text.isEmpty());
    EXPECT_FALSE(at(20, 1).text.isEmpty());
    EXPECT_FALSE(at(20, 7).text.isEmpty());

    RecordingSurface surface;
    ReportPageInfo page;
    page.drawRect = {0, 0, 780, 540};
    inputs.orientation = PrintOrientation::Landscape;
    DrawTimetable(surface, page, inputs, ReportKind::SunriseTimetable, cells);
    const std::vector<RecordedText> drawn = TableCells(surface);
    ASSERT_EQ(drawn.size(), 13u * 31);
    // Row 20 (after the head row): the empty Kislev cell still takes its column.
    const std::size_t row = 20 * 13;
    EXPECT_EQ(drawn[row].text, QStringLiteral("20"));
    EXPECT_EQ(drawn[row + 3].text, QString());
    EXPECT_EQ(drawn[row + 4].text, at(20, 4).text);
    EXPECT_EQ(drawn[row + 4].rect.left, drawn[4].rect.left);
}

TEST(TimetableOptions, OnlyTheTimetablesTimeWithTheDawnDefinitions) {
    TimesOfDayOptions user = testing::OtherDefinitions();
    SetAllTimeSwitches(user, true);
    user.solarCalculation = SolarCalculation::Precise;
    const struct {
        ReportKind kind;
        std::u16string_view time;
    } cases[] = {{ReportKind::DawnTimetable, u"BreakOfDawn"},
                 {ReportKind::SunriseTimetable, u"Sunrise"},
                 {ReportKind::SunsetTimetable, u"Sunset"}};
    for (const auto& c : cases) {
        const TimesOfDayOptions options = TimetableOptions(c.kind, user);
        EXPECT_EQ(testing::SwitchedOn(options), std::vector<std::u16string_view>{c.time});
        // The dawn's definitions (the Maga method and the mile) and the tallit's are the user's;
        // Rabbeinu Tam's play no part and are cleared.
        EXPECT_EQ(options.riseSetDiffMethod, kFixedMinutes);
        EXPECT_EQ(options.milesMethod, 90);
        EXPECT_EQ(options.talitTfilinMethod, 5);
        EXPECT_EQ(options.starsOutRabeinuTamMinutes, RabbeinuTamLength::k72Minutes);
        EXPECT_EQ(options.starsOutRabeinuTamMethod, 0);
        EXPECT_EQ(options.solarCalculation, SolarCalculation::Precise);  // the user's sun
    }
}

TEST_F(TimetableCellsTest, TheDawnTableChangesWithTheMileAndWithNothingElse) {
    ReportInputs inputs = YearInputs(InHebrewYear(5785));
    const std::vector<TimetableCell> byDefault =
        ComputeTimetableCells(ReportKind::DawnTimetable, inputs);
    inputs.settings.times.starsOutRabeinuTamMethod = kFixedMinutes;
    inputs.settings.times.talitTfilinMethod = 0;
    SetAllTimeSwitches(inputs.settings.times, false);
    EXPECT_EQ(ComputeTimetableCells(ReportKind::DawnTimetable, inputs), byDefault);
    inputs.settings.times.milesMethod = 90;
    const std::vector<TimetableCell> longerMile =
        ComputeTimetableCells(ReportKind::DawnTimetable, inputs);
    EXPECT_NE(longerMile[0].text, byDefault[0].text);
    inputs.settings.times.riseSetDiffMethod = kFixedMinutes;
    EXPECT_NE(ComputeTimetableCells(ReportKind::DawnTimetable, inputs)[0].text, longerMile[0].text);
}

TEST(TimetableDayLabel, HebrewLettersWithoutPunctuationOrDigits) {
    const std::pair<int, const char16_t*> hebrew[] = {
        {1, u"א"},   {10, u"י"},  {11, u"יא"}, {14, u"יד"}, {15, u"טו"},
        {16, u"טז"}, {17, u"יז"}, {20, u"כ"},  {29, u"כט"}, {30, u"ל"},
    };
    for (const auto& [day, label] : hebrew)
        EXPECT_EQ(TimetableDayLabel(day, Language::kHebrew), QString::fromUtf16(label)) << day;
    EXPECT_EQ(TimetableDayLabel(7, Language::kEnglish), QStringLiteral("7"));
    EXPECT_EQ(TimetableDayLabel(30, Language::kEnglish), QStringLiteral("30"));
}

TEST_F(TimetableCellsTest, TheCalendarsLastYearEndsWithElul) {
    const std::vector<TimetableCell> cells = ComputeTimetableCells(
        ReportKind::SunsetTimetable, YearInputs(DayNumberToCivil(kLastDayNumber)));
    const std::size_t months = IsHebrewLeapYear(kLastHebrewYear) ? 13 : 12;
    ASSERT_EQ(cells.size(), 30 * months);
    EXPECT_FALSE(cells[28 * months + months - 1].text.isEmpty());  // 29 Elul, the last day
    EXPECT_TRUE(cells.back().text.isEmpty());
}

// ---- The page ---------------------------------------------------------------------------------

TEST(TimetablePage, ALeapYearHasFourteenColumnsWithBothAdars) {
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    RecordingSurface surface;
    ReportPageInfo page;
    page.drawRect = {0, 0, 780, 540};
    const ReportInputs inputs = YearInputs(InHebrewYear(5784), PrintOrientation::Landscape);
    DrawTimetable(surface, page, inputs, ReportKind::SunsetTimetable,
                  ComputeTimetableCells(ReportKind::SunsetTimetable, inputs));
    const std::vector<RecordedText> cells = TableCells(surface);
    ASSERT_EQ(cells.size(), 14u * 31);
    EXPECT_EQ(cells[0].text, QStringLiteral("Day"));
    EXPECT_EQ(cells[6].text, QStringLiteral("Adar A"));
    EXPECT_EQ(cells[7].text, QStringLiteral("Adar B"));
    EXPECT_EQ(cells[0].font, (ReportFont{10, QFont::Bold}));
    // Equal columns of 0.071 of the 764-point frame, 54 points, from its left edge; the grid
    // starts 25 points under the 15-point title box, its head row 2 points taller than the rest.
    EXPECT_EQ(cells[0].rect.left, 8 + 1 + 2);
    EXPECT_EQ(cells[1].rect.left, 8 + 54 + 1 + 2);
    EXPECT_EQ(cells[0].rect.top, 30 + 15 + 25 + 1);
    EXPECT_EQ(cells[14].rect.top, 70 + 14 + 1);
    EXPECT_EQ(cells[28].rect.top, 70 + 14 + 12 + 1);
    EXPECT_EQ(cells[14].text, QStringLiteral("1"));
    EXPECT_EQ(cells[14].font, (ReportFont{10, QFont::Normal}));

    // The outer frame 2 points around the grid; the remark at once on the bottom edge.
    ASSERT_EQ(surface.rectangles.size(), 1u);
    EXPECT_EQ(surface.rectangles[0].rect, (ReportRect{6, 68, 774, 70 + 14 + 30 * 12 + 2}));
    EXPECT_EQ(surface.rectangles[0].brush, ReportBrush::Hollow);
    EXPECT_EQ(surface.rectangles[0].penWidth, 1);
    EXPECT_EQ(surface.texts[2].text, inputs.language.texts.remark);
    EXPECT_EQ(surface.texts[2].rect.bottom, 540);
}

TEST(TimetablePage, HebrewRunsFromTheRightWithLetteredDaysOnAPortraitPage) {
    ASSERT_TRUE(testing::LoadProgramLanguage("Hebrew.xml"));
    RecordingSurface surface;
    ReportPageInfo page;
    page.drawRect = {0, 0, 540, 780};
    const ReportInputs inputs = YearInputs(InHebrewYear(5785));
    DrawTimetable(surface, page, inputs, ReportKind::DawnTimetable,
                  ComputeTimetableCells(ReportKind::DawnTimetable, inputs));
    const std::vector<RecordedText> cells = TableCells(surface);
    ASSERT_EQ(cells.size(), 13u * 31);
    EXPECT_EQ(cells[0].rect.right, 532 - 2);
    EXPECT_EQ(cells[1].text, QStringLiteral("תשרי"));
    EXPECT_EQ(cells[13 * 15].text, QStringLiteral("טו"));
    EXPECT_TRUE(cells[13 * 15].options.testFlag(TextOption::RightToLeft));
    EXPECT_EQ(surface.texts.back().text, inputs.language.texts.remark);
    EXPECT_EQ(surface.texts.back().rect.bottom, 780 - 20);
    const auto title =
        std::find_if(surface.texts.begin(), surface.texts.end(), [&](const RecordedText& text) {
            return text.text.startsWith(inputs.language.texts.dawnTimetableTitle + " - ");
        });
    ASSERT_NE(title, surface.texts.end());
    EXPECT_EQ(title->rect, (ReportRect{8, 30, 532, 55}));
}

// The title line of a timetable: the text the page draws that starts with the table's name.
QString TimetableTitle(const ReportInputs& inputs, ReportKind kind, const QString& name) {
    RecordingSurface surface;
    ReportPageInfo page;
    page.drawRect = {0, 0, 780, 540};
    DrawTimetable(surface, page, inputs, kind, {});
    for (const RecordedText& text : surface.texts) {
        if (text.text.startsWith(name + " - "))
            return text.text;
    }
    return {};
}

TEST(TimetablePage, TheDawnTitleSaysWhichDawnAfterTheYear) {
    const struct {
        const char* file;
        std::uint8_t method;
        std::uint8_t mile;
        QString definition;
    } cases[] = {
        {"English.xml", kFixedMinutes, 72, QStringLiteral(" (72 fixed minutes) - ")},
        {"English.xml", kProportionalMinutes, 120,
         QStringLiteral(" (120 proportional minutes) - ")},
        {"English.xml", kDegrees, 72, QStringLiteral(" (15.99° below the horizon) - ")},
        {"English.xml", kDegrees, 90, QStringLiteral(" (19.75° below the horizon) - ")},
        {"Hebrew.xml", kFixedMinutes, 90, QStringLiteral(" (90 דקות קבועות) - ")},
        {"Hebrew.xml", kProportionalMinutes, 72, QStringLiteral(" (72 דקות זמניות) - ")},
        {"Hebrew.xml", kDegrees, 120, QStringLiteral(" (25.9° מתחת לאופק) - ")},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(testing::LoadProgramLanguage(c.file));
        ReportInputs inputs = YearInputs(InHebrewYear(5786), PrintOrientation::Landscape);
        inputs.settings.times.riseSetDiffMethod = c.method;
        inputs.settings.times.milesMethod = c.mile;
        const ReportTexts& texts = inputs.language.texts;
        const QString title =
            TimetableTitle(inputs, ReportKind::DawnTimetable, texts.dawnTimetableTitle);
        const QString year = YearTitleText(5786, inputs.language.names);
        EXPECT_TRUE(title.startsWith(texts.dawnTimetableTitle + " - " + year + c.definition))
            << title.toStdString();
        // Sunrise and sunset need no definition: the year is followed by the clock.
        EXPECT_TRUE(TimetableTitle(inputs, ReportKind::SunsetTimetable, texts.sunsetTimetableTitle)
                        .startsWith(texts.sunsetTimetableTitle + " - " + year + " - "));
    }
}

TEST(TimetableSource, DrawsTheCellsOfTheLastBeginPrintingUntilTheNext) {
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    ReportInputs inputs = YearInputs(InHebrewYear(5785), PrintOrientation::Landscape);
    MainReportSource source([&inputs] { return inputs; });
    source.setKind(ReportKind::SunsetTimetable);
    ReportPageInfo page;
    page.drawRect = {0, 0, 780, 540};
    const auto firstCell = [&source, &page] {
        RecordingSurface surface;
        source.printPage(surface, page);
        const std::vector<RecordedText> cells = TableCells(surface);
        return cells.size() > 14 ? cells[14].text : QString();
    };
    source.beginPrinting(page);
    EXPECT_EQ(page.maxPage, 1);
    const QString jerusalem = firstCell();
    EXPECT_EQ(jerusalem, ComputeTimetableCells(ReportKind::SunsetTimetable, inputs)[0].text);

    inputs.place.latitude = 60;  // far north: an earlier autumn sunset
    const QString elsewhere = ComputeTimetableCells(ReportKind::SunsetTimetable, inputs)[0].text;
    ASSERT_NE(elsewhere, jerusalem);
    page.currentPage = 2;  // any page is the one page
    EXPECT_EQ(firstCell(), jerusalem);
    source.beginPrinting(page);
    EXPECT_EQ(firstCell(), elsewhere);
}

}  // namespace
}  // namespace plx
