#pragma once

#include "catalogue/messages.h"
#include "quiz/quizports.h"
#include "quiz/quizstate.h"

#include <QStringList>

namespace QuizRules {

// The printed results of a series: the opening lines keep the printer's own font size,
// the body is printed at BodyPointSize.
struct ResultsReport {
    static constexpr double BodyPointSize = 20;

    QStringList opening;
    QStringList body;
};

// Correct answers are listed first, then the questions given up, numbered on from them; the
// mistakes of the series' wrong attempts close the report.
ResultsReport resultsReport(const QString &studentName, const QString &date,
                            const QuizState &series);

} // namespace QuizRules

// Asks for the student's name and prints the report of the series on the default
// printer, then confirms; a printer failure abandons the report with a message instead.
void PrintResults(const QuizState &series, TextPrompt &prompt, const DateSource &dateSource,
                  ReportPrinter &printer, MessageSink &messages);
