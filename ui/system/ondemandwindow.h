#pragma once

#include <QWidget>

#include <functional>
#include <memory>

// A modeless window that is made when it is first shown and destroyed when it is unloaded,
// so that any window may unload it, shown or not.
class OnDemandWindow {
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    explicit OnDemandWindow(Factory make);

    QWidget &show();
    void unload();
    // The window while it is loaded, otherwise nullptr.
    QWidget *window() const { return m_window.get(); }

private:
    Factory m_make;
    std::unique_ptr<QWidget> m_window;
};
