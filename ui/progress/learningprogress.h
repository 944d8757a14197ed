#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/messages.h"
#include "catalogue/randomsource.h"
#include "quiz/practice/practicemodel.h"
#include "quiz/practice/weakspotchooser.h"
#include "quiz/quizports.h"
#include "ui/record/learningrecord.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <memory>

class frmProgress;
class RecordLoader;
class ResultsSaveDialog;
class QWidget;

// Practice of weak spots and the Progress window as the program runs them, and the commands
// of the question window's Progress menu. The practice model learns every try of this run and,
// while the record is kept, the record's tries before it, read on a thread of their own once
// the options window shows; with the record off it knows this run alone. The engine draws through it:
// while "Practise my weak spots" is on, by the model (which the first question waits for, if
// the record is still being read); off, exactly as without it. The user's settings remember
// the choice.
class LearningProgress final : public QObject, public AttemptRecorder, public QuestionChooser {
    Q_OBJECT
public:
    LearningProgress(const IonCatalogue &catalogue, RandomSource &random, LearningRecord &record,
                     MessageSink &messages, ResultsSaveDialog &saveDialog);
    ~LearningProgress() override;

    // The options window shows: what the record holds until now is the model's to learn, read
    // on a thread while the student chooses.
    void start();

    void recordAttempt(const Attempt &attempt) override;
    std::optional<DrawnQuestion> nextQuestion(QuestionDraw &draw) override;

    bool isPractising() const { return m_chooser.isEnabled(); }
    void setPractising(bool on);
    // The model then learns from the record's tries before this run, or forgets them.
    void setRecordKept(bool keep);
    // After the student's confirmation: the record, and this run's tries with it.
    void forgetRecord();
    void saveResults(QWidget *parent);
    // Opens the Progress window on the figures of this moment, or brings it to the front.
    void showProgress();
    void closeProgress();

signals:
    void practisingChanged(bool on);

private:
    // The tries of the record before this run, while it is kept: read on a thread for the model.
    void reloadModel();
    void finishLoading();
    void rebuildModel(const QList<Attempt> &earlier);
    void showFigures();

    const IonCatalogue &m_catalogue;
    LearningRecord &m_record;
    MessageSink &m_messages;
    ResultsSaveDialog &m_saveDialog;
    PracticeModel m_model;
    WeakSpotChooser m_chooser;
    QDateTime m_runStart;
    QList<Attempt> m_thisRun;
    std::unique_ptr<RecordLoader> m_loader; // while the record is being read
    std::unique_ptr<frmProgress> m_window;
};
