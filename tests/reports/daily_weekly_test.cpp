#include <gtest/gtest.h>

#include <algorithm>

#include "astro/halachic_times.h"
#include "report_test_support.h"
#include "reports/daily_report.h"
#include "reports/main_report_source.h"
#include "reports/recording_surface.h"
#include "reports/weekly_report.h"

namespace plx {
namespace {

const TextOptions kCellOptions = TextOption::NoMnemonic | TextOption::SingleLine;

bool IsCell(const RecordedText& text) {
    return (text.options & kCellOptions) == kCellOptions;
}

std::vector<RecordedText> Cells(const RecordingSurface& surface) {
    std::vector<RecordedText> cells;
    std::copy_if(surface.texts.begin(), surface.texts.end(), std::back_inserter(cells), IsCell);
    return cells;
}

class Report : public ::testing::Test {
protected:
    Report() {
        inputs.civil = {5, 3, 2024};
        inputs.place = BuiltInLocation(0);
        page.drawRect = {0, 0, 560, 800};
    }
    void Load(const char* file) {
        ASSERT_TRUE(testing::LoadProgramLanguage(file));
        inputs.language = ReportLanguageOf(ActiveLanguage());
    }

    ReportInputs inputs;
    ReportPageInfo page;
    RecordingSurface surface;  // a point is a unit
};

using DailyReport = Report;

TEST_F(DailyReport, ListStartsOneRowDownInTheMiddleBand) {
    Load("English.xml");
    DrawDailyReport(surface, page, inputs);
    ASSERT_GE(surface.texts.size(), 3u);
    EXPECT_EQ(surface.texts[2].text,
              QStringLiteral("Daily Timetable - 25th in Adar A, year 5784 05/03/2024 - Automatic "
                             "Daylight Saving - Jerusalem (40)"));
    EXPECT_EQ(surface.texts[2].rect.top, 40);

    // The fifteen times the default options switch on, a label and a time to a row, from dawn
    // at 04:51 in Jerusalem.
    const std::vector<RecordedText> cells = Cells(surface);
    ASSERT_EQ(cells.size(), 2u * 15);
    // Rows of 14 + 2 points below an empty first row at 50 points; the band is 180 .. 380.
    EXPECT_EQ(cells[0].rect, (ReportRect{183, 67, 338, 50 + 16 + 32}));
    EXPECT_EQ(cells[1].rect, (ReportRect{343, 67, 378, 98}));
    EXPECT_TRUE(cells[0].text.startsWith(QStringLiteral("Alot Hashachar")));
    EXPECT_EQ(cells[1].text, QStringLiteral("04:51"));
    EXPECT_EQ(cells[2].rect.top, 83);
    EXPECT_TRUE(cells[4].text.startsWith(QStringLiteral("Sunrise")));
    EXPECT_EQ(cells[5].text, QStringLiteral("06:03"));
    // The remark in the remark font, 20 points above the bottom.
    EXPECT_EQ(surface.texts.back().rect.bottom, 780);
    EXPECT_EQ(surface.texts.back().font.height, 12);
    EXPECT_EQ(surface.font().height, 10);  // the surface's own font again
}

TEST_F(DailyReport, WithoutTimesTheInformationStartsFourRowsDown) {
    Load("English.xml");
    SetAllTimeSwitches(inputs.settings.times, false);
    inputs.informationText = QStringLiteral("\r\nfirst line\r\nsecond");
    DrawDailyReport(surface, page, inputs);
    EXPECT_TRUE(Cells(surface).empty());
    const auto information = std::find_if(
        surface.texts.begin(), surface.texts.end(),
        [](const RecordedText& t) { return t.text.contains(QStringLiteral("first")); });
    ASSERT_NE(information, surface.texts.end());
    EXPECT_TRUE(information->measured);
    EXPECT_EQ(information->options, TextOption::AlignLeft);
    EXPECT_EQ(information->rect, (ReportRect{180, 50 + 4 * 16, 380, 800}));
    // Drawn in the measured block: three lines, the widest 10 characters of 7 points.
    const RecordedText& drawn = *(information + 1);
    EXPECT_FALSE(drawn.measured);
    EXPECT_EQ(drawn.rect, (ReportRect{180, 114, 180 + 70, 114 + 3 * 14}));
    EXPECT_EQ(drawn.options, TextOption::AlignLeft);
}

TEST_F(DailyReport, RightToLeftPutsTheLabelsOnTheRight) {
    Load("Hebrew.xml");
    inputs.informationText = QStringLiteral("שורה");
    DrawDailyReport(surface, page, inputs);
    const std::vector<RecordedText> cells = Cells(surface);
    ASSERT_GE(cells.size(), 2u);
    EXPECT_EQ(cells[0].rect, (ReportRect{223, 67, 378, 98}));
    EXPECT_EQ(cells[0].options, kCellOptions | TextOption::AlignRight | TextOption::RightToLeft);
    EXPECT_TRUE(cells[0].text.startsWith(QStringLiteral("עלות השחר")));
    EXPECT_EQ(cells[1].rect, (ReportRect{183, 67, 218, 98}));
    EXPECT_EQ(surface.texts[0].options,
              TextOption::AlignRight | TextOption::RightToLeft);  // the corner mark
    EXPECT_TRUE(surface.texts[2].text.contains(QStringLiteral("כה' אדר א ה'תשפד 05/03/2024")));
    // The block still starts at the band's left edge, its lines end at its right edge.
    const RecordedText& drawn = surface.texts[surface.texts.size() - 2];
    EXPECT_EQ(drawn.text, QStringLiteral("שורה"));
    EXPECT_EQ(drawn.rect.left, 180);
    EXPECT_EQ(drawn.options, TextOption::AlignRight | TextOption::RightToLeft);
}

TEST_F(DailyReport, InformationWiderThanThePageMovesBackOntoIt) {
    Load("English.xml");
    inputs.informationText = QString(60, QLatin1Char('x'));  // 420 points from 180
    DrawDailyReport(surface, page, inputs);
    const RecordedText& drawn = surface.texts[surface.texts.size() - 2];
    EXPECT_EQ(drawn.rect.right, 560);
    EXPECT_EQ(drawn.rect.left, 140);
}

TEST(WeekOf, StartsOnTheSundayOfTheDate) {
    const auto sunday = WeekOf({10, 3, 2024});
    ASSERT_TRUE(sunday[0]);
    EXPECT_EQ(sunday[0]->civil, (CalendarDate{10, 3, 2024}));
    EXPECT_EQ(sunday[0]->hebrew, (CalendarDate{30, 6, 5784}));
    const auto saturday = WeekOf({16, 3, 2024});
    EXPECT_EQ(saturday[0]->civil, (CalendarDate{10, 3, 2024}));
    EXPECT_EQ(saturday[6]->civil, (CalendarDate{16, 3, 2024}));
    EXPECT_EQ(saturday[6]->hebrew, (CalendarDate{6, 7, 5784}));
}

TEST(WeekOf, EdgesOfTheCalendarLeaveDaysEmpty) {
    const auto first = WeekOf({9, 10, -3761});
    EXPECT_FALSE(first[0]);  // the Sunday before 1 Tishrei 1
    ASSERT_TRUE(first[1]);
    EXPECT_EQ(first[1]->civil, (CalendarDate{7, 10, -3761}));
    EXPECT_EQ(first[1]->hebrew, (CalendarDate{1, 1, 1}));
    const auto last = WeekOf({19, 12, 107240});
    EXPECT_TRUE(last[3]);  // the last day, a Wednesday
    EXPECT_FALSE(last[4]);
}

TEST(WeeklyRows, ColumnsFillTopToBottomAndTheRestEndsTheLastRow) {
    using Rows = std::vector<std::vector<int>>;
    EXPECT_EQ(WeeklyRows(5, 2), (Rows{{0, 2}, {1, 3}, {-1, 4}}));
    EXPECT_EQ(WeeklyRows(8, 3), (Rows{{0, 2, 4}, {1, 3, 5}, {-1, 6, 7}}));
    EXPECT_EQ(WeeklyRows(6, 3), (Rows{{0, 2, 4}, {1, 3, 5}}));
    EXPECT_EQ(WeeklyRows(1, 3), (Rows{{-1, -1, 0}}));
    EXPECT_TRUE(WeeklyRows(0, 2).empty());
}

using WeeklyReport = Report;

TEST_F(WeeklyReport, PortraitA4IsNarrowLandscapeIsWide) {
    Load("English.xml");
    SetAllTimeSwitches(inputs.settings.times, false);
    inputs.settings.times.sunrise = 1;
    page.drawRect = {0, 0, 559, 806};
    DrawWeeklyReport(surface, page, inputs);
    std::vector<RecordedText> cells = Cells(surface);
    ASSERT_EQ(cells.size(), 7u * 4u);  // one row a day: an empty pair, then sunrise
    EXPECT_TRUE(cells[0].text.isEmpty());
    EXPECT_TRUE(cells[2].text.startsWith(QStringLiteral("Sunrise")));
    EXPECT_EQ(surface.backgroundMode(), Qt::TransparentMode);

    surface.texts.clear();
    page.drawRect = {0, 0, 806, 559};
    DrawWeeklyReport(surface, page, inputs);
    cells = Cells(surface);
    ASSERT_EQ(cells.size(), 7u * 6u);
    EXPECT_TRUE(cells[3].text.isEmpty());
    EXPECT_TRUE(cells[4].text.startsWith(QStringLiteral("Sunrise")));
}

TEST_F(WeeklyReport, RowsThatDoNotFitAreLeftOut) {
    Load("English.xml");
    SetAllTimeSwitches(inputs.settings.times, true);
    page.drawRect = {0, 0, 806, 559};  // bands of 67 points, rows of 12 from 10 points down
    DrawWeeklyReport(surface, page, inputs);
    const std::vector<RecordedText> cells = Cells(surface);
    EXPECT_EQ(cells.size(), 7u * 4u * 6u);
    for (const RecordedText& cell : cells)
        EXPECT_EQ((cell.rect.top - 55 - 1) % 67 % 12, 10 % 12);
}

TEST_F(WeeklyReport, TitledByTheMonthOfItsSundayWithBoxesAndLadders) {
    Load("English.xml");
    inputs.civil = {12, 3, 2024};  // 2 Adar B; its Sunday is 30 Adar A
    DrawWeeklyReport(surface, page, inputs);
    ASSERT_GE(surface.texts.size(), 3u);
    EXPECT_TRUE(surface.texts[2].text.startsWith(
        QStringLiteral("Weekly Timetable - Adar A, year 5784 - Automatic Daylight Saving")));
    // The title box and two boxes a day; a pen of one unit, hollow.
    ASSERT_EQ(surface.rectangles.size(), 1u + 14u);
    EXPECT_EQ(surface.rectangles[0].rect, (ReportRect{40, 30, 520, 55}));
    EXPECT_EQ(surface.rectangles[0].brush, ReportBrush::Hollow);
    EXPECT_EQ(surface.lines.size(), 7u * 5u);
    // The weekday on the left in English: "Sun" over the Hebrew day.
    const auto sunday = std::find_if(surface.texts.begin(), surface.texts.end(),
                                     [](const RecordedText& t) { return t.text == "Sun\n30"; });
    EXPECT_NE(sunday, surface.texts.end());
    EXPECT_EQ(surface.brush(), ReportBrush::White);  // put back
    EXPECT_EQ(surface.penWidth(), 1);
}

TEST_F(WeeklyReport, HebrewBoxesHoldTheWeekdayOnTheRight) {
    Load("Hebrew.xml");
    DrawWeeklyReport(surface, page, inputs);
    const auto weekday = std::find_if(
        surface.texts.begin(), surface.texts.end(),
        [](const RecordedText& t) { return t.text == QStringLiteral("יום ראשון\nכג"); });
    ASSERT_NE(weekday, surface.texts.end());
    EXPECT_GT(weekday->rect.left, 400);
    EXPECT_TRUE(weekday->measured);
    EXPECT_EQ(weekday->options, TextOption::AlignHCenter | TextOption::RightToLeft);
    const auto daf = std::find_if(
        surface.texts.begin(), surface.texts.end(),
        [](const RecordedText& t) { return t.text.startsWith(QStringLiteral("דף יומי: ")); });
    EXPECT_NE(daf, surface.texts.end());
}

TEST_F(WeeklyReport, MainWindowReportsAreOnePageWhateverPageIsAsked) {
    Load("English.xml");
    MainReportSource source([this] { return inputs; });
    ReportPageInfo info;
    source.beginPrinting(info);
    EXPECT_EQ(info.maxPage, 1);
    source.setKind(ReportKind::Weekly);
    info.drawRect = page.drawRect;
    info.currentPage = 3;
    source.printPage(surface, info);
    RecordingSurface first;
    info.currentPage = 1;
    source.printPage(first, info);
    EXPECT_EQ(surface.texts.size(), first.texts.size());
    EXPECT_EQ(surface.texts.back().text, first.texts.back().text);
}

}  // namespace
}  // namespace plx
