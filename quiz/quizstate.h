#pragma once

#include "quiz/composition/question.h"
#include "quiz/feedback/answercategory.h"

#include <QLatin1StringView>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <array>

// What one question of the series showed and how it ended; empty texts when unset.
struct LogEntry {
    static constexpr QLatin1StringView HelpRequested{"F3"};
    static constexpr QLatin1StringView Correct{"Y"};
    static constexpr QLatin1StringView GivenUp{"N"};

    QString helpMark; // HelpRequested: the student opened the help for this question
    QString shown;    // the name or formula that the question box showed
    QString outcome;  // Correct, GivenUp, or empty while the question stands
};

inline constexpr int SeriesLength = 20;

// Row n belongs to question n of the series; row 0 is never written.
using AnswerLog = std::array<LogEntry, SeriesLength + 1>;

// The running quiz of the question window.
struct QuizState {
    qint16 questionNumber = 0; // 1 to 20 while a question is on screen
    qint16 correctCount = 0;
    qint16 wrongCount = 0;
    Question question;
    AnswerLog answerLog;
    // The series' wrong attempts by what they got wrong; those the rules cannot tell count as
    // unclassified, which the report lists last.
    QMap<AnswerCategory, int> mistakes;

    LogEntry &currentLogEntry() { return answerLog.at(std::size_t(questionNumber)); }
};
