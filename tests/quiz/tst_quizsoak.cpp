#include "fakeports.h"
#include "quizengine.h"
#include "samplecatalogue.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

class QuizSoakTest : public QObject {
    Q_OBJECT

private slots:
    void tenThousandQuestionsAreWellFormed();
};

namespace {

// Every combination the options window allows: any anion boxes while ionic, simple anions
// alone while covalent.
QList<QuizSettings> allSettings() {
    QList<QuizSettings> all;
    for (qint16 questionKind = 0; questionKind <= 2; ++questionKind) {
        for (qint16 cationKind = 0; cationKind <= 2; ++cationKind) {
            for (qint16 anionMask = 1; anionMask <= 31; ++anionMask)
                all.append({cationKind, anionMask, IonicOnly, questionKind});
        }
        for (qint16 covalentMask = 1; covalentMask <= 3; ++covalentMask)
            all.append({SingleOxidationState, SimpleAnions, covalentMask, questionKind});
    }
    return all;
}

// Symbols with at most one digit each, and parenthesised groups taken 2 to 9 times.
const QRegularExpression
    WellFormedFormula(QStringLiteral("^(?:[A-Z][a-z]?\\d?|\\((?:[A-Z][a-z]?\\d?)+\\)[2-9])+$"));
const QRegularExpression WellFormedName(QStringLiteral("^[a-z(]\\S*(?: \\S+)*$"));
const QRegularExpression StockName(QStringLiteral("^[a-z]+\\((?:I|II|III|IV|V|VI|VII)\\) \\S"));

QString faultOf(const Question &question, const LogEntry &logEntry, const QString &questionBox) {
    if (!WellFormedFormula.match(question.formula).hasMatch())
        return QStringLiteral("formula");
    if (!WellFormedName.match(question.compoundName).hasMatch())
        return QStringLiteral("name");
    if (question.multivalent && !StockName.match(question.compoundName).hasMatch())
        return QStringLiteral("Roman numeral");
    const QString &shown = question.askName ? question.formula : question.compoundName;
    if (logEntry.shown != shown || questionBox != shown)
        return QStringLiteral("shown text");
    return {};
}

} // namespace

void QuizSoakTest::tenThousandQuestionsAreWellFormed() {
    const IonCatalogue catalogue = loadSampleCatalogue();
    const QList<QuizSettings> combinations = allSettings();
    FakePorts fake;
    ClockSeededRandom random;
    QuizSettings settings = combinations.first();
    QuizEngine engine(catalogue, settings, fake.ports(random));
    engine.start();
    int mixedQuestions = 0;
    int namesAsked = 0;
    for (int n = 0; n < 10000; ++n) {
        settings = combinations.at(n % combinations.size());
        if (n == 0) {
            engine.activate();
        } else if (n % 2) {
            const Question &question = engine.state().question;
            fake.answer.shown = question.askName ? question.compoundName : question.formula;
            fake.trace.clear();
            engine.CheckAnswer();
            QVERIFY2(fake.trace.first().startsWith("notice 0:"), qPrintable(fake.answer.shown));
        } else {
            engine.giveUp();
        }
        const Question &question = engine.state().question;
        const QString fault =
            faultOf(question, engine.state().answerLog.at(engine.state().questionNumber),
                    fake.question.plainText());
        QVERIFY2(fault.isEmpty(),
                 qPrintable(fault + ": " + question.compoundName + " = " + question.formula));
        if (settings.questionKind == MixedDirections) {
            ++mixedQuestions;
            namesAsked += question.askName;
        }
    }
    QVERIFY(std::all_of(fake.messages.cbegin(), fake.messages.cend(),
                        [](const Message &message) { return message.title == "Print a copy?"; }));
    QVERIFY(qAbs(double(namesAsked) / mixedQuestions - 0.5) < 0.05);
}

QTEST_GUILESS_MAIN(QuizSoakTest)
#include "tst_quizsoak.moc"
