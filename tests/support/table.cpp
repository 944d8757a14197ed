#include "tests/support/table.h"

#include <QFile>
#include <QTest>

QList<QStringList> tableRows(const QString &file) {
    QFile table(QStringLiteral(IONARCH_TEST_TABLES "/") + file);
    if (!table.open(QIODevice::ReadOnly))
        qFatal("no table %s", qPrintable(file));
    QList<QStringList> rows;
    const QList<QByteArray> lines = table.readAll().split('\n');
    for (const QByteArray &line : lines.mid(1)) {
        if (!line.isEmpty() && !line.startsWith('#'))
            rows << QString::fromUtf8(line).split(u'\t');
    }
    return rows;
}

void addTableRows(const QString &file) {
    QTest::addColumn<QStringList>("row");
    for (const QStringList &row : tableRows(file))
        QTest::addRow("%s", qPrintable(row[0])) << row;
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

QStringList cellsFrom(const QStringList &row, int first) {
    QStringList cells;
    for (const QString &cell : row.mid(first)) {
        if (!cell.isEmpty())
            cells << cellText(cell);
    }
    return cells;
}
