#pragma once

#include "quiz/resultsfile.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The three parts of the class report. Each list is sorted by its count, the highest first,
// ties in the order of the name (or code); percentages are rounded to whole numbers, halves up.
struct CategoryShare {
    QString code; // as the files wrote it, which may be one this checker does not know
    int wrongTries = 0;
    int sharePercent = 0; // of all wrong tries
    // Up to two answers (the text shown, what was typed), the most often typed first.
    QList<std::pair<QString, QString>> examples;
};

// Missed tries are the wrong ones and the give-ups.
struct IonMisses {
    QString name; // "iron(III)", "sulfate"
    int missedTries = 0;
    int tries = 0;
};

struct StudentFigures {
    QString name;
    int series = 0;
    int tries = 0;
    int firstTryRightPercent = 0; // of the questions begun, 0 when none
    QString topCategory;          // the code of their most frequent mistake; empty when none
};

struct ClassSummary {
    int tries = 0;
    int wrongTries = 0;
    QList<CategoryShare> categories; // those with wrong tries
    QList<IonMisses> ions;           // those missed at least once
    QList<StudentFigures> students;
};

// Counts the tries of a class's results files, one line at a time: the files in the order of
// their names, which for a student's hand-ins is the order of time, each in its own order. A
// series is a run of lines of one student and series number. A new run of the program counts
// its series from 1 again, so a series also ends where the question number falls, or where it
// stays though its question had ended (right, variant or given up). The first line of a
// question is its first try. A series may go on from one file into the next, as a saved
// record may end in the middle of one.
class ClassTally {
public:
    // Only the tries from `since` on count, as if the others were not in the files; every try
    // when it is invalid.
    explicit ClassTally(QDateTime since = {});

    void add(const ResultsFile::Row &row);

    ClassSummary summary() const;

private:
    using Answer = std::pair<QString, QString>; // the text shown, what was typed
    struct Place {
        QString student;
        int series = 0;
        int question = 0;
        bool questionEnded = false;
    };
    struct AnswerCount {
        int count = 0;
        int firstSeen = 0;
    };
    struct CategoryCount {
        int wrongTries = 0;
        QHash<Answer, AnswerCount> answers;
    };
    struct IonCount {
        int missed = 0;
        int tries = 0;
    };
    struct StudentCount {
        int series = 0;
        int tries = 0;
        int questions = 0;
        int firstTryRight = 0;
        QHash<QString, int> mistakes;
    };

    static QList<Answer> mostTyped(const QHash<Answer, AnswerCount> &answers);
    bool startsSeries(const ResultsFile::Row &row) const;
    void countIon(const QString &name, bool missed);

    QDateTime m_since;
    std::optional<Place> m_previous;
    int m_tries = 0;
    int m_wrongTries = 0;
    QHash<QString, CategoryCount> m_categories;
    QHash<QString, IonCount> m_ions;
    QHash<QString, StudentCount> m_students;
};
