#include "bench/statistics.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <iterator>

namespace {

constexpr int Rounds = 9;

// The nine sections in the usual order, each with a ninth of the file in entries of its kind
// and comments between them. Once a table holds its 40 entries, every further entry is
// checked in full and then refused as an overflow, the longest way through the loader.
struct Section {
    const char *header;
    const char *entry;
};
constexpr Section Sections[] = {
    {"[Cations-monovalent]", "sodium,Na,1"},    {"[Cations-multivalent]", "iron,Fe,23"},
    {"[Anions-simple]", "chloride,Cl,1"},       {"[Anions-polyatomic]", "sulfate,SO4,2"},
    {"[Anions-derivative]", "chlorite,ClO2,1"}, {"[Anions-hydrogen]", "hydrogen carbonate,HCO3,1"},
    {"[Anions-other]", "hydroxide,OH,1"},       {"[Covalent-simple]", "phosphorus,P,35"},
    {"[Covalent-complex]", "ammonia,NH3"},
};

QString writeSyntheticFile(const QTemporaryDir &folder, int megabytes) {
    const QString path = folder.filePath(QStringLiteral("ions-%1MB.dat").arg(megabytes));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    const qint64 sectionSize = (qint64(megabytes) << 20) / std::size(Sections);
    for (const Section &section : Sections) {
        const QByteArray entry = QByteArray(section.entry) + "\r\n";
        const QByteArray lines = entry + entry + "; two entries, then a comment\r\n";
        file.write(QByteArray(section.header) + "\r\n");
        for (qint64 size = 0; size < sectionSize; size += lines.size())
            file.write(lines);
    }
    return path;
}

// Milliseconds that one measurement took in a fresh process: a second load in the same
// process would find the memory of the first one ready for reuse. NaN when it failed.
double measureOnce(const char *what, const QString &path) {
    QProcess measurement;
    measurement.start(QStringLiteral(LOAD_ONCE_PROGRAM), {QLatin1String(what), path});
    if (!measurement.waitForFinished(-1) || measurement.exitCode() != 0)
        return std::nan("");
    bool read = false;
    const double ms = measurement.readAllStandardOutput().trimmed().toDouble(&read);
    return read ? ms : std::nan("");
}

struct Samples {
    std::vector<double> floor, ours;

    void measure(const QString &path, bool oursFirst) {
        if (oursFirst)
            ours.push_back(measureOnce("load", path));
        floor.push_back(measureOnce("lines", path));
        if (!oursFirst)
            ours.push_back(measureOnce("load", path));
    }
};

void Loader(benchmark::State &state) {
    const QTemporaryDir folder;
    const QString small = writeSyntheticFile(folder, 5);
    const QString large = writeSyntheticFile(folder, 50);
    if (small.isEmpty() || large.isEmpty())
        return state.SkipWithError("cannot write the synthetic data files");
    Samples five, fifty;
    bool oursFirst = false;
    for (auto _ : state) {
        five.measure(small, oursFirst);
        fifty.measure(large, oursFirst);
        oursFirst = !oursFirst;
        if (std::isnan(five.ours.back() + five.floor.back() + fifty.ours.back() +
                       fifty.floor.back()))
            return state.SkipWithError("a measuring process failed");
        state.SetIterationTime(fifty.ours.back() / 1e3);
    }
    state.counters["floor_5MB_ms"] = median(five.floor);
    state.counters["ours_5MB_ms"] = median(five.ours);
    state.counters["ratio_5MB"] = medianRatio(five.ours, five.floor);
    state.counters["floor_50MB_ms"] = median(fifty.floor);
    state.counters["ours_50MB_ms"] = median(fifty.ours);
    state.counters["ratio_50MB"] = medianRatio(fifty.ours, fifty.floor);
    // Time per byte of the large file over that of the small one: 1 when linear.
    state.counters["floor_linearity"] = medianRatio(fifty.floor, five.floor) / 10;
    state.counters["ours_linearity"] = medianRatio(fifty.ours, five.ours) / 10;
}

} // namespace

BENCHMARK(Loader)->Iterations(Rounds)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
