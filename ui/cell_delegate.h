#pragma once

// The delegate of a part window's input table (the profile's legs, the box's walls): a cell of a
// few words (a measure, a direction) is picked from them in a combo box, a number is typed as in
// a spreadsheet; each editor is named for a screen reader as its cell, and watched by the window
// for its commands.

#include "whole_text_tip.h"

#include <QStringList>

#include <functional>

namespace kantrix {

class CellDelegate : public WholeTextDelegate
{
public:
    // `choices` gives the words of a cell picked from them, none for a typed one; `name` the
    // spoken name of a cell by row and column.
    CellDelegate(QObject* keys, std::function<QStringList(const QModelIndex&)> choices,
                 std::function<QString(int, int)> name, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    QObject* m_keys;
    std::function<QStringList(const QModelIndex&)> m_choices;
    std::function<QString(int, int)> m_name;
};

} // namespace kantrix
