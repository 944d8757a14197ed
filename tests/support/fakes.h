#pragma once

#include "catalogue/messages.h"
#include "catalogue/randomsource.h"
#include "quiz/quizengine.h"
#include "quiz/quizports.h"

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QWidget>

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

// The notation of lowered text in every test: "_" before each lowered character, "Al_2O_3".
inline QString lowered(const QString &formula) {
    QString marked;
    for (const QChar c : formula)
        marked += c.isDigit() ? QStringLiteral("_") + c : QString(c);
    return marked;
}

class FakeRichTextBox final : public RichTextBox {
public:
    QString shown; // in the notation of lowered()

    QString plainText() const override { return QString(shown).remove(u'_'); }
    void setPlainText(const QString &text) override { shown = text; }
    void setFormula(const QString &text) override { shown = lowered(text); }
    void giveFocus() override {}
};

// Answers every message box at once, Yes or OK, and keeps it.
class RecordingSink final : public MessageSink {
public:
    QList<Message> shown;
    QList<MessageAnswer> answers; // for Yes/No boxes, in turn; Yes when none is left

    MessageAnswer show(const Message &message) override {
        shown.append(message);
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return answers.isEmpty() ? MessageAnswer::Yes : answers.takeFirst();
    }
};

class NamePrompt final : public TextPrompt {
public:
    QString name = QStringLiteral("Jessica");
    int asked = 0;

    QString askText(const QString &, const QString &) override { return ++asked, name; }
};

class RecordingHelp final : public HelpViewer {
public:
    QList<HelpTopic> topics;
    QString questionHelp;

    void showHelp(HelpTopic topic, const QString &help) override {
        topics.append(topic);
        questionHelp = help;
    }
};

// Every port of the engine as a plain record of what the quiz did to the window.
class FakePorts final : public QuestionView,
                        public Pause,
                        public NoticeWaiter,
                        public ReportPrinter,
                        public DateSource,
                        public AttemptRecorder {
public:
    FakeRichTextBox question, answer;
    QString prompt, score, wrong, notice;
    NoticeKind noticeKind = NoticeKind::Correct;
    bool inputsEnabled = true;
    QStringList noticesSeen; // on screen at each pause or wait, in turn
    bool inputsEnabledInAWait = false;
    std::function<bool()> onWait = [] { return true; }; // false: the window closed meanwhile
    QStringList printed;
    int failingPrinterCall = -1; // the call, counted from 0, that fails
    ScriptedRandom random;
    RecordingSink messages;
    NamePrompt namePrompt;
    RecordingHelp help;
    QList<Attempt> attempts;
    QList<int> finishedSeries;

    QuizServices services(const IonCatalogue &catalogue, const QuizSettings &settings) {
        return {catalogue, settings, random, messages, namePrompt,
                *this,     *this,    *this,  help,     *this};
    }

    RichTextBox &questionBox() override { return question; }
    RichTextBox &answerBox() override { return answer; }
    void setPrompt(const QString &text) override { prompt = text; }
    void showNotice(NoticeKind kind, const QString &text) override {
        noticeKind = kind;
        notice = text;
    }
    void clearNotice() override { notice.clear(); }
    void setScoreText(const QString &text) override { score = text; }
    void setWrongText(const QString &text) override { wrong = text; }
    void setAnswerInputsEnabled(bool enabled) override { inputsEnabled = enabled; }
    void repaintNow() override {}
    void pause(int milliseconds) override {
        noticesSeen << QStringLiteral("%1 ms: ").arg(milliseconds) + notice;
    }
    bool waitForClick() override {
        noticesSeen << QStringLiteral("click: ") + notice;
        inputsEnabledInAWait |= inputsEnabled;
        return onWait();
    }
    bool setFontName(const QString &family) override { return print("font " + family); }
    bool setFontSize(double points) override {
        return print(QStringLiteral("size %1").arg(points));
    }
    bool printLine(const QString &text) override { return print(text); }
    bool endDocument() override { return print("end"); }
    QString shortDate() const override { return QStringLiteral("06/12/2024"); }
    void recordAttempt(const Attempt &attempt) override { attempts << attempt; }
    void seriesFinished(int series) override { finishedSeries << series; }

private:
    bool print(const QString &what) {
        if (printed.size() == failingPrinterCall)
            return false;
        printed << what;
        return true;
    }
};
