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

TEST(TextLines, SingleLineDropsBreaksTabsAndMnemonics) {
    using enum TextOption;
    const struct {
        const char* text;
        TextOptions options;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\t\t", SingleLine, {"ab"}},
        {"a\r\nb\nc", AlignLeft, {"a", "b", "c"}},
        {"&Print && go", SingleLine, {"Print & go"}},
        {"R&D", SingleLine | NoMnemonic, {"R&D"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextLines(QString::fromUtf8(c.text), c.options), c.lines) << c.text;
}

TEST(TextPlacement, AlignmentOptions) {
    using enum TextOption;
    const ReportRect rect{10, 20, 110, 70};
    EXPECT_EQ(LineLeft(rect, 40, AlignLeft), 10);
    EXPECT_EQ(LineLeft(rect, 40, AlignHCenter), 40);
    EXPECT_EQ(LineLeft(rect, 40, AlignRight), 70);
    EXPECT_EQ(FirstLineTop(rect, 1, 10, SingleLine | AlignBottom), 60);
    EXPECT_EQ(FirstLineTop(rect, 1, 10, SingleLine | AlignVCenter), 40);
    EXPECT_EQ(FirstLineTop(rect, 1, 10, AlignBottom), 20);  // only a single line moves down
    RecordingSurface surface;
    surface.setFont({10, QFont::Normal});
    // From the top left whatever the alignment: the widest line wide, two lines high.
    EXPECT_EQ(surface.boundingRect(QStringLiteral("abcd\nab"), {5, 5, 500, 500}, AlignRight),
              (ReportRect{5, 5, 25, 25}));
}

class Table : public ::testing::Test {
protected:
    Table() { surface.setFont({10, QFont::Normal}); }  // rows 12 high
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
    EXPECT_EQ(surface.texts[0].options, TextOption::NoMnemonic | TextOption::SingleLine);
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
    EXPECT_EQ(surface.texts[0].options, TextOption::NoMnemonic | TextOption::SingleLine |
                                            TextOption::AlignRight | TextOption::RightToLeft);
    EXPECT_EQ(surface.texts[1].rect.right, 138);
    EXPECT_EQ(surface.texts[1].options,
              TextOption::NoMnemonic | TextOption::SingleLine | TextOption::AlignRight);
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
    surface.setPenWidth(5);
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
    using Kind = ReportKind;
    // What a report command sets, and what it puts back after the user had each orientation.
    const struct {
        ReportKind kind;
        std::optional<PrintOrientation> set, afterPortrait, afterLandscape;
    } cases[] = {
        {Kind::Daily, std::nullopt, std::nullopt, std::nullopt},
        {Kind::Weekly, std::nullopt, std::nullopt, std::nullopt},
        {Kind::Yearly, Portrait, std::nullopt, Landscape},
        {Kind::SunsetTimetable, Landscape, Portrait, std::nullopt},
        {Kind::SunriseTimetable, Landscape, Portrait, std::nullopt},
        {Kind::DawnTimetable, Landscape, Portrait, std::nullopt},
    };
    for (const auto& c : cases) {
        const int kind = static_cast<int>(c.kind);
        EXPECT_EQ(OrientationForReport(c.kind), c.set) << kind;
        EXPECT_EQ(OrientationAfterReport(c.kind, Portrait), c.afterPortrait) << kind;
        EXPECT_EQ(OrientationAfterReport(c.kind, Landscape), c.afterLandscape) << kind;
    }
}

TEST(TitleTexts, DayMonthAndYear) {
    const struct {
        QString text;
        const char* expected;
    } cases[] = {
        {DayTitleText({23, 4, 5784}, Language::kEnglish), "23rd in Teveth, year 5784"},
        {DayTitleText({1, 1, 5785}, Language::kHebrew), "א' תשרי ה'תשפה"},
        {MonthTitleText(7, 5784, Language::kEnglish), "Adar B, year 5784"},
        {MonthTitleText(7, 5785, Language::kHebrew), "ניסן ה'תשפה"},
        // The civil years of the first and the last day of the Hebrew year.
        {YearTitleText(5784, Language::kEnglish), "year 5784 (2023-2024)"},
        {YearTitleText(5785, Language::kEnglish), "year 5785 (2024-2025)"},
        {YearTitleText(5785, Language::kHebrew), "שנה ה'תשפה (2024-2025)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, QString::fromUtf8(c.expected));
}

class Frame : public ::testing::Test {
protected:
    Frame() {
        ReportTexts& texts = inputs.language.texts;
        texts.cornerMark = QStringLiteral("M");
        texts.programTitle = QStringLiteral("Program");
        texts.remark = QStringLiteral("The times may differ.");
        texts.daylightSaving = QStringLiteral(" Summer ");
        texts.standardTime = QStringLiteral("  ");
        texts.automaticDaylightSaving = QStringLiteral("Automatic");
    }

    RecordingSurface surface;
    ReportInputs inputs;
};

TEST_F(Frame, CornerMarkOnTheReadingSide) {
    const ReportFont title{20, QFont::Bold};
    const ReportFont heading{14, QFont::Bold};
    inputs.language.rightToLeft = true;
    DrawPageHead(surface, {0, 0, 500, 700}, title, heading, inputs.language);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].text, QStringLiteral("M"));
    EXPECT_EQ(surface.texts[0].options, TextOption::AlignRight | TextOption::RightToLeft);
    EXPECT_EQ(surface.texts[0].font, heading);
    EXPECT_EQ(surface.texts[1].text, QStringLiteral("Program"));
    EXPECT_EQ(surface.texts[1].options,
              TextOption::AlignHCenter | TextOption::SingleLine | TextOption::RightToLeft);
    EXPECT_EQ(surface.font(), title);

    surface.texts.clear();
    inputs.language.rightToLeft = false;
    DrawPageHead(surface, {0, 0, 500, 700}, title, heading, inputs.language);
    EXPECT_EQ(surface.texts[0].options, TextOption::AlignLeft);
    EXPECT_EQ(surface.texts[1].options, TextOption::AlignHCenter | TextOption::SingleLine);
}

TEST_F(Frame, TitleLineLeavesOutAnEmptyDaylightRemark) {
    inputs.place.nameEnglish = u"Haifa";
    inputs.place.candleMinutes = 30;
    inputs.settings.daylightAuto = false;
    EXPECT_EQ(ReportTitleLine(QStringLiteral("Report"), QStringLiteral(" - Date"), inputs),
              QStringLiteral("Report - Date - Haifa (30)"));
    inputs.settings.daylightOn = 1;
    EXPECT_EQ(ReportTitleLine(QStringLiteral("Report"), QStringLiteral(" - Date"), inputs),
              QStringLiteral("Report - Date - Summer - Haifa (30)"));
}

TEST_F(Frame, TitleLineSaysWhenTheSunIsThePreciseOne) {
    inputs.place.nameEnglish = u"Haifa";
    inputs.place.candleMinutes = 30;
    inputs.settings.daylightAuto = false;
    inputs.settings.daylightOn = 1;
    inputs.language.texts.preciseSun = QStringLiteral("precise solar calculation");
    inputs.settings.times.solarCalculation = SolarCalculation::Precise;
    EXPECT_EQ(ReportTitleLine(QStringLiteral("Report"), QStringLiteral(" - Date"), inputs),
              QStringLiteral("Report - Date - Summer - precise solar calculation - Haifa (30)"));
}

TEST_F(Frame, TitleLineSaysAutomaticWhereThePlaceHasAZone) {
    inputs.language.texts.standardTime = QStringLiteral("Standard");
    inputs.place = BuiltInLocation(11);  // Haifa
    inputs.settings.daylightAuto = true;
    inputs.settings.daylightOn = true;  // the manual switch does not count
    EXPECT_EQ(ReportTitleLine(QStringLiteral("Report"), QString(), inputs),
              QStringLiteral("Report - Automatic - Haifa (30)"));
    // Without a zone, or with one the system does not know, the times are standard time.
    for (const std::u16string_view zone : {u"", u"Asia/Haifa"}) {
        inputs.place.timeZone = zone;
        EXPECT_EQ(ReportTitleLine(QStringLiteral("Report"), QString(), inputs),
                  QStringLiteral("Report - Standard - Haifa (30)"));
    }
}

TEST_F(Frame, TitleLineTooWideIsDrawnSmaller) {
    surface.setFont({14, QFont::Bold});
    DrawTitleLine(surface, QString(100, QLatin1Char('x')), {0, 0, 560, 40},
                  TextOption::AlignHCenter);
    DrawTitleLine(surface, QString(80, QLatin1Char('x')), {0, 0, 560, 40},
                  TextOption::AlignHCenter);
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].font.height, 11);  // 100 x 5.5 = 550 units fit 560
    EXPECT_EQ(surface.texts[1].font.height, 14);  // 80 x 7 = 560 fit as they are
    EXPECT_EQ(surface.font().height, 14);
}

