#include "loader.h"

#include <QTest>

namespace {

// Keeps the text of every box, answering each with OK.
class BoxRecorder final : public MessageSink {
public:
    MessageAnswer show(const Message &message) override {
        texts << message.text;
        return MessageAnswer::Ok;
    }
    QStringList texts;
};

// Each line of the file is an unknown section header: one box apiece.
QByteArray faultyFile(int lines) {
    QByteArray file;
    for (int line = 1; line <= lines; ++line)
        file += "[bad " + QByteArray::number(line) + "]\r\n";
    return file;
}

QStringList firstBoxes(int count) {
    QStringList texts;
    for (int line = 1; line <= count; ++line)
        texts << QStringLiteral("[bad %1]").arg(line);
    return texts;
}

} // namespace

class MessageLimitTest : public QObject {
    Q_OBJECT

private slots:
    void boxesBeyondTheLimitAreSummedUpAtTheEnd_data() {
        QTest::addColumn<int>("faultyLines");
        QTest::addColumn<QStringList>("boxes");
        const QString summaryEnd = QStringLiteral(" in the data file, not shown here. "
                                                  "ionarch-check lists them all.");
        QTest::addRow("20 faulty lines: every box") << 20 << firstBoxes(20);
        QTest::addRow("21 faulty lines: one held back")
            << 21
            << firstBoxes(20) + QStringList{QStringLiteral("There is 1 more problem") + summaryEnd};
        QTest::addRow("25 faulty lines: five held back")
            << 25
            << firstBoxes(20) +
                   QStringList{QStringLiteral("There are 5 more problems") + summaryEnd};
    }
    void boxesBeyondTheLimitAreSummedUpAtTheEnd() {
        QFETCH(int, faultyLines);
        BoxRecorder sink;
        MessageBoxDiagnostics diagnostics(sink);
        IonCatalogue catalogue;
        loadIons(faultyFile(faultyLines), catalogue, diagnostics);
        QTEST(sink.texts, "boxes");
    }

    void messageAboutTheWholeFileIsShownPastTheLimit() {
        BoxRecorder sink;
        MessageBoxDiagnostics diagnostics(sink);
        for (int line = 1; line <= 25; ++line)
            diagnostics.message(line, {QStringLiteral("line"), {}});
        diagnostics.message(0, {QStringLiteral("fatal"), QStringLiteral("Program error:")});
        QCOMPARE(sink.texts.size(), MessageBoxDiagnostics::BoxLimit + 1);
        QCOMPARE(sink.texts.last(), QStringLiteral("fatal"));
    }
};

QTEST_GUILESS_MAIN(MessageLimitTest)
#include "tst_messagelimit.moc"
