#pragma once

#include "quiz/quizports.h"

#include <QLabel>

// The results notice of the question window: the outcome of an answer on a coloured panel.
// While enabled it answers a click with the left button, and Enter, Space or Escape while
// it has the keyboard, which is how the student dismisses a notice that waits. A screen
// reader reads its text as its name; a notice that does not wait is announced as an alert.
class NoticeLabel : public QLabel {
    Q_OBJECT
public:
    explicit NoticeLabel(QWidget *parent = nullptr);

    // Enables the label and shows the text with a border on the outcome's colour, growing
    // from its minimum size to hold the text.
    void showNotice(NoticeKind kind, const QString &text);
    // No border, the button face, no text and the minimum size; enabled or not, it stays as it is.
    void clearNotice();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_textColour;
    QColor m_restColour;
};
