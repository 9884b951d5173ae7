#include "result_announcer.h"

#include "form_description.h"

#include <QApplication>
#include <QLineEdit>

namespace kantrix {

ResultAnnouncer::ResultAnnouncer(QWidget* window, std::vector<std::pair<Field, QLineEdit*>> results)
    : QObject(window), m_window(window), m_results(std::move(results)), m_announced(texts())
{
    connect(qApp, &QApplication::focusChanged, this, &ResultAnnouncer::focusChanged);
}

QStringList ResultAnnouncer::texts() const
{
    QStringList shown;
    for (const auto& [field, edit] : m_results)
        shown.append(edit->text());
    return shown;
}

void ResultAnnouncer::recalculated()
{
    const QStringList now = texts();
    if (now == m_announced)
        return;
    m_announced = now;
    QStringList spoken;
    for (const auto& [field, edit] : m_results)
        spoken.append(QString::fromStdString(
            form::spokenQuantity(form::rowOf(field), edit->text().toStdString())));
    m_pending = spoken.join(QStringLiteral("; "));
}

// Qt reports the change of focus to a screen reader after this signal, so the description set
// here is read with the control's name.
void ResultAnnouncer::focusChanged(QWidget*, QWidget* now)
{
    if (m_describing && m_describing != now) {
        m_describing->setAccessibleDescription(QString());
        m_describing = nullptr;
    }
    if (m_pending.isEmpty() || !now || now->window() != m_window)
        return;
    QString description = m_pending;
    if (!now->toolTip().isEmpty())
        description += QStringLiteral(". ") + now->toolTip();
    now->setAccessibleDescription(description);
    m_describing = now;
    m_pending.clear();
}

} // namespace kantrix
