#include "ui/record/handin.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace HandIn {

namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype MaxNameLength = 60;
// Series finished within the same minute, as a fast student or two copies may.
constexpr int MaxNamesTried = 100;
const QString Suffix = QStringLiteral(".tsv");

bool unfitForFileName(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format: // invisible, or turning the text's direction
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return QStringView(u"/\\:*?\"<>|").contains(c);
    }
}

} // namespace

QString fileName(const QString &student, const QDateTime &finished) {
    QString name;
    for (const QChar c : student.trimmed())
        name += unfitForFileName(c) ? u'_' : c;
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    if (name.size() > MaxNameLength) {
        name.truncate(MaxNameLength);
        if (name.back().isHighSurrogate())
            name.chop(1);
    }
    // Windows shares drop them.
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    if (name.isEmpty())
        name = u"unnamed"_s;
    return name + u'_' + finished.toString(u"yyyy-MM-dd_HHmm"_s) + Suffix;
}

QByteArray resultsText(const QList<ResultsFile::Row> &rows) {
    QByteArray text = ResultsFile::header();
    for (const ResultsFile::Row &row : rows)
        text += ResultsFile::line(row);
    return text;
}

QString write(const QString &folder, const QString &fileName, const QByteArray &text,
              QString *error) {
    const QDir dir(folder);
    // Hidden, and not named as a results file, while it is written.
    QTemporaryFile part(dir.filePath(u".hand-in-XXXXXX"_s));
    if (!part.open() || part.write(text) != text.size() || !part.flush()) {
        *error = part.errorString();
        return QString();
    }
    part.close();
    // Renamed by name: a temporary file forgets its name when a rename fails.
    QFile written(part.fileName());
    const QString stem = fileName.chopped(Suffix.size());
    for (int n = 1; n <= MaxNamesTried; ++n) {
        const QString target =
            dir.filePath(n == 1 ? fileName : stem + u'-' + QString::number(n) + Suffix);
        if (written.rename(target))
            return target;
        if (!QFileInfo::exists(target))
            break;
    }
    *error = written.errorString();
    return QString();
}

} // namespace HandIn
