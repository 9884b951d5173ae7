#include "memory_field_set.h"

#include "number_text.h"

#include <algorithm>

namespace kantrix {

namespace {

constexpr OleColor windowBackground = 0x00FFFFFF;

} // namespace

MemoryFieldSet::MemoryFieldSet()
{
    m_texts.fill("Text1");
    m_colours.fill(windowBackground);
    m_colours[index(Field::Txt_v)] = lightOrange;
}

std::string MemoryFieldSet::text(Field field) const
{
    return m_texts[index(field)];
}

void MemoryFieldSet::setText(Field field, std::string_view text)
{
    m_texts[index(field)] = text;
    m_selections[index(field)] = {static_cast<int>(characterCount(text)), 0};
}

// Like a text box, the selection is kept inside the text.
void MemoryFieldSet::setSelectionStart(Field field, int start)
{
    const int length = static_cast<int>(characterCount(m_texts[index(field)]));
    m_selections[index(field)] = {std::clamp(start, 0, length), 0};
}

void MemoryFieldSet::setSelectionLength(Field field, int length)
{
    Selection& selection = m_selections[index(field)];
    const int textLength = static_cast<int>(characterCount(m_texts[index(field)]));
    selection.length = std::clamp(length, 0, textLength - selection.start);
}

OleColor MemoryFieldSet::backColor(Field field) const
{
    return m_colours[index(field)];
}

void MemoryFieldSet::setBackColor(Field field, OleColor colour)
{
    m_colours[index(field)] = colour;
}

} // namespace kantrix
