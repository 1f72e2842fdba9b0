#include <gtest/gtest.h>

#include <set>

#include "astro/halachic_times.h"
#include "engine/events.h"
#include "engine/portion.h"
#include "report_test_support.h"
#include "reports/yearly_report.h"
#include "year_test_support.h"

namespace plx {
namespace {

using testing::InHebrewYear;
using testing::TableCells;
using testing::YearInputs;

class SabbathRowsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing::LoadProgramLanguage("English.xml")); }
};

TEST_F(SabbathRowsTest, EveryFridayOfTheYearFromTheFirstAfterRoshHashana) {
    std::set<std::size_t> commonCounts;
    std::set<std::size_t> leapCounts;
    for (std::int32_t year = 5700; year <= 5800; ++year) {
        const std::vector<SabbathRow> rows = SabbathRows(YearInputs(InHebrewYear(year)));
        ASSERT_FALSE(rows.empty());
        const DayNumber first = HebrewToDayNumber(rows.front().friday);
        const DayNumber last = HebrewToDayNumber(rows.back().friday);
        EXPECT_EQ(DayNumberWeekday(first), 6) << year;
        EXPECT_EQ(DayNumberToHebrew(first - 7).year, year - 1) << year;
        EXPECT_EQ(DayNumberToHebrew(last + 7).year, year + 1) << year;
        EXPECT_EQ(static_cast<DayNumber>(rows.size()), (last - first) / 7 + 1) << year;
        (IsHebrewLeapYear(year) ? leapCounts : commonCounts).insert(rows.size());
    }
    EXPECT_EQ(commonCounts, (std::set<std::size_t>{50, 51}));
    EXPECT_EQ(leapCounts, (std::set<std::size_t>{54, 55}));
}

TEST_F(SabbathRowsTest, ALastSaturdayOnRoshHashanaStillHasItsTimes) {
    std::int32_t year = 5780;
    while (RoshHashanaWeekday(year + 1) != 7)
        ++year;
    const SabbathRow last = SabbathRows(YearInputs(InHebrewYear(year))).back();
    EXPECT_EQ(last.friday, (CalendarDate{29, 12, year}));
    EXPECT_FALSE(last.candleLighting.isEmpty());
    EXPECT_FALSE(last.sunset.isEmpty());
    EXPECT_FALSE(last.rabbeinuTam.isEmpty());
    // The Sabbath runs into the second day of Rosh Hashana: the calculator gives it no end.
    EXPECT_TRUE(last.sabbathEnds.isEmpty());
}

TEST_F(SabbathRowsTest, TheSabbathsThatBlessAMonthAnnounceItsMolad) {
    for (const std::int32_t year : {5784, 5785}) {
        int blessing = 0;
        for (const SabbathRow& row : SabbathRows(YearInputs(InHebrewYear(year)))) {
            const auto molad = MevarchimMoladText(Language::kEnglish, row.friday);
            EXPECT_EQ(row.blessesMonth, molad.has_value());
            if (!molad)
                continue;
            ++blessing;
            EXPECT_TRUE(row.portion.endsWith(QStringLiteral("  Mevarchim: ") +
                                             QString::fromStdU16String(*molad)))
                << row.portion.toStdString();
        }
        // Every month but Tishrei is blessed.
        EXPECT_EQ(blessing, IsHebrewLeapYear(year) ? 12 : 11) << year;
    }
    // 23 Tishrei 5785 is the Friday of Bereshit, which blesses Heshvan.
    const SabbathRow bereshit = SabbathRows(YearInputs(InHebrewYear(5785)))[3];
    EXPECT_EQ(bereshit.friday, (CalendarDate{23, 1, 5785}));
    EXPECT_EQ(bereshit.date, QStringLiteral("Tishrei 23rd"));
    EXPECT_TRUE(bereshit.portion.startsWith(QStringLiteral("Bereshit  Mevarchim: ")));
}

