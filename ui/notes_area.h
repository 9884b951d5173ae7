#pragma once

// The notes of a part window's results, header-only for the profile and the box results.

#include <QEvent>
#include <QLabel>
#include <QScrollArea>

#include <algorithm>

namespace kantrix {

// The notes at their whole height where the window has room, and scrolled where it has not, so
// that no line of them is ever cut off at the bottom.
class NotesArea : public QScrollArea
{
public:
    NotesArea(QLabel* notes, const QString& name, QWidget* parent)
        : QScrollArea(parent), m_notes(notes)
    {
        setObjectName(name);
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(notes);
        viewport()->setAutoFillBackground(false);
        notes->setAutoFillBackground(false);
    }

    QSize sizeHint() const override
    {
        m_asked = notesHeight();
        return {QScrollArea::sizeHint().width(), m_asked};
    }
    // Two lines, or fewer where the notes have fewer.
    QSize minimumSizeHint() const override
    {
        return {QScrollArea::minimumSizeHint().width(),
                std::min(notesHeight(), 2 * m_notes->fontMetrics().lineSpacing() + 4)};
    }

protected:
    // New notes ask their parent, the viewport, for room; the area asks its own layout.
    bool viewportEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return QScrollArea::viewportEvent(event);
    }

    // The wrapped notes grow taller as the area grows narrower; and notes set while the window
    // was hidden asked nobody for room.
    void resizeEvent(QResizeEvent* event) override
    {
        m_shownWidth = viewport()->width();
        QScrollArea::resizeEvent(event);
        if (notesHeight() != m_asked)
            updateGeometry();
    }

private:
    int notesHeight() const
    {
        return m_notes->heightForWidth(m_shownWidth > 0 ? m_shownWidth
                                                        : m_notes->sizeHint().width());
    }

    QLabel* m_notes;
    int m_shownWidth = 0;
    mutable int m_asked = -1; // the height sizeHint() last gave the layout
};

} // namespace kantrix
