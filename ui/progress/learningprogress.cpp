#include "ui/progress/learningprogress.h"

#include "quiz/progress/progressfigures.h"
#include "ui/progress/frmprogress.h"
#include "ui/progress/recordloader.h"
#include "ui/progress/resultssavedialog.h"

#include <QSettings>

namespace {

using namespace Qt::StringLiterals;

const QString PractiseWeakSpots = u"practiseWeakSpots"_s;

// The user's ~/.config/Ionarch/Ionarch.conf.
struct Settings : QSettings {
    Settings()
        : QSettings(QSettings::UserScope, u"Ionarch"_s, u"Ionarch"_s) {}
};

} // namespace

LearningProgress::LearningProgress(const IonCatalogue &catalogue, RandomSource &random,
                                   LearningRecord &record, MessageSink &messages,
                                   ResultsSaveDialog &saveDialog)
    : m_catalogue(catalogue)
    , m_record(record)
    , m_messages(messages)
    , m_saveDialog(saveDialog)
    , m_model(catalogue)
    , m_chooser(m_model, random) {
    m_chooser.setEnabled(Settings().value(PractiseWeakSpots, false).toBool());
}

LearningProgress::~LearningProgress() = default;

void LearningProgress::start() {
    m_runStart = QDateTime::currentDateTimeUtc();
    reloadModel();
}

void LearningProgress::recordAttempt(const Attempt &attempt) {
    m_thisRun.append(attempt);
    m_model.recordAttempt(attempt);
}

std::optional<DrawnQuestion> LearningProgress::nextQuestion(QuestionDraw &draw) {
    // Off, the draw needs no model and the record is read on meanwhile.
    if (isPractising())
        finishLoading();
    return m_chooser.nextQuestion(draw);
}

void LearningProgress::setPractising(bool on) {
    if (on == isPractising())
        return;
    m_chooser.setEnabled(on);
    Settings().setValue(PractiseWeakSpots, on);
    emit practisingChanged(on);
}

void LearningProgress::setRecordKept(bool keep) {
    m_record.setKept(keep);
    reloadModel();
}

void LearningProgress::forgetRecord() {
    if (!m_record.forget())
        return;
    m_loader.reset();
    m_thisRun.clear();
    rebuildModel({});
    if (m_window && m_window->isVisible())
        showFigures();
}

void LearningProgress::saveResults(QWidget *parent) {
    const std::optional<ResultsToSave> chosen = m_saveDialog.askResultsToSave(parent);
    QString error;
    if (chosen && !m_record.saveResults(chosen->path, chosen->from, chosen->until, &error))
        m_messages.show({u"Your results could not be saved (%1)."_s.arg(error), u"Save results"_s,
                         MessageIcon::Warning, MessageButtons::Ok});
}

void LearningProgress::showProgress() {
    if (!m_window) {
        m_window = std::make_unique<frmProgress>();
        m_window->setPractising(isPractising());
        connect(m_window.get(), &frmProgress::practisingChanged, this,
                &LearningProgress::setPractising);
        connect(this, &LearningProgress::practisingChanged, m_window.get(),
                &frmProgress::setPractising);
        connect(m_window.get(), &frmProgress::saveResultsRequested, this,
                [this] { saveResults(m_window.get()); });
    }
    showFigures();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void LearningProgress::closeProgress() {
    m_window.reset();
}

void LearningProgress::showFigures() {
    // Read again each time: the record has the tries of the other copies and runs too.
    const QList<Attempt> earlier =
        m_record.isKept() ? attemptsOf(m_record.attempts({}, m_runStart)) : QList<Attempt>();
    m_window->showFigures(progressFigures(m_catalogue, earlier, m_thisRun, QDate::currentDate()));
}

void LearningProgress::reloadModel() {
    m_loader.reset();
    if (!m_record.isKept()) {
        rebuildModel({});
        return;
    }
    m_loader = std::make_unique<RecordLoader>(m_record, m_runStart);
    // Queued: the loader goes when its tries are taken.
    connect(m_loader.get(), &RecordLoader::loaded, this, &LearningProgress::finishLoading,
            Qt::QueuedConnection);
}

void LearningProgress::finishLoading() {
    if (!m_loader)
        return;
    const QList<Attempt> earlier = m_loader->take();
    m_loader.reset();
    rebuildModel(earlier);
}

void LearningProgress::rebuildModel(const QList<Attempt> &earlier) {
    m_model = PracticeModel(m_catalogue);
    m_model.learnFrom(earlier);
    m_model.learnFrom(m_thisRun);
}
