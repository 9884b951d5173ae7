#pragma once

// The bend sheet's output, on paper and as PDF, lives in a module of its own,
// kantrix_sheet_output, which the program loads at the first print or save. It needs Qt Print
// Support and Qt Svg (the sketch goes on the page as vector graphics); linked into the program,
// both were loaded and relocated at every start, for a page that most starts never make.

#include "bend_sheet.h"

#include <QByteArray>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace kantrix {

struct SheetOutput
{
    // The sheet as a complete PDF file, vector graphics and embedded fonts; empty if it could not
    // be drawn.
    QByteArray (*pdf)(const BendSheet& sheet);
    // Opens the print dialog over `parent` for `printer`, made at the first call and kept for
    // the next. Once the dialog is accepted, prints the sheet `now` gives; calls `failed` if the
    // printer failed.
    void (*print)(QWidget* parent, std::shared_ptr<QPrinter>& printer, const QString& documentName,
                  const std::function<BendSheet()>& now, const std::function<void()>& failed);
};

// The module's functions, loaded at the first call; nullptr if the module could not be loaded.
const SheetOutput* sheetOutput();

} // namespace kantrix
