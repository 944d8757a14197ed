#include "ui/ionarchapplication.h"

#include "catalogue/loader.h"
#include "ui/periodictable/frmpt.h"
#include "ui/system/afterfirstpaint.h"
#include "ui/windows/frmhelp.h"
#include "ui/windows/frmmain.h"
#include "ui/windows/frmopt.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdlib>

IonarchApplication::IonarchApplication(MessageSink &messages, TextPrompt &prompt, Pause *pause,
                                       const RecordFolders &recordFolders,
                                       ResultsSaveDialog *saveDialog, RandomSource *random)
    : m_messages(messages)
    , m_prompt(prompt)
    , m_random(random ? *random : m_clockRandom)
    , m_pause(pause ? *pause : m_inputBlockingPause)
    , m_saveDialog(saveDialog ? *saveDialog : m_fileSaveDialog)
    , m_record(recordFolders, messages, prompt)
    , m_periodicTable([] { return std::make_unique<frmPT>(); }) {}

IonarchApplication::~IonarchApplication() = default;

bool IonarchApplication::start(const QString &dataPath) {
    MessageBoxDiagnostics diagnostics(m_messages);
    if (InitCatalogue(m_catalogue, m_random, diagnostics, dataPath) != LoadStatus::Loaded)
        return false;
    m_dataPath = QFileInfo(dataPath).absoluteFilePath();
    m_help = std::make_unique<frmHelp>(m_catalogue.listings);
    m_options = std::make_unique<frmOpt>(m_settings, m_catalogue, m_messages);
    QObject::connect(m_options.get(), &frmOpt::quizStarted, m_options.get(),
                     [this] { startQuiz(); });
    QObject::connect(m_options.get(), &frmOpt::closing, m_options.get(),
                     [this] { optionsWindowClosing(); });
    m_options->show();
    // The record's opening and reading must not hold up the first paint.
    afterFirstPaint(*m_options, [this] { prepareLearning(); });
    return true;
}

void IonarchApplication::prepareLearning() {
    if (m_progress)
        return;
    m_record.open(m_dataPath);
    m_progress = std::make_unique<LearningProgress>(m_catalogue, m_random, m_record, m_messages,
                                                    m_saveDialog);
    m_tries.add(m_progress.get());
    m_progress->start();
}

void IonarchApplication::startQuiz() {
    prepareLearning(); // when Start came before the event loop turned
    m_periodicTable.show();
    m_questions = std::make_unique<frmMain>(
        QuizServices{m_catalogue, m_settings, m_random, m_messages, m_prompt, m_printer,
                     m_dateSource, m_pause, *m_help, m_tries, m_progress.get()});
    QObject::connect(m_questions.get(), &frmMain::closing, m_questions.get(),
                     [this] { questionWindowClosing(); });
    connectProgressMenu();
    m_questions->show();
    m_questions->activateWindow();
}

void IonarchApplication::connectProgressMenu() {
    frmMain *window = m_questions.get();
    LearningProgress *progress = m_progress.get();
    window->showPractising(progress->isPractising());
    window->showRecordKept(m_record.isKept());
    QObject::connect(window, &frmMain::progressRequested, progress,
                     &LearningProgress::showProgress);
    QObject::connect(window, &frmMain::practisingChosen, progress,
                     &LearningProgress::setPractising);
    QObject::connect(progress, &LearningProgress::practisingChanged, window,
                     &frmMain::showPractising);
    QObject::connect(window, &frmMain::keepRecordChosen, progress,
                     &LearningProgress::setRecordKept);
    QObject::connect(window, &frmMain::forgetRecordRequested, progress,
                     &LearningProgress::forgetRecord);
    QObject::connect(window, &frmMain::saveResultsRequested, progress,
                     [progress, window] { progress->saveResults(window); });
}

void IonarchApplication::questionWindowClosing() {
    m_progress->closeProgress();
    m_periodicTable.unload();
    // The help goes with the options window.
    m_options->close();
}

void IonarchApplication::optionsWindowClosing() {
    m_periodicTable.unload();
    m_help->close();
}

int IonarchApplication::exec(const QString &dataPath) {
    return start(dataPath) ? QApplication::exec() : EXIT_FAILURE;
}
