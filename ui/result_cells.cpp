// The tables' pieces both part results share; see result_cells.h.

#include "result_cells.h"

#include "accessibility.h"
#include "whole_text_tip.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace kantrix {

QTableWidgetItem* resultCell(const QString& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* namedCell(QTableWidgetItem* item, const QString& name)
{
    item->setData(Qt::AccessibleTextRole, name);
    item->setData(Qt::AccessibleDescriptionRole, item->text());
    return item;
}

void setUpResultTable(QTableWidget* table, QLabel* heading, const QString& objectName,
                      const QString& spoken, const QStringList& columns)
{
    table->setObjectName(objectName);
    table->setAccessibleName(spoken);
    table->setHorizontalHeaderLabels(columns);
    table->setItemDelegate(new WholeTextDelegate(table));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    heading->setBuddy(table);
    accessibility::reportCurrentCellOnFocus(table);
}

void showPressColumns(QTableWidget* table, std::initializer_list<int> columns, bool pressBrake)
{
    for (int column : columns)
        table->setColumnHidden(column, !pressBrake);
    table->horizontalHeader()->setSectionResizeMode(pressBrake ? QHeaderView::ResizeToContents
                                                               : QHeaderView::Stretch);
    if (pressBrake)
        table->horizontalHeader()->setStretchLastSection(true);
}

QString notesText(const std::vector<std::string>& notes)
{
    QStringList lines;
    for (const std::string& note : notes)
        lines << QStringLiteral("– ") + QString::fromStdString(note);
    return lines.isEmpty() ? QStringLiteral("Keine Hinweise.")
                           : QStringLiteral("Hinweise:\n") + lines.join(QLatin1Char('\n'));
}

} // namespace kantrix
