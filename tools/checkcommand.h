#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of ionarch-check.
enum CheckExitCode {
    CheckDone = 0,
    CheckFatalFile = 1,
    CheckUnknownQuestion = 1,
    CheckResultsLeftOut = 1,
    CheckBadUsage = 2
};

// ionarch-check [--listings] [--compounds] [FILE]: loads FILE (ions.dat in the working folder
// by default) as the program would and reports on it. With --judge it judges the answers that
// in holds instead, and the findings go to err; with --class FOLDER [--since DAY] [--tsv] it
// reports on a class's results files. arguments[0] is the program's name.
int runCheck(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err);
