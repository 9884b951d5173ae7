#include "text_field.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kantrix {

namespace {

bool movesWithinTheWindow(const QFocusEvent* event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

// QLineEdit keeps this much room between its contents rectangle and the text on either side.
constexpr int lineEditTextMargin = 2;

} // namespace

TextField::TextField(Role role, QWidget* parent) : QLineEdit(parent), m_role(role)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Role::Result) {
        setReadOnly(true);
        setFocusPolicy(Qt::NoFocus);
        setContextMenuPolicy(Qt::NoContextMenu);
    } else {
        setFocusPolicy(Qt::StrongFocus);
    }
    connect(this, &QLineEdit::textChanged, this, &TextField::updateToolTip);
}

void TextField::setHint(const QString& hint)
{
    m_hint = hint;
    updateToolTip();
}

QRect TextField::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins())
        .adjusted(lineEditTextMargin, 0, -lineEditTextMargin, 0);
}

bool TextField::isCut() const
{
    return fontMetrics().horizontalAdvance(text()) > textArea().width();
}

QString TextField::shownText() const
{
    if (!isCut() || (m_role == Role::Input && hasFocus()))
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, textArea().width());
}

void TextField::updateToolTip()
{
    setToolTip(isCut() ? text() : m_hint);
}

void TextField::focusInEvent(QFocusEvent* event)
{
    // A click that brings the focus here leaves the text selected by the enter rule, so that
    // typing replaces it; only a click into the field that already has the focus moves the caret.
    m_focusClick = m_role == Role::Input && event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
    if (movesWithinTheWindow(event))
        Q_EMIT entered();
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    m_focusClick = false;
    QLineEdit::focusOutEvent(event);
    if (movesWithinTheWindow(event))
        Q_EMIT left();
}

// A result field lets every click pass to the form beneath it, as if it were not there.
void TextField::mousePressEvent(QMouseEvent* event)
{
    if (m_role == Role::Result) {
        event->ignore();
        return;
    }
    if (m_focusClick && event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    m_focusClick = false;
    QLineEdit::mousePressEvent(event);
}

void TextField::mouseMoveEvent(QMouseEvent* event)
{
    if (m_role == Role::Result) {
        event->ignore();
        return;
    }
    if (m_focusClick) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void TextField::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_role == Role::Result) {
        event->ignore();
        return;
    }
    if (m_focusClick && event->button() == Qt::LeftButton) {
        m_focusClick = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_role == Role::Result) {
        event->ignore();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void TextField::paintEvent(QPaintEvent* event)
{
    const QString shown = shownText();
    if (shown == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // Drawn as QLineEdit draws its panel and text, but from the left, where the text begins.
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = textArea();
    const int lineHeight = fontMetrics().height();
    const QRect line(area.x(), area.y() + (area.height() - lineHeight + 1) / 2, area.width(),
                     lineHeight);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
}

} // namespace kantrix
