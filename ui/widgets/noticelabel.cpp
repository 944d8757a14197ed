#include "ui/widgets/noticelabel.h"

#include "ui/widgets/colouredlabel.h"
#include "ui/widgets/textdisplay.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

QColor noticeColour(NoticeKind kind) {
    switch (kind) {
    case NoticeKind::Correct:
        return QColor(0, 128, 0);
    case NoticeKind::Incorrect:
        return QColor(0, 0, 128);
    case NoticeKind::GivenUp:
        break;
    }
    return QColor(128, 0, 0);
}

} // namespace

NoticeLabel::NoticeLabel(QWidget *parent)
    : QLabel(parent)
    , m_textColour(palette().color(QPalette::HighlightedText))
    , m_restColour(palette().color(QPalette::Button)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    clearNotice();
}

void NoticeLabel::showNotice(NoticeKind kind, const QString &text) {
    setEnabled(true);
    colourLabel(*this, noticeColour(kind), m_textColour, LabelBorder::Single);
    setText(withDisplayLineBreaks(text));
    // Down into the room below, where an explanation wraps onto more lines than the notice has.
    resize(width(), qMax(minimumHeight(), heightForWidth(width())));
    setAccessibleName(this->text());
    if (kind == NoticeKind::Correct) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void NoticeLabel::clearNotice() {
    colourLabel(*this, m_restColour, m_textColour, LabelBorder::None);
    clear();
    resize(minimumSize());
    setAccessibleName(QString());
}

void NoticeLabel::mousePressEvent(QMouseEvent *event) {
    // Taken, so that the release comes here as well.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void NoticeLabel::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void NoticeLabel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        emit clicked();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}
