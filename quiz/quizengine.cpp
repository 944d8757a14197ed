#include "quiz/quizengine.h"

#include "quiz/composition/composition.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/questionavailability.h"
#include "quiz/resultsreport.h"

namespace {

constexpr int CorrectNoticeMilliseconds = 1300;
const QString CrLf = QStringLiteral("\r\n");

QString nameAndFormula(const Question &question) {
    return question.compoundName + QStringLiteral(" = ") + question.formula;
}

} // namespace

QuizEngine::QuizEngine(const QuizServices &services, QuestionView &view, NoticeWaiter &noticeWaiter)
    : m_services(services)
    , m_view(view)
    , m_noticeWaiter(noticeWaiter)
    , m_draw(services.catalogue, services.settings, services.random) {}

void QuizEngine::start() {
    m_services.random.seedFromClock();
    m_view.answerBox().setPlainText(QString());
    m_view.questionBox().setPlainText(QString());
    m_view.setScoreText(QString());
    m_view.setWrongText(QString());
    m_state = QuizState();
    m_series = 1;
    m_refusedSettings.reset();
}

void QuizEngine::activate() {
    if (!m_view.questionBox().plainText().isEmpty())
        return;
    // Closing the refusal's message box activates the window again: only new settings
    // deserve another try.
    if (m_refusedSettings == m_services.settings)
        return;
    NextQuestion();
}

void QuizEngine::NextQuestion() {
    if (const QString reason = whyNoQuestion(m_services.catalogue, m_services.settings);
        !reason.isEmpty())
        return refuseQuestion(reason);
    // Drawn before it is counted, so that a failed draw leaves the series untouched.
    std::optional<DrawnQuestion> drawn =
        m_services.chooser ? m_services.chooser->nextQuestion(m_draw) : m_draw.drawQuestion();
    if (!drawn)
        return refuseQuestion(
            QStringLiteral("No simple covalent compound could be made: in %1 draws every "
                           "element met an anion of the same formula. Choose other options in "
                           "the options window.")
                .arg(QuestionDraw::CovalentDrawLimit));
    m_refusedSettings.reset();

    ++m_state.questionNumber;
    if (m_state.questionNumber > SeriesLength)
        endSeries();
    m_state.question = drawn->question;
    if (drawn->specificHelp)
        m_help3 = *drawn->specificHelp;
    PoseQuestion();
}

void QuizEngine::CheckAnswer() {
    if (!hasQuestion())
        return;
    const QString typed = m_view.answerBox().plainText();
    const AnswerFeedback feedback =
        QuizRules::judgeAnswer(m_state.question, typed, m_services.catalogue);
    if (feedback.correct) {
        recordTry(feedback.category == AnswerCategory::SpellingVariant ? Verdict::Variant
                                                                       : Verdict::Right,
                  typed);
        AnswerCorrect(feedback.explanation);
        NextQuestion();
    } else {
        recordTry(Verdict::Wrong, typed, QuizRules::categoryCode(feedback.category));
        ++m_state.mistakes[feedback.category];
        if (!AnswerIncorrect(feedback.explanation))
            return;
    }
    m_view.answerBox().giveFocus();
}

void QuizEngine::giveUp() {
    if (!hasQuestion())
        return;
    // Given up as the button is pressed, even if the window closes before the notice's click.
    recordTry(Verdict::GaveUp, QString());
    if (RevealAnswer())
        NextQuestion();
}

void QuizEngine::helpKeyPressed(int functionKey) {
    const std::optional<HelpTopic> topic =
        helpTopicForKey(functionKey, m_services.settings.covalentMode());
    if (!topic)
        return;
    m_services.help.showHelp(*topic, m_help3);
    // Marked once the help has closed: the question may have gone meanwhile.
    if (functionKey == 3 && hasQuestion())
        m_state.currentLogEntry().helpMark = LogEntry::HelpRequested;
}

bool QuizEngine::hasQuestion() const {
    return !m_state.question.formula.isEmpty();
}

void QuizEngine::PoseQuestion() {
    const Question &question = m_state.question;
    QuestionView &view = m_view;
    view.setPrompt(question.askName ? QStringLiteral("Enter the name of this compound:")
                                    : QStringLiteral("Enter the formula for this compound:"));
    // A refusal before this question left them disabled.
    view.setAnswerInputsEnabled(true);

    LogEntry &logEntry = m_state.currentLogEntry();
    if (question.askName) {
        view.questionBox().setFormula(question.formula);
        logEntry.shown = question.formula;
    } else {
        view.questionBox().setPlainText(question.compoundName);
        logEntry.shown = question.compoundName;
    }
    view.answerBox().setPlainText(QString());
    view.answerBox().giveFocus();
}

