#pragma once

// Ends the process right after the first paint of a window has been flushed, skipping teardown,
// which neither program would do before its first frame either. Install it after anything else
// that waits for that paint, so that its exit is queued first and nothing after the frame runs.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

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
            QTimer::singleShot(0, [] { std::quick_exit(0); });
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace kantrix::probe
