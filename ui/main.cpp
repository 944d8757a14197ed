#include "ui/ionarchapplication.h"
#include "ui/system/dialogports.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("ionarch"));
    QApplication::setApplicationVersion(QStringLiteral(IONARCH_VERSION));
    // Lets Wayland docks match the windows to the installed launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ionarch.Ionarch"));

    // Qt's own options, such as -platform, were taken from the arguments already.
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Drill for naming inorganic compounds and writing their formulas."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption handIn(
        QStringLiteral("hand-in"),
        QStringLiteral("Hand in every finished series as a results file in <folder>."),
        QStringLiteral("folder"));
    options.addOption(handIn);
    options.process(application);

    DialogMessageSink messages;
    DialogTextPrompt prompt;
    return IonarchApplication(messages, prompt, nullptr,
                              RecordFolders::ofProgram(options.value(handIn)))
        .exec();
}
