#pragma once

#include "quiz/attempt.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>

// The results files that a series is handed in as and that the class report reads: UTF-8,
// a first line "#ionarch-results<TAB>1", a line naming the columns, then one line per try.
namespace ResultsFile {

inline constexpr QLatin1StringView Signature{"#ionarch-results"};
inline constexpr int Version = 1;

// time student series question kind asked shown expected typed verdict category help cation
// anion datafile
const QStringList &columns();

// One line of a results file: a try, whose it was, and the data file it was asked from.
struct Row {
    QString student;
    QString dataFile; // the first 12 hex digits of the SHA-256 of ions.dat
    Attempt attempt;
};

// The signature line and the column line, each ended by a line feed.
QByteArray header();
// The row's line with its line feed; tabs and line breaks inside a field become spaces.
QByteArray line(const Row &row);

// What the first line of a file says of it; a byte order mark and a line end may stand there.
enum class Kind { Results, NewerVersion, Other };
Kind kindOf(const QByteArray &firstLine);

// A line after the two header lines, with its line end removed; nothing when it is damaged,
// and why in `why`.
std::optional<Row> parseLine(const QString &line, QString *why = nullptr);

// "right", "variant", "wrong", "gave-up"; "ionic", "covalent".
QLatin1StringView verdictCode(Verdict verdict);
QLatin1StringView kindCode(CompoundKind kind);
// "iron(III)" for a cation whose charge was drawn from several, else its name as listed.
QString cationLabel(const Attempt &attempt);

} // namespace ResultsFile
