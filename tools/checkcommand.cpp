#include "tools/checkcommand.h"

#include "catalogue/loader.h"
#include "quiz/answerkey.h"
#include "tools/answerjudge.h"
#include "tools/checkreport.h"
#include "tools/classreport.h"

#include <QCommandLineParser>

int runCheck(const QStringList &arguments, QTextStream &in, QTextStream &out, QTextStream &err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks an Ionarch data file and reports every line that the program "
                       "would complain about or pass over."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    parser.addOption(helpOption);
    const QCommandLineOption listingsOption(QStringLiteral("listings"),
                                            QStringLiteral("Also print the four help listings."));
    parser.addOption(listingsOption);
    const QCommandLineOption compoundsOption(
        QStringLiteral("compounds"),
        QStringLiteral("Also print the answer key: every compound the quiz can ask, as "
                       "KIND<TAB>NAME<TAB>FORMULA."));
    parser.addOption(compoundsOption);
    const QCommandLineOption judgeOption(
        QStringLiteral("judge"),
        QStringLiteral("Judge answers instead: read lines SHOWN<TAB>TYPED from standard input, "
                       "SHOWN being the name or formula a question shows, and print "
                       "VERDICT<TAB>CATEGORY<TAB>EXPLANATION for each. The findings go to "
                       "standard error."));
    parser.addOption(judgeOption);
    const QCommandLineOption classOption(
        QStringLiteral("class"),
        QStringLiteral("Report on a class instead: read every results file (*.tsv) in FOLDER, "
                       "and print the mistakes by their share of the wrong tries, the ions "
                       "missed most and a line per student. Files and lines that cannot be "
                       "read are named on standard error."),
        QStringLiteral("FOLDER"));
    parser.addOption(classOption);
    const QCommandLineOption sinceOption(
        QStringLiteral("since"),
        QStringLiteral("With --class: count only the tries from that day on."),
        QStringLiteral("YYYY-MM-DD"));
    parser.addOption(sinceOption);
    const QCommandLineOption tsvOption(
        QStringLiteral("tsv"),
        QStringLiteral("With --class: print tab-separated lines instead, starting category, "
                       "ion or student."));
    parser.addOption(tsvOption);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The data file; ions.dat when not given."),
                                 QStringLiteral("[FILE]"));

    const bool parsed = parser.parse(arguments);
    const bool judging = parsed && parser.isSet(judgeOption);
    const bool reporting = parsed && parser.isSet(classOption);
    const bool dataFileOptions = parser.isSet(listingsOption) || parser.isSet(compoundsOption);
    const QDate since = QDate::fromString(parser.value(sinceOption), Qt::ISODate);
    const QString problem =
        !parsed                                   ? parser.errorText()
        : parser.positionalArguments().size() > 1 ? QStringLiteral("Give at most one data file.")
        : judging && (dataFileOptions || reporting)
            ? QStringLiteral("--judge goes without other options.")
        : reporting && (dataFileOptions || !parser.positionalArguments().isEmpty())
            ? QStringLiteral("--class reads results files, not a data file.")
        : !reporting && (parser.isSet(sinceOption) || parser.isSet(tsvOption))
            ? QStringLiteral("--since and --tsv go with --class.")
        : parser.isSet(sinceOption) && !since.isValid()
            ? QStringLiteral("--since takes a day as YYYY-MM-DD.")
            : QString();
    if (!problem.isEmpty()) {
        err << problem << "\n\n" << parser.helpText();
        return CheckBadUsage;
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return CheckDone;
    }

    if (reporting)
        return reportOnClass(parser.value(classOption), since, parser.isSet(tsvOption), out, err);

    const QStringList files = parser.positionalArguments();
    const QString path = files.isEmpty() ? QStringLiteral("ions.dat") : files.first();
    IonCatalogue catalogue;
    CheckReport report(judging ? err : out);
    if (LoadIonsFile(path, catalogue, report) != LoadStatus::Loaded)
        return CheckFatalFile;
    if (judging)
        return judgeAnswers(catalogue, in, out) ? CheckDone : CheckUnknownQuestion;
    report.writeCounts(catalogue);
    if (parser.isSet(listingsOption))
        report.writeListings(catalogue.listings);
    if (parser.isSet(compoundsOption))
        report.writeAnswerKey(answerKey(catalogue));
    return CheckDone;
}
