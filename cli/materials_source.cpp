#include "materials_source.h"

#include "press_refusal.h"

#include <cerrno>
#include <sys/stat.h>

namespace kantrix::cli {

MaterialsSource materialsSource(const std::optional<std::string>& named)
{
    if (named)
        return {*named, true};
    return {press::defaultMaterialsPath(), false};
}

std::optional<press::MaterialsFile> readMaterials(const InputReader& read,
                                                  const MaterialsSource& source,
                                                  std::string& reason, bool mayBeNew)
{
    if (source.path.empty())
        return press::MaterialsFile();
    struct stat status = {};
    if (source.path != "-" && ::stat(source.path.c_str(), &status) != 0 && errno == ENOENT) {
        if (source.named && !mayBeNew) {
            reason = "Die Werkstoffdatei „" + source.path + "“ (--werkstoffe) gibt es nicht";
            return std::nullopt;
        }
        return press::MaterialsFile();
    }
    const std::optional<std::string> text = read(source.path, reason);
    if (!text)
        return std::nullopt;
    try {
        return press::readMaterialsFile(*text,
                                        source.path == "-" ? "Standardeingabe" : source.path);
    } catch (const press::MaterialsFileError& error) {
        reason = error.what();
        return std::nullopt;
    }
}

std::optional<press::MaterialCatalog>
readCatalog(const InputReader& read, const std::optional<std::string>& named, std::string& reason)
{
    const std::optional<press::MaterialsFile> user =
        readMaterials(read, materialsSource(named), reason);
    if (!user)
        return std::nullopt;
    try {
        return press::materialCatalog(*user);
    } catch (const press::PressRefusal& refusal) {
        reason = refusal.what();
        return std::nullopt;
    }
}

} // namespace kantrix::cli
