#include "ui/widgets/richtextedit.h"

#include "catalogue/datatext.h"
#include "ui/widgets/twips.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace {

// How far a digit of a formula is lowered.
constexpr int DigitOffsetTwips = -40;

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
    m_typingLowered = false;
    moveCursor(QTextCursor::Start);
    setCurrentCharFormat(QTextCharFormat());
    QTextEdit::setPlainText(text);
    moveCursor(QTextCursor::End);
}

void RichTextEdit::setFormula(const QString &text) {
    setPlainText(QString());
    QTextCursor caret = textCursor();
    insertFormula(caret, text);
    setTextCursor(caret);
}

void RichTextEdit::giveFocus() {
    setFocus();
}

void RichTextEdit::setTypingLowered(bool lowered) {
    m_typingLowered = lowered;
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
        caret.setCharFormat(characterFormat(m_typingLowered));
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
    QTextCursor caret = textCursor();
    caret.beginEditBlock();
    caret.removeSelectedText();
    insertFormula(caret, text);
    caret.endEditBlock();
    setTextCursor(caret);
}

void RichTextEdit::insertFormula(QTextCursor &caret, const QString &text) {
    const QTextCharFormat lowered = characterFormat(true);
    const QTextCharFormat baseline = characterFormat(false);
    for (const QChar c : text)
        caret.insertText(QString(c), isDigit(c) ? lowered : baseline);
}

QTextCharFormat RichTextEdit::characterFormat(bool lowered) const {
    // Qt shifts the baseline by a percentage of the font's height (ascent plus descent).
    QTextCharFormat format;
    if (lowered) {
        const QFontMetricsF metrics(document()->defaultFont(), this);
        const qreal pixels = qreal(DigitOffsetTwips) / Twips::PerPoint * logicalDpiY() / 72.0;
        format.setBaselineOffset(100.0 * pixels / (metrics.ascent() + metrics.descent()));
    }
    return format;
}
