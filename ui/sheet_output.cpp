// The module kantrix_sheet_output: the bend sheet drawn with QPainter, so that the same page goes
// to a PDF file and to a printer. See sheet_output.h for why it is a module of its own.

#include "sheet_output.h"

#include "form_description.h"
#include "sheet_content.h"
#include "sheet_page.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgRenderer>

#include <algorithm>

namespace kantrix {

namespace {

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

using namespace sheet;

// Where a value goes, right-aligned at `right`. A text too wide for its column takes a smaller
// size, and beyond the smallest it wraps within the room left of the column.
struct ValueBox
{
    QFont font;
    QRectF box;
    double height = 0;
    static constexpr int flags = Qt::AlignRight | Qt::AlignTop | Qt::TextWrapAnywhere;
};

ValueBox valueBox(const QPaintDevice* device, const QString& text, const QFont& font, double top,
                  double right, double width, double room)
{
    ValueBox value{font, {}, 0};
    const double natural = QFontMetricsF(font, device).horizontalAdvance(text);
    if (natural > width) {
        width = std::max(width, std::min(room, natural));
        value.font.setPointSizeF(std::max(5.0, font.pointSizeF() * width / natural));
    }
    const QFontMetricsF metrics(value.font, device);
    value.box = QRectF(right - width, top, width, metrics.height());
    value.height = metrics.boundingRect(value.box, ValueBox::flags, text).height();
    value.box.setHeight(value.height);
    return value;
}

// Draws the sheet on a page whose paper, in device coordinates, is `paper`.
void paintBendSheet(QPainter& painter, const QRectF& paper, const BendSheet& sheet)
{
    const PageUnits mm(painter.device());
    const double left = paper.left() + mm(20);
    const double right = paper.right() - mm(20);
    double y = paper.top() + mm(18);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    y = paintTitle(painter, left, right, y, toQString(sheetTitle), sheet.made, mm) + mm(8);

    // The sketch on the right, at a size where its lettering reads like 11-point print.
    QSvgRenderer sketch(QStringLiteral(":/assets/sketch.svg"));
    const double sketchWidth = mm(62);
    const QSizeF natural = sketch.defaultSize();
    const QRectF sketchBox(right - sketchWidth, y, sketchWidth,
                           sketchWidth * natural.height() / natural.width());
    sketch.render(&painter, sketchBox);
    painter.setPen(QPen(ruleInk, mm(0.2)));
    painter.drawRect(sketchBox);

    // The quantities on the left, frame by frame, in three columns.
    const double tableLeft = left;
    const double tableRight = sketchBox.left() - mm(8);
    const double valueRight = tableRight - mm(11);
    const double valueWidth = mm(30);
    const double rowHeight = mm(6.5);
    const QFont plain = sheetFont(10.5);
    const QFont bold = sheetFont(10.5, true);
    const QFont frameHeading = sheetFont(11, true);
    int frame = -1;
    for (const BendSheet::Row& row : sheet.rows) {
        if (row.frame != frame) {
            frame = row.frame;
            if (frame > 0)
                y += mm(4);
            painter.setFont(frameHeading);
            painter.setPen(headingInk);
            const QRectF heading(tableLeft, y, tableRight - tableLeft, rowHeight);
            painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter,
                             toQString(form::frames[static_cast<std::size_t>(frame)].caption));
            painter.setPen(QPen(headingInk, mm(0.25)));
            painter.drawLine(QPointF(tableLeft, heading.bottom()),
                             QPointF(tableRight, heading.bottom()));
            y = heading.bottom() + mm(1.5);
        } else if (row.groupStart) {
            y += mm(2);
        }

        const QFont& font = row.keyResult ? bold : plain;
        const double textHeight = QFontMetricsF(font, painter.device()).height();
        const double pad = (rowHeight - textHeight) / 2;
        painter.setFont(font);
        const double captionWidth =
            QFontMetricsF(font, painter.device()).horizontalAdvance(row.caption);
        const double room = valueRight - (tableLeft + mm(2) + captionWidth + mm(3));

        const ValueBox value =
            valueBox(painter.device(), row.text, font, y + pad, valueRight, valueWidth, room);
        const double height = std::max(rowHeight, value.height + 2 * pad);
        if (row.keyResult) {
            painter.fillRect(QRectF(tableLeft, y, tableRight - tableLeft, height), row.background);
        }
        painter.setPen(ink);
        painter.setFont(font);
        painter.drawText(QRectF(tableLeft + mm(2), y + pad, captionWidth + mm(1), textHeight),
                         Qt::AlignLeft | Qt::AlignTop, row.caption);
        painter.setFont(value.font);
        painter.drawText(value.box, ValueBox::flags, row.text);
        painter.setFont(font);
        painter.drawText(QRectF(valueRight + mm(1.5), y + pad, tableRight - valueRight, textHeight),
                         Qt::AlignLeft | Qt::AlignTop, row.unit);
        y += height;
    }

