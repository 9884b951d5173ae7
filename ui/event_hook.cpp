#include "event_hook.h"

#include <QObject>
#include <QTimer>

namespace kantrix {

namespace {

class EventHook : public QObject
{
public:
    EventHook(QObject* watched, QEvent::Type type, HookRepeat repeat, std::function<void()> action)
        : QObject(watched), m_type(type), m_repeat(repeat), m_action(std::move(action))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != parent() || event->type() != m_type)
            return false;
        if (m_repeat == HookRepeat::Once) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_action();
                deleteLater();
            });
        } else {
            QTimer::singleShot(0, this, m_action);
        }
        return false;
    }

private:
    QEvent::Type m_type;
    HookRepeat m_repeat;
    std::function<void()> m_action;
};

} // namespace

void afterEvent(QObject* watched, QEvent::Type type, HookRepeat repeat,
                std::function<void()> action)
{
    new EventHook(watched, type, repeat, std::move(action));
}

} // namespace kantrix
