#include "ui/widgets/answerkeys.h"

#include "quiz/feedback/answercheck.h"
#include "ui/widgets/richtextedit.h"

#include <QKeyEvent>

namespace {

bool isPlainMainKeyboardDigit(const QKeyEvent &key) {
    // Keypad digits carry the keypad modifier.
    return key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9 && key.modifiers() == Qt::NoModifier;
}

} // namespace

AnswerKeys::AnswerKeys(RichTextEdit &answerBox)
    : QObject(&answerBox)
    , m_box(answerBox) {
    m_box.installEventFilter(this);
}

bool AnswerKeys::eventFilter(QObject *watched, QEvent *event) {
    if (watched != &m_box || event->type() != QEvent::KeyPress)
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    // Whichever key types "(" on the student's keyboard layout.
    const bool parenthesis = key.text() == QLatin1String("(");
    m_box.setTypingLowered(!parenthesis && isPlainMainKeyboardDigit(key));
    if (parenthesis)
        dropSpaceBeforeParenthesis();
    else if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        emit enterPressed();
    else if (key.key() >= Qt::Key_F1 && key.key() <= Qt::Key_F3)
        emit helpKeyPressed(key.key() - Qt::Key_F1 + 1);
    return false;
}

void AnswerKeys::dropSpaceBeforeParenthesis() {
    const QString text = m_box.plainText();
    // The text goes back with its digits lowered, wherever they were typed.
    if (QuizRules::parenthesisTakesBackSpace(text))
        m_box.setFormula(text.chopped(1));
}
