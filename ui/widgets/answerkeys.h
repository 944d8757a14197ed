#pragma once

#include <QObject>

class RichTextEdit;

// The keys of the answer box, seen before the box types them. Digits of the main keyboard
// typed without a modifier go in lowered, everything else on the baseline; an opening
// parenthesis after a space takes the place of that space. Enter and the help keys are
// announced. No key is kept from the box.
class AnswerKeys : public QObject {
    Q_OBJECT
public:
    explicit AnswerKeys(RichTextEdit &answerBox);

signals:
    void enterPressed();
    void helpKeyPressed(int functionKey); // 1 to 3 for F1 to F3

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dropSpaceBeforeParenthesis();

    RichTextEdit &m_box;
};
