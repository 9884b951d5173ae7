#pragma once

// A table cell whose text is wider than the cell shows it cut with an ellipsis; this puts the
// whole text in its tooltip, so that a number of any length can be read without widening its
// column or the window. Header-only, for the delegates of the profile windows' two tables.

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace kantrix {

// True where the cell's own tooltip should not be shown: its text does not fit, and the whole
// text is shown instead.
inline bool showWholeTextTip(QHelpEvent* event, QAbstractItemView* view,
                             const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !view)
        return false;
    const QString text = index.data(Qt::DisplayRole).toString();
    const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    if (option.fontMetrics.horizontalAdvance(text) + margin <= option.rect.width())
        return false;
    const QString own = index.data(Qt::ToolTipRole).toString();
    QToolTip::showText(event->globalPos(), own.isEmpty() ? text : text + QLatin1Char('\n') + own,
                       view->viewport(), option.rect);
    return true;
}

// A delegate that does only that.
class WholeTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        return showWholeTextTip(event, view, option, index) ||
               QStyledItemDelegate::helpEvent(event, view, option, index);
    }
};

} // namespace kantrix
