// The main window: how long it takes to open and paint, one step of a spinner (new date,
// refill of the month view, the six fields and both texts of the times-and-events page), and one
// step of resizing a window as large as a full-HD screen (the grid laid out again and every cell
// painted at its new size).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>

#include "app/settings_store.h"
#include "engine/calendar.h"
#include "ui/calendar_view.h"
#include "ui/main_window.h"
#include "ui/toolkit/up_down.h"
#include "widget_application.h"

namespace {

struct Window {
    plx::MemorySettingsStore store;
    plx::CustomLocationList custom;
    plx::CPLXDlg dlg;

    Window()
        : dlg((store.WriteInteger(u"Settings", u"ShowWelcome", 0), store), custom, QString()) {}
};

void BM_OpenMainWindow(benchmark::State& state) {
    plx::bench::StartApplication();
    for (auto _ : state) {
        Window w;
        w.dlg.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w.dlg.isVisible());
    }
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMillisecond);

void BM_SpinnerStep(benchmark::State& state, bool civilDay) {
    plx::bench::StartApplication();
    Window w;
    w.dlg.show();
    QApplication::processEvents();
    QToolButton* arrow = civilDay ? w.dlg.civilFields()->daySpinner()->UpButton()
                                  : w.dlg.hebrewFields()->yearSpinner()->UpButton();
    for (auto _ : state) {
        arrow->click();
        QApplication::processEvents();  // the repaint of what changed
    }
}
BENCHMARK_CAPTURE(BM_SpinnerStep, CivilDay, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpinnerStep, HebrewYear, false)->Unit(benchmark::kMillisecond);

// Tishrei 5787, a month with text in most cells, in a window of a maximised 1920 x 1080 screen
// that a drag makes a little smaller and larger in turn.
void BM_ResizeLargeWindow(benchmark::State& state) {
    plx::bench::StartApplication();
    Window w;
    w.dlg.CalendarView()->setCivil(plx::HebrewToCivil({3, 1, 5787}));
    const QSize large(1920, 1080);
    w.dlg.resize(large);
    w.dlg.show();
    QApplication::processEvents();
    bool smaller = true;
    for (auto _ : state) {
        w.dlg.resize(smaller ? large - QSize(8, 6) : large);
        smaller = !smaller;
        QApplication::processEvents();  // the layout and the repaint of the whole grid
    }
}
BENCHMARK(BM_ResizeLargeWindow)->Unit(benchmark::kMillisecond);

}  // namespace
