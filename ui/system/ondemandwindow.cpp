#include "ui/system/ondemandwindow.h"

OnDemandWindow::OnDemandWindow(Factory make)
    : m_make(std::move(make)) {}

QWidget &OnDemandWindow::show() {
    if (!m_window) {
        m_window = m_make();
        // The slot owns the window: its close box hides it until it is unloaded.
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    m_window->show();
    return *m_window;
}

void OnDemandWindow::unload() {
    m_window.reset();
}
