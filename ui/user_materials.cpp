#include "user_materials.h"

#include "file_error_text.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kantrix {

QString userMaterialsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kantrix/") +
           QString::fromUtf8(press::materialsFileName.data(), press::materialsFileName.size());
}

UserMaterials readUserMaterials(const QString& path)
{
    UserMaterials user;
    user.path = path;
    user.catalog = press::materialCatalog();
    QFile file(path);
    if (!file.exists())
        return user;
    if (!file.open(QIODevice::ReadOnly)) {
        user.error = QStringLiteral("Die Werkstoffdatei „%1“ wird nicht gelesen: %2.")
                         .arg(path, fileErrorText(file.errorString()));
        return user;
    }
    const QByteArray text = file.readAll();
    try {
        press::MaterialsFile read = press::readMaterialsFile(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
            path.toStdString());
        user.catalog = press::materialCatalog(read);
        user.file = std::move(read);
    } catch (const press::MaterialsFileError& refused) {
        user.error = QString::fromStdString(refused.what()) + QLatin1Char('.');
    }
    return user;
}

bool writeUserMaterials(const QString& path, const press::MaterialsFile& file, QString& why)
{
    QString error;
    if (QDir().mkpath(QFileInfo(path).absolutePath()) &&
        writeWholeFile(path, QByteArray::fromStdString(press::writeMaterialsFile(file)), error))
        return true;
    why = QStringLiteral("Die Werkstoffdatei „%1“ ist nicht geschrieben%2; sie ist, wie sie war.")
              .arg(path, error.isEmpty() ? QString() : QStringLiteral(": ") + error);
    return false;
}

} // namespace kantrix
