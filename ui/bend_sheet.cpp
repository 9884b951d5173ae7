#include "bend_sheet.h"

#include "bend_form.h"
#include "form_description.h"
#include "module_loader.h"
#include "sheet_content.h"
#include "sheet_output.h"

namespace kantrix {

namespace {

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor oleColour(OleColor colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace

BendSheet bendSheetOf(const BendForm& form, const FieldSet& fields, const QDateTime& made)
{
    BendSheet sheet;
    sheet.made = made;
    const form::RowDescription* previous = nullptr;
    for (const form::RowDescription& row : form::rows) {
        BendSheet::Row line;
        line.frame = static_cast<int>(row.frame);
        line.caption = toQString(row.caption);
        line.text = toQString(fields.text(row.field));
        line.unit = toQString(row.unit).trimmed();
        line.keyResult = row.bold;
        line.background =
            oleColour(row.field == Field::Txt_v ? fields.backColor(row.field) : lightOrange);
        // The window sets a group apart by a larger step between rows; so does the sheet.
        line.groupStart =
            previous && previous->frame == row.frame && row.fieldTop - previous->fieldTop > 240;
        sheet.rows.push_back(line);
        previous = &row;
    }
    for (const std::string& note : sheetNotes(form))
        sheet.notes << toQString(note);
    return sheet;
}

const SheetOutput* sheetOutput()
{
    static const SheetOutput* const output =
        moduleInterface<SheetOutput>("kantrix_sheet_output", "kantrixSheetOutput");
    return output;
}

} // namespace kantrix
