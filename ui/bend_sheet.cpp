#include "bend_sheet.h"

#include "bend_form.h"
#include "form_description.h"
#include "sheet_content.h"
#include "sheet_output.h"

#include <QCoreApplication>
#include <QLibrary>

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
    static const SheetOutput* const output = []() -> const SheetOutput* {
        // Installed, the module lies at a fixed place relative to the program; in the build tree,
        // where the tests and probes also run, it lies where it was built.
        const QString folders[] = {QCoreApplication::applicationDirPath() +
                                       QStringLiteral("/" KANTRIX_MODULE_FROM_BIN),
                                   QStringLiteral(KANTRIX_MODULE_BUILD_DIR)};
        QString errors;
        for (const QString& folder : folders) {
            QLibrary module(folder + QStringLiteral("/kantrix_sheet_output"));
            using Entry = const SheetOutput* (*)();
            if (const auto entry = reinterpret_cast<Entry>(module.resolve("kantrixSheetOutput")))
                return entry();
            errors += QStringLiteral("\n  ") + module.errorString();
        }
        qWarning("Kantrix: the sheet's output could not be loaded:%s", qPrintable(errors));
        return nullptr;
    }();
    return output;
}

} // namespace kantrix
