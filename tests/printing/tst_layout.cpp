#include "fixedpitchfont.h"
#include "pdftext.h"
#include "systemreportprinter.h"
#include "textwrap.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBoundaryFinder>

#include <limits>
#include <memory>

namespace {

const QString date = QStringLiteral("06/12/2026");

QString repeated(const QString &piece, int times) {
    QStringList pieces;
    pieces.fill(piece, times);
    return pieces.join(QString());
}

bool allBreaksBetweenCharacters(const QStringList &lines) {
    const QString text = lines.join(QString());
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype position = 0;
    for (const QString &line : lines) {
        position += line.size();
        graphemes.setPosition(position);
        if (!graphemes.isAtBoundary())
            return false;
    }
    return true;
}

int rowsHolding(const QString &pdfText, const QString &line) {
    int count = 0;
    for (const QString &row : pdfText.split(QLatin1Char('\n')))
        count += row.simplified() == line.simplified() ? 1 : 0;
    return count;
}

} // namespace

class PrintingLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void wrapsAtSpacesElseBetweenCharacters_data();
    void wrapsAtSpacesElseBetweenCharacters();
    void wrapsUnusualTextWithoutLosingOrSplittingCharacters_data();
    void wrapsUnusualTextWithoutLosingOrSplittingCharacters();
    void reportFontHasFixedPitch_data();
    void reportFontHasFixedPitch();

    void longReportRunsOntoSeveralPagesWithEveryWord();
    void longNamePrintsWhole_data();
    void longNamePrintsWhole();
    void unusualNamePrints_data() { wrapsUnusualTextWithoutLosingOrSplittingCharacters_data(); }
    void unusualNamePrints();
    void bodySizeHoldsFromSetFontSizeUntilTheReportEnds();
    void printerThatCannotOpenFailsEveryOperation();
    void failedOperationAbandonsTheReport_data();
    void failedOperationAbandonsTheReport();

private:
    std::unique_ptr<QPrinter> pdfPrinter(const QString &fileName) const;

    QTemporaryDir m_folder;
};

void PrintingLayoutTest::wrapsAtSpacesElseBetweenCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("widthInCharacters");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("text that fits stays whole") << "alpha beta" << 20 << QStringList{"alpha beta"};
    QTest::addRow("break after the last space that fits")
        << "alpha beta gamma" << 12 << QStringList{"alpha beta ", "gamma"};
    QTest::addRow("spaces end the line they follow")
        << "alpha   beta" << 7 << QStringList{"alpha   ", "beta"};
    QTest::addRow("word longer than a line breaks between letters")
        << "abcdefghij" << 4 << QStringList{"abcd", "efgh", "ij"};
    QTest::addRow("long word after a short one starts a line")
        << "ab cdefghij" << 4 << QStringList{"ab ", "cdef", "ghij"};
    QTest::addRow("empty text is one empty line") << "" << 10 << QStringList{""};
    QTest::addRow("width under one character still takes one per line")
        << "abc" << 0 << QStringList{"a", "b", "c"};
}

void PrintingLayoutTest::wrapsAtSpacesElseBetweenCharacters() {
    QFETCH(QString, text);
    QFETCH(int, widthInCharacters);
    QFETCH(QStringList, lines);

    QImage device(1, 1, QImage::Format_RGB32);
    const QFont font(QStringLiteral("Liberation Mono"), 10);
    const qreal advance = QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('x'));
    const qreal width = widthInCharacters == 0 ? 0 : (widthInCharacters + 0.5) * advance;
    QCOMPARE(wrapText(text, font, &device, width), lines);
}

void PrintingLayoutTest::wrapsUnusualTextWithoutLosingOrSplittingCharacters_data() {
    QTest::addColumn<QString>("text");

    QTest::addRow("right-to-left Hebrew") << repeated(QStringLiteral("שלום עולם "), 30);
    QTest::addRow("Arabic without spaces") << repeated(QStringLiteral("مرحبا"), 60);
    QTest::addRow("emoji with modifiers and joiners")
        << repeated(QStringLiteral("👩‍👩‍👧‍👦👍🏽🇩🇪"), 40);
    QTest::addRow("combining marks") << repeated(QStringLiteral("e\u0301a\u0308\u0323"), 200);
    QTest::addRow("control characters")
        << repeated(QStringLiteral("Tab\there\x01\x1b line\r\nend\x7f "), 20);
    QTest::addRow("2000 letters") << QString(2000, QLatin1Char('W'));
}

void PrintingLayoutTest::wrapsUnusualTextWithoutLosingOrSplittingCharacters() {
    QFETCH(QString, text);

    QImage device(1, 1, QImage::Format_RGB32);
    const QFont font(QStringLiteral("Liberation Mono"), 20);
    const QStringList lines = wrapText(text, font, &device, 200);
    QCOMPARE(lines.join(QString()), text);
    QVERIFY(!lines.contains(QString()));
    QVERIFY(allBreaksBetweenCharacters(lines));
}

void PrintingLayoutTest::reportFontHasFixedPitch_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("familyKept");

    QTest::addRow("fixed-pitch family is kept") << "Liberation Mono" << true;
    QTest::addRow("proportional family gives way") << "Liberation Sans" << false;
    QTest::addRow("missing family gives way") << "No Such Family Anywhere" << false;
}

void PrintingLayoutTest::reportFontHasFixedPitch() {
    QFETCH(QString, family);
    QFETCH(bool, familyKept);

    QPrinter device(QPrinter::HighResolution);
    const QFont font = fixedPitchFont(family, 20, &device);
    const QFontMetricsF metrics(font, &device);
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
             metrics.horizontalAdvance(QLatin1Char('W')));
    QCOMPARE(font.pointSizeF(), 20.0);
    QCOMPARE(QFontInfo(font).family() == family, familyKept);
}

