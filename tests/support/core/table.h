#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QStringList>

// One row of a table file of the tests, from tests/tables: tab-separated cells under a first
// line that names the columns; lines starting with # are comments. A cell may hold \r, \n,
// \t, \\ and \xHH (a byte); the rest is UTF-8.
class TableRow {
public:
    TableRow() = default;
    TableRow(QStringList columns, QStringList cells);

    // The cell under the column of that name, as written; a name the table lacks is a fault
    // of the test, which stops.
    QString operator[](const char *column) const;
    // The non-empty cells from column `first` to column `last` (the last column when none),
    // escapes resolved: a list spread over columns.
    QStringList cells(const char *first, const char *last = nullptr) const;

private:
    qsizetype columnIndex(const char *column) const;

    QStringList m_columns;
    QStringList m_cells;
};
Q_DECLARE_METATYPE(TableRow)

QList<TableRow> tableRows(const QString &file);
// The same as a test's data: each row whole in the column "row", named by its first cell.
void addTableRows(const QString &file);

// The cell's bytes with its escapes resolved, and the same as text.
QByteArray cellBytes(const QString &cell);
QString cellText(const QString &cell);
