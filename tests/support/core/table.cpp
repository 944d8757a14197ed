#include "tests/support/core/table.h"

#include <QFile>
#include <QTest>

TableRow::TableRow(QStringList columns, QStringList cells)
    : m_columns(std::move(columns))
    , m_cells(std::move(cells)) {}

qsizetype TableRow::columnIndex(const char *column) const {
    const qsizetype index = m_columns.indexOf(QLatin1StringView(column));
    if (index < 0)
        qFatal("the table has no column \"%s\"", column);
    return index;
}

QString TableRow::operator[](const char *column) const {
    return m_cells.value(columnIndex(column));
}

QStringList TableRow::cells(const char *first, const char *last) const {
    const qsizetype end = last ? columnIndex(last) : m_columns.size() - 1;
    QStringList cells;
    for (qsizetype column = columnIndex(first); column <= end; ++column) {
        if (!m_cells.value(column).isEmpty())
            cells << cellText(m_cells[column]);
    }
    return cells;
}

QList<TableRow> tableRows(const QString &file) {
    QFile table(QStringLiteral(IONARCH_TEST_TABLES "/") + file);
    if (!table.open(QIODevice::ReadOnly))
        qFatal("no table %s", qPrintable(file));
    const QList<QByteArray> lines = table.readAll().split('\n');
    const QStringList columns = QString::fromUtf8(lines.value(0)).split(u'\t');
    QList<TableRow> rows;
    for (const QByteArray &line : lines.mid(1)) {
        if (!line.isEmpty() && !line.startsWith('#'))
            rows.append({columns, QString::fromUtf8(line).split(u'\t')});
    }
    return rows;
}

void addTableRows(const QString &file) {
    QTest::addColumn<TableRow>("row");
    for (const TableRow &row : tableRows(file))
        QTest::addRow("%s", qPrintable(row["case"])) << row;
}

QByteArray cellBytes(const QString &cell) {
    const QByteArray text = cell.toUtf8();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        const char escape = text[++i];
        if (escape == 'x')
            bytes += char(text.mid(i + 1, 2).toInt(nullptr, 16)), i += 2;
        else
            bytes += escape == 'r' ? '\r' : escape == 'n' ? '\n' : escape == 't' ? '\t' : escape;
    }
    return bytes;
}

QString cellText(const QString &cell) {
    return QString::fromUtf8(cellBytes(cell));
}
