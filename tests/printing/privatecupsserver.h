#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <chrono>

// Points the CUPS client library of this process, and of the programs it starts, at the
// scheduler listening on `socketPath`, with `configFolder` in place of the machine's client
// settings. Takes effect only before the process first talks to CUPS: the library reads it once.
void useCupsServer(const QString &socketPath, const QString &configFolder);

// A CUPS scheduler of the test's own, run from a temporary folder and reached through a socket
// there, so that the machine's own printers, queues and default stay untouched. Every step
// returns the empty text on success, otherwise what went wrong. Stopped when destroyed.
class PrivateCupsServer {
public:
    ~PrivateCupsServer();

    // Starts the scheduler and makes it the CUPS server of this process (useCupsServer).
    QString start();
    // Adds a cups-pdf queue and makes it the scheduler's default printer.
    QString addDefaultPdfQueue();
    QString waitUntilJobsDone(std::chrono::seconds limit);

private:
    QString socketPath() const;
    QString writeConfiguration() const;
    QString run(const QString &program, const QStringList &arguments) const;
    QString errorLogProblems() const;

    QTemporaryDir m_folder{QStringLiteral("/tmp/ionarch-cups-XXXXXX")};
    QProcess m_scheduler;
};
