// The monthly report: the months of each page, the grid of a month, the times a day plans for and
// where they go, and the remark line.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "astro/clock_minutes.h"
#include "report_test_support.h"
#include "reports/monthly_report.h"
#include "reports/recording_surface.h"

namespace plx {
namespace {

TEST(MonthRange, CountsFromTheFirstMonthToTheLast) {
    EXPECT_EQ(MonthCount({{5784, 12}, {5785, 2}}), 4);  // Av, Elul (a leap year), Tishrei, Cheshvan
    EXPECT_EQ(MonthCount({{5784, 1}, {5785, 1}}), 14);  // thirteen months of a leap year
    EXPECT_EQ(MonthCount({{5785, 3}, {5785, 1}}), 1);   // inverted: the first month alone
    // The calendar ends with Elul 110999; a range past it ends there.
    EXPECT_EQ(MonthCount({{110999, 10}, {200000, 5}}), 3);
    EXPECT_EQ(MonthsAfter({110999, 11}, 5), (YearMonth{110999, 12}));
    EXPECT_EQ(MonthsAfter({5784, 13}, 1), (YearMonth{5785, 1}));
    EXPECT_EQ(MonthsAfter({5784, 1}, 235 * 3), (YearMonth{5841, 1}));
}

TEST(MonthRange, MonthsOutsideTheCalendarAreBroughtIntoIt) {
    EXPECT_EQ(CalendarMonth({0, 5}), (YearMonth{1, 1}));
    EXPECT_EQ(CalendarMonth({-40, 5}), (YearMonth{1, 1}));
    EXPECT_EQ(CalendarMonth({2000000000, 13}), (YearMonth{110999, 12}));
    EXPECT_EQ(CalendarMonth({5785, 13}), (YearMonth{5785, 12}));  // a common year
    EXPECT_EQ(CalendarMonth({5785, 0}), (YearMonth{5785, 1}));
    EXPECT_TRUE(MonthBefore({5784, 13}, {5785, 1}));
    EXPECT_FALSE(MonthBefore({5785, 2}, {5785, 2}));
}

TEST(MonthlyPlan, LinesByWeekdayAndDayKind) {
    const MonthlyTimes all{true, true, true, true, 1};
    EXPECT_EQ(all.count(), 5);
    const MonthlyTimes tallitOnly{false, false, false, true, 0};
    const struct {
        const char* what;
        MonthlyTimes times;
        int weekday;
        DayKind kind;
        int lines;
        bool tallit;
    } cases[] = {
        {"an ordinary weekday has no candle line", all, 2, DayKind::kOrdinary, 4, true},
        {"a Friday has every line", all, 6, DayKind::kOrdinary, 5, true},
        {"a Saturday keeps its end of the Sabbath and drops the tallit", all, 7, DayKind::kOrdinary,
         4, false},
        {"a festival eve lights candles", all, 3, DayKind::kEve, 5, true},
        {"the first day of Rosh Hashana: candles for the second day, no tallit", all, 5,
         DayKind::kRoshHashanaFirst, 4, false},
        {"other festival days plan as weekdays", all, 4, DayKind::kFestival, 4, true},
        {"no tallit on a Saturday leaves nothing", tallitOnly, 7, DayKind::kOrdinary, 0, false},
        {"nothing chosen", {}, 2, DayKind::kOrdinary, 0, false},
    };
    for (const auto& c : cases) {
        const DayPlan plan = PlannedTimeLines(c.times, c.weekday, c.kind);
        EXPECT_EQ(plan.lines, c.lines) << c.what;
        EXPECT_EQ(plan.tallit, c.tallit) << c.what;
    }
}

TEST(MonthlyPlan, PrivateOptionsKeepTheDefinitionsAndOnlyTheChosenTimes) {
    TimesOfDayOptions user;
    user.milesMethod = 90;
    user.starsOutRabeinuTamMethod = kFixedMinutes;
    const TimesOfDayOptions options = MonthlyOptions(user, {false, true, true, false, 2});
    EXPECT_EQ(options.milesMethod, 90);
    EXPECT_EQ(options.starsOutRabeinuTamMethod, kFixedMinutes);
    EXPECT_EQ(options.talitTfilinMethod, user.talitTfilinMethod);
    EXPECT_TRUE(options.sunset && options.candleLighting && options.motzash &&
                options.plagHaMinchaMaga);
    EXPECT_FALSE(options.sunrise || options.plagHaMinchaGra || options.talitTfilin ||
                 options.breakOfDawn || options.midday || options.starsOutStandard);
}

class MonthlyReport : public ::testing::Test {
protected:
    void SetUp() override { UseLanguage("English.xml"); }

