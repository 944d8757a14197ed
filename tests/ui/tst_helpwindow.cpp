#include "frmhelp.h"

#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString Introduction = QStringLiteral(
    "There are many exceptions and complications in naming covalent compounds.Simple covalent "
    "compounds are named in the pattern \"nA mB\" , where n and m are Greek words for numbers, "
    "and A and B are element names. B will always end in -ide.\r\n"
    "For example H2O = dihydrogen monoxide. Never use mono- in front of the first element. So "
    "we say 'carbon dioxide' not 'monocarbon dioxide'.\r\n\r\nHere are the numbers in Greek:\r\n"
    "1 = mono\r\n2 = di\r\n3 = tri\r\n4 = tetra\r\n5 = penta\r\n"
    "6 = hexa\r\n7 = hepta\r\n8 = octa\r\n9 = nona\r\n10 = deca\r\n\r\n");

const ListingTexts Listings = {"CATIONS - MONOVALENT\r\nsodium            Na    +1\r\n",
                               "ANIONS - SIMPLE\r\nchloride             Cl      -1\r\n",
                               "COVALENT - POSITIVE OXIDATION NUMBERS\r\n"
                               "nitrogen             N        +1 +2 +3 +4 +5 +6 +7 +8 +9\r\n",
                               "COVALENT - COMPLEX COMPOUNDS\r\nammonia                  NH3\r\n"};

QString shown(const frmHelp &help, const char *control = "txtHelp") {
    const QObject *widget = help.findChild<QWidget *>(QLatin1String(control));
    return widget->property(qobject_cast<const QLabel *>(widget) ? "text" : "plainText").toString();
}

// Shows the topic modally and closes the window from inside its modal loop, by its close box
// or by a key.
void display(frmHelp &help, qint16 num, Qt::Key key = Qt::Key_unknown) {
    bool modalWithFocusOnClose = false;
    QTimer::singleShot(0, &help, [&] {
        modalWithFocusOnClose = QApplication::activeModalWidget() == &help &&
                                help.focusWidget()->objectName() == QLatin1String("cmdOK");
        key == Qt::Key_unknown ? void(help.close()) : QTest::keyClick(&help, key);
    });
    help.DisplayHelp(num);
    QVERIFY(modalWithFocusOnClose && !help.isVisible());
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachTopicShowsItsHeadingAndText_data() {
        QTest::addColumn<int>("num");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("text");
        QTest::addRow("cations") << 1 << "List of Cations used" << Listings.help1;
        QTest::addRow("anions") << 2 << "List of Anions used" << Listings.help2;
        QTest::addRow("question") << 3 << "Help for this specific question"
                                  << "It is iron.";
        QTest::addRow("covalent naming")
            << -1 << "Help for covalent naming" << Introduction + Listings.helpC1;
        QTest::addRow("complex") << -2 << "List of all complex covalent compounds"
                                 << Listings.helpC2;
        QTest::addRow("other numbers change nothing") << 7 << "About Ionarch: version 5.1.0"
                                                      << "";
    }
    void eachTopicShowsItsHeadingAndText() {
        QFETCH(int, num);
        QFETCH(QString, heading);
        QFETCH(QString, text);
        frmHelp help(Listings);
        help.help3 = QStringLiteral("It is iron.");
        display(help, 0, Qt::Key_Escape);
        const QString about = shown(help);
        QVERIFY(about.contains(QStringLiteral("5.1.0")));
        display(help, qint16(num), Qt::Key_Return);
        QCOMPARE(shown(help, "lblHeading"), heading);
        QCOMPARE(shown(help), text.isEmpty() ? about : text.replace("\r\n", "\n"));
    }

    void introductionStandsOnceAfterTheCloseBoxReloadedTheWindow() {
        frmHelp help(Listings);
        display(help, -1);
        display(help, 1);
        display(help, -1);
        QCOMPARE(help.helpC1, Introduction + Listings.helpC1);
        QCOMPARE(shown(help).count(QStringLiteral("There are many exceptions")), 1);
    }

    void listingRowsNeverWrapWhileProseDoes() {
        frmHelp help(Listings);
        display(help, -1);
        const QTextDocument *text = help.findChild<QTextEdit *>()->document();
        QVERIFY(text->begin().layout()->lineCount() > 1);
        QCOMPARE(text->find(QStringLiteral("nitrogen")).block().layout()->lineCount(), 1);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