TEST_F(SabbathRowsTest, TimesTheCalculatorDoesNotGiveLeaveTheirCellsEmpty) {
    // The Sabbath that is the eve of Pesach (27 March 2021) has no end of its own.
    const std::vector<SabbathRow> rows = SabbathRows(YearInputs(InHebrewYear(5781)));
    const auto eve = std::find_if(rows.begin(), rows.end(), [](const SabbathRow& row) {
        return row.friday == CalendarDate{13, 7, 5781};
    });
    ASSERT_NE(eve, rows.end());
    ASSERT_EQ(HolidayCodeForCivilDate({27, 3, 2021}).kind, DayKind::kEve);
    EXPECT_FALSE(eve->candleLighting.isEmpty());
    EXPECT_TRUE(eve->sabbathEnds.isEmpty());
    EXPECT_FALSE(eve->rabbeinuTam.isEmpty());

    // Far north the sun neither sets in summer nor rises in winter: those rows keep their date
    // and portion, and the year keeps every row.
    ReportInputs north = YearInputs(InHebrewYear(5785));
    north.place.latitude = 78.2;
    north.place.longitude = 15.6;
    north.place.zone = 1;
    const std::vector<SabbathRow> northRows = SabbathRows(north);
    EXPECT_EQ(northRows.size(), SabbathRows(YearInputs(InHebrewYear(5785))).size());
    int withoutSunset = 0;
    for (const SabbathRow& row : northRows) {
        EXPECT_FALSE(row.date.isEmpty());
        if (row.sunset.isEmpty()) {
            ++withoutSunset;
            EXPECT_TRUE(row.candleLighting.isEmpty());
        }
    }
    EXPECT_GT(withoutSunset, 10);
    EXPECT_LT(withoutSunset, static_cast<int>(northRows.size()));
}

TEST_F(SabbathRowsTest, OptionsKeepTheDefinitionsAndOnlyTheSabbathSwitches) {
    TimesOfDayOptions user = testing::OtherDefinitions();
    SetAllTimeSwitches(user, true);
    TimesOfDayOptions options = SabbathOptions(user);
    EXPECT_EQ(testing::SwitchedOn(options),
              (std::vector<std::u16string_view>{u"CandleLighting", u"Motzash"}));
    SetAllTimeSwitches(options, true);
    EXPECT_EQ(options, user);  // every definition the user's
    // Rabbeinu Tam follows the user's definition: 120 proportional minutes differ from the
    // default 72 minutes by degrees.
    ReportInputs inputs = YearInputs(InHebrewYear(5785));
    const QString byDefault = SabbathRows(inputs)[5].rabbeinuTam;
    inputs.settings.times = user;
    EXPECT_NE(SabbathRows(inputs)[5].rabbeinuTam, byDefault);
}

TEST_F(SabbathRowsTest, TheCalendarsLastYearEndsAtItsLastFriday) {
    const std::vector<SabbathRow> rows = SabbathRows(YearInputs(DayNumberToCivil(kLastDayNumber)));
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back().friday.year, kLastHebrewYear);
    EXPECT_EQ(rows.back().friday.month, DayNumberToHebrew(kLastDayNumber).month);
    EXPECT_GT(HebrewToDayNumber(rows.back().friday) + 7, kLastDayNumber);
}

// ---- The page ---------------------------------------------------------------------------------

class YearlyPage : public ::testing::Test {
protected:
    static constexpr ReportRect kPage{0, 0, 540, 780};  // at 72 dpi, in points

    void Draw(PrintOrientation orientation) {
        ReportPageInfo page;
        page.drawRect = kPage;
        inputs = YearInputs(InHebrewYear(5785), orientation);
        DrawYearlyReport(surface, page, inputs);
        cells = TableCells(surface);
    }
    // The top of the cells of data row `row` (0 the first).
    std::int32_t RowTop(std::size_t row) const { return cells[6 * (row + 1)].rect.top; }

    RecordingSurface surface;
    ReportInputs inputs;
    std::vector<RecordedText> cells;
};

TEST_F(YearlyPage, PortraitLayout) {
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    Draw(PrintOrientation::Portrait);
    const std::size_t rows = SabbathRows(inputs).size();
    ASSERT_EQ(cells.size(), 6 * (rows + 1));

    // Frame 30 points in from top and bottom, 8 from the sides; the head row under a 25-point
    // title box, in the 12-point column-head font.
    EXPECT_EQ(cells[0].text, QStringLiteral("Date"));
    EXPECT_EQ(cells[0].rect, (ReportRect{8 + 1 + 2, 55 + 1, 8 + 47 - 2, 55 + 28}));
    EXPECT_EQ(cells[0].font, (ReportFont{12, QFont::Bold}));
    // The first row is 2 points taller than the 12 of the text font, the next ones are not.
    EXPECT_EQ(RowTop(0), 69 + 1);
    EXPECT_EQ(RowTop(1), 69 + 14 + 1);
    EXPECT_EQ(RowTop(2), 69 + 14 + 12 + 1);
    EXPECT_EQ(cells[6 + 2].font, (ReportFont{10, QFont::Normal}));
    // The announcement is bold only in Hebrew.
    for (std::size_t i = 6; i < cells.size(); ++i)
        EXPECT_EQ(cells[i].font.weight, QFont::Normal) << i;

    // The outer frame, 2 points around the table, as two paths from the top left corner.
    const std::int32_t bottom = 69 + 14 + 12 * static_cast<std::int32_t>(rows - 1);
    ASSERT_GE(surface.lines.size(), 4u);
    const std::vector<RecordedLine> frame(surface.lines.end() - 4, surface.lines.end());
    EXPECT_EQ(frame[0].x1, 6);
    EXPECT_EQ(frame[0].y1, 53);
    EXPECT_EQ(frame[1].x2, 534);
    EXPECT_EQ(frame[1].y2, bottom + 2);
    EXPECT_EQ(frame[2].x1, 6);
    EXPECT_EQ(frame[2].y1, 53);
    EXPECT_EQ(frame[3].x2, 534);
    EXPECT_EQ(frame[3].penWidth, 1);

    // The remark comes last, 20 points above the bottom; the surface is as it was found.
    EXPECT_EQ(surface.texts.back().text, inputs.language.texts.remark);
    EXPECT_EQ(surface.texts.back().rect.bottom, 780 - 20);
    EXPECT_EQ(surface.font(), (ReportFont{10, QFont::Normal}));
    EXPECT_EQ(surface.brush(), ReportBrush::White);
    EXPECT_EQ(surface.backgroundMode(), Qt::TransparentMode);
}

