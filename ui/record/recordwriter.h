#pragma once

#include "quiz/attempt.h"
#include "quiz/resultsfile.h"
#include "ui/record/recorddatabase.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// Writes each try into the learning record and each finished series into the hand-in folder,
// away from the quiz: the program gives it a thread of its own. A series takes the account's
// next number with its first try, so that the record and the handed-in files agree. Each
// problem is told once, as a notice for the student, and the quiz goes on.
class RecordWriter final : public QObject {
    Q_OBJECT
public:
    // An empty record folder keeps no record and numbers the series as the run does; an empty
    // hand-in folder hands nothing in.
    RecordWriter(const QString &recordFolder, const QString &handInFolder, const QString &dataFile);
    ~RecordWriter() override;

    // Takes the data file's fingerprint, and opens the record when it is kept.
    void open(bool keepRecord);
    void setKeepRecord(bool keep);
    void store(Attempt attempt);
    // Hands in the finished series, given by the run's number, under the student's name.
    void handIn(int runSeries, const QString &student);
    // Closes the record; to be called in the thread that opened it.
    void close();

signals:
    void notice(const QString &text);

private:
    int accountSeries(int runSeries);

    const QString m_recordFolder;
    const QString m_handInFolder;
    const QString m_dataFile;
    QString m_fingerprint;
    std::unique_ptr<RecordDatabase> m_database;     // while the record is written
    QHash<int, int> m_accountSeries;                // by the run's number
    QHash<int, QList<ResultsFile::Row>> m_unhanded; // the tries of each series not handed in yet
};
