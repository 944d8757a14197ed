#pragma once

#include "quiz/quizports.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// The fixed pause after a correct answer. The windows go on painting and timers run, but
// input that arrives meanwhile is dropped rather than handled late, so that a second Enter
// cannot judge the next, still empty answer; only a box that opens during the pause takes
// its input. A window asked to close during the pause closes once the pause is over and the
// program is back in its event loop.
class InputBlockingPause final : public QObject, public Pause {
    Q_OBJECT
public:
    void pause(int milliseconds) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPointer<QWidget>> m_heldCloses;
};
