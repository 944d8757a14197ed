#include "ui/system/afterfirstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget &widget, std::function<void()> action)
        : QObject(&widget)
        , m_action(std::move(action)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            // Queued behind the paint in progress, so that the window is done first.
            QTimer::singleShot(0, watched, std::move(m_action));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace

void afterFirstPaint(QWidget &widget, std::function<void()> action) {
    new FirstPaintWatch(widget, std::move(action));
}
