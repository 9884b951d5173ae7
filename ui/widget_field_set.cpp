#include "widget_field_set.h"

#include <QLineEdit>

namespace kantrix {

namespace {

// The field set counts characters; QString counts UTF-16 code units. They differ only for
// characters outside the Basic Multilingual Plane.
int codeUnitOffset(const QString& text, int characters)
{
    int offset = 0;
    for (int counted = 0; counted < characters && offset < text.size(); ++counted)
        offset += text.at(offset).isHighSurrogate() && offset + 1 < text.size() ? 2 : 1;
    return offset;
}

int characterOffset(const QString& text, int codeUnits)
{
    int characters = 0;
    for (int i = 0; i < codeUnits && i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate())
            ++characters;
    }
    return characters;
}

} // namespace

void WidgetFieldSet::bind(Field field, QLineEdit* widget)
{
    m_widgets[static_cast<std::size_t>(field)] = widget;
}

std::string WidgetFieldSet::text(Field field) const
{
    return widget(field)->text().toStdString();
}

void WidgetFieldSet::setText(Field field, std::string_view text)
{
    // An unchanged text is left alone: rewriting it would tell a screen reader of a change.
    const QString newText = QString::fromUtf8(text);
    if (widget(field)->text() != newText)
        widget(field)->setText(newText);
}

void WidgetFieldSet::setSelectionStart(Field field, int start)
{
    QLineEdit* edit = widget(field);
    edit->setCursorPosition(codeUnitOffset(edit->text(), start));
}

void WidgetFieldSet::setSelectionLength(Field field, int length)
{
    QLineEdit* edit = widget(field);
    const QString text = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int startCharacters = characterOffset(text, start);
    const int end = codeUnitOffset(text, startCharacters + length);
    edit->setSelection(start, end - start);
}

OleColor WidgetFieldSet::backColor(Field field) const
{
    const QColor colour = widget(field)->palette().color(QPalette::Base);
    return static_cast<OleColor>(colour.red()) | static_cast<OleColor>(colour.green()) << 8 |
           static_cast<OleColor>(colour.blue()) << 16;
}

void WidgetFieldSet::setBackColor(Field field, OleColor colour)
{
    QLineEdit* edit = widget(field);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QColor(redOf(colour), greenOf(colour), blueOf(colour)));
    edit->setPalette(palette);
}

} // namespace kantrix
