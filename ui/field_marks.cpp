#include "field_marks.h"

#include "accessibility.h"
#include "start_shown.h"

#include <QApplication>
#include <QLineEdit>

namespace kantrix {

QLineEdit* makeField(const FieldText& text, QWidget* parent)
{
    auto* field = new StartField(parent);
    accessibility::presentAsField(field);
    field->setObjectName(QString::fromLatin1(text.name));
    field->setAccessibleName(QStringLiteral("%1, %2").arg(QString::fromUtf8(text.caption),
                                                          QString::fromUtf8(text.spokenUnit)));
    field->setAlignment(Qt::AlignRight);
    if (text.toolTip)
        field->setToolTip(QString::fromUtf8(text.toolTip));
    return field;
}

void markField(QLineEdit* field, bool refused, const QString& why)
{
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, refused ? refusedBase
                                     : field->isReadOnly()
                                         ? QApplication::palette().color(QPalette::Window)
                                         : QApplication::palette().color(QPalette::Base));
    field->setPalette(colours);
    field->setAccessibleDescription(why);
}

} // namespace kantrix
