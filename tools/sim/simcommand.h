#pragma once

#include <QStringList>
#include <QTextStream>

// Exit codes of ionarch-sim.
enum SimExitCode { SimDone = 0, SimUnreadableFile = 1, SimBadUsage = 2 };

// ionarch-sim --students FILE [--policy random|adaptive] [--seed N] [--max-questions N]
// [DATAFILE], or ionarch-sim --skills [DATAFILE]: simulated students practise on the data file
// (ions.dat in the working folder by default) through the program's own chooser and model, or
// the skills are listed. arguments[0] is the program's name.
int runSimulator(const QStringList &arguments, QTextStream &out, QTextStream &err);
