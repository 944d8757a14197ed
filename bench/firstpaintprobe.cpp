#include "bench/peakresident.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>

// Linked into the start-up benchmark's programs only, beside their own main: once the first
// window has painted, prints the steady clock in nanoseconds and the peak resident memory in
// KiB, and quits. The benchmark reads the same clock before it starts the program, so the
// difference is the whole start.
namespace {

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Queued behind the paint in progress, so it runs when the whole window is done.
            QTimer::singleShot(0, qApp, &reportAndQuit);
        }
        return false;
    }

private:
    static void reportAndQuit() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        // The peak now, not what tearing down may add.
        std::printf("%lld %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    static_cast<long long>(peakResidentKiB()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool m_painted = false;
};

void installProbe() {
    qApp->installEventFilter(new FirstPaintProbe(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
