#include "ui/ionarchapplication.h"

#include "catalogue/loader.h"
#include "ui/periodictable/frmpt.h"
#include "ui/windows/frmhelp.h"
#include "ui/windows/frmmain.h"
#include "ui/windows/frmopt.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdlib>

IonarchApplication::IonarchApplication(MessageSink &messages, TextPrompt &prompt, Pause *pause,
                                       const RecordFolders &recordFolders)
    : m_messages(messages)
    , m_prompt(prompt)
    , m_pause(pause ? *pause : m_inputBlockingPause)
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
    return true;
}

void IonarchApplication::startQuiz() {
    // Opened now, not at start-up: the first window does not wait for it.
    m_record.open(m_dataPath);
    m_periodicTable.show();
    m_questions = std::make_unique<frmMain>(QuizServices{m_catalogue, m_settings, m_random,
                                                         m_messages, m_prompt, m_printer,
                                                         m_dateSource, m_pause, *m_help, m_tries});
    QObject::connect(m_questions.get(), &frmMain::closing, m_questions.get(),
                     [this] { questionWindowClosing(); });
    m_questions->show();
    m_questions->activateWindow();
}

void IonarchApplication::questionWindowClosing() {
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
