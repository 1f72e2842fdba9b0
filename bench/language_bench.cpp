// Loading a language file happens at start-up and at every language switch.
#include "app/language.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

// The program's folder, where the language files are copied, comes from the application object.
QString LanguagePath(const char16_t* file) {
    static int argc = 1;
    static char name[] = "plx_language_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return plx::ExeRelativePath(file);
}

void BM_LoadLanguageFile(benchmark::State& state, const char16_t* file) {
    const QString path = LanguagePath(file);
    for (auto _ : state) {
        if (!plx::LoadLanguageFile(path)) {
            state.SkipWithError("language file not found beside the benchmark");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_LoadLanguageFile, Hebrew, u"Languages/Hebrew.xml")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LoadLanguageFile, English, u"Languages/English.xml")
    ->Unit(benchmark::kMicrosecond);

void BM_LookupString(benchmark::State& state) {
    plx::LoadLanguageFile(LanguagePath(u"Languages/Hebrew.xml"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(plx::LookupString(u"PrintPreview", u"PRINT_LANDSCAPE"));
    }
}
BENCHMARK(BM_LookupString);

}  // namespace
