#include "quiz/answerkey.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/feedback/formulareading.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/core/table.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Two lines of a notice at its font hold about a hundred characters.
constexpr qsizetype LongestExplanation = 100;

// Finds the listed ions a sentence names, by name or by formula, each as a whole word and not
// as part of a longer listed name ("sulfate" in "hydrogen sulfate"); the I of "gold(I)" is a
// numeral, not iodide.
class IonMentions {
public:
    explicit IonMentions(const IonCatalogue &catalogue) {
        QStringList names;
        QStringList formulas;
        for (const IonEntry &ion :
             QuizRules::listedCations(catalogue) + QuizRules::listedAnions(catalogue)) {
            m_formulaOf.insert(ion.Name, ion.Formula);
            m_formulaOf.insert(ion.Formula, ion.Formula);
            // A sentence may start with a capital; TiN is no tin.
            names.append(u"[%1%2]"_s.arg(ion.Name.front().toUpper(), ion.Name.front()) +
                         QRegularExpression::escape(ion.Name.sliced(1)));
            formulas.append(QRegularExpression::escape(ion.Formula));
        }
        const auto longestFirst = [](QStringList &texts) {
            std::sort(texts.begin(), texts.end(),
                      [](const QString &a, const QString &b) { return a.size() > b.size(); });
            return texts.join(u'|');
        };
        m_mention.setPattern(u"\\b(?<name>%1)(?!\\w)|\\b(?<formula>%2)\\b"_s.arg(
            longestFirst(names), longestFirst(formulas)));
    }

    // The first ion the sentence names whose formula is not among these; empty for none.
    QString strayIon(const QString &sentence, const QSet<QString> &formulas) const {
        for (const QRegularExpressionMatch &match : m_mention.globalMatch(sentence)) {
            const QString &mention = match.captured();
            const bool numeral = sentence.mid(match.capturedStart() - 1, 1) == u"(" &&
                                 sentence.mid(match.capturedEnd(), 1) == u")" &&
                                 std::all_of(mention.begin(), mention.end(), [](QChar letter) {
                                     return QStringView(u"IVX").contains(letter);
                                 });
            const QString formula = m_formulaOf.value(
                match.hasCaptured("name") ? mention.front().toLower() + mention.sliced(1)
                                          : mention);
            if (!numeral && !formulas.contains(formula))
                return mention;
        }
        return {};
    }

private:
    QHash<QString, QString> m_formulaOf;
    QRegularExpression m_mention;
};

} // namespace

class AnswerFeedbackTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_key = answerKeyQuestions(m_catalogue); }

    void answerIsJudgedAndExplained_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("explanationHolds");
        for (const TableRow &row : tableRows("answerfeedback.tsv"))
            QTest::addRow("%s for %s", qPrintable(row["typed"]), qPrintable(row["shown"]))
                << row["shown"] << cellText(row["typed"]) << row["verdict"] << row["category"]
                << row["explanation holds"];
    }
    void answerIsJudgedAndExplained() {
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, category);
        QFETCH(QString, explanationHolds);
        const std::optional<Question> question = questionShowing(m_key, shown);
        QVERIFY2(question, "the sample asks no such question");
        const AnswerFeedback feedback = QuizRules::judgeAnswer(*question, typed, m_catalogue);
        QTEST(QString::fromLatin1(feedback.correct ? "correct" : "wrong"), "verdict");
        QCOMPARE(QuizRules::categoryCode(feedback.category), category);
        QVERIFY2(feedback.explanation.contains(explanationHolds), qPrintable(feedback.explanation));
        QCOMPARE(feedback.explanation.isEmpty(),
                 category == u"exact" || category == u"unclassified");
        QVERIFY(feedback.explanation.size() <= LongestExplanation);
        QCOMPARE(feedback.courseSpelling,
                 category == u"spelling-variant" ? question->compoundName : QString());
    }

    // No rule without an example: each category the judge knows has rows above.
    void everyCategoryHasRows() {
        QSet<QString> tabled;
        for (const TableRow &row : tableRows("answerfeedback.tsv"))
            tabled.insert(row["category"]);
        for (int category = 0; category <= int(AnswerCategory::Unclassified); ++category) {
            const QString code = QuizRules::categoryCode(AnswerCategory(category));
            QVERIFY2(tabled.contains(code), qPrintable(code));
        }
    }

    void everyCompoundIsRightAsComposedAndWrongCutShort() {
        for (Question question : m_key) {
            for (bool askName : {false, true}) {
                question.askName = askName;
                const QString &answer = askName ? question.compoundName : question.formula;
                const AnswerFeedback right = QuizRules::judgeAnswer(question, answer, m_catalogue);
                QVERIFY2(right.correct && right.category == AnswerCategory::Exact,
                         qPrintable(answer));
                QVERIFY2(!QuizRules::judgeAnswer(question, answer.chopped(1), m_catalogue).correct,
                         qPrintable(answer));
            }
        }
    }

    void anotherCompoundIsWrongAndNamesOnlyIonsInPlay_data() {
        QTest::addColumn<bool>("askName");
        QTest::addRow("formulas typed for names") << false;
        QTest::addRow("names typed for formulas") << true;
    }
    // Every ionic compound answered with each other compound of its cation or of its anion.
    void anotherCompoundIsWrongAndNamesOnlyIonsInPlay() {
        QFETCH(bool, askName);
        const IonMentions mentions(m_catalogue);
        QList<Question> ionic;
        std::copy_if(m_key.begin(), m_key.end(), std::back_inserter(ionic),
                     [](const Question &q) { return q.kind == CompoundKind::Ionic; });
        QStringList offenders;
        for (Question question : ionic) {
            question.askName = askName;
            for (const Question &other : ionic) {
                if (other.formula == question.formula ||
                    (other.cationSymbol != question.cationSymbol &&
                     other.anionFormula != question.anionFormula))
                    continue;
                const QString typed = askName ? other.compoundName : other.formula;
                const AnswerFeedback feedback =
                    QuizRules::judgeAnswer(question, typed, m_catalogue);
                const QString stray = mentions.strayIon(
                    feedback.explanation, {question.cationSymbol, question.anionFormula,
                                           other.cationSymbol, other.anionFormula});
                if (feedback.correct || !stray.isEmpty())
                    offenders.append(u"%1 for %2: %3"_s.arg(
                        typed, askName ? question.formula : question.compoundName,
                        feedback.correct ? u"judged right"_s
                                         : stray + u" in "_s + feedback.explanation));
            }
        }
        QVERIFY2(offenders.isEmpty(),
                 qPrintable(u"%1 answers, the first:\n"_s.arg(offenders.size()) +
                            offenders.first(std::min<qsizetype>(offenders.size(), 5)).join(u'\n')));
    }

private:
    const IonCatalogue m_catalogue = loadSampleCatalogue();
    QList<Question> m_key;
};

QTEST_GUILESS_MAIN(AnswerFeedbackTest)
#include "tst_answerfeedback.moc"
