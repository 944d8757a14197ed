#include "ionarchapplication.h"

#include "frmhelp.h"
#include "frmopt.h"
#include "frmpt.h"
#include "loader.h"

#include <QApplication>

#include <cstdlib>

IonarchApplication::IonarchApplication(MessageSink &messages, TextPrompt &prompt)
    : m_messages(messages)
    , m_prompt(prompt)
    , m_periodicTable([] { return std::make_unique<frmPT>(); }) {}

IonarchApplication::~IonarchApplication() = default;

bool IonarchApplication::start(const QString &dataPath) {
    MessageBoxDiagnostics diagnostics(m_messages);
    if (InitCatalogue(m_catalogue, m_random, diagnostics, dataPath) != LoadStatus::Loaded)
        return false;
    m_help = std::make_unique<frmHelp>(m_catalogue.listings);
    m_options =
        std::make_unique<frmOpt>(m_settings, m_catalogue, m_messages, m_periodicTable, *m_help);
    m_options->show();
    return true;
}

int IonarchApplication::exec(const QString &dataPath) {
    return start(dataPath) ? QApplication::exec() : EXIT_FAILURE;
}
