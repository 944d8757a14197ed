#include "ui/record/recorddatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <limits>

namespace {

using namespace Qt::StringLiterals;

// Step n brings a record of version n to version n + 1; PRAGMA user_version holds the version.
// Steps are only ever added at the end. Text is kept as UTF-16, which is read without being
// converted. Times are milliseconds since 1970 UTC; kind, asked and verdict hold the numbers of
// CompoundKind, of "the name was asked" and of Verdict, which read faster than words would.
const std::array<QStringList, 1> Migrations{{
    {u"PRAGMA encoding = 'UTF-16le'"_s,
     u"CREATE TABLE tries (time INTEGER NOT NULL, datafile TEXT, series INTEGER NOT NULL, "
     "question INTEGER NOT NULL, kind INTEGER NOT NULL, asked INTEGER NOT NULL, shown TEXT, "
     "expected TEXT, typed TEXT, verdict INTEGER NOT NULL, category TEXT, help INTEGER NOT NULL, "
     "cation TEXT, cation_charge TEXT, multivalent INTEGER NOT NULL, anion TEXT)"_s,
     u"CREATE INDEX tries_by_time ON tries (time)"_s,
     u"CREATE INDEX tries_by_series ON tries (series)"_s},
}};
constexpr int CurrentVersion = int(Migrations.size());
static_assert(int(CompoundKind::ComplexCovalent) == 2 && int(Verdict::GaveUp) == 3,
              "the record keeps these numbers");

const QString Columns = u"time, datafile, series, question, kind, asked, shown, expected, typed, "
                        "verdict, category, help, cation, cation_charge, multivalent, anion"_s;

// The writer waits this long for another copy's write before it gives up.
const QString BusyTimeout = u"QSQLITE_BUSY_TIMEOUT=10000"_s;

// SQLite's primary result codes that mean the file itself is damaged, not the folder.
bool isDamage(const QSqlError &error) {
    constexpr int Corrupt = 11;
    constexpr int NotADatabase = 26;
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == Corrupt || code == NotADatabase;
}

// "history.damaged-2025-03-14_101500.sqlite" beside it.
QString movedAsideName(const QString &path) {
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + u".damaged-"_s +
                               QDateTime::currentDateTime().toString(u"yyyy-MM-dd_HHmmss"_s) +
                               u'.' + file.suffix());
}

} // namespace

RecordDatabase::RecordDatabase(const QString &connectionName)
    : m_connectionName(connectionName)
    , m_database(QSqlDatabase::addDatabase(u"QSQLITE"_s, connectionName)) {}