void PrintingLayoutTest::longReportRunsOntoSeveralPagesWithEveryWord() {
    const auto printer = pdfPrinter(QStringLiteral("long.pdf"));
    SystemReportPrinter report(*printer);
    QStringList lines;
    for (int i = 1; i <= 120; ++i)
        lines << QStringLiteral("Line %1 of a report whose lines run on well past the right "
                                "edge of the page at twenty points")
                     .arg(i);

    QVERIFY(report.setFontName(QStringLiteral("Lucida Console")));
    QVERIFY(report.setFontSize(20));
    for (const QString &line : lines)
        QVERIFY(report.printLine(line));
    QVERIFY(report.endDocument());

    const QString text = pdfText(printer->outputFileName());
    QVERIFY(text.count(QLatin1Char('\f')) >= 2);
    QCOMPARE(wordsOf(text), wordsOf(lines.join(QLatin1Char(' '))));
}

void PrintingLayoutTest::longNamePrintsWhole_data() {
    QTest::addColumn<QString>("name");

    QTest::addRow("2000 letters without a space") << repeated(QStringLiteral("Abcdefghij"), 200);
    QTest::addRow("2000 characters in words") << repeated(QStringLiteral("Abcdefghi "), 200);
}

void PrintingLayoutTest::longNamePrintsWhole() {
    QFETCH(QString, name);

    const auto printer = pdfPrinter(QStringLiteral("name.pdf"));
    SystemReportPrinter report(*printer);
    const QString rule(name.size(), QLatin1Char('='));
    QVERIFY(report.setFontName(QStringLiteral("Lucida Console")));
    QVERIFY(report.printLine(name + date));
    QVERIFY(report.printLine(rule));
    QVERIFY(report.endDocument());

    QCOMPARE(wordsOf(pdfText(printer->outputFileName())).join(QString()),
             wordsOf(name + date + rule).join(QString()));
}

void PrintingLayoutTest::unusualNamePrints() {
    QFETCH(QString, text);

    const auto printer = pdfPrinter(QStringLiteral("unusual.pdf"));
    SystemReportPrinter report(*printer);
    QVERIFY(report.setFontName(QStringLiteral("Lucida Console")));
    QVERIFY(report.printLine(QStringLiteral("Student ") + text));
    QVERIFY(report.printLine(QStringLiteral("Closing line")));
    QVERIFY(report.endDocument());

    // pdftotext marks and reorders right-to-left runs, so only the plain words are looked for.
    const QString printed = pdfText(printer->outputFileName());
    QVERIFY(printed.contains(QStringLiteral("Student")));
    QVERIFY(printed.contains(QStringLiteral("Closing line")));
}

void PrintingLayoutTest::bodySizeHoldsFromSetFontSizeUntilTheReportEnds() {
    // One line at the initial size, about two at 20 points.
    const QString line = QStringLiteral(
        "These ninety characters fit on one line across the page only at the smaller size of two");
    const auto printer = pdfPrinter(QStringLiteral("first.pdf"));
    SystemReportPrinter report(*printer);
    QVERIFY(report.setFontName(QStringLiteral("Lucida Console")));
    QVERIFY(report.printLine(line));
    QVERIFY(report.setFontSize(20));
    QVERIFY(report.printLine(line));
    QVERIFY(report.endDocument());
    const QString first = pdfText(printer->outputFileName());
    QCOMPARE(wordsOf(first), wordsOf(line + QLatin1Char(' ') + line));
    QCOMPARE(rowsHolding(first, line), 1);

    printer->setOutputFileName(m_folder.filePath(QStringLiteral("second.pdf")));
    QVERIFY(report.setFontName(QStringLiteral("Lucida Console")));
    QVERIFY(report.printLine(line));
    QVERIFY(report.endDocument());
    QCOMPARE(rowsHolding(pdfText(printer->outputFileName()), line), 1);
}

void PrintingLayoutTest::printerThatCannotOpenFailsEveryOperation() {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_folder.filePath(QStringLiteral("no-such-folder/report.pdf")));
    SystemReportPrinter report(printer);

    QVERIFY(!report.setFontName(QStringLiteral("Lucida Console")));
    QVERIFY(!report.setFontSize(20));
    QVERIFY(!report.printLine(QStringLiteral("text")));
    QVERIFY(!report.endDocument());
}

void PrintingLayoutTest::failedOperationAbandonsTheReport_data() {
    QTest::addColumn<double>("size");

    QTest::addRow("zero points") << 0.0;
    QTest::addRow("negative points") << -20.0;
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void PrintingLayoutTest::failedOperationAbandonsTheReport() {
    QFETCH(double, size);

    const auto printer = pdfPrinter(QStringLiteral("abandoned.pdf"));
    SystemReportPrinter report(*printer);
    QVERIFY(report.printLine(QStringLiteral("abandoned words")));
    QVERIFY(!report.setFontSize(size));

    QVERIFY(report.printLine(QStringLiteral("next report")));
    QVERIFY(report.endDocument());
    QCOMPARE(wordsOf(pdfText(printer->outputFileName())),
             QStringList({QStringLiteral("next"), QStringLiteral("report")}));
}

std::unique_ptr<QPrinter> PrintingLayoutTest::pdfPrinter(const QString &fileName) const {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setOutputFileName(m_folder.filePath(fileName));
    return printer;
}

QTEST_MAIN(PrintingLayoutTest)
#include "tst_layout.moc"
