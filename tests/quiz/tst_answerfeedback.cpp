#include "quiz/answerkey.h"
#include "quiz/feedback/answerfeedback.h"
#include "quiz/feedback/formulareading.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/core/table.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Two lines of a notice at its font hold about a hundred characters.
constexpr qsizetype LongestExplanation = 100;

// The listed ions that an explanation names, by name or by formula. Longer names are taken out
// first, so that hydrogen sulfate is not read as sulfate too.
class IonMentions {
public:
    explicit IonMentions(QList<IonEntry> ions) {
        std::sort(ions.begin(), ions.end(), [](const IonEntry &a, const IonEntry &b) {
            return a.Name.size() > b.Name.size();
        });
        for (const IonEntry &ion : ions) {
            m_names.append(
                {QRegularExpression(u"\\b"_s + QRegularExpression::escape(ion.Name) + u"(?!\\w)"_s,
                                    QRegularExpression::CaseInsensitiveOption),
                 ion.Formula});
            m_formulas.append(ion.Formula);
        }
    }

    // Their formulas. The sweep below meets each explanation many times.
    QStringList in(const QString &explanation) {
        if (const auto known = m_seen.constFind(explanation); known != m_seen.cend())
            return *known;
        QString rest = explanation;
        QStringList named;
        for (const auto &[name, formula] : m_names) {
            if (rest.contains(name))
                named.append(formula);
            rest.replace(name, u"#"_s);
        }
        static const QRegularExpression notFormula(u"[^A-Za-z0-9]"_s);
        for (const QString &token : rest.split(notFormula)) {
            if (m_formulas.contains(token))
                named.append(token);
        }
        m_seen.insert(explanation, named);
        return named;
    }

private:
    QList<std::pair<QRegularExpression, QString>> m_names;
    QStringList m_formulas;
    QHash<QString, QStringList> m_seen;
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

    // Each ionic compound of the key answered with the formula or name of every other one that
    // shares its cation or its anion: wrong, and explained by the ions in play alone.
    void everyOtherCompoundOfTheSameIonIsWrongAndNamesOnlyIonsInPlay_data() {
        QTest::addColumn<bool>("askName");
        QTest::addRow("names typed for formulas") << true;
    }
    void everyOtherCompoundOfTheSameIonIsWrongAndNamesOnlyIonsInPlay() {
        QFETCH(bool, askName);
        IonMentions mentions(QuizRules::listedCations(m_catalogue) +
                             QuizRules::listedAnions(m_catalogue));
        QList<Question> ionic;
        std::copy_if(m_key.begin(), m_key.end(), std::back_inserter(ionic),
                     [](const Question &question) { return question.kind == CompoundKind::Ionic; });
        for (Question question : ionic) {
            question.askName = askName;
            for (const Question &other : ionic) {
                const bool sameCation = other.cationSymbol == question.cationSymbol;
                if (sameCation == (other.anionFormula == question.anionFormula))
                    continue;
                const QString typed = askName ? other.compoundName : other.formula;
                const AnswerFeedback feedback =
                    QuizRules::judgeAnswer(question, typed, m_catalogue);
                QVERIFY2(!feedback.correct, qPrintable(typed + u" for "_s + question.formula));
                const QStringList inPlay{question.cationSymbol, question.anionFormula,
                                         other.cationSymbol, other.anionFormula};
                for (const QString &named : mentions.in(feedback.explanation))
                    QVERIFY2(inPlay.contains(named),
                             qPrintable(typed + u" for "_s + question.formula + u": "_s +
                                        feedback.explanation));
            }
        }
    }

private:
    const IonCatalogue m_catalogue = loadSampleCatalogue();
    QList<Question> m_key;
};

QTEST_GUILESS_MAIN(AnswerFeedbackTest)
#include "tst_answerfeedback.moc"
