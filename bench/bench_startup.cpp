#include "bench/recordfixture.h"
#include "bench/statistics.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int Rounds = 25;

struct Launch {
    bool ok = false;
    double paintMs = 0; // exec to the end of the first paint
    double exitMs = 0;
    double peakMiB = 0; // at the first paint
};

long long steadyNanoseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

// Runs the program in the folder of the sample data until it quits after its first paint.
Launch launch(const char *program, char **environment = environ) {
    int output[2];
    if (pipe(output) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, IONARCH_DATA_DIR);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    char *argv[] = {const_cast<char *>(program), nullptr};

    const long long start = steadyNanoseconds();
    pid_t pid = 0;
    const bool spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environment) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string printed;
    char buffer[64];
    for (ssize_t n; spawned && (n = read(output[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, std::size_t(n));
    close(output[0]);
    int status = 0;
    if (!spawned || waitpid(pid, &status, 0) != pid)
        return {};
    const long long end = steadyNanoseconds();
    long long painted = 0;
    long long peakKiB = 0;
    std::istringstream(printed) >> painted >> peakKiB;
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0 && painted > start && peakKiB > 0,
            double(painted - start) / 1e6, double(end - start) / 1e6, double(peakKiB) / 1024.0};
}

// Every sample of one program, in the order of the rounds.
struct Samples {
    std::vector<double> paintMs, exitMs, peakMiB;
};

// The empty window, the text window and Ionarch, all started in each round, in an order that
// rotates from round to round so that none is always first after the others.
void Startup(benchmark::State &state, const char *platform) {
    if (std::string(platform) == "xcb" && !std::getenv("DISPLAY"))
        return state.SkipWithError("no X display: run under xvfb-run");
    setenv("QT_QPA_PLATFORM", platform, 1);
    const std::array<const char *, 3> programs{EMPTY_WINDOW_PROGRAM, TEXT_WINDOW_PROGRAM,
                                               IONARCH_PROGRAM};
    std::array<Samples, programs.size()> samples;
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const std::size_t program = (first + i) % programs.size();
            const Launch launched = launch(programs[program]);
            if (!launched.ok)
                return state.SkipWithError("a program did not paint its window and quit");
            samples[program].paintMs.push_back(launched.paintMs);
            samples[program].exitMs.push_back(launched.exitMs);
            samples[program].peakMiB.push_back(launched.peakMiB);
        }
        first = (first + 1) % programs.size();
        state.SetIterationTime(samples.back().paintMs.back() / 1e3);
    }
    const auto &[floor, text, ours] = samples;
    state.counters["floor_paint_ms"] = median(floor.paintMs);
    state.counters["text_paint_ms"] = median(text.paintMs);
    state.counters["ours_paint_ms"] = median(ours.paintMs);
    state.counters["paint_ratio"] = medianRatio(ours.paintMs, floor.paintMs);
    state.counters["text_paint_ratio"] = medianRatio(text.paintMs, floor.paintMs);
    state.counters["floor_exit_ms"] = median(floor.exitMs);
    state.counters["ours_exit_ms"] = median(ours.exitMs);
    state.counters["floor_peak_MiB"] = median(floor.peakMiB);
    state.counters["text_peak_MiB"] = median(text.peakMiB);
    state.counters["ours_peak_MiB"] = median(ours.peakMiB);
}

// The environment with the user's data folder set to that one.
struct DataHome {
    explicit DataHome(const QString &folder) {
        for (char **variable = environ; *variable; ++variable) {
            if (std::string(*variable).rfind("XDG_DATA_HOME=", 0) != 0)
                owned.emplace_back(*variable);
        }
        owned.push_back("XDG_DATA_HOME=" + folder.toStdString());
        for (std::string &variable : owned)
            pointers.push_back(variable.data());
        pointers.push_back(nullptr);
    }
    std::vector<std::string> owned;
    std::vector<char *> pointers;
};

// Ionarch started with no learning record and with one of 50,000 tries, in turn, offscreen.
void StartupWithRecord(benchmark::State &state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir none(QStringLiteral("/dev/shm/bench_startup-XXXXXX"));
    QTemporaryDir full(QStringLiteral("/dev/shm/bench_startup-XXXXXX"));
    if (!writeRecordOf(50000, full.filePath(QStringLiteral("ionarch"))))
        return state.SkipWithError("the record could not be written");
    std::array<DataHome, 2> homes{DataHome(none.path()), DataHome(full.path())};
    std::array<std::vector<double>, 2> paintMs;
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < homes.size(); ++i) {
            const std::size_t home = (first + i) % homes.size();
            const Launch launched = launch(IONARCH_PROGRAM, homes[home].pointers.data());
            if (!launched.ok)
                return state.SkipWithError("Ionarch did not paint its window and quit");
            paintMs[home].push_back(launched.paintMs);
        }
        first = 1 - first;
        state.SetIterationTime(paintMs[1].back() / 1e3);
    }
    state.counters["without_record_paint_ms"] = median(paintMs[0]);
    state.counters["with_record_paint_ms"] = median(paintMs[1]);
    state.counters["record_paint_ratio"] = medianRatio(paintMs[1], paintMs[0]);
}

} // namespace

BENCHMARK_CAPTURE(Startup, offscreen, "offscreen")
    ->Iterations(Rounds)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, xvfb, "xcb")
    ->Iterations(Rounds)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK(StartupWithRecord)->Iterations(Rounds)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    // The record of 50,000 tries is written through the SQLite driver, a plugin.
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
