#include "tools/sim/simcommand.h"

#include "catalogue/loader.h"
#include "quiz/practice/skills.h"
#include "tools/sim/simulation.h"
#include "tools/sim/studentsfile.h"

#include <QCommandLineParser>
#include <QFile>

#include <array>
#include <random>

namespace {

// The loader's messages as lines on standard error, numbered by the line of the data file they
// concern; what it passes over stays unsaid.
class ErrorLines final : public LoadDiagnostics {
public:
    explicit ErrorLines(QTextStream &err)
        : m_err(err) {}
    void message(int line, const Message &message) override {
        if (line > 0)
            m_err << line << ": ";
        m_err << QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << '\n';
    }
    void warning(int, const QString &) override {}

private:
    QTextStream &m_err;
};

QString runLine(const QString &name, const StudentRun &run) {
    const auto count = [](std::optional<int> questions) {
        return questions ? QString::number(*questions) : QStringLiteral("-");
    };
    return name + u'\t' + count(run.toTrueMastery) + u'\t' + count(run.toDeclaredMastery);
}

} // namespace

int runSimulator(const QStringList &arguments, QTextStream &out, QTextStream &err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated students practise ionic compounds of both kinds of cation and every anion "
        "group, both ways mixed, through Ionarch's own chooser of questions and model of what "
        "a student knows. One line per student: NAME, questions until it knew every skill, "
        "questions until the model said so (- when not within the limit); then the median and "
        "90th percentile of the first count and the share of students declared masters while "
        "a skill was still unknown."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help."));
    const QCommandLineOption skillsOption(QStringLiteral("skills"),
                                          QStringLiteral("List the skill ids, one a line."));
    const QCommandLineOption studentsOption(
        QStringLiteral("students"),
        QStringLiteral("The students: one a line, NAME<TAB>SKILL,SKILL,... naming the skills "
                       "that student does not know."),
        QStringLiteral("file"));
    const QCommandLineOption policyOption(
        QStringLiteral("policy"),
        QStringLiteral("random: every question drawn as without practice; adaptive (the "
                       "default): practice of weak spots."),
        QStringLiteral("policy"), QStringLiteral("adaptive"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("The random values' seed; 1 by default."),
                                        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption maxOption(QStringLiteral("max-questions"),
                                       QStringLiteral("Questions per student at most; 5000 by "
                                                      "default."),
                                       QStringLiteral("n"), QStringLiteral("5000"));
    parser.addOptions(
        {helpOption, skillsOption, studentsOption, policyOption, seedOption, maxOption});
    parser.addPositionalArgument(QStringLiteral("datafile"),
                                 QStringLiteral("The data file; ions.dat when not given."),
                                 QStringLiteral("[DATAFILE]"));

    bool seedRead = false;
    bool maxRead = false;
    const bool parsed = parser.parse(arguments);
    const std::uint32_t seed = parser.value(seedOption).toUInt(&seedRead);
    const int maxQuestions = parser.value(maxOption).toInt(&maxRead);
    const QString policy = parser.value(policyOption);
    if (parsed && parser.isSet(helpOption)) {
        out << parser.helpText();
        return SimDone;
    }
    if (!parsed || parser.positionalArguments().size() > 1 ||
        parser.isSet(skillsOption) == parser.isSet(studentsOption) || !seedRead || !maxRead ||
        maxQuestions < 1 || (policy != u"random" && policy != u"adaptive")) {
        err << (parsed ? QStringLiteral("Give --skills or --students FILE, a policy random or "
                                        "adaptive, whole numbers, and at most one data file.")
                       : parser.errorText())
            << "\n\n"
            << parser.helpText();
        return SimBadUsage;
    }

    const QStringList files = parser.positionalArguments();
    IonCatalogue catalogue;
    ErrorLines diagnostics(err);
    if (LoadIonsFile(files.isEmpty() ? QStringLiteral("ions.dat") : files.first(), catalogue,
                     diagnostics) != LoadStatus::Loaded)
        return SimUnreadableFile;
    if (parser.isSet(skillsOption)) {
        for (const QString &skill : Skills::all(catalogue))
            out << skill << '\n';
        return SimDone;
    }

    const PracticeSimulation simulation(
        catalogue, policy == u"random" ? PracticePolicy::Random : PracticePolicy::Adaptive,
        maxQuestions);
    QFile file(parser.value(studentsOption));
    if (!file.open(QIODevice::ReadOnly)) {
        err << file.fileName() << ": " << file.errorString() << '\n';
        return SimUnreadableFile;
    }
    QString problem;
    const std::optional<QList<StudentLine>> students =
        readStudents(QString::fromUtf8(file.readAll()), simulation.practisedSkills(), problem);
    if (!students) {
        err << file.fileName() << ':' << problem << '\n';
        return SimUnreadableFile;
    }
    QList<StudentRun> runs;
    for (qsizetype index = 0; index < students->size(); ++index) {
        // Two streams of each student's own: the draw's and the student's answers.
        std::seed_seq seeds{seed, std::uint32_t(index)};
        std::array<std::uint32_t, 2> streams;
        seeds.generate(streams.begin(), streams.end());
        SimulatedStudent student(students->at(index).unknownSkills, streams[1]);
        runs << simulation.run(student, streams[0]);
        out << runLine(students->at(index).name, runs.last()) << '\n';
    }
    out << summaryLine(runs) << '\n';
    return SimDone;
}