    // The notes, under whichever of table and sketch ends lower.
    y = std::max(y, sketchBox.bottom()) + mm(10);
    painter.setFont(frameHeading);
    painter.setPen(headingInk);
    const QRectF notesHeading(left, y, right - left, rowHeight);
    painter.drawText(notesHeading, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Hinweise"));
    painter.setPen(QPen(headingInk, mm(0.25)));
    painter.drawLine(QPointF(left, notesHeading.bottom()), QPointF(right, notesHeading.bottom()));
    y = notesHeading.bottom() + mm(2.5);
    painter.setPen(ink);
    painter.setFont(plain);
    const QStringList notes = sheet.notes.isEmpty()
                                  ? QStringList{QStringLiteral("Keine Hinweise zu dieser Biegung.")}
                                  : sheet.notes;
    for (const QString& note : notes) {
        const QRectF box(left + mm(5), y, right - left - mm(5), paper.bottom() - y);
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        if (!sheet.notes.isEmpty())
            painter.drawText(QRectF(left + mm(1), y, mm(4), rowHeight), Qt::AlignLeft,
                             QStringLiteral("–"));
        const QRectF used = painter.boundingRect(box, flags, note);
        painter.drawText(box, flags, note);
        y += used.height() + mm(2);
    }

    // Footer.
    paintFooter(painter, left, right, paper.bottom() - mm(17),
                QStringLiteral("Abwicklung einer Blechbiegung nach DIN 6935"), mm);
    painter.restore();
}

QByteArray bendSheetPdf(const BendSheet& sheet)
{
    return onePagePdf(toQString(sheetTitle), [&sheet](QPainter& painter, const QRectF& page) {
        paintBendSheet(painter, page, sheet);
    });
}

// Prints the sheet on a printer the user has set up; false if the printer failed.
bool printBendSheet(QPrinter& printer, const BendSheet& sheet)
{
    return printOnePage(printer, [&sheet](QPainter& painter, const QRectF& page) {
        paintBendSheet(painter, page, sheet);
    });
}

void openPrintDialog(QWidget* parent, std::shared_ptr<QPrinter>& printer,
                     const QString& documentName, const std::function<BendSheet()>& now,
                     const std::function<void()>& failed)
{
    if (!printer) {
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }
    printer->setDocName(documentName);
    auto* dialog = new QPrintDialog(printer.get(), parent);
    dialog->setObjectName(QStringLiteral("PrintDialog"));
    dialog->setWindowTitle(QStringLiteral("Biegung drucken"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::accepted, dialog, [target = printer, now, failed] {
        if (!printBendSheet(*target, now()))
            failed();
    });
    dialog->open();
}

const SheetOutput output{&bendSheetPdf, &openPrintDialog};

} // namespace

} // namespace kantrix

extern "C" Q_DECL_EXPORT const kantrix::SheetOutput* kantrixSheetOutput()
{
    return &kantrix::output;
}
