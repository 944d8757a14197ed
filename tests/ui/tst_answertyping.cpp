#include "questionwindowfixture.h"

namespace {

QTestEventList keys(const QString &typed) {
    QTestEventList events;
    events.addKeyClicks(typed);
    return events;
}

// The list owns its events, so the second list's are copied.
QTestEventList operator+(QTestEventList events, const QTestEventList &more) {
    for (const QTestEvent *event : more)
        events.append(event->clone());
    return events;
}

QTestEventList keypad(Qt::Key digit) {
    QTestEventList events;
    events.addKeyClick(digit, Qt::KeypadModifier);
    return events;
}

} // namespace

class AnswerTypingTest : public QObject {
    Q_OBJECT
private slots:
    void onlyPlainDigitsOfTheMainKeyboardAreLowered_data() {
        QTest::addColumn<QTestEventList>("typing");
        QTest::addColumn<QString>("shown"); // lowered characters in brackets
        QTest::addRow("water") << keys("H2O") << "H[2]O";
        QTest::addRow("iron(III) sulfate") << keys("Fe2(SO4)3") << "Fe[2](SO[4])[3]";
        QTest::addRow("keypad digit") << keys("H") + keypad(Qt::Key_2) + keys("O") << "H2O";
        QTestEventList modified = keys("C");
        modified.addKeyClick(Qt::Key_2, Qt::ShiftModifier);
        modified.addKeyClick(Qt::Key_3, Qt::AltModifier);
        modified.addKeyClick(Qt::Key_4, Qt::ControlModifier); // types nothing
        QTest::addRow("digits with Shift, Alt or Ctrl") << modified + keys("5") << "C23[5]";
        QTestEventList inserted = keys("HO");
        inserted.addKeyClick(Qt::Key_Left);
        QTest::addRow("digit typed between letters") << inserted + keys("2") << "H[2]O";
    }
    void onlyPlainDigitsOfTheMainKeyboardAreLowered() {
        QFETCH(QTestEventList, typing);
        QFETCH(QString, shown);
        QuestionWindow quiz;
        typing.simulate(&quiz.answerBox());
        QCOMPARE(markLowered(quiz.answerBox()), shown);
        QCOMPARE(quiz.answerBox().plainText(), QString(shown).remove('[').remove(']'));
    }

    void openingParenthesisAfterASpaceTakesThatSpacesPlace_data() {
        QTest::addColumn<QTestEventList>("typing");
        QTest::addColumn<QString>("shown");
        QTest::addRow("space dropped, digits lowered again")
            << keys("Fe") + keypad(Qt::Key_2) + keys(" (") << "Fe[2](";
        QTest::addRow("no space before it") << keys("Fe") + keypad(Qt::Key_2) + keys("(") << "Fe2(";
        QTest::addRow("two characters") << keys("a (") << "a(";
        QTest::addRow("a lone space stays") << keys(" (") << " (";
        QTest::addRow("empty box") << keys("(") << "(";
    }
    void openingParenthesisAfterASpaceTakesThatSpacesPlace() {
        QFETCH(QTestEventList, typing);
        QFETCH(QString, shown);
        QuestionWindow quiz;
        typing.simulate(&quiz.answerBox());
        QCOMPARE(markLowered(quiz.answerBox()), shown);
    }

    void parenthesisRuleFollowsTheKeyboardLayoutNotTheKey() {
        QuestionWindow quiz;
        QTest::keyClicks(&quiz.answerBox(), QStringLiteral("Cu "));
        // The 5 key types "(" on a French keyboard.
        QTest::sendKeyEvent(QTest::Click, &quiz.answerBox(), Qt::Key_5, QStringLiteral("("),
                            Qt::NoModifier);
        QTest::keyClick(&quiz.answerBox(), Qt::Key_9, Qt::ShiftModifier); // "9" there, Shift 9 here
        QCOMPARE(markLowered(quiz.answerBox()), QStringLiteral("Cu(9"));
    }

    void enterWithAnyModifierChecksTheAnswerAndLeavesNoLineBreak_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
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
        QCOMPARE(quiz.answerBox().document()->blockCount(), 1);
        QCOMPARE(QApplication::focusWidget(), &quiz.answerBox());
    }
};

QTEST_MAIN(AnswerTypingTest)
#include "tst_answertyping.moc"
