#include "user_materials.h"

#include "press_refusal.h"
#include "regular_file.h"

#include <QFile>
#include <QStandardPaths>

namespace kantrix {

namespace {

// Far above the largest materials file the library takes, which names the size itself.
constexpr std::size_t maxRead = 64 << 20;

} // namespace

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
    // Only a regular file, opened so that a FIFO cannot hold the window up.
    const RegularFileText read = readRegularFile(QFile::encodeName(path).toStdString(), maxRead);
    if (read.missing)
        return user;
    if (!read.text) {
        user.error = QStringLiteral("Die Werkstoffdatei „%1“ wird nicht gelesen: %2.")
                         .arg(path, QString::fromStdString(read.why));
        return user;
    }
    const std::string& text = *read.text;
    try {
        press::MaterialsFile file = press::readMaterialsFile(text, path.toStdString());
        user.catalog = press::materialCatalog(file);
        user.file = std::move(file);
    } catch (const press::MaterialsFileError& refused) {
        user.error = QString::fromStdString(refused.what()) + QLatin1Char('.');
    }
    return user;
}

std::optional<press::MaterialsFile>
changeUserMaterials(const QString& path, const press::MaterialsChange& change, QString& why)
{
    press::MaterialsTransaction how;
    how.createFolder = true;
    try {
        return press::changeMaterialsFile(QFile::encodeName(path).toStdString(), change, how);
    } catch (const press::MaterialsFileError& refused) {
        why = QString::fromStdString(refused.what()) + QLatin1Char('.');
    } catch (const press::MaterialsWriteError& failed) {
        why = QString::fromStdString(failed.what()) + QLatin1Char('.');
    } catch (const press::PressRefusal& refusal) {
        why = QString::fromStdString(refusal.what()) + QLatin1Char('.');
    }
    return std::nullopt;
}

} // namespace kantrix
