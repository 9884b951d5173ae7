#include "module_loader.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

namespace kantrix {

QFunctionPointer moduleEntry(const char* name, const char* entry)
{
    const QString folders[] = {QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/" KANTRIX_MODULE_FROM_BIN),
                               QStringLiteral(KANTRIX_MODULE_BUILD_DIR)};
    QString errors;
    for (const QString& folder : folders) {
        QLibrary module(folder + QLatin1Char('/') + QLatin1String(name));
        if (const QFunctionPointer found = module.resolve(entry))
            return found;
        errors += QStringLiteral("\n  ") + module.errorString();
    }
    qWarning("Kantrix: the module %s could not be loaded:%s", name, qPrintable(errors));
    return nullptr;
}

} // namespace kantrix
