#include "catalogue/loader.h"

#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <cstring>

// One measurement of the loader benchmark in a process of its own, as the program loads its
// file once at its start: "lines PATH" reads the file line by line and does nothing else,
// the floor; "load PATH" loads it as the program does. Prints the milliseconds taken.
namespace {

void readLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    char line[4096];
    while (file.readLine(line, sizeof line) > 0) {
    }
}

// Message boxes answered at once; the program's limit of boxes still applies.
struct SilentSink final : MessageSink {
    MessageAnswer show(const Message &) override { return MessageAnswer::Ok; }
};

void load(const QString &path) {
    IonCatalogue catalogue;
    SilentSink sink;
    MessageBoxDiagnostics diagnostics(sink);
    LoadIonsFile(path, catalogue, diagnostics);
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3)
        return 2;
    const bool floor = std::strcmp(argv[1], "lines") == 0;
    const QString path = QString::fromLocal8Bit(argv[2]);
    QElapsedTimer clock;
    clock.start();
    floor ? readLines(path) : load(path);
    std::printf("%f\n", double(clock.nsecsElapsed()) / 1e6);
    return 0;
}
