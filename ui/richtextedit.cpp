#include "richtextedit.h"

#include "twips.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace {

bool isFormulaDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool insertsText(const QKeyEvent *event) {
    return !event->text().isEmpty() && event->text().front().isPrint();
}

} // namespace

RichTextEdit::RichTextEdit(QWidget *parent)
    : QTextEdit(parent) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
}

QString RichTextEdit::plainText() const {
    return toPlainText();
}

void RichTextEdit::setPlainText(const QString &text) {
    // QTextEdit gives the new text the caret's character format: with the caret behind a
    // lowered digit the whole text would be lowered, so the caret goes back to the baseline.
    m_caretOffsetTwips = 0;
    moveCursor(QTextCursor::Start);
    setCurrentCharFormat(QTextCharFormat());
    QTextEdit::setPlainText(text);
    moveCursor(QTextCursor::End);
}

void RichTextEdit::insertAtCaret(const QString &text) {
    QTextCursor caret = textCursor();
    caret.insertText(text, formatForOffset(m_caretOffsetTwips));
    setTextCursor(caret);
}

void RichTextEdit::setCaretOffset(int twips) {
    m_caretOffsetTwips = twips;
}

void RichTextEdit::setEnabled(bool enabled) {
    QTextEdit::setEnabled(enabled);
}

void RichTextEdit::giveFocus() {
    setFocus();
}

void RichTextEdit::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    if (insertsText(event) && !isReadOnly()) {
        // Only a caret without a selection carries the format for typed text, and typing
        // replaces the selection anyway.
        QTextCursor caret = textCursor();
        caret.removeSelectedText();
        caret.setCharFormat(formatForOffset(m_caretOffsetTwips));
        setTextCursor(caret);
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextEdit::insertFromMimeData(const QMimeData *source) {
    QString text = source->text();
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    text.remove(QChar::LineSeparator);
    text.remove(QChar::ParagraphSeparator);

    const QTextCharFormat lowered = formatForOffset(DigitOffsetTwips);
    const QTextCharFormat baseline = formatForOffset(0);
    QTextCursor caret = textCursor();
    caret.beginEditBlock();
    caret.removeSelectedText();
    for (const QChar c : std::as_const(text))
        caret.insertText(QString(c), isFormulaDigit(c) ? lowered : baseline);
    caret.endEditBlock();
    setTextCursor(caret);
}

QTextCharFormat RichTextEdit::formatForOffset(int twips) const {
    // Qt shifts the baseline by a percentage of the font's height (ascent plus descent).
    QTextCharFormat format;
    if (twips != 0) {
        const QFontMetricsF metrics(document()->defaultFont(), this);
        const qreal pixels = qreal(twips) / Twips::PerPoint * logicalDpiY() / 72.0;
        format.setBaselineOffset(100.0 * pixels / (metrics.ascent() + metrics.descent()));
    }
    return format;
}
