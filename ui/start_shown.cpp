#include "start_shown.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>

namespace kantrix {

namespace {

// QLineEdit keeps this much room between its contents rectangle and the text on either side.
constexpr int lineEditTextMargin = 2;

// Shows the whole text, and the widget's own tooltip under it, where the text is cut.
bool showWholeText(QEvent* event, QWidget* widget, const QString& whole, const QString& shown)
{
    if (event->type() != QEvent::ToolTip || shown == whole)
        return false;
    const QString own = widget->toolTip();
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                       own.isEmpty() ? whole : whole + QLatin1Char('\n') + own, widget);
    return true;
}

} // namespace

QRect StartField::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins())
        .adjusted(lineEditTextMargin, 0, -lineEditTextMargin, 0);
}

QString StartField::shownText() const
{
    const int room = textArea().width();
    if (fontMetrics().horizontalAdvance(text()) <= room || (hasFocus() && !isReadOnly()))
        return text();
    return fontMetrics().elidedText(text(), Qt::ElideRight, room);
}

bool StartField::event(QEvent* event)
{
    return showWholeText(event, this, text(), shownText()) || QLineEdit::event(event);
}

void StartField::paintEvent(QPaintEvent* event)
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
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(
        QRect(area.x(), area.y() + (area.height() - lineHeight + 1) / 2, area.width(), lineHeight),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
}

QRect StartComboBox::textArea() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

QString StartComboBox::shownText() const
{
    // An editable box shows its line, which scrolls as any field does.
    if (isEditable())
        return currentText();
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, textArea().width());
}

bool StartComboBox::event(QEvent* event)
{
    return showWholeText(event, this, currentText(), shownText()) || QComboBox::event(event);
}

void StartComboBox::paintEvent(QPaintEvent* event)
{
    if (isEditable()) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace kantrix
