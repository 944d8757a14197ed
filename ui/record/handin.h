#pragma once

#include "quiz/resultsfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Results files as they are handed in to the teacher's folder and saved by the student.
namespace HandIn {

// "NAME_YYYY-MM-DD_HHMM.tsv" for a series finished at that local time. The name is made fit
// for a file name on any disk a school may use, whatever the student typed: no path
// separators, control characters or characters a Windows share refuses, no leading dot (a
// hidden file, or the folder above), at most 60 characters; "unnamed" when nothing is left.
QString fileName(const QString &student, const QDateTime &finished);

// The whole file: the two header lines, then one line per try.
QByteArray resultsText(const QList<ResultsFile::Row> &rows);

// Writes the text into the folder under the file name, or under the first free name after it
// ("..._1015-2.tsv"), never over another file: first into a hidden temporary file that is
// renamed once complete, so that the teacher never reads half a file. The path written; empty
// when it failed, and why in `error`.
QString write(const QString &folder, const QString &fileName, const QByteArray &text,
              QString *error);

} // namespace HandIn
