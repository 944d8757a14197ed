#include "tools/sim/simulation.h"

#include "catalogue/quizsettings.h"
#include "catalogue/randomsource.h"
#include "quiz/answerkey.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/practice/practicemodel.h"
#include "quiz/practice/skills.h"
#include "quiz/practice/weakspotchooser.h"
#include "quiz/questiondraw.h"
#include "quiz/quizstate.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

// The category of a wrong answer, as the rules would give it: one whose explanation names
// the skill blamed, or none they can tell; empty for a right answer.
QString mistakeOf(const SimulatedStudent::Answer &answer) {
    using C = AnswerCategory;
    static const QHash<QString, C> ruleMistakes{{Skills::Balance, C::ChargesUnbalanced},
                                                {Skills::Parentheses, C::MissingParentheses},
                                                {Skills::NumeralWrite, C::OtherCharge},
                                                {Skills::NumeralRead, C::NumeralWrong},
                                                {Skills::NoPrefixIonic, C::PrefixesOnIonic},
                                                {Skills::Prefixes, C::CovalentCount},
                                                {Skills::Symbols, C::SymbolCase}};
    if (answer.right)
        return {};
    const QString &skill = answer.blamedSkill;
    // Nothing is typed, which starts with no cation: another ion then blames the cation.
    const C category = skill.startsWith(u"cation:")  ? C::WrongIon
                       : skill.startsWith(u"anion:") ? C::WrongAnion
                                                     : ruleMistakes.value(skill, C::Unclassified);
    return QuizRules::categoryCode(category);
}

bool masters(const PracticeModel &model, const QStringList &skills, QDate day) {
    return std::all_of(skills.begin(), skills.end(),
                       [&](const QString &skill) { return model.isMastered(skill, day); });
}

} // namespace

QuizSettings simulatedSettings() {
    return {CationKind::Both,
            AnionCategory::Simple | AnionCategory::Polyatomic | AnionCategory::Derivative |
                AnionCategory::Hydrogen | AnionCategory::Other,
            {},
            QuestionKind::Mixed};
}

Attempt tryAt(const Question &question, Verdict verdict, const QString &category, int number,
              const QDateTime &time) {
    Attempt attempt;
    attempt.time = time;
    attempt.series = (number - 1) / SeriesLength + 1;
    attempt.question = (number - 1) % SeriesLength + 1;
    attempt.kind = question.kind;
    attempt.askName = question.askName;
    attempt.shown = question.askName ? question.formula : question.compoundName;
    attempt.expected = question.askName ? question.compoundName : question.formula;
    if (verdict == Verdict::Right || verdict == Verdict::Variant)
        attempt.typed = attempt.expected;
    attempt.verdict = verdict;
    attempt.category = category;
    attempt.cationName = question.cationName;
    attempt.cationCharge = question.cationCharge;
    attempt.multivalent = question.multivalent;
    attempt.anionName = question.anionName;
    return attempt;
}

PracticeSimulation::PracticeSimulation(const IonCatalogue &catalogue, PracticePolicy policy,
                                       int maxQuestions)
    : m_catalogue(catalogue)
    , m_policy(policy)
    , m_maxQuestions(maxQuestions) {
    for (Question question : answerKeyQuestions(catalogue)) {
        if (question.kind != CompoundKind::Ionic)
            continue;
        for (const bool askName : {false, true}) {
            question.askName = askName;
            m_practised += Skills::exercisedBy(question);
        }
    }
    m_practised.removeDuplicates();
}

StudentRun PracticeSimulation::run(SimulatedStudent &student, std::uint32_t seed) const {
    ClockSeededRandom random;
    random.seedWith(seed);
    const QuizSettings settings = simulatedSettings();
    QuestionDraw draw(m_catalogue, settings, random);
    PracticeModel model(m_catalogue);
    // One long day of practice: nothing fades.
    const QDate day(2024, 9, 2);
    const QDateTime time(day, QTime(12, 0));
    WeakSpotChooser chooser(model, random, [day] { return day; });
    chooser.setEnabled(m_policy == PracticePolicy::Adaptive);

    StudentRun run;
    if (student.knowsEverySkill())
        run.toTrueMastery = 0;
    for (int asked = 1; asked <= m_maxQuestions && !(run.toTrueMastery && run.toDeclaredMastery);
         ++asked) {
        // Ionic questions are always drawn.
        const Question question = chooser.nextQuestion(draw)->question;
        const SimulatedStudent::Answer answer = student.answer(Skills::exercisedBy(question));
        // One try a question: the student gives up after a wrong answer, which teaches the
        // model nothing more.
        model.recordAttempt(tryAt(question, answer.right ? Verdict::Right : Verdict::Wrong,
                                  mistakeOf(answer), asked, time));
        if (!run.toTrueMastery && student.knowsEverySkill())
            run.toTrueMastery = asked;
        if (!run.toDeclaredMastery && masters(model, m_practised, day)) {
            run.toDeclaredMastery = asked;
            run.falseMastery = !student.knowsEverySkill();
        }
    }
    return run;
}

QString summaryLine(const QList<StudentRun> &runs) {
    QList<int> questions; // to true mastery, those who never got there last
    int falseMastery = 0;
    for (const StudentRun &run : runs) {
        questions << run.toTrueMastery.value_or(std::numeric_limits<int>::max());
        falseMastery += run.falseMastery;
    }
    std::sort(questions.begin(), questions.end());
    // The nearest rank: the smallest count that so many percent of the students reached.
    const auto percentile = [&](int percent) {
        if (questions.isEmpty())
            return QStringLiteral("-");
        const int value =
            questions.at(qsizetype(std::ceil(percent / 100.0 * questions.size())) - 1);
        return value == std::numeric_limits<int>::max() ? QStringLiteral("-")
                                                        : QString::number(value);
    };
    const double falseShare = runs.isEmpty() ? 0 : 100.0 * falseMastery / runs.size();
    return QStringLiteral("median %1, p90 %2, false mastery %3 %")
        .arg(percentile(50), percentile(90), QString::number(falseShare, 'f', 1));
}
