#include "cell_delegate.h"

#include "accessibility.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace kantrix {

CellDelegate::CellDelegate(QObject* keys, std::function<QStringList(const QModelIndex&)> choices,
                           std::function<QString(int, int)> name, QObject* parent)
    : WholeTextDelegate(parent), m_keys(keys), m_choices(std::move(choices)),
      m_name(std::move(name))
{}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    const QString name = m_name(index.row(), index.column());
    if (const QStringList words = m_choices(index); !words.isEmpty()) {
        auto* box = new QComboBox(parent);
        box->addItems(words);
        box->setAccessibleName(name);
        box->installEventFilter(m_keys);
        return box;
    }
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* text = qobject_cast<QLineEdit*>(editor))
        accessibility::presentAsField(text);
    editor->setAccessibleName(name);
    editor->installEventFilter(m_keys);
    return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor))
        return box->setCurrentText(index.data(Qt::EditRole).toString());
    QStyledItemDelegate::setEditorData(editor, index);
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor))
        return static_cast<void>(model->setData(index, box->currentText()));
    QStyledItemDelegate::setModelData(editor, model, index);
}

// Ctrl+Tab is the window's, which leaves the table with it; the delegate would take it for Tab
// and move to the next cell.
bool CellDelegate::eventFilter(QObject* editor, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            key->modifiers().testFlag(Qt::ControlModifier))
            return false;
    }
    return WholeTextDelegate::eventFilter(editor, event);
}

} // namespace kantrix
