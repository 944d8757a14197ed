#pragma once

#include "ioncatalogue.h"

#include <QLatin1StringView>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <array>

enum class CompoundKind { Ionic, SimpleCovalent, ComplexCovalent };

// The question on screen, with its expected answers.
struct Question {
    // Ionic: the cation. Simple covalent: the first element, whose cationCharge counts
    // the atoms of the second element.
    QString cationName;
    QString cationSymbol;
    QString cationCharge;
    // Ionic: the anion. Simple covalent: the second element, whose anionCharge counts the
    // atoms of the first element.
    QString anionName;
    QString anionFormula;
    QString anionCharge;
    bool multivalent = false; // the cation's charge was drawn from several
    bool askName = false;     // the formula is shown and the name asked
    CompoundKind kind = CompoundKind::Ionic;
    QString compoundName;
    QString formula;

    // The cation's or element's name and symbol, with the one charge or count in force.
    void takeCation(const IonEntry &entry, const QString &charge);
    void takeAnion(const IonEntry &entry);
    // Empties the eight texts; the two flags and the kind stay.
    void clearTexts();
};

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

enum class AnswerCategory;

// The running quiz of the question window.
struct QuizState {
    qint16 questionNumber = 0; // 1 to 20 while a question is on screen
    qint16 correctCount = 0;
    qint16 wrongCount = 0;
    Question question;
    AnswerLog answerLog;
    QMap<AnswerCategory, int> mistakes; // the series' wrong attempts, by what they got wrong

    LogEntry &currentLogEntry() { return answerLog.at(std::size_t(questionNumber)); }
};
