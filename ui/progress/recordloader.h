#pragma once

#include "quiz/attempt.h"
#include "ui/record/learningrecord.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <memory>

class QThread;

// Reads the learning record's tries until a time on a thread of its own, so that a long record
// never holds up a window. Destroying it waits for the thread and drops what it read.
class RecordLoader final : public QObject {
    Q_OBJECT
public:
    RecordLoader(const LearningRecord &record, const QDateTime &until);
    ~RecordLoader() override;

    // Waits until every try has been read, if need be, and hands them over once.
    QList<Attempt> take();

signals:
    // The tries have been read; take() gives them without waiting.
    void loaded();

private:
    std::unique_ptr<QThread> m_thread;
    QList<Attempt> m_tries; // written by the thread until it has finished
};

// The tries of the record's rows, oldest first.
QList<Attempt> attemptsOf(QList<ResultsFile::Row> rows);
