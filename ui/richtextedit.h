#pragma once

#include "quizports.h"

#include <QTextCharFormat>
#include <QTextEdit>

// The question and answer boxes: digits of formulas stand lowered below the baseline, at
// full size, while the text reads back as plain characters. Text goes in at the caret's
// vertical offset, set in twips; pasted text lowers its digits by itself. The box keeps
// no line breaks: Enter is left to the window, and pasted line breaks are dropped.
class RichTextEdit : public QTextEdit, public RichTextBox {
    Q_OBJECT
public:
    // How far a digit of a formula is lowered.
    static constexpr int DigitOffsetTwips = -40;

    explicit RichTextEdit(QWidget *parent = nullptr);

    QString plainText() const override;
    void setPlainText(const QString &text) override;
    void insertAtCaret(const QString &text) override;
    void setCaretOffset(int twips) override;
    void setEnabled(bool enabled) override;
    void giveFocus() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    QTextCharFormat formatForOffset(int twips) const;

    int m_caretOffsetTwips = 0;
};
