// The main window: how long it takes to open and paint, and one step of a spinner (new date,
// refill of the month view, the six fields and both texts of the times-and-events page).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>

#include "app/settings_store.h"
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

}  // namespace