TEST_F(YearlyPage, LandscapeLayout) {
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    Draw(PrintOrientation::Landscape);
    // A 15-point title box, and a first row a point shorter than the others.
    EXPECT_EQ(cells[0].rect.top, 45 + 1);
    EXPECT_EQ(RowTop(0), 59 + 1);
    EXPECT_EQ(RowTop(1), 59 + 11 + 1);
    EXPECT_EQ(RowTop(2), 59 + 11 + 12 + 1);
    // The remark at once, on the bottom edge itself.
    const auto remark = std::find_if(
        surface.texts.begin(), surface.texts.end(),
        [this](const RecordedText& text) { return text.text == inputs.language.texts.remark; });
    ASSERT_NE(remark, surface.texts.end());
    EXPECT_EQ(remark->rect.bottom, 780);
    EXPECT_LT(remark - surface.texts.begin(), 4);
    EXPECT_EQ(std::count_if(surface.texts.begin(), surface.texts.end(),
                            [&](const RecordedText& text) { return text.text == remark->text; }),
              1);
}

TEST_F(YearlyPage, ALandscapePageStillHoldsEverySabbath) {
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    ReportPageInfo page;
    page.drawRect = {0, 0, 780, 540};
    inputs = YearInputs(InHebrewYear(5784), PrintOrientation::Landscape);  // 54 Sabbaths
    DrawYearlyReport(surface, page, inputs);
    cells = TableCells(surface);
    ASSERT_EQ(cells.size(), 6u * 55);
    // 54 rows of the 10-point font's 12 would end far below the frame at 510; 7-point rows of
    // 9 are too many still, 6-point ones of 8 fit.
    EXPECT_EQ(cells[6 + 2].font.height, 6);
    EXPECT_EQ(RowTop(1) - RowTop(0), 8 - 1);
    EXPECT_LE(RowTop(53) - 1 + 8, 510);
}

TEST_F(YearlyPage, HebrewRunsFromTheRightWithBoldAnnouncements) {
    ASSERT_TRUE(testing::LoadProgramLanguage("Hebrew.xml"));
    Draw(PrintOrientation::Portrait);
    // The date column is the rightmost.
    EXPECT_EQ(cells[6].rect.right, 532 - 2);
    EXPECT_TRUE(cells[6].options.testFlag(TextOption::RightToLeft));
    EXPECT_EQ(cells[6].text, QStringLiteral("ב תשרי"));  // 2 Tishrei 5785
    const std::vector<SabbathRow> rows = SabbathRows(inputs);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < 6; ++column) {
            EXPECT_EQ(cells[6 * (row + 1) + column].font.weight,
                      rows[row].blessesMonth ? QFont::Bold : QFont::Normal)
                << row;
        }
    }
}

TEST_F(YearlyPage, ATextWiderThanItsColumnShrinksInsteadOfBeingCut) {
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    Draw(PrintOrientation::Portrait);
    for (const RecordedText& cell : cells) {
        const std::int32_t width =
            static_cast<std::int32_t>(cell.text.size()) * cell.font.height / 2;
        EXPECT_LE(width, cell.rect.width()) << cell.text.toStdString();
    }
    // "Tishrei 23rd" does not fit the 47-point date column in 10 points.
    EXPECT_LT(cells[6 * 4].font.height, 10);
    EXPECT_EQ(cells[6 * 4 + 2].font.height, 10);  // a time does
}

}  // namespace
}  // namespace plx
