#pragma once

#include <QPushButton>

// A push button whose caption goes on over further lines where it is wider than the
// button, as the narrow buttons of the question window need.
class WrappingPushButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
