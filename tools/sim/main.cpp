#include "tools/sim/simcommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ionarch-sim"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runSimulator(QCoreApplication::arguments(), out, err);
}
