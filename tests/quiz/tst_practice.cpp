#include "quiz/answerkey.h"
#include "quiz/drawpool.h"
#include "quiz/practice/mistakeblame.h"
#include "quiz/practice/practicemodel.h"
#include "quiz/practice/skills.h"
#include "quiz/practice/triedquestion.h"
#include "quiz/practice/weakspotchooser.h"
#include "quiz/progress/progressfigures.h"
#include "tests/support/core/namedsettings.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/core/table.h"
#include "tools/sim/simulation.h"

#include <QProcess>
#include <QTest>

namespace {

const QDate FirstDay(2024, 9, 2);

QStringList entryNames(const DrawPool &pool) {
    QStringList names;
    for (int row = 1; row <= pool.count(); ++row)
        names << pool.entry(row).Name;
    return names;
}

const QMap<QString, Verdict> Verdicts{{"right", Verdict::Right},
                                      {"variant", Verdict::Variant},
                                      {"helped", Verdict::Right},
                                      {"gave-up", Verdict::GaveUp}};

// A figure of progress.tsv as its column "shows" writes it.
QString shownFigure(const ProgressFigures &figures, const QString &figure) {
    const QString name = figure.section(u' ', 0, 0);
    QStringList shown;
    if (name == "skill") {
        const auto skill =
            std::find_if(figures.skills.begin(), figures.skills.end(),
                         [&](const SkillFigures &s) { return s.skill == figure.section(u' ', 1); });
        const QStringList trends{"-", "better", "steady", "worse"};
        return QStringLiteral("%1 tries, %2 of %3, %4, %5%%6")
            .arg(skill->tries)
            .arg(skill->recentFirstTryRight)
            .arg(skill->recentQuestions)
            .arg(trends[int(skill->trend)])
            .arg(qRound(skill->strength * 100))
            .arg(skill->mastered ? " mastered" : "");
    }
    if (name == "weakest") {
        for (const SkillFigures &skill : figures.skills.first(3))
            shown << skill.skill;
        return shown.join(u' ');
    }
    if (name == "kinds")
        return figures.mistakeKinds.join(u' ');
    if (name == "series") {
        for (const SeriesFigures &series : figures.series)
            shown << QStringLiteral("%1 %2 %3 %4")
                         .arg(series.questions)
                         .arg(series.right)
                         .arg(series.firstTryRight)
                         .arg(series.givenUp);
        return shown.join(", ");
    }
    for (const WeekFigures &week : figures.weeks) {
        QStringList mistakes;
        for (auto kind = week.mistakes.cbegin(); kind != week.mistakes.cend(); ++kind)
            mistakes << kind.key() + ' ' + QString::number(kind.value());
        shown << week.monday.toString("MM-dd") +
                     (mistakes.isEmpty() ? "" : ": " + mistakes.join(", "));
    }
    return shown.join("; ");
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT

    const IonCatalogue m_sample = loadSampleCatalogue();
    const QList<Question> m_key = answerKeyQuestions(m_sample);

    Question askedBy(const QString &shown) const { return *questionShowing(m_key, shown); }

    // Questions asked of a student who errs, with the row's mistake, at every question that
    // needs its weak skill and is right at all others; the count of those that needed it.
    // What breaks the settings, or with practice repeats one of the last five, goes to faults.
    int weakSpotsAsked(const TableRow &row, bool practice, QStringList &faults) const {
        const QuizSettings settings =
            settingsNamed(row["cations"], row["anions"], {}, row["questions"]);
        const QStringList cations = entryNames(DrawPool::cations(m_sample, settings.cationKind));
        const QStringList anions = entryNames(DrawPool::anions(m_sample, settings.anionMask));
        ClockSeededRandom random;
        random.seedWith(7);
        QuestionDraw draw(m_sample, settings, random);
        PracticeModel model(m_sample);
        WeakSpotChooser chooser(model, random, [] { return FirstDay; });
        chooser.setEnabled(practice);
        QStringList formulas;
        int weakAsked = 0;
        for (int number = 1; number <= 400; ++number) {
            const Question question = chooser.nextQuestion(draw)->question;
            if (!cations.contains(question.cationName) || !anions.contains(question.anionName) ||
                (settings.questionKind != QuestionKind::Mixed &&
                 question.askName != (settings.questionKind == QuestionKind::FormulasToNames)))
                faults << question.compoundName + " breaks the settings";
            if (practice && formulas.sliced(std::max(formulas.size() - 5, qsizetype(0)))
                                .contains(question.formula))
                faults << question.formula + " again within five";
            formulas << question.formula;
            const bool weak = Skills::exercisedBy(question).contains(row["weak skill"]);
            weakAsked += weak;
            model.recordAttempt(tryAt(question, weak ? Verdict::Wrong : Verdict::Right,
                                      weak ? row["mistake"] : QString(), number,
                                      QDateTime(FirstDay, QTime(12, 0))));
        }
        return weakAsked;
    }

private slots:
    void questionNeedsItsSkills_data() { addTableRows("skills.tsv"); }
    void questionNeedsItsSkills() {
        QFETCH(TableRow, row);
        const Attempt attempt = tryAt(askedBy(row["shown"]), Verdict::Right, {}, 1, {});
        QCOMPARE(Skills::exercisedBy(TriedQuestions(m_sample).questionOf(attempt)).join(u' '),
                 row["skills"]);
    }

    void mistakeBlamesOneSkill_data() { addTableRows("blame.tsv"); }
    void mistakeBlamesOneSkill() {
        QFETCH(TableRow, row);
        Attempt attempt = tryAt(askedBy(row["shown"]), Verdict::Wrong, row["category"], 1, {});
        attempt.typed = row["typed"];
        QCOMPARE(blamedSkill(attempt, TriedQuestions(m_sample).questionOf(attempt)), row["blamed"]);
    }

    void modelLearnsFromTries_data() { addTableRows("practicemodel.tsv"); }
    void modelLearnsFromTries() {
        QFETCH(TableRow, row);
        PracticeModel model(m_sample);
        const QStringList questions = row["questions"].split(u' ');
        for (int number = 1; number <= questions.size(); ++number) {
            const QString &asked = questions.at(number - 1);
            const QDateTime time(FirstDay.addDays(asked.section(u'@', 1).toInt()), QTime(12, 0));
            for (const QString &answer : asked.section(u'@', 0, 0).split(u'>')) {
                Attempt attempt =
                    tryAt(askedBy("iron(III) sulfate"), Verdicts.value(answer, Verdict::Wrong),
                          Verdicts.contains(answer) ? QString() : answer, number, time);
                attempt.helpUsed = answer == "helped";
                model.recordAttempt(attempt);
            }
        }
        const double strength = model.strength(row["skill"], FirstDay.addDays(row["day"].toInt()));
        QCOMPARE(QString::number(strength, 'f', 3), row["strength"]);
    }

    void figuresOfProgressFromTries_data() { addTableRows("progress.tsv"); }
    void figuresOfProgressFromTries() {
        QFETCH(TableRow, row);
        QList<Attempt> earlier, thisRun;
        QList<Attempt> *tries = &earlier;
        int series = 1;
        int number = 0;
        QDate lastDay = FirstDay;
        for (const QString &token : row["tries"].split(u' ')) {
            if (token.startsWith(u'|')) {
                tries = token == "||" ? &thisRun : tries;
                series = token == "||" ? 1 : series + 1;
                number = 0;
                continue;
            }
            // SHOWN/ANSWERS*N@DAY
            const Question question = askedBy(token.section(u'/', 0, 0).replace(u'_', u' '));
            const QString answers = token.section(u'/', 1).section(u'@', 0, 0);
            lastDay = FirstDay.addDays(token.section(u'@', 1).toInt());
            for (int times = qMax(1, answers.section(u'*', 1).toInt()); times > 0; --times) {
                ++number;
                for (const QString &answer : answers.section(u'*', 0, 0).split(u'>')) {
                    const QDateTime time = QDateTime(lastDay, QTime(12, 0)).addSecs(tries->size());
                    Attempt attempt =
                        tryAt(question, Verdicts.value(answer, Verdict::Wrong),
                              Verdicts.contains(answer) ? QString() : answer, number, time);
                    attempt.series = series;
                    attempt.question = number;
                    tries->append(attempt);
                }
            }
        }
        QCOMPARE(shownFigure(progressFigures(m_sample, earlier, thisRun, lastDay), row["figure"]),
                 row["shows"]);
    }

    // The record keeps its times in UTC; a try belongs to the day it was where the student is.
    void aTryInUtcCountsOnTheLocalDay() {
        qputenv("TZ", "Pacific/Auckland"); // 12 hours ahead of UTC, 13 from 29 September
        LocalDays days;
        const QDateTime utc(QDate(2024, 9, 1), QTime(12, 30), Qt::UTC);
        const QList<QDate> seen{days.dayOf(utc), days.dayOf(utc.addSecs(-3600)),
                                days.dayOf(utc.addDays(1)),
                                days.dayOf(QDateTime(QDate(2024, 9, 29), QTime(11, 30), Qt::UTC))};
        qunsetenv("TZ");
        QCOMPARE(seen, QList<QDate>({{2024, 9, 2}, {2024, 9, 1}, {2024, 9, 3}, {2024, 9, 30}}));
    }

    void weakSpotComesBackOften_data() { addTableRows("weakspots.tsv"); }
    void weakSpotComesBackOften() {
        QFETCH(TableRow, row);
        QStringList faults;
        const int practised = weakSpotsAsked(row, true, faults);
        const int drawn = weakSpotsAsked(row, false, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
        QVERIFY2(
            drawn > 0 && practised >= 3 * drawn,
            qPrintable(QStringLiteral("%1 with practice, %2 without").arg(practised).arg(drawn)));
    }

    void practiceNeedsFewerQuestionsThanRandomOnes() {
        QList<int> medians;
        for (const char *policy : {"random", "adaptive"}) {
            QProcess simulator;
            simulator.start(QStringLiteral(IONARCH_SIM_PATH),
                            {"--students", IONARCH_TEST_TABLES "/students.tsv", "--policy", policy,
                             "--seed", "1", IONARCH_SAMPLE_DATA});
            QVERIFY(simulator.waitForFinished() && simulator.exitCode() == 0);
            // "median 137, p90 146, false mastery 0.0 %"
            const QString summary =
                QString(simulator.readAllStandardOutput()).trimmed().section(u'\n', -1);
            bool read = false;
            medians << summary.section(u',', 0, 0).section(u' ', 1).toInt(&read);
            QVERIFY2(read, qPrintable(summary));
        }
        QVERIFY2(
            medians[1] < medians[0],
            qPrintable(QStringLiteral("adaptive %1, random %2").arg(medians[1]).arg(medians[0])));
    }
};

QTEST_GUILESS_MAIN(PracticeTest)
#include "tst_practice.moc"
