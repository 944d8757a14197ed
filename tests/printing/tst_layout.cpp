#include "fonts.h"
#include "pdftext.h"
#include "systemreportprinter.h"
#include "textwrap.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <limits>

class PrintingLayoutTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QPrinter m_printer{QPrinter::HighResolution};
    SystemReportPrinter m_report{m_printer}; // one for every report, as in the program
    int m_files = 0;

    // Prints `lines` to a new PDF file as a report of its own, switching to `points` before
    // line `sizeFrom`, and returns the text of the file, or which operation failed.
    QString printed(const QStringList &lines, int sizeFrom = -1, double points = 20) {
        m_printer.setOutputFileName(m_folder.filePath(QStringLiteral("%1.pdf").arg(++m_files)));
        if (!m_report.setFontName("Lucida Console"))
            return "setFontName failed";
        for (int i = 0; i < lines.size(); ++i) {
            if ((i == sizeFrom && !m_report.setFontSize(points)) || !m_report.printLine(lines[i]))
                return "failed at line " + QString::number(i);
        }
        return m_report.endDocument() ? pdfText(m_printer.outputFileName()) : "endDocument failed";
    }

private slots:
    void initTestCase() {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
    }

    void wrapsAtSpacesElseBetweenCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("widthInCharacters");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("break after the last space that fits")
            << "alpha beta gamma" << 12 << QStringList{"alpha beta ", "gamma"};
        QTest::addRow("spaces end the line they follow")
            << "alpha   beta" << 7 << QStringList{"alpha   ", "beta"};
        QTest::addRow("long word after a short one breaks between letters")
            << "ab cdefghij" << 4 << QStringList{"ab ", "cdef", "ghij"};
        QTest::addRow("empty text is one empty line") << "" << 10 << QStringList{""};
    }
    void wrapsAtSpacesElseBetweenCharacters() {
        QFETCH(QString, text);
        QFETCH(int, widthInCharacters);
        QImage device(1, 1, QImage::Format_RGB32);
        const QFont font(QStringLiteral("Liberation Mono"), 10);
        const qreal advance = QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('x'));
        QTEST(wrapText(text, font, &device, (widthInCharacters + 0.5) * advance), "lines");
    }

    void wrapsUnusualTextWithoutLosingOrSplittingCharacters_data() {
        QTest::addColumn<QString>("piece");
        QTest::addRow("emoji with modifiers and joiners")
            << QStringLiteral("👩‍👩‍👧‍👦👍🏽🇩🇪");
        QTest::addRow("combining marks") << QStringLiteral("e\u0301a\u0308\u0323");
        QTest::addRow("right-to-left words") << QStringLiteral("שלום עולם ");
        QTest::addRow("control characters") << QStringLiteral("Tab\there\x01\x1b line\r\nend\x7f ");
    }
    void wrapsUnusualTextWithoutLosingOrSplittingCharacters() {
        QFETCH(QString, piece);
        const QString text = piece.repeated(60);
        QImage device(1, 1, QImage::Format_RGB32);
        const QStringList lines = wrapText(text, QFont("Liberation Mono", 20), &device, 200);
        QCOMPARE(lines.join(QString()), text);
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
        qsizetype position = 0;
        for (const QString &line : lines) {
            QVERIFY(!line.isEmpty());
            graphemes.setPosition(position += line.size());
            QVERIFY(graphemes.isAtBoundary());
        }
    }

    void reportFontHasFixedPitchOnThePrinter() {
        const QFont font =
            Fonts::resolve(QStringLiteral("Lucida Console"), 20, QFont::Normal, &m_printer);
        const QFontMetricsF metrics(font, &m_printer);
        QCOMPARE(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W'));
        QCOMPARE(font.pointSizeF(), 20.0);
    }

    void longReportRunsOntoSeveralPagesWithEveryWord() {
        QStringList lines;
        for (int i = 1; i <= 120; ++i)
            lines << QStringLiteral("Line %1 of a report whose lines run on well past the right "
                                    "edge of the page at twenty points")
                         .arg(i);
        const QString text = printed(lines, 0);
        QVERIFY2(text.count(u'\f') >= 2, qPrintable(text.left(200)));
        QCOMPARE(wordsOf(text), wordsOf(lines.join(u' ')));
    }

    void longNamePrintsWhole() {
        const QString name = QStringLiteral("Abcdefghij").repeated(200);
        const QStringList lines{name + "06/12/2026", QString(name.size(), u'=')};
        QCOMPARE(wordsOf(printed(lines)).join(QString()),
                 wordsOf(lines.join(QString())).join(QString()));
    }

    // One line at the initial size, two at 20 points; the next report starts afresh.
    void bodySizeHoldsFromSetFontSizeUntilTheReportEnds() {
        const QString line = QStringLiteral("These ninety characters fit on one line across the "
                                            "page only at the smaller size of two");
        const auto rowsHolding = [&line](const QString &text) {
            const QStringList rows = text.split(u'\n');
            return std::count_if(rows.begin(), rows.end(),
                                 [&](const QString &row) { return row.simplified() == line; });
        };
        const QString first = printed({line, line}, 1);
        QCOMPARE(wordsOf(first), wordsOf(line + u' ' + line));
        QCOMPARE(rowsHolding(first), 1);
        QCOMPARE(rowsHolding(printed({line})), 1);
    }

    void printerThatCannotOpenFailsEveryOperation() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_folder.filePath(QStringLiteral("no-such-folder/report.pdf")));
        SystemReportPrinter report(printer);
        QVERIFY(!report.setFontName(QStringLiteral("Lucida Console")));
        QVERIFY(!report.setFontSize(20));
        QVERIFY(!report.printLine(QStringLiteral("text")));
        QVERIFY(!report.endDocument());
    }

    void failedOperationAbandonsTheReport_data() {
        QTest::addColumn<double>("size");
        QTest::addRow("zero points") << 0.0;
        QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    }
    void failedOperationAbandonsTheReport() {
        QFETCH(double, size);
        QCOMPARE(printed({"abandoned words", "more"}, 1, size), "failed at line 1");
        QCOMPARE(wordsOf(printed({"next report"})), QStringList({"next", "report"}));
    }
};

QTEST_MAIN(PrintingLayoutTest)
#include "tst_layout.moc"
