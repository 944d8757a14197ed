#include "tools/checkcommand.h"

#include "catalogue/loader.h"
#include "quiz/answerkey.h"
#include "tools/answerjudge.h"
#include "tools/checkreport.h"

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
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The data file; ions.dat when not given."),
                                 QStringLiteral("[FILE]"));

    const bool parsed = parser.parse(arguments);
    const bool judging = parsed && parser.isSet(judgeOption);
    if (!parsed || parser.positionalArguments().size() > 1 ||
        (judging && (parser.isSet(listingsOption) || parser.isSet(compoundsOption)))) {
        const QString problem = parser.positionalArguments().size() > 1
                                    ? QStringLiteral("Give at most one data file.")
                                : judging ? QStringLiteral("--judge goes without other options.")
                                          : parser.errorText();
        err << problem << "\n\n" << parser.helpText();
        return CheckBadUsage;
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return CheckDone;
    }

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
