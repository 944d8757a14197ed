#include "quiz/answerkey.h"
#include "quiz/feedback/answerfeedback.h"
#include "tests/support/core/samplecatalogue.h"
#include "tests/support/core/table.h"

#include <QTest>

namespace {

// Two lines of a notice at its font hold about a hundred characters.
constexpr qsizetype LongestExplanation = 100;

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
                << row["shown"] << row["typed"] << row["verdict"] << row["category"]
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

private:
    const IonCatalogue m_catalogue = loadSampleCatalogue();
    QList<Question> m_key;
};

QTEST_GUILESS_MAIN(AnswerFeedbackTest)
#include "tst_answerfeedback.moc"
