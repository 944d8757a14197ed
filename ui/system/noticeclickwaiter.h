#pragma once

#include "quiz/quizports.h"

class NoticeLabel;
class QEventLoop;

// Waits for the click on a notice in an event loop of its own, so that the program stays
// usable meanwhile; the notice has the keyboard while it waits. The question window abandons
// the wait when it closes.
class NoticeClickWaiter final : public NoticeWaiter {
public:
    explicit NoticeClickWaiter(NoticeLabel &notice);

    bool waitForClick() override;
    // Ends a running wait at once, and every later one before it starts, without a click.
    void abandon();

private:
    NoticeLabel &m_notice;
    QEventLoop *m_runningWait = nullptr;
    bool m_abandoned = false;
};
