#include "ui/system/noticeclickwaiter.h"

#include "ui/widgets/noticelabel.h"

#include <QEventLoop>
#include <QScopedValueRollback>

NoticeClickWaiter::NoticeClickWaiter(NoticeLabel &notice)
    : m_notice(notice) {}

bool NoticeClickWaiter::waitForClick() {
    if (m_abandoned)
        return false;
    QEventLoop wait;
    bool clicked = false;
    QObject::connect(&m_notice, &NoticeLabel::clicked, &wait, [&] {
        clicked = true;
        wait.quit();
    });
    const QScopedValueRollback running(m_runningWait, &wait);
    // The keyboard goes to the notice, so that a key dismisses it and a screen reader reads it.
    m_notice.setFocusPolicy(Qt::StrongFocus);
    m_notice.setFocus(Qt::OtherFocusReason);
    // The application's quit ends the wait as well, without a click.
    wait.exec();
    m_notice.setFocusPolicy(Qt::NoFocus);
    return clicked && !m_abandoned;
}

void NoticeClickWaiter::abandon() {
    m_abandoned = true;
    if (m_runningWait)
        m_runningWait->quit();
}
