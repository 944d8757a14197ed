#include "ui/ionarchapplication.h"
#include "ui/system/dialogports.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("ionarch"));
    QApplication::setApplicationVersion(QStringLiteral(IONARCH_VERSION));
    // Lets Wayland docks match the windows to the installed launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ionarch.Ionarch"));
    DialogMessageSink messages;
    DialogTextPrompt prompt;
    return IonarchApplication(messages, prompt).exec();
}
