#pragma once

#include <QDate>
#include <QString>
#include <QTextStream>

// ionarch-check --class FOLDER [--since DATE] [--tsv]: reads every *.tsv file of the folder
// as a results file and writes the class report to out: the mistakes by their share of the
// wrong tries, the ions missed most and a line per student; tab-separated lines with `tsv`.
// Only the tries from `since` on (local time) count, all when it is invalid. A file or line
// it cannot read is named on err and left out; then, and for a missing folder, it returns 1,
// else 0.
int reportOnClass(const QString &folder, const QDate &since, bool tsv, QTextStream &out,
                  QTextStream &err);