    void UseLanguage(const char* file) {
        ASSERT_TRUE(testing::LoadProgramLanguage(file));
        inputs.language = ReportLanguageOf(ActiveLanguage());
    }

    // The five times of the weekday example: tallit, sunrise, Gra plag, sunset, candles.
    void ChooseFiveTimes() {
        inputs.settings.monthlySunrise = 1;
        inputs.settings.monthlySunset = 1;
        inputs.settings.monthlyCandlesMotzash = 1;
        inputs.settings.monthlyTefilin = 1;
        inputs.settings.monthlyPlag = 1;
    }

    MonthlyReportSource Source(MonthRange range) {
        return MonthlyReportSource([this, range] { return MonthlyRequest{inputs, range}; });
    }

    // Day cells drawn: every outlined rectangle below the title box and the weekday row.
    std::size_t DayCells() const { return surface.rectangles.size() - 8; }

    // The day cell of the Hebrew day written as `day` in the English top line.
    ReportRect CellOf(int day) const {
        const auto text =
            std::find_if(surface.texts.begin(), surface.texts.end(), [day](const RecordedText& t) {
                return t.options == TextOption::SingleLine && t.text == QString::number(day);
            });
        EXPECT_NE(text, surface.texts.end());
        for (const RecordedRectangle& r : surface.rectangles) {
            if (r.rect.left <= text->rect.left && text->rect.right <= r.rect.right &&
                r.rect.top == text->rect.top)
                return r.rect;
        }
        ADD_FAILURE() << "no cell for day " << day;
        return {};
    }

    // The label columns (drawn without mnemonics and with an end ellipsis) inside a cell.
    std::vector<RecordedText> LabelsIn(const ReportRect& cell) const {
        std::vector<RecordedText> found;
        for (const RecordedText& t : surface.texts) {
            if (t.options.testFlag(TextOption::ElideLines) &&
                t.options.testFlag(TextOption::NoMnemonic) && t.rect.left >= cell.left &&
                t.rect.right <= cell.right && t.rect.top >= cell.top &&
                t.rect.bottom <= cell.bottom)
                found.push_back(t);
        }
        return found;
    }

