#include "ui/record/learningrecord.h"

#include "ui/record/handin.h"
#include "ui/record/recorddatabase.h"
#include "ui/record/recordwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <sys/resource.h>

namespace {

using namespace Qt::StringLiterals;

const QString KeepRecord = u"keepRecord"_s;
const QString HandInFolder = u"handInFolder"_s;
const QString StudentName = u"studentName"_s;

constexpr int WriterNiceness = 10;

// The user's ~/.config/Ionarch/Ionarch.conf, which falls back to the system's for a key it
// lacks.
struct Settings : QSettings {
    Settings()
        : QSettings(QSettings::UserScope, u"Ionarch"_s, u"Ionarch"_s) {}
};

QString readerConnection() {
    return u"record-reader-%1"_s.arg(quintptr(QThread::currentThreadId()), 0, 16);
}

} // namespace

RecordFolders RecordFolders::ofProgram(const QString &handInOption) {
    return {QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            handInOption.isEmpty() ? Settings().value(HandInFolder).toString() : handInOption};
}

LearningRecord::LearningRecord(const RecordFolders &folders, MessageSink &messages,
                               TextPrompt &prompt)
    : m_folders(folders)
    , m_messages(messages)
    , m_prompt(prompt) {}

LearningRecord::~LearningRecord() {
    if (!m_writer)
        return;
    post([](RecordWriter &writer) {
        writer.close();
        QThread::currentThread()->quit();
    });
    m_thread.wait();
    // Notices still on their way are shown: a series that could not be handed in as the
    // program closed must not pass unseen.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    delete m_writer;
}

void LearningRecord::open(const QString &dataFile) {
    m_dataFile = dataFile;
    if (isKept() || !m_folders.handIn.isEmpty())
        startWriter();
}

void LearningRecord::startWriter() {
    if (m_writer || (m_folders.record.isEmpty() && m_folders.handIn.isEmpty()))
        return;
    m_writer = new RecordWriter(m_folders.record, m_folders.handIn, m_dataFile);
    m_writer->moveToThread(&m_thread);
    connect(m_writer, &RecordWriter::notice, this, [this](const QString &text) {
        m_messages.show({text, u"Learning record"_s, MessageIcon::Warning, MessageButtons::Ok});
    });
    m_thread.start();
    post([keep = isKept()](RecordWriter &writer) {
        // Where the two share a processor, the writer gives way to the question window: on
        // Linux a thread has a niceness of its own.
        setpriority(PRIO_PROCESS, 0, WriterNiceness);
        writer.open(keep);
    });
}

template <class Job> void LearningRecord::post(Job job) {
    if (m_writer)
        QMetaObject::invokeMethod(
            m_writer, [writer = m_writer, job = std::move(job)] { job(*writer); },
            Qt::QueuedConnection);
}

void LearningRecord::recordAttempt(const Attempt &attempt) {
    post([attempt](RecordWriter &writer) { writer.store(attempt); });
}

void LearningRecord::seriesFinished(int series) {
    if (m_writer && !m_folders.handIn.isEmpty())
        post([series, student = studentName()](RecordWriter &writer) {
            writer.handIn(series, student);
        });
}

QString LearningRecord::studentName() {
    Settings settings;
    QString name = settings.value(StudentName).toString();
    if (name.trimmed().isEmpty()) {
        name = m_prompt.askText(u"Your results are handed in to your teacher.\r\n"
                                "Please enter your name"_s,
                                u"Enter name for handing in"_s);
        if (!name.trimmed().isEmpty())
            settings.setValue(StudentName, name);
    }
    return name;
}

bool LearningRecord::isKept() const {
    return Settings().value(KeepRecord, true).toBool();
}

void LearningRecord::setKept(bool keep) {
    Settings().setValue(KeepRecord, keep);
    if (m_writer)
        post([keep](RecordWriter &writer) { writer.setKeepRecord(keep); });
    else if (keep && !m_dataFile.isEmpty())
        startWriter();
}

bool LearningRecord::forget() {
    if (m_messages.show({u"Forget every try in your learning record? This cannot be undone."_s,
                         u"Forget the learning record"_s, MessageIcon::Question,
                         MessageButtons::YesNo}) != MessageAnswer::Yes)
        return false;
    if (m_folders.record.isEmpty())
        return true;
    QDir folder(m_folders.record);
    for (const QString &aside : folder.entryList({u"history.damaged-*.sqlite*"_s}, QDir::Files))
        folder.remove(aside);
    if (!folder.exists(RecordDatabase::FileName))
        return true;
    RecordDatabase database(readerConnection());
    if (database.open(m_folders.record).access == RecordDatabase::Access::Writable &&
        database.forget())
        return true;
    m_messages.show(
        {u"Your learning record could not be forgotten (%1)."_s.arg(database.lastError()),
         u"Learning record"_s, MessageIcon::Warning, MessageButtons::Ok});
    return false;
}

QList<ResultsFile::Row> LearningRecord::attempts(const QDateTime &from,
                                                 const QDateTime &until) const {
    RecordDatabase database(readerConnection());
    if (m_folders.record.isEmpty() || !database.openToRead(m_folders.record))
        return {};
    return database.rows(from, until);
}

bool LearningRecord::saveResults(const QString &path, const QDateTime &from, const QDateTime &until,
                                 QString *error) const {
    QList<ResultsFile::Row> rows = attempts(from, until);
    const QString student = Settings().value(StudentName).toString();
    for (ResultsFile::Row &row : rows)
        row.student = student;
    QSaveFile file(path);
    const QByteArray text = HandIn::resultsText(rows);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    *error = file.errorString();
    return false;
}
