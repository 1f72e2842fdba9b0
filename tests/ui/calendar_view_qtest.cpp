// The month view: which day lands in which cell, how clicks, header clicks, double clicks and
// hovering move the selection or open the balloon, and the minute timer's move of today.
#include <QHash>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>

#include "engine/calendar.h"
#include "engine/portion.h"
#include "ui/calendar_view.h"
#include "ui/day_texts.h"
#include "ui/toolkit/balloon_tip.h"

using namespace plx;

Q_DECLARE_METATYPE(plx::CalendarDate)

namespace {

CalendarViewLanguage Hebrew() {
    return {true,
            Language::kHebrew,
            {u"ראשון"_qs, u"שני"_qs, u"שלישי"_qs, u"רביעי"_qs, u"חמישי"_qs, u"שישי"_qs, u"שבת"_qs}};
}

CalendarViewLanguage English() {
    return {false,
            Language::kEnglish,
            {u"Sunday"_qs, u"Monday"_qs, u"Tuesday"_qs, u"Wednesday"_qs, u"Thursday"_qs,
             u"Friday"_qs, u"Saturday"_qs}};
}

// A view at its natural size with a clock the test sets.
struct Calendar {
    std::shared_ptr<CalendarDate> clock;
    std::unique_ptr<CPLXCalendar> view;

    explicit Calendar(const CalendarViewLanguage& language, CalendarDate today = {14, 2, 2024},
                      bool show = false)
        : clock(std::make_shared<CalendarDate>(today)),
          view(std::make_unique<CPLXCalendar>(language)) {
        view->resize(600, 410);
        view->setTodaySource([clock = clock] { return *clock; });
        if (show) {
            view->show();
            QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        }
        view->Attach();
    }

    void ShowMonth(CalendarDate civil, bool civilMode) {
        view->setCivilMode(civilMode);
        view->LayOutCells();
        view->setCivil(civil);
        view->Refill();
    }

    // The week cells that show a day, in grid order.
    QList<CPLXCalendarChild*> Days() const {
        QList<CPLXCalendarChild*> days;
        for (int row = 1; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                if (!view->cell(row, column)->isBlank())
                    days << view->cell(row, column);
            }
        }
        return days;
    }

    QList<int> CivilDays() const {
        QList<int> days;
        for (const CPLXCalendarChild* cell : Days())
            days << cell->date().day;
        return days;
    }

    CPLXCalendarChild* CellOf(CalendarDate civil) const {
        for (CPLXCalendarChild* cell : Days()) {
            if (cell->date() == civil)
                return cell;
        }
        return nullptr;
    }
};

// Hands the view what its cells have posted so far (clicks, double clicks, hovering), so that
// a test can tell that nothing came of them.
void DeliverPosted() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

QList<int> Range(int from, int to) {
    QList<int> days;
    for (int day = from; day <= to; ++day)
        days << day;
    return days;
}

}  // namespace

class CalendarViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<CalendarDate>(); }

    void attachSelectsTodayAndSaysSo() {
        Calendar calendar(English());
        QCOMPARE(calendar.view->selected(), (CalendarDate{14, 2, 2024}));
        QCOMPARE(calendar.view->todayHebrew(), CivilToHebrew({14, 2, 2024}));
        QCOMPARE(calendar.CellOf({14, 2, 2024})->highlight(), Highlight::kToday);
        QCOMPARE(calendar.view->cell(0, 3)->highlight(), Highlight::kToday);  // a Wednesday
        QCOMPARE(calendar.view->cell(0, 3)->dayText(), u"Wednesday"_qs);
        auto* timer = calendar.view->findChild<QTimer*>(u"todayTimer"_qs);
        QVERIFY(timer != nullptr && timer->isActive());
        QCOMPARE(timer->interval(), 60000);
    }

    void octoberOf1582SkipsTheReformDays() {
        Calendar calendar(English());
        calendar.ShowMonth({1, 10, 1582}, true);
        QCOMPARE(calendar.CivilDays(), Range(1, 4) + Range(15, 31));
        CPLXCalendarChild* thursday = calendar.view->cell(1, 4);
        CPLXCalendarChild* friday = calendar.view->cell(1, 5);
        QCOMPARE(thursday->date(), (CalendarDate{4, 10, 1582}));
        QCOMPARE(friday->date(), (CalendarDate{15, 10, 1582}));
        QVERIFY(calendar.view->cell(1, 0)->isBlank());
        // Civil-month mode puts Sunday at the left, so Friday follows Thursday to the right.
        QCOMPARE(calendar.view->cell(1, 0)->x(), 0);
        QVERIFY(qAbs(friday->x() - thursday->geometry().right()) <= 2);
        QCOMPARE(friday->dayText(), u"יט\t15"_qs);  // 19 Tishrei 5343
    }

    void firstMonthOfTheRangeStartsOnTheSeventh() {
        Calendar calendar(English());
        calendar.ShowMonth({20, 10, -3761}, true);
        QCOMPARE(calendar.CivilDays(), Range(7, 31));
        QVERIFY(calendar.view->cell(1, 0)->isBlank());
        QCOMPARE(calendar.view->cell(1, 1)->date(), (CalendarDate{7, 10, -3761}));  // a Monday
        // The Hebrew month of the same day, Tishrei of year 1, with Sunday at the right.
        calendar.ShowMonth({20, 10, -3761}, false);
        QCOMPARE(calendar.Days().size(), 30);
        QCOMPARE(calendar.view->cell(1, 1)->date(), (CalendarDate{7, 10, -3761}));
        QVERIFY(calendar.view->cell(1, 0)->x() > calendar.view->cell(1, 6)->x());
        QCOMPARE(calendar.view->cell(1, 0)->geometry().right(), 599 - 1);
    }

    void februaryOf2015FillsFourRows() {
        Calendar calendar(English());
        calendar.ShowMonth({10, 2, 2015}, true);
        QCOMPARE(calendar.CivilDays(), Range(1, 28));
        QCOMPARE(calendar.view->cell(1, 0)->date(), (CalendarDate{1, 2, 2015}));
        QCOMPARE(calendar.view->cell(4, 6)->date(), (CalendarDate{28, 2, 2015}));
        for (int column = 0; column < 7; ++column) {
            QVERIFY(calendar.view->cell(5, column)->isBlank());
            QVERIFY(calendar.view->cell(6, column)->isBlank());
        }
    }

    void adarIOfALeapYearHasThirtyDays() {
        Calendar calendar(Hebrew());
        QSignalSpy changes(calendar.view.get(), &CPLXCalendar::dateChanged);
        calendar.view->setFromHebrew({12, 6, 5784});
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.last().at(1).value<CalendarDate>(), (CalendarDate{12, 6, 5784}));
        QCOMPARE(changes.last().at(0).value<CalendarDate>(), calendar.view->selected());
        const QList<CPLXCalendarChild*> days = calendar.Days();
        QCOMPARE(days.size(), 30);
        QVERIFY(days.first()->dayText().startsWith(u"א\t"_qs));
        QVERIFY(days.last()->dayText().startsWith(u"ל\t"_qs));
        QCOMPARE(calendar.CellOf(calendar.view->selected())->highlight(), Highlight::kSelected);
        // The same day in civil-month mode shows its civil month, February 2024.
        calendar.view->setCivilMode(true);
        calendar.view->LayOutCells();
        calendar.view->Refill();
        QCOMPARE(calendar.CivilDays(), Range(1, 29));
        QCOMPARE(calendar.view->selectedHebrew(), (CalendarDate{12, 6, 5784}));
    }

    void festivalSabbathShowsNoPortion() {
        Calendar calendar(Hebrew());
        calendar.view->setFromHebrew({15, 8, 5779});  // Saturday 20 April 2019, first day of Pesach
        CPLXCalendarChild* festival = calendar.CellOf({20, 4, 2019});
        QVERIFY(festival != nullptr);
        QCOMPARE(festival->column(), 6);
        if (const auto portion = WeeklyPortionName(Language::kHebrew, {15, 8, 5779})) {
            QVERIFY(!festival->eventsText().contains(QStringView(*portion)));
        }
        // The Saturday after is a plain Sabbath in Israel and opens with its portion.
        const auto next = WeeklyPortionName(Language::kHebrew, {22, 8, 5779});
        QVERIFY(next.has_value());
        QVERIFY(calendar.CellOf({27, 4, 2019})->eventsText().startsWith(QStringView(*next)));
    }

    void festivalSabbaths_data() {
        QTest::addColumn<CalendarDate>("hebrew");
        QTest::addColumn<bool>("festival");
        QTest::newRow("Rosh Hashana") << CalendarDate{1, 1, 5784} << true;
        QTest::newRow("Yom Kippur") << CalendarDate{10, 1, 5784} << true;
        QTest::newRow("Hoshana Rabba") << CalendarDate{21, 1, 5784} << false;
        QTest::newRow("Shemini Atzeret") << CalendarDate{22, 1, 5784} << true;
        QTest::newRow("Pesach, common year") << CalendarDate{15, 7, 5783} << true;
        QTest::newRow("last day of Pesach, leap year") << CalendarDate{21, 8, 5784} << true;
        QTest::newRow("day after Pesach") << CalendarDate{22, 8, 5784} << false;
    }

    void festivalSabbaths() {
        QFETCH(CalendarDate, hebrew);
        QFETCH(bool, festival);
        QCOMPARE(IsFestivalSabbath(hebrew), festival);
    }

    void clickSelectsADayAndDoubleClickTellsTheParent() {
        Calendar calendar(English(), {14, 2, 2024}, true);
        QSignalSpy changes(calendar.view.get(), &CPLXCalendar::dateChanged);
        QSignalSpy doubles(calendar.view.get(), &CPLXCalendar::calendarDoubleClicked);
        CPLXCalendarChild* target = calendar.CellOf({20, 2, 2024});
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(changes.count(), 0);  // the cell posts: handled once the event loop turns
        QTRY_COMPARE(changes.count(), 1);
        QCOMPARE(calendar.view->selected(), (CalendarDate{20, 2, 2024}));
        QCOMPARE(changes.last().at(1).value<CalendarDate>(), CivilToHebrew({20, 2, 2024}));
        QCOMPARE(target->highlight(), Highlight::kSelected);
        QCOMPARE(calendar.CellOf({14, 2, 2024})->highlight(), Highlight::kToday);

        // The selected day again, and a blank cell, change nothing.
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseClick(calendar.view->cell(6, 6), Qt::LeftButton);
        DeliverPosted();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(calendar.view->selected(), (CalendarDate{20, 2, 2024}));

        CPLXCalendarChild* other = calendar.CellOf({22, 2, 2024});
        QTest::mouseClick(other, Qt::LeftButton);
        QTest::mouseDClick(other, Qt::LeftButton);
        QTRY_COMPARE(doubles.count(), 1);
        QCOMPARE(changes.count(), 2);  // the press selected it; the double click found it selected
        QCOMPARE(calendar.view->selected(), (CalendarDate{22, 2, 2024}));
    }

    void headerClickMovesTheSelectionWithinItsWeek() {
        Calendar calendar(Hebrew(), {14, 2, 2024}, true);
        calendar.view->setCivil({22, 2, 2024});  // a Thursday
        QTest::mouseClick(calendar.view->cell(0, 1), Qt::LeftButton);
        QTRY_COMPARE(calendar.view->selected(), (CalendarDate{19, 2, 2024}));  // that Monday
        // When today is the selected day, today's week is the one.
        calendar.view->setCivil({14, 2, 2024});
        QTest::mouseClick(calendar.view->cell(0, 6), Qt::LeftButton);
        QTRY_COMPARE(calendar.view->selected(), (CalendarDate{17, 2, 2024}));
        // A header whose cell in the selected week is blank moves nothing: Adar I 5784 opens
        // on a Saturday.
        calendar.view->setFromHebrew({1, 6, 5784});
        QSignalSpy changes(calendar.view.get(), &CPLXCalendar::dateChanged);
        QTest::mouseClick(calendar.view->cell(0, 2), Qt::LeftButton);
        DeliverPosted();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(calendar.view->selected(), (CalendarDate{10, 2, 2024}));
    }

    void headerClickWithNothingSelectedMovesNothing() {
        CPLXCalendar view(English());
        view.resize(600, 410);
        view.LayOutCells();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy changes(&view, &CPLXCalendar::dateChanged);
        QTest::mouseClick(view.cell(0, 2), Qt::LeftButton);
        DeliverPosted();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(view.selected(), (CalendarDate{0, 0, 0}));
    }

    void headerClickAfterAShorterMonthUsesTheSelectedWeek() {
        Calendar calendar(English(), {1, 1, 2000}, true);
        calendar.ShowMonth({31, 3, 2025}, true);  // March 2025 reaches a sixth row
        QCOMPARE(calendar.view->cell(6, 1)->highlight(), Highlight::kSelected);
        calendar.view->setCivil({28, 2, 2025});  // February 2025 ends in the fifth
        QVERIFY(calendar.view->cell(6, 1)->isBlank());
        QTest::mouseClick(calendar.view->cell(0, 1), Qt::LeftButton);
        QTRY_COMPARE(calendar.view->selected(), (CalendarDate{24, 2, 2025}));
    }

    void hoverOpensTheEventsBalloonOncePerEntry_data() {
        QTest::addColumn<bool>("hebrew");
        QTest::newRow("Hebrew") << true;
        QTest::newRow("English") << false;
    }

    void hoverOpensTheEventsBalloonOncePerEntry() {
        QFETCH(bool, hebrew);
        const CalendarViewLanguage language = hebrew ? Hebrew() : English();
        Calendar calendar(language, {14, 2, 2024}, true);
        calendar.view->setFromHebrew({18, 8, 5779});  // Tuesday in the middle of Pesach
        CPLXCalendarChild* festival = calendar.CellOf({23, 4, 2019});
        QVERIFY(!festival->eventsText().isEmpty());
        // In from a blank cell, which opens no balloon.
        CPLXCalendarChild* blank = calendar.view->cell(6, 6);
        QVERIFY(blank->isBlank());
        QTest::mouseMove(blank, QPoint(20, 20));
        QTest::mouseMove(festival, QPoint(20, 40));
        QTRY_COMPARE(festival->findChildren<BalloonTip*>().size(), 1);
        QCOMPARE(blank->findChildren<BalloonTip*>().size(), 0);
        // Moving inside the cell opens no second balloon.
        QTest::mouseMove(festival, QPoint(30, 45));
        QTest::mouseMove(festival, QPoint(25, 35));
        DeliverPosted();
        QCOMPARE(festival->findChildren<BalloonTip*>().size(), 1);
        BalloonTip* balloon = festival->findChild<BalloonTip*>();
        QVERIFY(balloon->isVisible());
        QCOMPARE(balloon->title(), festival->dayText());
        QCOMPARE(balloon->content(), festival->eventsText());
        const QRect client = festival->clientRect();
        QCOMPARE(balloon->tip(),
                 festival->mapToGlobal(client.topLeft() + QPoint(client.width() / 2, 5)));
        // Mirror images: the stem sits near the balloon's right end in Hebrew.
        const int stemFromLeft = balloon->tip().x() - balloon->geometry().left();
        QCOMPARE(stemFromLeft > balloon->width() / 2, language.rightToLeft);

        // Leaving the cell closes it; a day without events opens none.
        const QList<CPLXCalendarChild*> days = calendar.Days();
        const auto plainDay = std::find_if(days.begin(), days.end(),
                                           [](auto* day) { return day->eventsText().isEmpty(); });
        QVERIFY(plainDay != days.end());
        CPLXCalendarChild* plain = *plainDay;
        QTest::mouseMove(plain, QPoint(20, 20));
        QTRY_COMPARE(festival->findChildren<BalloonTip*>().size(), 0);
        DeliverPosted();
        QCOMPARE(plain->findChildren<BalloonTip*>().size(), 0);
        // Re-entering opens it again.
        QTest::mouseMove(festival, QPoint(20, 40));
        QTRY_COMPARE(festival->findChildren<BalloonTip*>().size(), 1);
    }

    void quickCrossingLeavesNoBalloonBehind() {
        Calendar calendar(English(), {14, 2, 2024}, true);
        calendar.view->setFromHebrew({18, 8, 5779});
        CPLXCalendarChild* crossed = calendar.CellOf({23, 4, 2019});
        CPLXCalendarChild* reached = calendar.CellOf({24, 4, 2019});
        QVERIFY(!crossed->eventsText().isEmpty() && !reached->eventsText().isEmpty());
        QTest::mouseMove(calendar.view->cell(6, 6), QPoint(20, 20));
        // Two moves in one batch: both cells post their hover before either is handled.
        QCursor::setPos(crossed->mapToGlobal(QPoint(20, 40)));
        QCursor::setPos(reached->mapToGlobal(QPoint(20, 40)));
        QTRY_COMPARE(reached->findChildren<BalloonTip*>().size(), 1);
        QCOMPARE(crossed->findChildren<BalloonTip*>().size(), 0);
    }

    // The balloon tells of the day under the mouse: it goes as soon as the cell shows another
    // day (the keyboard moved the month) or the mouse leaves the grid, and stays while the cell
    // keeps its day.
    void balloonGoesWithItsDay_data() {
        QTest::addColumn<int>("key");  // 0: the mouse leaves the grid instead
        QTest::newRow("next month") << int(Qt::Key_PageDown);
        QTest::newRow("month before") << int(Qt::Key_PageUp);
        QTest::newRow("a week down into the next month") << int(Qt::Key_Down);
        QTest::newRow("mouse out of the grid") << 0;
    }

    void balloonGoesWithItsDay() {
        QFETCH(int, key);
        Calendar calendar(English(), {14, 2, 2024}, true);
        calendar.view->setFromHebrew({25, 8, 5779});
        CPLXCalendarChild* festival = calendar.CellOf({23, 4, 2019});
        QTest::mouseMove(calendar.view->cell(6, 6), QPoint(20, 20));
        QTest::mouseMove(festival, QPoint(20, 40));
        QTRY_COMPARE(festival->findChildren<BalloonTip*>().size(), 1);
        calendar.view->setFocus();
        QTest::keyClick(calendar.view.get(), Qt::Key_Left);  // another day of the same month
        DeliverPosted();
        QCOMPARE(festival->findChildren<BalloonTip*>().size(), 1);
        const QPointer<BalloonTip> balloon = festival->findChild<BalloonTip*>();
        QVERIFY(balloon->isVisible());

        if (key != 0) {
            QTest::keyClick(calendar.view.get(), Qt::Key(key));
            QVERIFY(festival->date() != (CalendarDate{23, 4, 2019}));
        } else {
            // Out of the view without crossing another cell, as when a window comes over it.
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(calendar.view.get(), &leave);
        }
        QVERIFY(!balloon || !balloon->isVisible());
    }

    void balloonClosesByItself() {
        Calendar calendar(English(), {14, 2, 2024}, true);
        calendar.view->setFromHebrew({15, 8, 5779});
        CPLXCalendarChild* festival = calendar.CellOf({20, 4, 2019});
        QTest::mouseMove(festival, QPoint(20, 40));
        QTRY_COMPARE(festival->findChildren<BalloonTip*>().size(), 1);
        auto* closing = festival->findChild<BalloonTip*>()->findChild<QTimer*>(u"closeTimer"_qs);
        QVERIFY(closing->isActive());
        QCOMPARE(closing->interval(), 5000);  // five seconds, unless the mouse leaves first
        closing->start(0);
        QTRY_COMPARE(festival->findChildren<BalloonTip*>().size(), 0);
    }

    void midnightMovesOnlyTheTodayHighlight() {
        Calendar calendar(Hebrew(), {14, 2, 2024});
        calendar.view->setCivil({20, 2, 2024});
        QSignalSpy changes(calendar.view.get(), &CPLXCalendar::dateChanged);
        auto* timer = calendar.view->findChild<QTimer*>(u"todayTimer"_qs);
        timer->setInterval(5);
        // The view is connected first, so each tick the spy sees has been handled.
        QSignalSpy ticks(timer, &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 2);
        QCOMPARE(changes.count(), 0);  // the same day: nothing to do

        *calendar.clock = {15, 2, 2024};
        QTRY_COMPARE(calendar.view->today(), (CalendarDate{15, 2, 2024}));
        QCOMPARE(calendar.view->todayHebrew(), CivilToHebrew({15, 2, 2024}));
        QCOMPARE(calendar.view->selected(), (CalendarDate{20, 2, 2024}));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).value<CalendarDate>(), (CalendarDate{20, 2, 2024}));
        QCOMPARE(calendar.CellOf({14, 2, 2024})->highlight(), Highlight::kNone);
        QCOMPARE(calendar.CellOf({15, 2, 2024})->highlight(), Highlight::kToday);
        QCOMPARE(calendar.CellOf({20, 2, 2024})->highlight(), Highlight::kSelected);
        QCOMPARE(calendar.view->cell(0, 3)->highlight(), Highlight::kNone);
        QCOMPARE(calendar.view->cell(0, 4)->highlight(), Highlight::kToday);
    }

    // The view asks for the names of the whole month at once and shows each day's in its cell
    // and its balloon; a refill after the dates changed shows the new names in the same cells.
    void personalDatesShowInTheirDaysCellsAndBalloons_data() {
        QTest::addColumn<bool>("hebrew");
        QTest::addColumn<bool>("civilMode");
        QTest::newRow("Hebrew, Hebrew month") << true << false;
        QTest::newRow("English, civil month") << false << true;
    }

    void personalDatesShowInTheirDaysCellsAndBalloons() {
        QFETCH(bool, hebrew);
        QFETCH(bool, civilMode);
        Calendar calendar(hebrew ? Hebrew() : English(), {14, 2, 2024}, true);
        const DayNumber purim = CivilToDayNumber({24, 3, 2024});
        const DayNumber plainDay = CivilToDayNumber({20, 3, 2024});
        auto names = std::make_shared<QHash<DayNumber, QStringList>>();
        names->insert(purim, {u"Sarah"_qs});
        names->insert(plainDay, {u"David"_qs, u"Miriam"_qs});
        QList<std::pair<DayNumber, DayNumber>> asked;
        calendar.view->setPersonalNames([names, &asked](DayNumber first, DayNumber last) {
            asked << std::pair{first, last};
            std::vector<QStringList> days;
            for (DayNumber n = first; n <= last; ++n)
                days.push_back(names->value(n));
            return days;
        });
        calendar.ShowMonth({24, 3, 2024}, civilMode);
        // One span, from the first to the last day shown.
        QVERIFY(!asked.isEmpty());
        const QList<CPLXCalendarChild*> days = calendar.Days();
        QCOMPARE(asked.last(), (std::pair{CivilToDayNumber(days.first()->date()),
                                          CivilToDayNumber(days.last()->date())}));
        for (CPLXCalendarChild* day : days) {
            const QStringList expected = names->value(CivilToDayNumber(day->date()));
            QCOMPARE(day->personalText(), expected.join(u'\n'));
        }
        CPLXCalendarChild* festival = calendar.CellOf({24, 3, 2024});
        QVERIFY(!festival->eventsText().isEmpty());
        QCOMPARE(festival->balloonText(), festival->eventsText() + u"\nSarah"_qs);

        // A day with only personal dates opens a balloon of their names.
        CPLXCalendarChild* family = calendar.CellOf({20, 3, 2024});
        QVERIFY(family->eventsText().isEmpty());
        QTest::mouseMove(family, QPoint(20, 40));
        QTRY_COMPARE(family->findChildren<BalloonTip*>().size(), 1);
        QCOMPARE(family->findChild<BalloonTip*>()->content(), u"David\nMiriam"_qs);
        QTest::mouseMove(festival, QPoint(20, 40));
        QTRY_COMPARE(festival->findChildren<BalloonTip*>().size(), 1);
        QCOMPARE(festival->findChild<BalloonTip*>()->content(), festival->balloonText());

        // A date deleted and another added: the refill of the same month shows it.
        names->remove(plainDay);
        names->insert(purim, {u"Sarah"_qs, u"Rivka"_qs});
        calendar.view->Refill();
        QCOMPARE(family->personalText(), QString());
        QVERIFY(!family->hasPersonal());
        QCOMPARE(festival->personalText(), u"Sarah\nRivka"_qs);
        // Cells outside the month keep none.
        calendar.ShowMonth({1, 2, 2015}, true);
        for (int index = 0; index < 42; ++index) {
            CPLXCalendarChild* cell = calendar.view->cell(1 + index / 7, index % 7);
            if (cell->isBlank())
                QVERIFY(!cell->hasPersonal());
        }
    }

    void oneDayStepRepaintsOnlyTheCellsThatChange() {
        Calendar calendar(English(), {1, 1, 2000}, true);
        calendar.view->setCivil({13, 2, 2024});
        // The update requests are posted events: handing them over paints what is due now.
        QCoreApplication::sendPostedEvents();
        struct PaintCounter : QObject {
            QSet<QObject*> painted;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Paint)
                    painted.insert(watched);
                return false;
            }
        } counter;
        for (int index = 0; index < 49; ++index) {
            calendar.view->cell(index / 7, index % 7)->installEventFilter(&counter);
        }
        calendar.view->setCivil({14, 2, 2024});
        QCoreApplication::sendPostedEvents();
        const QSet<QObject*> expected{calendar.CellOf({13, 2, 2024}),
                                      calendar.CellOf({14, 2, 2024}), calendar.view->cell(0, 2),
                                      calendar.view->cell(0, 3)};
        QCOMPARE(counter.painted, expected);
    }
};

QTEST_MAIN(CalendarViewTest)
#include "calendar_view_qtest.moc"