    ReportInputs inputs;
    RecordingSurface surface;
    const ReportRect page{0, 0, 560, 760};  // portrait, 72 units an inch
};

TEST_F(MonthlyReport, ThreeMonthsInPortraitTakeTwoPages) {
    MonthlyReportSource source = Source({{5785, 1}, {5785, 3}});
    ReportPageInfo info{page};
    source.beginPrinting(info);
    EXPECT_EQ(source.monthCount(), 3);
    EXPECT_EQ(info.minPage, 1);
    EXPECT_EQ(info.maxPage, 2);

    info.currentPage = 2;
    source.printPage(surface, info);
    EXPECT_EQ(surface.backgroundMode(), Qt::TransparentMode);
    std::vector<RecordedText> titles;
    for (const RecordedText& t : surface.texts) {
        if (t.text.startsWith(QStringLiteral("Monthly Timetable")))
            titles.push_back(t);
    }
    ASSERT_EQ(titles.size(), 1u);  // the third month alone, in the upper half
    EXPECT_TRUE(titles[0].text.contains(QStringLiteral("Kislev, year 5785")))
        << titles[0].text.toStdString();
    EXPECT_LT(titles[0].rect.bottom, page.bottom / 2);
}

TEST_F(MonthlyReport, PagesByOrientationAndRange) {
    inputs.orientation = PrintOrientation::Landscape;
    MonthlyReportSource landscape = Source({{5785, 1}, {5785, 3}});
    ReportPageInfo info{page};
    landscape.beginPrinting(info);
    EXPECT_EQ(landscape.monthsPerPage(), 1);
    EXPECT_EQ(info.maxPage, 3);

    inputs.orientation = PrintOrientation::Portrait;
    MonthlyReportSource inverted = Source({{5785, 3}, {5785, 1}});
    inverted.beginPrinting(info);
    EXPECT_EQ(info.maxPage, 1);

    // The whole calendar has more pages than a page number holds: the count stops at the last.
    MonthlyReportSource everything = Source({{1, 1}, {110999, 12}});
    everything.beginPrinting(info);
    EXPECT_EQ(info.maxPage, 0xFFFE);

    EXPECT_EQ(MonthRects({0, 10, 500, 711}, 2),
              (std::vector<ReportRect>{{0, 10, 500, 360}, {0, 361, 500, 711}}));
    EXPECT_EQ(MonthsOfPage({{5785, 1}, {5785, 3}}, 2, 2), (std::vector<YearMonth>{{5785, 3}}));
}

TEST_F(MonthlyReport, ReferenceLengthOfWideAndTallMonths) {
    EXPECT_EQ(MonthReferenceHeight({0, 0, 1100, 400}), 800);
    EXPECT_EQ(MonthReferenceHeight({0, 0, 500, 700}), 700);
}

TEST_F(MonthlyReport, GridStopsAfterTheRowOfTheLastDay) {
    surface.setPenWidth(3);
    // Tishrei 5784 begins on a Saturday and has 30 days: six rows.
    DrawMonth(surface, inputs, {5784, 1}, page);
    EXPECT_EQ(DayCells(), 42u);
    // Its 1st stands in the last column, at the right in a left-to-right month.
    const ReportRect first = CellOf(1);
    EXPECT_EQ(first.right, surface.rectangles[0].rect.right);  // the title box's right edge

    // The surface is left as it was found.
    EXPECT_EQ(surface.penWidth(), 3);
    EXPECT_EQ(surface.brush(), ReportBrush::White);
    EXPECT_EQ(surface.font(), RecordingSurface().font());

    // Tammuz 5784 begins on a Sunday and has 29 days: five rows, the sixth not drawn.
    surface = RecordingSurface();
    DrawMonth(surface, inputs, {5784, 11}, page);
    EXPECT_EQ(DayCells(), 35u);
}

TEST_F(MonthlyReport, RightToLeftMonthStartsSundayAtTheRight) {
    UseLanguage("Hebrew.xml");
    DrawMonth(surface, inputs, {5784, 1}, page);
    // The weekday row: Sunday in the rightmost box, Saturday in the leftmost.
    const RecordedRectangle& sunday = surface.rectangles[1];
    const RecordedRectangle& saturday = surface.rectangles[7];
    EXPECT_EQ(sunday.rect.right, surface.rectangles[0].rect.right);
    EXPECT_EQ(saturday.rect.left, surface.rectangles[0].rect.left);
    const auto label = std::find_if(surface.texts.begin(), surface.texts.end(),
                                    [](const RecordedText& t) { return t.text == u"א"; });
    ASSERT_NE(label, surface.texts.end());
    EXPECT_LT(label->rect.right, saturday.rect.right);
    EXPECT_EQ(label->options,
              TextOption::SingleLine | TextOption::AlignRight | TextOption::RightToLeft);
}

TEST_F(MonthlyReport, WeekdayWithFiveTimesUsesTwoColumnPairs) {
    ChooseFiveTimes();
    DrawMonth(surface, inputs, {5785, 2}, page);  // Cheshvan 5785 begins on a Saturday
    const ReportRect monday = CellOf(10);
    const std::vector<RecordedText> labels = LabelsIn(monday);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, QStringLiteral("Tefilin\nSunrise\nPlag"));
    EXPECT_EQ(labels[1].text, QStringLiteral("Sunset"));
    // The first pair reads first: the left half of a left-to-right cell.
    EXPECT_LT(labels[0].rect.right, labels[1].rect.left);
    EXPECT_LT(labels[0].rect.left, monday.left + monday.width() / 2);
}

// In a narrow month whose short names would end in "…" even in the smallest font, a day with
// room to spare lists every time under its full name in a column of its own.
TEST_F(MonthlyReport, ShortNamesThatDoNotFitGiveWayToOneColumnOfFullNames) {
    ChooseFiveTimes();
    DrawMonth(surface, inputs, {5785, 2}, {0, 0, 620, 380});
    const std::vector<RecordedText> labels = LabelsIn(CellOf(10));
    ASSERT_EQ(labels.size(), 1u);
    const QStringList lines = labels[0].lines;
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Tallith & Tefilin"));
    EXPECT_EQ(lines[2], QStringLiteral("Plag ha'Mincha (Gra)"));
    EXPECT_FALSE(lines.join(u'\n').contains(u'…'));
}

TEST_F(MonthlyReport, SaturdayDropsTheTallitTimeAndShowsThePortion) {
    ChooseFiveTimes();
    DrawMonth(surface, inputs, {5785, 2}, page);
    const ReportRect saturday = CellOf(8);
    const std::vector<RecordedText> labels = LabelsIn(saturday);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, QStringLiteral("Sunrise\nPlag\nSunset"));
    // The end of the Sabbath under the short name of "end of Sabbath or festival".
    EXPECT_EQ(labels[1].text, QStringLiteral("Motzash"));
    const auto portion = std::find_if(
        surface.texts.begin(), surface.texts.end(), [&saturday](const RecordedText& t) {
            return t.font.weight == QFont::Bold && t.rect.left >= saturday.left &&
                   t.rect.right <= saturday.right && t.rect.top > saturday.top &&
                   t.rect.bottom < saturday.bottom;
        });
    ASSERT_NE(portion, surface.texts.end());
    EXPECT_EQ(portion->text, QStringLiteral("Lech Lecha"));
}

