#include "ui/progress/recordloader.h"

#include <QThread>

QList<Attempt> attemptsOf(QList<ResultsFile::Row> rows) {
    QList<Attempt> tries;
    tries.reserve(rows.size());
    for (ResultsFile::Row &row : rows)
        tries.append(std::move(row.attempt));
    return tries;
}

RecordLoader::RecordLoader(const LearningRecord &record, const QDateTime &until)
    : m_thread(QThread::create(
          [this, &record, until] { m_tries = attemptsOf(record.attempts({}, until)); })) {
    connect(m_thread.get(), &QThread::finished, this, &RecordLoader::loaded);
    // At the window's priority: with practice on, the first question waits for it.
    m_thread->start();
}

RecordLoader::~RecordLoader() {
    m_thread->wait();
}

QList<Attempt> RecordLoader::take() {
    m_thread->wait();
    return std::exchange(m_tries, {});
}
