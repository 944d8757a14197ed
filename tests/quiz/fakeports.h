#pragma once

#include "messages.h"
#include "quizengine.h"
#include "quizports.h"
#include "randomsource.h"

#include <QList>
#include <QStringList>

#include <functional>

// Hands out the scripted values in order, then 0; overruns counts the values asked beyond.
class ScriptedRandom final : public RandomSource {
public:
    QList<float> values;
    int overruns = 0;
    int reseeds = 0;

    float next() override {
        if (values.isEmpty())
            return ++overruns, 0.0f;
        return values.takeFirst();
    }
    void seedFromClock() override { ++reseeds; }
    bool usedExactly() const { return values.isEmpty() && overruns == 0; }
};

// The value that draws row `row` of n.
inline float rowValue(int row, int n) {
    return (float(row) - 0.5f) / float(n);
}

// Keeps the text with a mark under every lowered character: "Al_2O_3".
class FakeRichTextBox final : public RichTextBox {
public:
    QString shown;
    int offset = 0;

    QString plainText() const override { return QString(shown).remove(u'_'); }
    void setPlainText(const QString &text) override { shown = text; }
    void insertAtCaret(const QString &text) override { shown += (offset < 0 ? "_" : "") + text; }
    void setCaretOffset(int twips) override { offset = twips; }
    void setEnabled(bool) override {}
    void giveFocus() override {}
};

// Every port of the engine, recording what happens to the window in one trace.
class FakePorts final : public QuestionView,
                        public Pause,
                        public NoticeWaiter,
                        public TextPrompt,
                        public ReportPrinter,
                        public DateSource,
                        public MessageSink {
public:
    QStringList trace;
    FakeRichTextBox question, answer;
    QString prompt, score, wrong;
    bool inputsEnabled = true;
    std::function<bool()> onWait = [] { return true; };
    QString studentName = QStringLiteral("Jessica");
    QStringList printed;
    int failingPrinterCall = -1; // the call, counted from 0, that fails
    QList<Message> messages;
    QList<MessageAnswer> answers; // for YesNo boxes, in turn; No when none is left
    ScriptedRandom random;

    QuizPorts ports(RandomSource *source = nullptr) {
        return {*this, *this, *this, *this, *this, *this, *this, source ? *source : random};
    }

    RichTextBox &questionBox() override { return question; }
    RichTextBox &answerBox() override { return answer; }
    void setPrompt(const QString &text) override { prompt = text; }
    void showNotice(NoticeKind kind, const QString &text) override {
        trace << QStringLiteral("notice %1: %2").arg(int(kind)).arg(text);
    }
    void clearNotice() override { trace << "rest"; }
    void setScoreText(const QString &text) override { score = text; }
    void setWrongText(const QString &text) override { wrong = text; }
    void setAnswerInputsEnabled(bool enabled) override {
        inputsEnabled = enabled;
        trace << (enabled ? "inputs on" : "inputs off");
    }
    void repaintNow() override { trace << "repaint"; }
    void pause(int milliseconds) override { trace << QStringLiteral("pause %1").arg(milliseconds); }
    bool waitForClick() override {
        trace << "wait";
        return onWait();
    }
    QString askText(const QString &text, const QString &title) override {
        trace << text + u'/' + title;
        return studentName;
    }
    bool setFontName(const QString &family) override { return print("font " + family); }
    bool setFontSize(double points) override {
        return print(QStringLiteral("size %1").arg(points));
    }
    bool printLine(const QString &text) override { return print(text); }
    bool endDocument() override { return print("end"); }
    QString shortDate() const override { return QStringLiteral("06/12/2024"); }
    MessageAnswer show(const Message &message) override {
        messages << message;
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::No : answers.takeFirst();
    }

private:
    bool print(const QString &what) {
        if (printed.size() == failingPrinterCall)
            return false;
        printed << what;
        return true;
    }
};
