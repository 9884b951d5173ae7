#pragma once

// What the profile and the box results show alike in their tables: read-only cells, named for a
// screen reader as the fields are, the table's set-up under its heading, the press brake's
// columns, and the notes.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>
#include <vector>

class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace kantrix {

QTableWidgetItem* resultCell(const QString& text, Qt::Alignment alignment = Qt::AlignRight);
// Named like the fields, and read by their figure.
QTableWidgetItem* namedCell(QTableWidgetItem* item, const QString& name);

// A read-only table of results under its heading, no row numbers, its columns as wide as the
// view, and Tab leaving it.
void setUpResultTable(QTableWidget* table, QLabel* heading, const QString& objectName,
                      const QString& spoken, const QStringList& columns);
// The press brake's columns show only for a part made at the press brake, and then every column
// is as wide as its contents, the last taking what is left.
void showPressColumns(QTableWidget* table, std::initializer_list<int> columns, bool pressBrake);

// "Hinweise:" and a line a note, or that there is none.
QString notesText(const std::vector<std::string>& notes);

} // namespace kantrix
