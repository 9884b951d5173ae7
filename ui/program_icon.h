#pragma once

// The program's icon for the part windows, from its hand-drawn sizes and its drawing.

#include <QIcon>

namespace kantrix {

inline QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/assets/kantrix-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/assets/kantrix-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/assets/kantrix.svg"));
    return icon;
}

} // namespace kantrix
