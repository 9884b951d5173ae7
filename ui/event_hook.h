#pragma once

// An action run from the event loop once an event has been handled, for work that must follow
// what Qt does on that event: a window's first paint, a view's focus.

#include <QEvent>

#include <functional>

class QObject;

namespace kantrix {

enum class HookRepeat
{
    Once,
    Always,
};

// Runs `action` from the event loop after an event of `type` has reached `watched`: after the
// first such event only, or after each. The hook is a child of `watched` and goes with it.
void afterEvent(QObject* watched, QEvent::Type type, HookRepeat repeat,
                std::function<void()> action);

} // namespace kantrix
