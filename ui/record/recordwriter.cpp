#include "ui/record/recordwriter.h"

#include "ui/record/handin.h"
#include "ui/record/seriesnumbers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

using namespace Qt::StringLiterals;

// The first 12 hex digits of the SHA-256 of the data file: which ions.dat a try was asked from.
QString fingerprint(const QString &path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex().left(12));
}

} // namespace

RecordWriter::RecordWriter(const QString &recordFolder, const QString &handInFolder,
                           const QString &dataFile)
    : m_recordFolder(recordFolder)
    , m_handInFolder(handInFolder)
    , m_dataFile(dataFile) {}

RecordWriter::~RecordWriter() = default;

void RecordWriter::open(bool keepRecord) {
    m_fingerprint = fingerprint(m_dataFile);
    setKeepRecord(keepRecord);
}

void RecordWriter::setKeepRecord(bool keep) {
    if (!keep || m_recordFolder.isEmpty())
        return m_database.reset();
    if (m_database)
        return;
    auto database =
        std::make_unique<RecordDatabase>(u"record-writer-%1"_s.arg(quintptr(this), 0, 16));
    const RecordDatabase::Opened opened = database->open(m_recordFolder);
    if (!opened.notice.isEmpty())
        emit notice(opened.notice);
    if (opened.access == RecordDatabase::Access::Writable)
        m_database = std::move(database);
}

void RecordWriter::store(Attempt attempt) {
    const int runSeries = attempt.series;
    attempt.series = accountSeries(runSeries);
    const ResultsFile::Row row{QString(), m_fingerprint, attempt};
    if (!m_handInFolder.isEmpty())
        m_unhanded[runSeries] << row;
    if (m_database && !m_database->append(row)) {
        emit notice(u"Your tries can no longer be recorded (%1). The quiz goes on without "
                    "recording them."_s.arg(m_database->lastError()));
        m_database.reset();
    }
}

void RecordWriter::handIn(int runSeries, const QString &student) {
    QList<ResultsFile::Row> rows = m_unhanded.take(runSeries);
    if (m_handInFolder.isEmpty() || rows.isEmpty())
        return;
    for (ResultsFile::Row &row : rows)
        row.student = student;
    QString error;
    const QString name = HandIn::fileName(student, QDateTime::currentDateTime());
    if (HandIn::write(m_handInFolder, name, HandIn::resultsText(rows), &error).isEmpty())
        emit notice(u"Your results could not be handed in to %1 (%2)."_s.arg(
            QDir::toNativeSeparators(m_handInFolder), error));
}

void RecordWriter::close() {
    m_database.reset();
}

int RecordWriter::accountSeries(int runSeries) {
    if (const auto known = m_accountSeries.constFind(runSeries); known != m_accountSeries.cend())
        return *known;
    // Above the record's own, should the numbers' file have been lost.
    const int above = m_database ? m_database->highestSeries() : 0;
    const int number = m_recordFolder.isEmpty()
                           ? runSeries
                           : nextSeriesNumber(m_recordFolder, above).value_or(runSeries);
    m_accountSeries.insert(runSeries, number);
    return number;
}
