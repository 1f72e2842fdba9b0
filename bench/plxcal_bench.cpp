// Whole plxcal processes, start-up included, with their output thrown away. The time is the
// child's CPU time (user + system), which other work on the machine disturbs far less than the
// wall clock; the counters add the wall time and the peak resident memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <spawn.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct ChildUsage {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double peakMegabytes = 0;
};

// An empty settings store of its own, so that the stored options of whoever runs it do not count.
std::string ConfigDirectory() {
    static const std::string dir = [] {
        const auto path = std::filesystem::temp_directory_path() / "plxcal_bench_config";
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return dir;
}

ChildUsage RunPlxcal(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), PLXCAL_PATH);
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::string config = "XDG_CONFIG_HOME=" + ConfigDirectory();
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::string_view(*e).rfind("XDG_CONFIG_HOME=", 0) != 0)
            env.push_back(*e);
    }
    env.push_back(config.data());
    env.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    ChildUsage usage;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env.data()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return usage;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage r{};
    wait4(pid, &status, 0, &r);
    usage.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    usage.cpuSeconds = static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
                       static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
    usage.peakMegabytes = static_cast<double>(r.ru_maxrss) / 1024.0;  // kilobytes on Linux
    return usage;
}

void Measure(benchmark::State& state, const std::vector<std::string>& arguments) {
    double wall = 0;
    double peak = 0;
    for (auto _ : state) {
        const ChildUsage usage = RunPlxcal(arguments);
        state.SetIterationTime(usage.cpuSeconds);
        wall += usage.wallSeconds;
        peak = std::max(peak, usage.peakMegabytes);
    }
    state.counters["wall_s"] = benchmark::Counter(wall / static_cast<double>(state.iterations()));
    state.counters["peak_MB"] = peak;
}

void BM_RangeCenturyJson(benchmark::State& state) {
    Measure(state, {"range", "2000-01-01", "2099-12-31", "--json"});
}
BENCHMARK(BM_RangeCenturyJson)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A tenth of the century: the peak memory must not grow with the range.
void BM_RangeDecadeJson(benchmark::State& state) {
    Measure(state, {"range", "2000-01-01", "2009-12-31", "--json"});
}
BENCHMARK(BM_RangeDecadeJson)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TimesDecadeAllJson(benchmark::State& state) {
    Measure(state, {"times", "2024-01-01", "2033-12-31", "--all", "--json"});
}
BENCHMARK(BM_TimesDecadeAllJson)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TimesDecadeAllText(benchmark::State& state) {
    Measure(state, {"times", "2024-01-01", "2033-12-31", "--all"});
}
BENCHMARK(BM_TimesDecadeAllText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TimesYearAllJson(benchmark::State& state) {
    Measure(state, {"times", "2024-01-01", "2024-12-31", "--all", "--json"});
}
BENCHMARK(BM_TimesYearAllJson)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Calendar files: a year, and twenty years (the longest span without --force) with every event,
// portion, Daf Yomi page and time of day; the peak memory must not grow with the span.
std::vector<std::string> IcsEverything(const char* last) {
    return {"ics",
            "2024-01-01",
            last,
            "--events",
            "--portion",
            "--daf",
            "--candles",
            "--times",
            "BreakOfDawn,TalitTfilin,Sunrise,EndShmaMaga,EndShmaGra,EndShachritMaga,"
            "EndShachritGra,Midday,MinchaGdolaMaga,MinchaGdolaGra,MinchaGdola30,MinchaKtanaMaga,"
            "MinchaKtanaGra,PlagHaMinchaMaga,PlagHaMinchaGra,Sunset,StarsOutStandard,StarsOutGra,"
            "StarsOutRashaz,StarsOutRt,Motzash",
            "--out",
            "/dev/null"};
}

void BM_IcsYearEverything(benchmark::State& state) {
    Measure(state, IcsEverything("2024-12-31"));
}
BENCHMARK(BM_IcsYearEverything)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_IcsTwentyYearsEverything(benchmark::State& state) {
    Measure(state, IcsEverything("2043-12-31"));
}
BENCHMARK(BM_IcsTwentyYearsEverything)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
