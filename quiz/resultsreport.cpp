#include "quiz/resultsreport.h"

#include "quiz/feedback/answerfeedback.h"

#include <algorithm>

namespace QuizRules {

namespace {

const QString ProgramTitle = QStringLiteral("** Ionarch  Quiz  Program **");
const QString CorrectHeading =
    QStringLiteral("The  following  questions  were  answered  correctly:");
const QString GivenUpHeading = QStringLiteral("The  following  questions  were  incorrect:");
constexpr int ClosingRuleLength = 50;

QString rule(QChar c, qsizetype length) {
    return QString(length, c);
}

QString entryLine(int number, const QString &shown) {
    return QString::number(number) + QStringLiteral(".  ") + shown;
}

} // namespace

ResultsReport resultsReport(const QString &studentName, const QString &date,
                            const QuizState &series) {
    const AnswerLog &log = series.answerLog;
    ResultsReport report;
    report.opening = {studentName + date, rule(u'=', studentName.size()), QString()};

    QStringList &body = report.body;
    body << rule(u'*', ProgramTitle.size()) << ProgramTitle << rule(u'*', ProgramTitle.size())
         << QString() << QString();
    body << CorrectHeading << rule(u'-', CorrectHeading.size());
    int number = 1;
    for (const LogEntry &entry : log) {
        if (entry.outcome == LogEntry::Correct)
            body << entryLine(number++, entry.shown) + (entry.helpMark == LogEntry::HelpRequested
                                                            ? QStringLiteral("*help needed*")
                                                            : QStringLiteral(" "));
    }
    body << QString() << QString();
    body << GivenUpHeading << rule(u'-', GivenUpHeading.size());
    for (const LogEntry &entry : log) {
        if (entry.outcome == LogEntry::GivenUp)
            body << entryLine(number++, entry.shown);
    }
    body << QString() << rule(u'*', ClosingRuleLength);
    if (!series.mistakes.isEmpty())
        body << QString() << QStringLiteral("Mistakes along the way:");
    for (auto mistake = series.mistakes.cbegin(); mistake != series.mistakes.cend(); ++mistake)
        body << QStringLiteral("  %1: %2").arg(categoryLabel(mistake.key())).arg(mistake.value());
    return report;
}

} // namespace QuizRules

namespace {

bool printLines(ReportPrinter &printer, const QStringList &lines) {
    return std::all_of(lines.begin(), lines.end(),
                       [&](const QString &line) { return printer.printLine(line); });
}

// Stops at the first operation that fails.
bool printReport(ReportPrinter &printer, const QuizRules::ResultsReport &report) {
    return printer.setFontName(QStringLiteral("Lucida Console")) &&
           printLines(printer, report.opening) &&
           printer.setFontSize(QuizRules::ResultsReport::BodyPointSize) &&
           printLines(printer, report.body) && printer.endDocument();
}

} // namespace

void PrintResults(const QuizState &series, TextPrompt &prompt, const DateSource &dateSource,
                  ReportPrinter &printer, MessageSink &messages) {
    const QString name = prompt.askText(QStringLiteral("Please enter your name"),
                                        QStringLiteral("Enter name for printing"));
    if (printReport(printer, QuizRules::resultsReport(name, dateSource.shortDate(), series)))
        messages.show({QStringLiteral("The data has been sent to the DEFAULT printer"),
                       QStringLiteral("Ionarch"), MessageIcon::Information, MessageButtons::Ok});
    else
        messages.show({QStringLiteral("There was a problem printing to your printer."), QString(),
                       MessageIcon::None, MessageButtons::Ok});
}
