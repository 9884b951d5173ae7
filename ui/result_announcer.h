#pragma once

// Tells a screen-reader user the key results after a recalculation that changed them. A screen
// reader speaks changes in the field that has the focus, not in the result fields beside it; so
// the new developed length and deduction go into the description of the control the focus
// arrives at, which is spoken with its name, and leave it with the focus.

#include "field_set.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <utility>
#include <vector>

class QLineEdit;
class QWidget;

namespace kantrix {

class ResultAnnouncer : public QObject
{
    Q_OBJECT

public:
    // The results are spoken as their rows name them, with the texts their fields show.
    ResultAnnouncer(QWidget* window, std::vector<std::pair<Field, QLineEdit*>> results);

    // After a rule that recalculated: announces the results at the next focus stop if they
    // changed since they were last announced (or since start).
    void recalculated();

private:
    QStringList texts() const;
    void focusChanged(QWidget* old, QWidget* now);

    QWidget* m_window;
    std::vector<std::pair<Field, QLineEdit*>> m_results;
    QStringList m_announced;
    QString m_pending;
    QPointer<QWidget> m_describing;
};

} // namespace kantrix
