#include "dialogports.h"
#include "ionarchapplication.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Ionarch"));
    QApplication::setApplicationVersion(QStringLiteral(IONARCH_VERSION));
    DialogMessageSink messages;
    DialogTextPrompt prompt;
    return IonarchApplication(messages, prompt).exec();
}
