#include "quantity_lines.h"

#include "form_description.h"
#include "number_text.h"

#include <algorithm>

namespace kantrix {

std::string quantityLines(const FieldSet& fields)
{
    std::size_t captionWidth = 0;
    std::size_t textWidth = 0;
    for (const form::RowDescription& row : form::rows) {
        captionWidth = std::max(captionWidth, characterCount(row.caption));
        textWidth = std::max(textWidth, characterCount(fields.text(row.field)));
    }

    std::string lines;
    for (const form::RowDescription& row : form::rows) {
        const std::string text = fields.text(row.field);
        lines += row.caption;
        // One blank between caption and value at the least, as in the window's rows.
        lines.append(captionWidth - characterCount(row.caption) + 1, ' ');
        lines.append(textWidth - characterCount(text), ' ');
        lines += text;
        lines += row.unit;
        lines += '\n';
    }
    return lines;
}

} // namespace kantrix
