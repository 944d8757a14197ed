// Starts the program on a data file as a student would, every message box answered at once,
// and tells how many boxes it showed, the text of the last, and whether the options window
// opened; the hostile-file test compares this with the checker's report.
#include "tests/support/fakes.h"
#include "tests/support/windowdriver.h"
#include "ui/ionarchapplication.h"

#include <QTextStream>

namespace {

class CountingSink final : public MessageSink {
public:
    int boxes = 0;
    QString last;

    MessageAnswer show(const Message &message) override {
        ++boxes;
        last = message.text;
        return MessageAnswer::Ok;
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    CountingSink sink;
    NamePrompt prompt;
    IonarchApplication program(sink, prompt);
    const bool started = program.start(QApplication::arguments().value(1));
    QTextStream(stdout) << "boxes: " << sink.boxes << '\n'
                        << QString(sink.last).replace("\r\n", "\\n") << '\n'
                        << (started && visibleWindows() == QStringList{"frmOpt"} ? "options window"
                                                                                 : "no window")
                        << '\n';
    return 0;
}
