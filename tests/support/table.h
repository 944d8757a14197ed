#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The rows of a table file of the tests, from tests/tables: tab-separated cells, a first line
// that names the columns, and lines starting with # as comments. A cell may hold \r, \n, \t,
// \\ and \xHH (a byte); the rest is UTF-8.
QList<QStringList> tableRows(const QString &file);
// The same as a test's data: each row whole in the column "row", named by its first cell.
void addTableRows(const QString &file);

// The cell's bytes with its escapes resolved, and the same as text.
QByteArray cellBytes(const QString &cell);
QString cellText(const QString &cell);

// The non-empty cells of a row from column `first` on: a list that is spread over columns.
QStringList cellsFrom(const QStringList &row, int first);
