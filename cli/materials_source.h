#pragma once

// The user's materials file as the commands meet it: the file `--werkstoffe` names, or the one in
// the user's configuration folder. A file that does not exist is an empty list; one that cannot be
// read or is refused stops the call, so that nothing is computed without the shop's test bends
// and nothing is written over them.

#include "command_line.h"
#include "material_catalog.h"
#include "materials_file.h"

#include <optional>
#include <string>

namespace kantrix::cli {

struct MaterialsSource
{
    std::string path;   // empty where no folder is known (neither XDG_CONFIG_HOME nor HOME)
    bool named = false; // given with --werkstoffe
};

// The file named, or the user's own.
MaterialsSource materialsSource(const std::optional<std::string>& named);

// The file's materials, or none with the German reason (naming the file). A file named with
// --werkstoffe that does not exist is refused, as a mistyped name would otherwise read as an
// empty list, unless the call writes it (`mayBeNew`).
std::optional<press::MaterialsFile> readMaterials(const InputReader& read,
                                                  const MaterialsSource& source,
                                                  std::string& reason, bool mayBeNew = false);

// The catalog a part's --werkstoff is looked up in: the built-in materials with those of the file
// --werkstoffe names, or of the user's own; none with the German reason where it is refused.
std::optional<press::MaterialCatalog>
readCatalog(const InputReader& read, const std::optional<std::string>& named, std::string& reason);

} // namespace kantrix::cli
