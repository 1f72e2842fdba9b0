// Speed of the month view's Refill: a step of one day inside the month (texts kept, a few
// highlights move) and a change of month (the texts and events of every cell computed anew).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>

#include "engine/calendar.h"
#include "ui/calendar_view.h"

namespace plx {
namespace {

CalendarViewLanguage HebrewLanguage() {
    return {true,
            Language::kHebrew,
            {u"ראשון"_qs, u"שני"_qs, u"שלישי"_qs, u"רביעי"_qs, u"חמישי"_qs, u"שישי"_qs, u"שבת"_qs}};
}

// Alternates the selection between two days, shown, with the repaints of each step done between
// the timed steps.
void RunSteps(benchmark::State& state, CalendarDate first, CalendarDate second, bool civilMode) {
    CPLXCalendar view(HebrewLanguage());
    view.resize(600, 410);
    view.setTodaySource([] { return CalendarDate{17, 4, 2024}; });
    view.show();
    view.Attach();
    view.setCivilMode(civilMode);
    view.LayOutCells();
    view.setCivil(first);
    bool toSecond = true;
    for (auto _ : state) {
        view.setCivil(toSecond ? second : first);
        toSecond = !toSecond;
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_RefillOneDayStep(benchmark::State& state) {
    RunSteps(state, {23, 4, 2024}, {24, 4, 2024}, false);
}
BENCHMARK(BM_RefillOneDayStep)->Unit(benchmark::kMicrosecond);

// Nisan and Iyar 5784, both full of festival and Omer texts.
void BM_RefillMonthChange(benchmark::State& state) {
    RunSteps(state, {23, 4, 2024}, {23, 5, 2024}, false);
}
BENCHMARK(BM_RefillMonthChange)->Unit(benchmark::kMicrosecond);

void BM_RefillCivilMonthChange(benchmark::State& state) {
    RunSteps(state, {23, 4, 2024}, {23, 5, 2024}, true);
}
BENCHMARK(BM_RefillCivilMonthChange)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plx

// The view needs an application object, so this program brings its own main.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
