#pragma once

#include "quiz/quizports.h"

#include <QTextCharFormat>
#include <QTextEdit>

// The question and answer boxes: digits of formulas stand lowered below the baseline, at
// full size, while the text reads back as plain characters. Pasted text lowers its digits
// by itself. The box keeps no line breaks: Enter is left to the window, and pasted line
// breaks are dropped.
class RichTextEdit : public QTextEdit, public RichTextBox {
    Q_OBJECT
public:
    explicit RichTextEdit(QWidget *parent = nullptr);

    QString plainText() const override;
    void setPlainText(const QString &text) override;
    void setFormula(const QString &text) override;
    void giveFocus() override;

    // Whether the character typed next is lowered as a formula's digit.
    void setTypingLowered(bool lowered);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Inserts at the caret with every digit lowered; the caret follows the text.
    void insertFormula(QTextCursor &caret, const QString &text);
    QTextCharFormat characterFormat(bool lowered) const;

    bool m_typingLowered = false;
};
