#pragma once

#include "quiz/quizports.h"

#include <QList>

// Hands each try and each finished series to every recorder in turn: the learning record, and
// whatever else learns from the same tries.
class AttemptFanOut final : public AttemptRecorder {
public:
    explicit AttemptFanOut(QList<AttemptRecorder *> recorders)
        : m_recorders(std::move(recorders)) {}

    void add(AttemptRecorder *recorder) { m_recorders.append(recorder); }

    void recordAttempt(const Attempt &attempt) override {
        for (AttemptRecorder *recorder : m_recorders)
            recorder->recordAttempt(attempt);
    }
    void seriesFinished(int series) override {
        for (AttemptRecorder *recorder : m_recorders)
            recorder->seriesFinished(series);
    }

private:
    QList<AttemptRecorder *> m_recorders;
};
