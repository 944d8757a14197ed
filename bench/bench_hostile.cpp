#include "bench/statistics.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

// The files of scripts/hostile-files.sh, whole and with a tenth of their blocks.
const QTemporaryDir folder;

bool writeHostileFiles(const QString &subfolder, int divisor) {
    QProcess script;
    script.start(QStringLiteral("bash"), {QStringLiteral(HOSTILE_FILES_SCRIPT),
                                          folder.filePath(subfolder), QString::number(divisor)});
    return script.waitForFinished(-1) && script.exitCode() == 0;
}

void HostileLoad(benchmark::State &state, const QString &name) {
    const QString tenth = folder.filePath(QStringLiteral("tenth/") + name);
    const QString full = folder.filePath(QStringLiteral("full/") + name);
    // A file of one comment: the checker's start, which the loader's own clock leaves out.
    const QString fixed = folder.filePath(QStringLiteral("fixed.dat"));
    QFile comment(fixed);
    if (!comment.open(QIODevice::WriteOnly) || comment.write("; start\r\n") < 0)
        return state.SkipWithError("cannot write the data file");
    comment.close();
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
    if (!writeHostileFiles(QStringLiteral("full"), 1) ||
        !writeHostileFiles(QStringLiteral("tenth"), 10))
        return 1;
    for (const QString &file :
         QDir(folder.filePath(QStringLiteral("full"))).entryList(QDir::Files)) {
        const std::string name = "Hostile/" + QFileInfo(file).completeBaseName().toStdString();
        benchmark::RegisterBenchmark(name.c_str(), HostileLoad, file)
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
