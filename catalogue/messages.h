#pragma once

#include <QString>

// A modal message box as the program describes it, independent of any widget toolkit.
enum class MessageIcon { None, Error, Warning, Question, Information };
enum class MessageButtons { Ok, YesNo }; // YesNo has No as its default button
enum class MessageAnswer { Ok, Yes, No };

inline constexpr auto ApplicationTitle = "ionarch50";

struct Message {
    QString text;
    QString title; // empty: the box shows the application title
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    QString shownTitle() const {
        return title.isEmpty() ? QString::fromLatin1(ApplicationTitle) : title;
    }
    friend bool operator==(const Message &, const Message &) = default;
};

// Whatever shows message boxes: real dialogs in the program, a recorder in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(const Message &message) = 0;
};
