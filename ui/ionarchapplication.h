#pragma once

#include "catalogue/ioncatalogue.h"
#include "catalogue/messages.h"
#include "catalogue/quizsettings.h"
#include "catalogue/randomsource.h"
#include "quiz/attemptfanout.h"
#include "quiz/quizports.h"
#include "quiz/systemdatesource.h"
#include "ui/printing/systemreportprinter.h"
#include "ui/progress/learningprogress.h"
#include "ui/progress/resultssavedialog.h"
#include "ui/record/learningrecord.h"
#include "ui/system/inputblockingpause.h"
#include "ui/system/ondemandwindow.h"

#include <QString>

#include <memory>

class frmHelp;
class frmMain;
class frmOpt;

// The composition root: owns the program-wide catalogue, settings and random numbers,
// creates the windows, hands each what it needs, and decides which windows close together.
// The message boxes and the input prompt come from outside, so that tests can answer them, and
// so may the dialog that saves results; a long test may also bring a shorter pause after a
// right answer, a repeatable one random values of its own. The learning record and the hand-in
// go to the folders given, none by default.
class IonarchApplication {
public:
    IonarchApplication(MessageSink &messages, TextPrompt &prompt, Pause *pause = nullptr,
                       const RecordFolders &recordFolders = {},
                       ResultsSaveDialog *saveDialog = nullptr, RandomSource *random = nullptr);
    ~IonarchApplication();

    // Loads the data file and shows the options window. False when the load failed: its
    // "Program error:" box has been shown and no window has been.
    bool start(const QString &dataPath = QStringLiteral("ions.dat"));
    // Starts and runs the event loop; the program's exit status.
    int exec(const QString &dataPath = QStringLiteral("ions.dat"));

private:
    // The options window's start: the question window opens beside the periodic table.
    void startQuiz();
    // Opens the record and has the practice model read it on a thread while the student
    // chooses the options, so that neither the first window nor the first question waits.
    void prepareLearning();
    // Closing the question window closes every other window; closing the options window
    // closes the periodic table and the help, and leaves the quiz running.
    void questionWindowClosing();
    void optionsWindowClosing();
    void connectProgressMenu();

    MessageSink &m_messages;
    TextPrompt &m_prompt;
    QString m_dataPath;
    IonCatalogue m_catalogue;
    QuizSettings m_settings;
    ClockSeededRandom m_clockRandom;
    RandomSource &m_random;
    SystemReportPrinter m_printer;
    SystemDateSource m_dateSource;
    InputBlockingPause m_inputBlockingPause;
    Pause &m_pause;
    FileResultsSaveDialog m_fileSaveDialog;
    ResultsSaveDialog &m_saveDialog;
    LearningRecord m_record;
    // Every try goes to the record, and to practice once the quiz has started.
    AttemptFanOut m_tries{{&m_record}};
    std::unique_ptr<LearningProgress> m_progress; // once the options window shows
    OnDemandWindow m_periodicTable;
    std::unique_ptr<frmHelp> m_help;
    std::unique_ptr<frmOpt> m_options;
    // Declared last: it uses all of the above until it is gone.
    std::unique_ptr<frmMain> m_questions;
};
