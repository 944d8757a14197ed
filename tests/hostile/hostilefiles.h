#pragma once

#include <QByteArray>
#include <QString>

// Data files that a careless editor, a bad copy or a runaway script could leave behind,
// shared by the hostile-file tests and their benchmark. Each is a head written once, a
// block repeated after it and a tail; the block carries the bulk, so that the problems
// grow with the file and a smaller copy only needs fewer repetitions.
enum class HostileKind {
    Mixed50MB,
    Line10MB,
    NulBytes,
    Windows1252,
    MillionComments,
    MillionInvalidHeaders,
    CrOnly,
    MixedLineEnds,
};

struct HostileFile {
    const char *name;
    QByteArray head;
    QByteArray block;
    qint64 repetitions; // of the block in the full-size file
    QByteArray tail;
};

const HostileFile &hostileFile(HostileKind kind);

// Writes the file with its block repeated the given number of times; false on failure.
bool writeHostileFile(const HostileFile &file, qint64 repetitions, const QString &path);
