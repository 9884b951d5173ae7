#pragma once

// The results of a profile window: the developed length L set apart in bold, the bend lines
// with their positions from the left end of the blank and their directions, each bend's k, v and
// bz, and the notes. At the press brake also the largest force under L and each bend's force,
// least flange, angle to set and where its k comes from. While the profile is refused they keep
// showing the last profile that was worked out, greyed and marked as not current.

#include "profile.h"
#include "profile_calculation.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace kantrix {

class ElidedLabel;

class ProfileResults : public QWidget
{
    Q_OBJECT

public:
    explicit ProfileResults(QWidget* parent = nullptr);

    // The results of a profile just worked out; they are current.
    void show(const profile::Profile& profile, const profile::ProfileResult& result);
    // The profile now shown is refused: what is shown stays, marked as not current.
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }
    bool hasResult() const { return m_hasResult; }

    ElidedLabel* length() const { return m_length; }
    ElidedLabel* force() const { return m_force; }
    QTableWidget* bends() const { return m_bends; }
    QLabel* notes() const { return m_notes; }

private:
    ElidedLabel* m_length;
    ElidedLabel* m_force;
    QLabel* m_stale;
    QTableWidget* m_bends;
    QLabel* m_notes;
    bool m_current = true;
    bool m_hasResult = false;
};

} // namespace kantrix
