#pragma once

#include "quiz/resultsfile.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

class QSqlQuery;

// The learning record in its SQLite file, history.sqlite: one row per try. One object is one
// connection, for the thread that made it. The file keeps the rollback journal, since home
// folders on network drives do not carry the shared memory of the write-ahead log, and a write
// waits for another copy's write to end instead of failing.
class RecordDatabase {
public:
    static constexpr QLatin1StringView FileName{"history.sqlite"};

    enum class Access { Writable, ReadOnly, None };
    struct Opened {
        Access access = Access::None;
        // One sentence for the student when something was amiss; empty when nothing was.
        QString notice;
    };

    explicit RecordDatabase(const QString &connectionName);
    ~RecordDatabase();
    RecordDatabase(const RecordDatabase &) = delete;
    RecordDatabase &operator=(const RecordDatabase &) = delete;

    // Opens the record in the folder, creating both or bringing an older file up to date. A
    // file from a newer version is opened to read only; a damaged one is moved aside under a
    // dated name and a new one begun; a folder or file that cannot be written gives None.
    Opened open(const QString &folder);
    // Opens an existing record to read it; false when there is none or it cannot be read.
    bool openToRead(const QString &folder);

    // Each in a transaction of its own: a program killed meanwhile loses that try at most.
    bool append(const ResultsFile::Row &row);
    // The tries from `from` until before `until`, oldest first; an invalid time leaves that end
    // open. The student's name is not recorded and stays empty.
    QList<ResultsFile::Row> rows(const QDateTime &from = {}, const QDateTime &until = {}) const;
    // 0 for an empty record.
    int highestSeries() const;
    // Removes every try, and the space they took in the file.
    bool forget();
    QString lastError() const;

private:
    enum class Outcome { Writable, Newer, Damaged, Unwritable };
    Outcome openFile(const QString &path);
    // Creates the tables or brings them up to date, the version read inside the transaction,
    // so that two copies starting together migrate once.
    Outcome migrate();
    // Runs the statement, or the query as prepared; keeps the error when it fails.
    bool execute(QSqlQuery &query, const QString &statement);
    bool execute(QSqlQuery &query);
    // What the last error says of the file: damaged, or only not writable.
    Outcome failure() const;
    bool reopenToRead(const QString &path);

    QString m_connectionName;
    QSqlDatabase m_database;
    QSqlError m_lastError;
};