RecordDatabase::~RecordDatabase() {
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

RecordDatabase::Opened RecordDatabase::open(const QString &folder) {
    const QString path = QDir(folder).filePath(FileName);
    Outcome outcome = Outcome::Unwritable;
    if (QDir().mkpath(folder))
        outcome = openFile(path);
    else
        m_lastError = QSqlError(QString(), u"the folder cannot be made"_s);
    QString notice;
    if (outcome == Outcome::Damaged) {
        m_database.close();
        const QString aside = movedAsideName(path);
        if (QFile::rename(path, aside)) {
            // A journal left beside it belongs to the damaged file, not to the new one.
            QFile::rename(path + u"-journal"_s, aside + u"-journal"_s);
            notice =
                u"Your learning record %1 was damaged. It has been kept as %2, and a new "
                "record begins."_s.arg(QDir::toNativeSeparators(path), QFileInfo(aside).fileName());
            outcome = openFile(path);
        } else {
            m_lastError = QSqlError(QString(), u"the damaged file cannot be moved aside"_s);
            outcome = Outcome::Unwritable;
        }
    }
    switch (outcome) {
    case Outcome::Writable:
        return {Access::Writable, notice};
    case Outcome::Newer:
        if (reopenToRead(path))
            return {Access::ReadOnly,
                    u"Your learning record was written by a newer version of Ionarch. It is "
                    "kept as it is, and your tries are not recorded while you use this version."_s};
        break;
    case Outcome::Damaged:
    case Outcome::Unwritable:
        break;
    }
    m_database.close();
    return {Access::None,
            u"Your learning record cannot be written in %1 (%2). The quiz goes on "
            "without recording your tries."_s.arg(QDir::toNativeSeparators(folder), lastError())};
}

bool RecordDatabase::openToRead(const QString &folder) {
    const QString path = QDir(folder).filePath(FileName);
    return QFile::exists(path) && reopenToRead(path);
}

bool RecordDatabase::reopenToRead(const QString &path) {
    m_database.close();
    m_database.setDatabaseName(path);
    m_database.setConnectOptions(u"QSQLITE_OPEN_READONLY;"_s + BusyTimeout);
    return m_database.open();
}

RecordDatabase::Outcome RecordDatabase::openFile(const QString &path) {
    m_database.setDatabaseName(path);
    m_database.setConnectOptions(BusyTimeout);
    if (!m_database.open()) {
        m_lastError = m_database.lastError();
        return failure();
    }
    // A file that another program turned to the write-ahead log is turned back.
    QSqlQuery check(m_database);
    if (!execute(check, u"PRAGMA journal_mode = DELETE"_s) ||
        !execute(check, u"PRAGMA quick_check"_s) || !check.next())
        return failure();
    if (check.value(0).toString() != u"ok")
        return Outcome::Damaged;
    check.finish();
    return migrate();
}

RecordDatabase::Outcome RecordDatabase::migrate() {
    QSqlQuery query(m_database);
    if (!execute(query, u"BEGIN IMMEDIATE"_s))
        return failure();
    const auto abandon = [&](Outcome outcome) {
        query.exec(u"ROLLBACK"_s);
        return outcome;
    };
    if (!execute(query, u"PRAGMA user_version"_s) || !query.next())
        return abandon(failure());
    const int found = query.value(0).toInt();
    if (found > CurrentVersion)
        return abandon(Outcome::Newer);
    QStringList statements;
    for (int step = found; step < CurrentVersion; ++step)
        statements << Migrations[std::size_t(step)];
    // Written even when current: it proves that the file and its folder take a write.
    statements << u"PRAGMA user_version = %1"_s.arg(CurrentVersion) << u"COMMIT"_s;
    for (const QString &statement : statements) {
        if (!execute(query, statement))
            return abandon(failure());
    }
    return Outcome::Writable;
}

bool RecordDatabase::execute(QSqlQuery &query, const QString &statement) {
    if (query.exec(statement))
        return true;
    m_lastError = query.lastError();
    return false;
}

bool RecordDatabase::execute(QSqlQuery &query) {
    if (query.exec())
        return true;
    m_lastError = query.lastError();
    return false;
}

RecordDatabase::Outcome RecordDatabase::failure() const {
    return isDamage(m_lastError) ? Outcome::Damaged : Outcome::Unwritable;
}

bool RecordDatabase::append(const ResultsFile::Row &row) {
    const Attempt &a = row.attempt;
    QSqlQuery insert(m_database);
    insert.prepare(
        u"INSERT INTO tries (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s.arg(
            Columns));
    for (const QVariant &value :
         {QVariant(a.time.toMSecsSinceEpoch()), QVariant(row.dataFile), QVariant(a.series),
          QVariant(a.question), QVariant(int(a.kind)), QVariant(a.askName), QVariant(a.shown),
          QVariant(a.expected), QVariant(a.typed), QVariant(int(a.verdict)), QVariant(a.category),
          QVariant(a.helpUsed), QVariant(a.cationName), QVariant(a.cationCharge),
          QVariant(a.multivalent), QVariant(a.anionName)})
        insert.addBindValue(value);
    return execute(insert);
}

QList<ResultsFile::Row> RecordDatabase::rows(const QDateTime &from, const QDateTime &until) const {
    QSqlQuery select(m_database);
    select.setForwardOnly(true);
    select.prepare(
        u"SELECT %1 FROM tries WHERE time >= ? AND time < ? ORDER BY time, rowid"_s.arg(Columns));
    select.addBindValue(from.isValid() ? from.toMSecsSinceEpoch()
                                       : std::numeric_limits<qint64>::min());
    select.addBindValue(until.isValid() ? until.toMSecsSinceEpoch()
                                        : std::numeric_limits<qint64>::max());
    QList<ResultsFile::Row> found;
    if (!select.exec())
        return found;
    // The driver gives integers as 64 bits: read so, they need no conversion.
    const auto number = [&select](int column) { return select.value(column).toLongLong(); };
    while (select.next()) {
        ResultsFile::Row &row = found.emplace_back();
        row.dataFile = select.value(1).toString();
        Attempt &a = row.attempt;
        a.time = QDateTime::fromMSecsSinceEpoch(number(0), Qt::UTC);
        a.series = int(number(2));
        a.question = int(number(3));
        a.kind = CompoundKind(number(4));
        a.askName = number(5) != 0;
        a.shown = select.value(6).toString();
        a.expected = select.value(7).toString();
        a.typed = select.value(8).toString();
        a.verdict = Verdict(number(9));
        a.category = select.value(10).toString();
        a.helpUsed = number(11) != 0;
        a.cationName = select.value(12).toString();
        a.cationCharge = select.value(13).toString();
        a.multivalent = number(14) != 0;
        a.anionName = select.value(15).toString();
    }
    return found;
}

int RecordDatabase::highestSeries() const {
    QSqlQuery highest(m_database);
    return highest.exec(u"SELECT max(series) FROM tries"_s) && highest.next()
               ? highest.value(0).toInt()
               : 0;
}

bool RecordDatabase::forget() {
    QSqlQuery query(m_database);
    return execute(query, u"DELETE FROM tries"_s) && execute(query, u"VACUUM"_s);
}

QString RecordDatabase::lastError() const {
    return m_lastError.databaseText().isEmpty() ? m_lastError.driverText()
                                                : m_lastError.databaseText();
}
