#pragma once

// The results of a box window: the blank's size set apart, its area and mass, the largest force;
// a row per wall with its bend line, bend length, k and where it comes from, force, least flange
// (a wall shorter than that on yellow, its note as tooltip) and the angle to set; and the notes.
// While the box is refused they keep showing the last box that was worked out, greyed and marked
// as not current, as the profile window's do.

#include "box.h"
#include "box_calculation.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace kantrix {

class ElidedLabel;

class BoxResults : public QWidget
{
    Q_OBJECT

public:
    explicit BoxResults(QWidget* parent = nullptr);

    void show(const box::Box& box, const box::BoxResult& result);
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }

    ElidedLabel* blankLength() const { return m_length; }
    ElidedLabel* blankWidth() const { return m_width; }
    ElidedLabel* area() const { return m_area; }
    ElidedLabel* mass() const { return m_mass; }
    ElidedLabel* force() const { return m_force; }
    QTableWidget* walls() const { return m_walls; }
    QLabel* notes() const { return m_notes; }

private:
    ElidedLabel* m_length;
    ElidedLabel* m_width;
    ElidedLabel* m_area;
    ElidedLabel* m_mass;
    ElidedLabel* m_force;
    QLabel* m_stale;
    QTableWidget* m_walls;
    QLabel* m_notes;
    bool m_current = true;
    bool m_hasResult = false;
};

} // namespace kantrix
