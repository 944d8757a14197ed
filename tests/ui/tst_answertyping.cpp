#include "questionwindowfixture.h"

namespace {

QTestEventList keys(const QString &typed) {
    QTestEventList events;
    events.addKeyClicks(typed);
    return events;
}

QTestEventList keys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTestEventList events;
    events.addKeyClick(key, modifiers);
    return events;
}

// The list owns its events, so the second list's are copied.
QTestEventList operator+(QTestEventList events, const QTestEventList &more) {
    for (const QTestEvent *event : more)
        events.append(event->clone());
    return events;
}

} // namespace

class AnswerTypingTest : public QObject {
    Q_OBJECT
private slots:
    void typedAnswerLowersPlainMainKeyboardDigitsAndJoinsParentheses_data() {
        QTest::addColumn<QTestEventList>("typing");
        QTest::addColumn<QString>("shown"); // lowered characters in brackets
        const QTestEventList keypad2 = keys(Qt::Key_2, Qt::KeypadModifier);
        QTest::addRow("water") << keys("H2O") << "H[2]O";
        QTest::addRow("iron(III) sulfate") << keys("Fe2(SO4)3") << "Fe[2](SO[4])[3]";
        QTest::addRow("digit typed between letters")
            << keys("HO") + keys(Qt::Key_Left, {}) + keys("2") << "H[2]O";
        QTest::addRow("keypad digit") << keys("H") + keypad2 + keys("O") << "H2O";
        QTest::addRow("digits with Shift, Alt or Ctrl")
            << keys("C") + keys(Qt::Key_2, Qt::ShiftModifier) + keys(Qt::Key_3, Qt::AltModifier) +
                   keys(Qt::Key_4, Qt::ControlModifier) + keys("5")
            << "C23[5]";
        QTest::addRow("parenthesis takes a space's place, digits lowered again")
            << keys("Fe") + keypad2 + keys(" (") << "Fe[2](";
        QTest::addRow("parenthesis after a digit") << keys("Fe") + keypad2 + keys("(") << "Fe2(";
        QTest::addRow("parenthesis after a lone space") << keys(" (") << " (";
        QTest::addRow("parenthesis in an empty box") << keys("(") << "(";
    }
    void typedAnswerLowersPlainMainKeyboardDigitsAndJoinsParentheses() {
        QFETCH(QTestEventList, typing);
        QFETCH(QString, shown);
        QuestionWindow quiz;
        typing.simulate(&quiz.answerBox());
        QCOMPARE(markLowered(quiz.answerBox()), shown);
        QCOMPARE(quiz.answerBox().plainText(), QString(shown).remove('[').remove(']'));
    }

    void parenthesisRuleFollowsTheKeyboardLayoutNotTheKey() {
        QuestionWindow quiz;
        QTest::keyClicks(&quiz.answerBox(), QStringLiteral("Cu "));
        // The 5 key types "(" on a French keyboard; Shift+9 types "9" there.
        QTest::sendKeyEvent(QTest::Click, &quiz.answerBox(), Qt::Key_5, QStringLiteral("("),
                            Qt::NoModifier);
        QTest::keyClick(&quiz.answerBox(), Qt::Key_9, Qt::ShiftModifier);
        QCOMPARE(markLowered(quiz.answerBox()), QStringLiteral("Cu(9"));
    }

    void enterWithAnyModifierChecksTheAnswerAndLeavesNoLineBreak_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void enterWithAnyModifierChecksTheAnswerAndLeavesNoLineBreak() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QuestionWindow quiz;
        QTest::keyClicks(&quiz.answerBox(), QStringLiteral("xyz"));
        const auto seen = quiz.clickNoticeWhenItWaits();
        QTest::keyClick(&quiz.answerBox(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(seen->text.startsWith(QStringLiteral("Incorrect answer")));
        QCOMPARE(quiz.answerBox().toPlainText(), QStringLiteral("xyz"));
    }
};

QTEST_MAIN(AnswerTypingTest)
#include "tst_answertyping.moc"
