#pragma once

#include "messages.h"

#include <QApplication>
#include <QList>
#include <QStringList>
#include <QWidget>

// Answers every message box at once with its first button and keeps it, together with the
// windows that stood on screen while it was shown.
class RecordingSink final : public MessageSink {
public:
    MessageAnswer show(const Message &message) override {
        shown.append(message);
        QStringList visible;
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                visible << window->objectName();
        }
        windowsOnScreen.append(visible);
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    QList<Message> shown;
    QList<QStringList> windowsOnScreen;
};
