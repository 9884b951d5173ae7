#include "text_field.h"

#include <QFocusEvent>

namespace kantrix {

namespace {

bool movesWithinTheWindow(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

} // namespace

TextField::TextField(Role role, QWidget* parent) : QLineEdit(parent), m_role(role)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Role::Result) {
        setReadOnly(true);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setContextMenuPolicy(Qt::NoContextMenu);
    } else {
        setFocusPolicy(Qt::StrongFocus);
    }
}

void TextField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (movesWithinTheWindow(event))
        Q_EMIT entered();
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (movesWithinTheWindow(event))
        Q_EMIT left();
}

} // namespace kantrix
