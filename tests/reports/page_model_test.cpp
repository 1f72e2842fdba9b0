#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "report_test_support.h"
#include "reports/page_frame.h"
#include "reports/recording_surface.h"
#include "reports/report_source.h"
#include "reports/report_table.h"
#include "reports/title_texts.h"

namespace plx {
namespace {

TEST(PointsToUnits, TruncatesEachLengthOnItsOwnAxis) {
    const RecordingSurface points;  // 72 dpi
    EXPECT_EQ(PointsToUnits(points, 160, Axis::Horizontal), 160);
    const RecordingSurface printer(600, 300);
    EXPECT_EQ(PointsToUnits(printer, 1, Axis::Horizontal), 8);  // 8.33
    EXPECT_EQ(PointsToUnits(printer, 1, Axis::Vertical), 4);    // 4.17
    EXPECT_EQ(PointsToUnits(printer, 20, Axis::Vertical), 83);  // 83.3
    // Two one-point lengths are 16 units, one two-point length 16 as well; 1.5 points 12 (12.5).
    EXPECT_EQ(PointsToUnits(printer, 1.5f, Axis::Horizontal), 12);
    EXPECT_EQ(PointsToUnits(printer, -1, Axis::Horizontal), -8);  // toward zero
}

TEST(TextLines, SingleLineDropsBreaksTabsAndPrefixes) {
    EXPECT_EQ(TextLines(QStringLiteral("a\r\nb\t\t"), DT_SINGLELINE), QStringList{"ab"});
    EXPECT_EQ(TextLines(QStringLiteral("a\r\nb\nc"), DT_LEFT), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(TextLines(QStringLiteral("&Print && go"), DT_SINGLELINE), QStringList{"Print & go"});
    EXPECT_EQ(TextLines(QStringLiteral("R&D"), DT_SINGLELINE | DT_NOPREFIX), QStringList{"R&D"});
}

TEST(TextPlacement, AlignmentFlags) {
    const ReportRect rect{10, 20, 110, 70};
    EXPECT_EQ(LineLeft(rect, 40, DT_LEFT), 10);
    EXPECT_EQ(LineLeft(rect, 40, DT_CENTER), 40);
    EXPECT_EQ(LineLeft(rect, 40, DT_RIGHT), 70);
    EXPECT_EQ(FirstLineTop(rect, 1, 10, DT_SINGLELINE | DT_BOTTOM), 60);
    EXPECT_EQ(FirstLineTop(rect, 1, 10, DT_SINGLELINE | DT_VCENTER), 40);
    EXPECT_EQ(FirstLineTop(rect, 1, 10, DT_BOTTOM), 20);  // only a single line moves down
    RecordingSurface surface;
    surface.selectFont({10, ReportFont::kNormal});
    ReportRect measured{5, 5, 500, 500};
    surface.drawText(QStringLiteral("abcd\nab"), measured, DT_CALCRECT | DT_RIGHT);
    EXPECT_EQ(measured, (ReportRect{5, 5, 25, 25}));
}

class Table : public ::testing::Test {
protected:
    Table() { surface.selectFont({10, ReportFont::kNormal}); }  // rows 12 high
    RecordingSurface surface;
};

TEST_F(Table, WidthsInBothForms) {
    ReportTable byUnits;
    byUnits.begin(surface, false, 0, 0,
                  {PointsToUnits(surface, 160, Axis::Horizontal),
                   PointsToUnits(surface, 40, Axis::Horizontal)});
    EXPECT_EQ(byUnits.totalWidth, 200);
    EXPECT_EQ(byUnits.columnCount, 2);

    ReportTable byFractions;
    byFractions.begin(surface, false, 0, 0, 1000, {0.076, 0.076, 0.076});
    EXPECT_EQ(byFractions.columnWidths, (std::vector<std::int32_t>{76, 76, 76}));
    EXPECT_EQ(byFractions.totalWidth, 1000);
}

TEST_F(Table, CellsLeftToRight) {
    ReportTable table;
    table.begin(surface, false, 100, 50, {160, 40});
    table.addCell(QStringLiteral("label"), true);
    table.addCell(QStringLiteral("05:12"), true);
    table.addCell(QStringLiteral("dropped"), true);
    ASSERT_EQ(surface.texts.size(), 2u);
    // Left edge past the line and the padding; right edge the padding short of the boundary.
    EXPECT_EQ(surface.texts[0].rect, (ReportRect{100 + 1 + 2, 51, 258, 50 + 24}));
    EXPECT_EQ(surface.texts[0].flags, DT_NOPREFIX | DT_SINGLELINE | DT_LEFT);
    EXPECT_EQ(surface.texts[1].rect, (ReportRect{263, 51, 298, 74}));
    EXPECT_EQ(table.cursorX, 300);  // the dropped cell did not move it
    table.endRow();
    EXPECT_EQ(table.cursorX, 100);
    EXPECT_EQ(table.cursorY, 62);
    EXPECT_EQ(table.rowHeights, std::vector<std::int32_t>{12});
}

TEST_F(Table, RightToLeftStartsAtTheRightEdge) {
    ReportTable table;
    table.begin(surface, true, 300, 0, {160, 40});
    table.addCell(QStringLiteral("label"), true);
    table.addCell(QStringLiteral("05:12"), false);
    ASSERT_EQ(surface.texts.size(), 2u);
    // The first column is the rightmost.
    EXPECT_EQ(surface.texts[0].rect.right, 298);
    EXPECT_EQ(surface.texts[0].rect.left, 143);
    EXPECT_EQ(surface.texts[0].flags, DT_NOPREFIX | DT_SINGLELINE | DT_RIGHT | DT_RTLREADING);
    EXPECT_EQ(surface.texts[1].rect.right, 138);
    EXPECT_EQ(surface.texts[1].flags, DT_NOPREFIX | DT_SINGLELINE | DT_RIGHT);
}

TEST_F(Table, RowHeightOfItsOwnLastsOneRow) {
    ReportTable table;
    table.begin(surface, false, 0, 0, {100});
    table.rowHeightSet = true;
    table.rowHeight = 30;
    table.endRow();
    table.endRow();
    EXPECT_EQ(table.rowHeights, (std::vector<std::int32_t>{30, 12}));
    EXPECT_EQ(table.cursorY, 42);
}

TEST_F(Table, GridOfThreeRowsAndTwoColumns) {
    ReportTable table;
    table.begin(surface, false, 10, 20, {160, 40});
    for (int i = 0; i < 3; ++i)
        table.endRow();
    surface.selectPen(5);
    table.drawGrid();
    ASSERT_EQ(surface.lines.size(), 4u + 2u + 1u);
    // The outline as one path around the ended rows.
    EXPECT_EQ(surface.lines[0].x1, 10);
    EXPECT_EQ(surface.lines[0].x2, 210);
    EXPECT_EQ(surface.lines[1].y2, 20 + 36);
    EXPECT_EQ(surface.lines[3].x2, 10);
    EXPECT_EQ(surface.lines[3].y2, 20);
    // Two row separators, one column separator.
    EXPECT_EQ(surface.lines[4].y1, 32);
    EXPECT_EQ(surface.lines[5].y1, 44);
    EXPECT_EQ(surface.lines[6].x1, 170);
    EXPECT_EQ(surface.penWidth(), 5);  // the previous pen again
}

TEST_F(Table, GridOfOneColumnRightToLeft) {
    ReportTable table;
    table.begin(surface, true, 200, 0, {80});
    table.endRow();
    table.drawGrid();
    ASSERT_EQ(surface.lines.size(), 4u);  // the outline only
    EXPECT_EQ(surface.lines[0].x1, 120);
    EXPECT_EQ(surface.lines[0].x2, 200);
}

TEST(ReportOrientation, CommandsRestoreOnlyWhatTheyChanged) {
    using enum PrintOrientation;
    EXPECT_EQ(OrientationForReport(ReportKind::Daily), std::nullopt);
    EXPECT_EQ(OrientationForReport(ReportKind::Yearly), Portrait);
    EXPECT_EQ(OrientationForReport(ReportKind::DawnTimetable), Landscape);
    EXPECT_EQ(OrientationAfterReport(ReportKind::Weekly, Landscape), std::nullopt);
    EXPECT_EQ(OrientationAfterReport(ReportKind::Yearly, Landscape), Landscape);
    EXPECT_EQ(OrientationAfterReport(ReportKind::Yearly, Portrait), std::nullopt);
    EXPECT_EQ(OrientationAfterReport(ReportKind::SunsetTimetable, Portrait), Portrait);
    EXPECT_EQ(OrientationAfterReport(ReportKind::SunriseTimetable, Landscape), std::nullopt);
}

TEST(TitleTexts, DayMonthAndYear) {
    EXPECT_EQ(DayTitleText({23, 4, 5784}, Language::kEnglish),
              QStringLiteral("23rd in Teveth, year 5784"));
    EXPECT_EQ(DayTitleText({1, 1, 5785}, Language::kHebrew), QStringLiteral("א' תשרי ה'תשפה"));
    EXPECT_EQ(MonthTitleText(7, 5784, Language::kEnglish), QStringLiteral("Adar B, year 5784"));
    EXPECT_EQ(MonthTitleText(7, 5785, Language::kHebrew), QStringLiteral("ניסן ה'תשפה"));
    EXPECT_TRUE(YearTitleText(5784, Language::kEnglish).endsWith(QStringLiteral(" (2023-2024)")));
    EXPECT_EQ(YearTitleText(5785, Language::kEnglish), QStringLiteral("year 5785 (2024-2025)"));
    EXPECT_EQ(YearTitleText(5785, Language::kHebrew), QStringLiteral("שנה ה'תשפה (2024-2025)"));
}

class Frame : public ::testing::Test {
protected:
    QTemporaryDir dir;
    RecordingSurface surface;
    ReportInputs inputs;
};

TEST_F(Frame, CornerMarkOnTheReadingSide) {
    ASSERT_TRUE(testing::LoadTestLanguage(dir, QStringLiteral("he"), true, {}));
    const ReportFont title{20, ReportFont::kBold};
    const ReportFont heading{14, ReportFont::kBold};
    DrawPageHead(surface, {0, 0, 500, 700}, title, heading, true);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, QStringLiteral("M"));
    EXPECT_EQ(surface.texts[0].flags, DT_RIGHT | DT_RTLREADING);
    EXPECT_EQ(surface.texts[0].font, heading);
    EXPECT_EQ(surface.texts[1].flags, DT_CENTER | DT_SINGLELINE | DT_RTLREADING);
    EXPECT_EQ(surface.currentFont(), title);

    surface.texts.clear();
    DrawPageHead(surface, {0, 0, 500, 700}, title, heading, false);
    EXPECT_EQ(surface.texts[0].flags, DT_LEFT);
    EXPECT_EQ(surface.texts[1].flags, DT_CENTER | DT_SINGLELINE);
}

TEST_F(Frame, TitleLineLeavesOutAnEmptyDaylightRemark) {
    ASSERT_TRUE(testing::LoadTestLanguage(
        dir, QStringLiteral("en"), false,
        QStringLiteral("<String key=\"R\">Report</String><String key=\"REPORT_DSC\"> Summer "
                       "</String><String key=\"REPORT_NODSC\">  </String>")));
    inputs.place.nameEnglish = u"Haifa";
    inputs.place.candleMinutes = 30;
    inputs.settings.daylightAuto = false;
    EXPECT_EQ(ReportTitleLine(u"R", QStringLiteral(" - Date"), inputs),
              QStringLiteral("Report - Date - Haifa (30)"));
    inputs.settings.daylightOn = 1;
    EXPECT_EQ(ReportTitleLine(u"R", QStringLiteral(" - Date"), inputs),
              QStringLiteral("Report - Date - Summer - Haifa (30)"));
}

TEST_F(Frame, TitleLineSaysAutomaticWhereThePlaceHasAZone) {
    ASSERT_TRUE(testing::LoadTestLanguage(
        dir, QStringLiteral("en"), false,
        QStringLiteral("<String key=\"R\">Report</String><String key=\"REPORT_DSC\">Summer"
                       "</String><String key=\"REPORT_NODSC\">Standard</String>"
                       "<String key=\"REPORT_AUTODSC\">Automatic</String>")));
    inputs.place = BuiltInLocation(11);  // Haifa
    inputs.settings.daylightAuto = true;
    inputs.settings.daylightOn = true;  // the manual switch does not count
    EXPECT_EQ(ReportTitleLine(u"R", QString(), inputs),
              QStringLiteral("Report - Automatic - Haifa (30)"));
    // Without a zone, or with one the system does not know, the times are standard time.
    for (const std::u16string_view zone : {u"", u"Asia/Haifa"}) {
        inputs.place.timeZone = zone;
        EXPECT_EQ(ReportTitleLine(u"R", QString(), inputs),
                  QStringLiteral("Report - Standard - Haifa (30)"));
    }
}

TEST_F(Frame, TitleLineTooWideIsDrawnSmaller) {
    surface.selectFont({14, ReportFont::kBold});
    DrawTitleLine(surface, QString(100, QLatin1Char('x')), {0, 0, 560, 40}, DT_CENTER);
    DrawTitleLine(surface, QString(80, QLatin1Char('x')), {0, 0, 560, 40}, DT_CENTER);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].font.height, 11);  // 100 x 5.5 = 550 units fit 560
    EXPECT_EQ(surface.texts[1].font.height, 14);  // 80 x 7 = 560 fit as they are
    EXPECT_EQ(surface.currentFont().height, 14);
}

TEST_F(Frame, HebrewNamesInALeftToRightLayout) {
    ASSERT_TRUE(testing::LoadTestLanguage(dir, QStringLiteral("he"), false, {}));
    const ReportLanguage language = ActiveReportLanguage();
    EXPECT_FALSE(language.rightToLeft);
    EXPECT_EQ(language.names, Language::kHebrew);
}

TEST_F(Frame, RemarkLineSitsTwentyPointsAboveTheBottom) {
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    DrawRemarkLine(surface, RaisedBottom(surface, {0, 0, 500, 700}, 20), false);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].rect.bottom, 680);
    EXPECT_EQ(surface.texts[0].flags, DT_CENTER | DT_SINGLELINE | DT_BOTTOM);
    EXPECT_TRUE(surface.texts[0].text.startsWith(QStringLiteral("The times")));
}

}  // namespace
}  // namespace plx
