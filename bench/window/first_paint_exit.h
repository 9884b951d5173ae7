#pragma once

// Ends the process right after the first paint of a window has been flushed, skipping teardown,
// which neither program would do before its first frame either. Install it after anything else
// that waits for that paint, so that its exit is queued first and nothing after the frame runs.
// Where the environment holds KANTRIX_LAUNCHED_NS, the wall-clock time at which the process was
// launched in nanoseconds since the epoch, it first prints the milliseconds from then to the
// flushed frame, so that the time to the first frame leaves out the tearing down of the process.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace kantrix::probe {

class FirstPaintExit : public QObject
{
public:
    explicit FirstPaintExit(QWidget* window) : m_window(window)
    {
        m_window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] {
                printTimeSinceLaunch();
                std::quick_exit(0);
            });
        return false;
    }

private:
    static void printTimeSinceLaunch()
    {
        const char* launched = std::getenv("KANTRIX_LAUNCHED_NS");
        if (!launched)
            return;
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        const long long elapsed = now.count() - std::atoll(launched);
        std::printf("%.3f\n", static_cast<double>(elapsed) / 1e6);
        std::fflush(stdout);
    }

    QWidget* m_window;
};

} // namespace kantrix::probe
