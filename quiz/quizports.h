#pragma once

#include "quiz/attempt.h"
#include "quiz/helptopics.h"
#include "quiz/questiondraw.h"

#include <QString>

// The engine's view of the outside world: small interfaces that the question window
// implements and the tests replace. None of them knows about widgets.

// A box that shows digits lowered below the baseline and reads back as plain text.
class RichTextBox {
public:
    virtual ~RichTextBox() = default;
    virtual QString plainText() const = 0;
    // Replaces the whole content, formatting included; the new text stands on the baseline.
    virtual void setPlainText(const QString &text) = 0;
    // The same with every digit lowered, as formulas show them.
    virtual void setFormula(const QString &text) = 0;
    // Failure to take the focus is ignored.
    virtual void giveFocus() = 0;
};

enum class NoticeKind { Correct, Incorrect, GivenUp };

// The controls of the question window that the quiz changes.
class QuestionView {
public:
    virtual ~QuestionView() = default;
    virtual RichTextBox &questionBox() = 0;
    virtual RichTextBox &answerBox() = 0;
    virtual void setPrompt(const QString &text) = 0;
    // Shows the notice with its border and colour (and enables the notice label).
    virtual void showNotice(NoticeKind kind, const QString &text) = 0;
    // Puts the notice back to rest: no border, button face, empty text.
    virtual void clearNotice() = 0;
    virtual void setScoreText(const QString &text) = 0;
    virtual void setWrongText(const QString &text) = 0;
    // "Check Answer", "I give up" and the answer box together.
    virtual void setAnswerInputsEnabled(bool enabled) = 0;
    virtual void repaintNow() = 0;
};

// The fixed pause after a correct answer: the window paints, input is not handled.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void pause(int milliseconds) = 0;
};

// The wait for the student's click on a notice.
class NoticeWaiter {
public:
    virtual ~NoticeWaiter() = default;
    // Returns true on the click; false when the question window closed meanwhile,
    // after which nothing more of the outcome may happen.
    virtual bool waitForClick() = 0;
};

// The modal one-line input prompt; the empty text when cancelled.
class TextPrompt {
public:
    virtual ~TextPrompt() = default;
    virtual QString askText(const QString &prompt, const QString &title) = 0;
};

// The default printer. Every operation returns false when it failed.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    virtual bool setFontName(const QString &family) = 0;
    virtual bool setFontSize(double points) = 0;
    // Prints the text as one whole line; the empty text gives an empty line.
    virtual bool printLine(const QString &text) = 0;
    // Sends the page or pages to the printer.
    virtual bool endDocument() = 0;
};

// The current date in the system's short date format.
class DateSource {
public:
    virtual ~DateSource() = default;
    virtual QString shortDate() const = 0;
};

// The modal help window.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the topic and returns when the student has closed it; questionHelp describes the
    // question on screen.
    virtual void showHelp(HelpTopic topic, const QString &questionHelp) = 0;
};

// Where each try goes as it is made: the learning record, the hand-in folder, or nowhere.
class AttemptRecorder {
public:
    virtual ~AttemptRecorder() = default;
    // Must not hold up the quiz: a slow store takes the try and writes it later.
    virtual void recordAttempt(const Attempt &attempt) = 0;
    // The series of that number, as the tries gave it, has had its 20 questions; a recorder
    // that learns from single tries need not know.
    virtual void seriesFinished(int series) { Q_UNUSED(series) }
};

// Picks the next question from the draw by the settings in force, which only decide which
// questions may come.
class QuestionChooser {
public:
    virtual ~QuestionChooser() = default;
    // Empty only when the draw itself gives nothing.
    virtual std::optional<DrawnQuestion> nextQuestion(QuestionDraw &draw) = 0;
};
