#include "answerfeedback.h"
#include "answerkey.h"
#include "samplecatalogue.h"

#include <QFile>
#include <QTest>

namespace {

// Two lines of a notice at its font hold about a hundred characters.
constexpr qsizetype LongestExplanation = 100;

} // namespace

class AnswerFeedbackTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_key = answerKeyQuestions(m_catalogue); }

    // The rows of answerfeedback.tsv: shown, typed, verdict, category, what the explanation
    // holds; lines starting with # say what the rows after them are about.
    void answerIsJudgedAndExplained_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("explanationHolds");
        QFile table(QStringLiteral(ANSWER_FEEDBACK_TABLE));
        QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
        int lineNumber = 0;
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine()).chopped(1);
            ++lineNumber;
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList field = line.split(u'\t');
            QVERIFY2(field.size() == 5, qPrintable(QStringLiteral("line %1").arg(lineNumber)));
            QTest::addRow("line %d: %s for %s", lineNumber, qPrintable(field[1]),
                          qPrintable(field[0]))
                << field[0] << field[1] << field[2] << field[3] << field[4];
        }
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
