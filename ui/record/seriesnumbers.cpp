#include "ui/record/seriesnumbers.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>

std::optional<int> nextSeriesNumber(const QString &folder, int above) {
    const QDir dir(folder);
    QLockFile lock(dir.filePath(QStringLiteral("last-series.lock")));
    if (!dir.mkpath(QStringLiteral(".")) || !lock.tryLock(10000))
        return std::nullopt;
    QFile last(dir.filePath(QStringLiteral("last-series")));
    const int given = last.open(QIODevice::ReadOnly) ? last.readAll().trimmed().toInt() : 0;
    last.close();
    const int next = std::max(given, above) + 1;
    QSaveFile save(last.fileName());
    if (!save.open(QIODevice::WriteOnly) || save.write(QByteArray::number(next) + '\n') < 0 ||
        !save.commit())
        return std::nullopt;
    return next;
}
