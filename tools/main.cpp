#include "tools/checkcommand.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ionarch-check"));
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runCheck(QCoreApplication::arguments(), in, out, err);
}