void QuizEngine::AnswerCorrect(const QString &spelling) {
    QuestionView &view = m_view;
    view.showNotice(NoticeKind::Correct, QStringLiteral("CORRECT!\r\n") +
                                             nameAndFormula(m_state.question) +
                                             (spelling.isEmpty() ? QString() : CrLf + spelling));
    view.repaintNow();
    m_services.pause.pause(CorrectNoticeMilliseconds);
    view.clearNotice();
    m_state.question.clearTexts();
    m_state.currentLogEntry().outcome = LogEntry::Correct;
    ++m_state.correctCount;
    view.setScoreText(QString::number(m_state.correctCount) + QStringLiteral(" correct"));
}

bool QuizEngine::AnswerIncorrect(const QString &explanation) {
    // An explanation says more than the advice to check the spelling, and takes its line.
    return showNoticeUntilClicked(
        NoticeKind::Incorrect,
        QStringLiteral("Incorrect answer, try again.\r\n") +
            (explanation.isEmpty() ? QStringLiteral("(Check spelling.)") : explanation) +
            QStringLiteral("\r\n     > CLICK HERE <"));
}

bool QuizEngine::RevealAnswer() {
    if (!showNoticeUntilClicked(NoticeKind::GivenUp, QStringLiteral("The correct answer is:\r\n") +
                                                         nameAndFormula(m_state.question) +
                                                         QStringLiteral("\r\n     > CLICK HERE <")))
        return false;
    m_state.question.clearTexts();
    m_state.currentLogEntry().outcome = LogEntry::GivenUp;
    ++m_state.wrongCount;
    m_view.setWrongText(QString::number(m_state.wrongCount) + QStringLiteral(" wrong"));
    return true;
}

bool QuizEngine::showNoticeUntilClicked(NoticeKind kind, const QString &text) {
    QuestionView &view = m_view;
    view.showNotice(kind, text);
    view.setAnswerInputsEnabled(false);
    view.repaintNow();
    if (!m_noticeWaiter.waitForClick())
        return false;
    view.clearNotice();
    view.setAnswerInputsEnabled(true);
    return true;
}

void QuizEngine::recordTry(Verdict verdict, const QString &typed, QLatin1StringView category) {
    const Question &question = m_state.question;
    const LogEntry &entry = m_state.currentLogEntry();
    Attempt attempt;
    attempt.time = QDateTime::currentDateTimeUtc();
    attempt.series = m_series;
    attempt.question = m_state.questionNumber;
    attempt.kind = question.kind;
    attempt.askName = question.askName;
    attempt.shown = entry.shown;
    attempt.expected = question.askName ? question.compoundName : question.formula;
    attempt.typed = typed;
    attempt.verdict = verdict;
    attempt.category = category;
    attempt.helpUsed = entry.helpMark == LogEntry::HelpRequested;
    if (question.kind == CompoundKind::Ionic) {
        attempt.cationName = question.cationName;
        attempt.cationCharge = question.cationCharge;
        attempt.multivalent = question.multivalent;
        attempt.anionName = question.anionName;
    }
    m_services.recorder.recordAttempt(attempt);
}

void QuizEngine::endSeries() {
    m_services.recorder.seriesFinished(m_series++);
    const Message printOffer{QStringLiteral("You've completed %1 questions.\r\n"
                                            "Do you want to print out your results?")
                                 .arg(SeriesLength),
                             QStringLiteral("Print a copy?"), MessageIcon::Question,
                             MessageButtons::YesNo};
    if (m_services.messages.show(printOffer) == MessageAnswer::Yes)
        PrintResults(m_state, m_services.textPrompt, m_services.dateSource, m_services.printer,
                     m_services.messages);
    m_state = QuizState();
    m_state.questionNumber = 1;
}

void QuizEngine::refuseQuestion(const QString &reason) {
    // Recorded before the message box, whose closing activates the window again.
    m_refusedSettings = m_services.settings;
    m_state.question.clearTexts();
    QuestionView &view = m_view;
    view.setAnswerInputsEnabled(false);
    view.questionBox().setPlainText(QString());
    view.answerBox().setPlainText(QString());
    m_services.messages.show(
        {reason, QStringLiteral("No question possible"), MessageIcon::Warning, MessageButtons::Ok});
}
