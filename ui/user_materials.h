#pragma once

// The user's materials file as the profile windows read it: the shop's own materials and test
// bends in $XDG_CONFIG_HOME/kantrix/werkstoffe.json, and the catalog of every material they can
// choose. A missing file is an empty one; a file that cannot be read leaves the built-in
// materials alone in the catalog, says why in German naming the file, and is never written here.

#include "material_catalog.h"
#include "materials_transaction.h"

#include <QString>

#include <optional>

namespace kantrix {

struct UserMaterials
{
    QString path;
    press::MaterialsFile file;
    press::MaterialCatalog catalog;
    QString error; // empty when the file was read (or is missing)
};

// Where the user's file lives, by Qt's configuration folder.
QString userMaterialsPath();

UserMaterials readUserMaterials(const QString& path = userMaterialsPath());

// Changes the file through the library's transaction, as the command line does
// (materials_transaction.h), its folder made where missing: the materials as the file holds them
// afterwards, or none with the German reason in `why` (the file then as it was). `change` may
// refuse with a PressRefusal.
std::optional<press::MaterialsFile>
changeUserMaterials(const QString& path, const press::MaterialsChange& change, QString& why);

} // namespace kantrix
