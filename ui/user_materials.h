#pragma once

// The user's materials file as the profile windows read it: the shop's own materials and test
// bends in $XDG_CONFIG_HOME/kantrix/werkstoffe.json, and the catalog of every material they can
// choose. A missing file is an empty one; a file that cannot be read leaves the built-in
// materials alone in the catalog, says why in German naming the file, and is never written here.

#include "material_catalog.h"

#include <QString>

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

// Writes the file whole, its folder made where missing; false with the German reason in `why`,
// the old file then unchanged.
bool writeUserMaterials(const QString& path, const press::MaterialsFile& file, QString& why);

} // namespace kantrix