TEST_F(MonthlyReport, EachDayOnItsOwnClock) {
    // Adar II 5784 holds Israel's change to summer time on Friday 29 March 2024, the 19th.
    ChooseFiveTimes();
    inputs.place = BuiltInLocation(0);
    DrawMonth(surface, inputs, {5784, 7}, page);
    // The first pair of each cell: tallit, sunrise and plag, their times in the text beside it.
    const auto sunrise = [this](int day) {
        const ReportRect cell = CellOf(day);
        for (const RecordedText& t : surface.texts) {
            if (!t.options.testFlag(TextOption::ElideLines) && t.text.count(u'\n') == 2 &&
                t.rect.left >= cell.left && t.rect.right <= cell.right && t.rect.top > cell.top &&
                t.rect.bottom <= cell.bottom)
                return ClockMinutes(t.text.split(u'\n')[1].toStdU16String());
        }
        ADD_FAILURE() << "no times on day " << day;
        return 0;
    };
    EXPECT_NEAR(sunrise(18) - sunrise(17), -1, 1);
    EXPECT_NEAR(sunrise(19) - sunrise(18), 60 - 1, 1);
}

TEST_F(MonthlyReport, ThreeLinesOrFewerUseFullNames) {
    inputs.settings.monthlySunrise = 1;
    inputs.settings.monthlySunset = 1;
    inputs.settings.monthlyCandlesMotzash = 1;
    DrawMonth(surface, inputs, {5785, 2}, page);
    const std::vector<RecordedText> friday = LabelsIn(CellOf(7));
    ASSERT_EQ(friday.size(), 1u);
    EXPECT_EQ(friday[0].text.count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(friday[0].text.contains(QStringLiteral("Candle")));
}

// The names of the personal dates follow the day's events in its cell; a yahrzeit of a death in
// Adar of a common year goes to the Adar of a leap year that the Adar choice names.
TEST_F(MonthlyReport, PersonalDatesFollowTheEventsOfTheirDays) {
    PersonalDate birthday;
    birthday.name = u"Sarah & Dan";  // an "&" that is no mnemonic
    birthday.date = {15, 6, 5783};   // Adar of a common year
    PersonalDate yahrzeit = birthday;
    yahrzeit.name = u"אבא";
    yahrzeit.kind = PersonalKind::Yahrzeit;
    inputs.personalDates = {birthday, yahrzeit};
    // The text drawn to be fitted (word wrap and elision) in the cell of day `day`.
    const auto eventsOf = [this](int day) {
        const ReportRect cell = CellOf(day);
        for (const RecordedText& t : surface.texts) {
            if (t.options.testFlag(TextOption::ElideWords) && !t.measured &&
                t.rect.left >= cell.left && t.rect.right <= cell.right && t.rect.top >= cell.top &&
                t.rect.bottom <= cell.bottom) {
                EXPECT_TRUE(t.options.testFlag(TextOption::NoMnemonic));
                return t.text;
            }
        }
        return QStringLiteral("(none)");
    };
    const struct {
        AdarChoice adar;
        YearMonth month;
        QStringList fifteenth;
    } cases[] = {
        {AdarChoice::AdarI, {5784, 6}, {u"אבא"_qs}},
        {AdarChoice::AdarI, {5784, 7}, {u"Sarah & Dan"_qs}},
        {AdarChoice::AdarII, {5784, 6}, {}},
        {AdarChoice::AdarII, {5784, 7}, {u"Sarah & Dan"_qs, u"אבא"_qs}},
        {AdarChoice::Both, {5784, 6}, {u"אבא"_qs}},
        {AdarChoice::Both, {5784, 7}, {u"Sarah & Dan"_qs, u"אבא"_qs}},
        // A common year has one Adar.
        {AdarChoice::Both, {5785, 6}, {u"Sarah & Dan"_qs, u"אבא"_qs}},
    };
    for (const auto& c : cases) {
        const std::string what =
            std::to_string(static_cast<int>(c.adar)) + " " + std::to_string(c.month.month);
        const PersonalDateList dates = inputs.personalDates;
        inputs.personalDates.clear();
        surface = RecordingSurface();
        DrawMonth(surface, inputs, c.month, page);
        const QString events = eventsOf(15);
        inputs.personalDates = dates;
        inputs.personalAdar = c.adar;
        surface = RecordingSurface();
        DrawMonth(surface, inputs, c.month, page);
        QStringList expected = c.fifteenth;
        if (!events.isEmpty())
            expected.prepend(events);
        EXPECT_EQ(eventsOf(15).toStdString(), expected.join(u'\n').toStdString()) << what;
        EXPECT_FALSE(eventsOf(16).contains(u"Sarah"_qs)) << what;
    }
}

bool Inside(const ReportRect& inner, const ReportRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const ReportRect& a, const ReportRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string Describe(const RecordedText& text) {
    return text.lines.join(u'|').toStdString() + " at {" + std::to_string(text.occupied.left) +
           ", " + std::to_string(text.occupied.top) + ", " + std::to_string(text.occupied.right) +
           ", " + std::to_string(text.occupied.bottom) + "}";
}

// Every text drawn in an outlined box of the page (a day, a weekday, the title box) keeps its
// lines within the rectangle it was given and within the box, clear of the box's bottom edge,
// and away from the box's other texts.
void ExpectTextsKeepToTheirBoxes(const RecordingSurface& surface, const std::string& where) {
    std::map<std::size_t, std::vector<const RecordedText*>> byBox;
    for (const RecordedText& text : surface.texts) {
        if (text.measured || text.text.trimmed().isEmpty())
            continue;
        std::optional<std::size_t> box;
        for (std::size_t i = 0; i < surface.rectangles.size(); ++i) {
            const ReportRect& r = surface.rectangles[i].rect;
            if (Inside(text.rect, r) && (!box || r.width() < surface.rectangles[*box].rect.width()))
                box = i;
        }
        if (!box)
            continue;  // the page's head and remark
        const ReportRect& cell = surface.rectangles[*box].rect;
        EXPECT_TRUE(Inside(text.occupied, text.rect)) << where << ": cut " << Describe(text);
        EXPECT_TRUE(Inside(text.occupied, {cell.left, cell.top, cell.right, cell.bottom - 1}))
            << where << ": out of its box " << Describe(text);
        for (const RecordedText* other : byBox[*box]) {
            EXPECT_FALSE(Overlap(other->occupied, text.occupied))
                << where << ": " << Describe(*other) << " and " << Describe(text);
        }
        byBox[*box].push_back(&text);
    }
}

TEST_F(MonthlyReport, EveryTextOfEveryMonthFitsItsCell) {
    ChooseFiveTimes();
    inputs.place = BuiltInLocation(0);
    const ReportRect portrait{0, 0, 559, 806};  // A4 less a quarter-inch margin, in points
    const ReportRect landscape{0, 0, 806, 559};
    for (const char* file : {"English.xml", "Hebrew.xml"}) {
        UseLanguage(file);
        for (std::int32_t year = 5785; year <= 5787; ++year) {
            for (int month = 1; month <= (IsHebrewLeapYear(year) ? 13 : 12); ++month) {
                for (const ReportRect& rect :
                     {MonthRects(portrait, 2)[month % 2], MonthRects(landscape, 1)[0]}) {
                    surface = RecordingSurface();
                    DrawMonth(surface, inputs, {year, month}, rect);
                    ExpectTextsKeepToTheirBoxes(
                        surface, std::string(file) + " " + std::to_string(year) + "/" +
                                     std::to_string(month) +
                                     (rect.right > 600 ? " full" : " half"));
                }
            }
        }
    }
}

TEST_F(MonthlyReport, RemarkLineSitsAFiftiethAboveTheMonthsBottom) {
    const ReportRect lower{0, 400, 560, 760};
    DrawMonth(surface, inputs, {5785, 2}, lower);
    const RecordedText& remark = surface.texts.back();
    EXPECT_TRUE(remark.text.startsWith(QStringLiteral("The times")));
    EXPECT_EQ(remark.rect.bottom, lower.bottom - MonthReferenceHeight(lower) / 50);
    EXPECT_EQ(remark.options,
              TextOption::AlignHCenter | TextOption::SingleLine | TextOption::AlignBottom);
    EXPECT_EQ(remark.font, (ReportFont{360 / 60, QFont::Bold}));
}

}  // namespace
}  // namespace plx
