#pragma once

#include "catalogue/messages.h"
#include "quiz/quizports.h"

// The program's real modal boxes behind the ports that tests answer with scripts.

class DialogMessageSink final : public MessageSink {
public:
    MessageAnswer show(const Message &message) override;
};

class DialogTextPrompt final : public TextPrompt {
public:
    QString askText(const QString &prompt, const QString &title) override;
};
