#include "ui/system/inputblockingpause.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

void InputBlockingPause::pause(int milliseconds) {
    QEventLoop pause;
    QTimer::singleShot(milliseconds, &pause, &QEventLoop::quit);
    QCoreApplication::instance()->installEventFilter(this);
    pause.exec();
    QCoreApplication::instance()->removeEventFilter(this);

    for (const QPointer<QWidget> &window : std::as_const(m_heldCloses)) {
        if (window)
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
    }
    m_heldCloses.clear();
}

bool InputBlockingPause::eventFilter(QObject *watched, QEvent *event) {
    // A box that opened meanwhile, such as a notice of the learning record, is answered and
    // closes as ever; its modality keeps the input from the other windows.
    if (QApplication::activeModalWidget())
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Accepted, so that no shortcut is looked for; the key itself is dropped next.
        event->accept();
        return true;
    case QEvent::Shortcut:
        return true;
    case QEvent::Close:
        if (auto *window = qobject_cast<QWidget *>(watched); window && window->isWindow()) {
            if (!m_heldCloses.contains(window))
                m_heldCloses.append(window);
            event->ignore();
            return true;
        }
        return false;
    default:
        return event->isInputEvent();
    }
}
