#include "hostilefiles.h"
#include "statistics.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

// The program's loader and the checker on every hostile file with a size, at a tenth of its
// size and in full. Time per byte of the full file over that of the tenth is 1 when the
// cost grows linearly with the file.
namespace {

constexpr int Rounds = 5;

// Milliseconds of the program's load in a fresh process, as loadonce measures it; NaN when
// it failed.
double loaderMs(const QString &path) {
    QProcess load;
    load.start(QStringLiteral(LOAD_ONCE_PROGRAM), {QStringLiteral("load"), path});
    if (!load.waitForFinished(-1) || load.exitCode() != 0)
        return std::nan("");
    bool read = false;
    const double ms = load.readAllStandardOutput().trimmed().toDouble(&read);
    return read ? ms : std::nan("");
}

// Milliseconds of a whole run of the checker, its report thrown away; NaN when it failed.
double checkerMs(const QString &path) {
    QProcess check;
    check.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    check.start(QStringLiteral(CHECK_PROGRAM), {path});
    if (!check.waitForFinished(-1) || check.exitStatus() != QProcess::NormalExit ||
        check.exitCode() != 0)
        return std::nan("");
    return double(clock.nsecsElapsed()) / 1e6;
}

struct Times {
    std::vector<double> tenth, full;
};

void HostileLoad(benchmark::State &state, HostileKind kind) {
    const QTemporaryDir folder;
    const HostileFile &file = hostileFile(kind);
    const QString tenth = folder.filePath(QStringLiteral("tenth.dat"));
    const QString full = folder.filePath(QStringLiteral("full.dat"));
    // The head and tail alone: the checker's start, which the loader's own clock leaves out.
    const QString fixed = folder.filePath(QStringLiteral("fixed.dat"));
    if (!writeHostileFile(file, file.repetitions / 10, tenth) ||
        !writeHostileFile(file, file.repetitions, full) || !writeHostileFile(file, 0, fixed))
        return state.SkipWithError("cannot write the hostile files");
    Times loader, checker;
    for (auto _ : state) {
        const double start = checkerMs(fixed);
        loader.tenth.push_back(loaderMs(tenth));
        checker.tenth.push_back(checkerMs(tenth) - start);
        loader.full.push_back(loaderMs(full));
        checker.full.push_back(checkerMs(full) - start);
        if (std::isnan(loader.tenth.back() + checker.tenth.back() + loader.full.back() +
                       checker.full.back()))
            return state.SkipWithError("a measured process failed");
        state.SetIterationTime((loader.full.back() + checker.full.back()) / 1e3);
    }
    const double sizeRatio = double(QFileInfo(full).size()) / double(QFileInfo(tenth).size());
    state.counters["loader_tenth_ms"] = median(loader.tenth);
    state.counters["loader_full_ms"] = median(loader.full);
    state.counters["loader_per_byte"] = medianRatio(loader.full, loader.tenth) / sizeRatio;
    state.counters["checker_tenth_ms"] = median(checker.tenth);
    state.counters["checker_full_ms"] = median(checker.full);
    state.counters["checker_per_byte"] = medianRatio(checker.full, checker.tenth) / sizeRatio;
}

} // namespace

int main(int argc, char *argv[]) {
    for (const HostileKind kind :
         {HostileKind::Mixed50MB, HostileKind::Line10MB, HostileKind::NulBytes,
          HostileKind::Windows1252, HostileKind::MillionComments,
          HostileKind::MillionInvalidHeaders, HostileKind::CrOnly}) {
        const std::string name = std::string("Hostile/") + hostileFile(kind).name;
        benchmark::RegisterBenchmark(name.c_str(), HostileLoad, kind)
            ->Iterations(Rounds)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