TEST_F(Frame, RemarkLineSitsTwentyPointsAboveTheBottom) {
    DrawRemarkLine(surface, RaisedBottom(surface, {0, 0, 500, 700}, 20), inputs.language);
    ASSERT_EQ(surface.texts.size(), 1u);
    EXPECT_EQ(surface.texts[0].text, QStringLiteral("The times may differ."));
    EXPECT_EQ(surface.texts[0].rect.bottom, 680);
    EXPECT_EQ(surface.texts[0].options,
              TextOption::AlignHCenter | TextOption::SingleLine | TextOption::AlignBottom);
}

// The language's direction and its names are separate choices; the texts come from the table
// handed over, whichever language is loaded at the time.
TEST(ReportLanguage, FromTheTableHandedOver) {
    QTemporaryDir dir;
    ASSERT_TRUE(testing::LoadTestLanguage(
        dir, QStringLiteral("he"), false,
        QStringLiteral("<String key=\"PLX\">Program</String>"
                       "<String key=\"TIMETABLE_DAILY\">Day by day</String>")));
    const LanguageTable table = ActiveLanguage();
    ASSERT_TRUE(testing::LoadProgramLanguage("English.xml"));
    const ReportLanguage language = ReportLanguageOf(table);
    EXPECT_FALSE(language.rightToLeft);
    EXPECT_EQ(language.names, Language::kHebrew);
    EXPECT_EQ(language.texts.cornerMark, QStringLiteral("M"));
    EXPECT_EQ(language.texts.programTitle, QStringLiteral("Program"));
    EXPECT_EQ(language.texts.dailyTitle, QStringLiteral("Day by day"));
    EXPECT_TRUE(language.texts.remark.isEmpty());  // not in the file

    const ReportLanguage english = ReportLanguageOf(ActiveLanguage());
    EXPECT_EQ(english.names, Language::kEnglish);
    EXPECT_EQ(english.texts.yearlyColumns[1], QStringLiteral("Weekly Portion"));  // from "Global"
    EXPECT_EQ(english.texts.yearlyColumns[5], QStringLiteral("R. Tam"));
}

}  // namespace
}  // namespace plx
