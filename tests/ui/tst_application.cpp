#include "dialogports.h"
#include "ionarchapplication.h"
#include "recordingsink.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    void badDataFileEndsWithStatusOneAfterItsBoxBeforeAnyWindow_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("text");
        QTest::addRow("missing") << QByteArray() << "doesn't exist.\r\n ... exiting ...";
        QTest::addRow("empty") << QByteArray("") << "No data in IONS.DAT file.";
    }
    void badDataFileEndsWithStatusOneAfterItsBoxBeforeAnyWindow() {
        QFETCH(QByteArray, data);
        QFETCH(QString, text);
        IonarchApplication application(m_sink, m_prompt);
        QCOMPARE(application.exec(dataFile(data)), 1);
        QCOMPARE(m_sink.shown.size(), 1);
        QVERIFY(m_sink.shown[0].text.endsWith(text));
        QCOMPARE(m_sink.shown[0].title, QStringLiteral("Program error:"));
        QCOMPARE(m_sink.shown[0].icon, MessageIcon::Error);
        QCOMPARE(m_sink.windowsOnScreen, QList<QStringList>{{}});
    }

    void loadedDataOpensTheOptionsWindowAndClosingItBeforeTheStartEnds() {
        IonarchApplication application(m_sink, m_prompt);
        QString shown;
        QTimer::singleShot(0, [&] {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) {
                    shown += window->objectName();
                    window->close();
                }
            }
        });
        QCOMPARE(application.exec(dataFile("[Cations-monovalent]\r\nsodium,Na,1\r\n")), 0);
        QCOMPARE(shown, QStringLiteral("frmOpt"));
        QVERIFY(m_sink.shown.isEmpty());
    }

    void realMessageBoxShowsTheMessageWithNoAsTheDefault() {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            seen << box->windowTitle() << box->property("text").toString();
            QTest::keyClick(box, Qt::Key_Return); // the default button
        });
        const Message question{"Print?\r\nNow", "", MessageIcon::Question, MessageButtons::YesNo};
        QCOMPARE(DialogMessageSink().show(question), MessageAnswer::No);
        QCOMPARE(seen, (QStringList{"ionarch50", "Print?\nNow"}));
    }

    void cleanup() { m_sink = {}; }

private:
    // The path of a data file holding data; a path to no file for a null data.
    QString dataFile(const QByteArray &data) {
        const QString path = m_folder.filePath(data.isNull() ? "none.dat" : "ions.dat");
        QFile file(path);
        if (!data.isNull() && !(file.open(QIODevice::WriteOnly) && file.write(data) == data.size()))
            qFatal("cannot write the data file");
        return path;
    }

    QTemporaryDir m_folder;
    RecordingSink m_sink;
    struct : TextPrompt {
        QString askText(const QString &, const QString &) override { return {}; }
    } m_prompt;
};

QTEST_MAIN(ApplicationTest)
#include "tst_application.moc"
