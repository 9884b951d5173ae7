#include "same_file.h"

#include "materials_file.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace kantrix::cli {

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first = {};
    struct stat second = {};
    const bool firstExists = ::stat(a.c_str(), &first) == 0;
    const bool secondExists = ::stat(b.c_str(), &second) == 0;
    if (firstExists || secondExists)
        return firstExists && secondExists && first.st_dev == second.st_dev &&
               first.st_ino == second.st_ino;
    // Neither exists yet: the folders that exist resolved, the rest of each path as written.
    const auto named = [](const std::string& path, std::error_code& error) {
        const std::filesystem::path whole = std::filesystem::absolute(path, error);
        return error ? whole : std::filesystem::weakly_canonical(whole, error);
    };
    std::error_code firstError;
    std::error_code secondError;
    const std::filesystem::path firstName = named(a, firstError);
    const std::filesystem::path secondName = named(b, secondError);
    return firstError || secondError ? a == b : firstName == secondName;
}

std::string outputClash(const OutputTargets& targets)
{
    const std::vector<std::pair<std::string, bool>>& outputs = targets.outputs;
    const std::string materialsFiles[] = {press::defaultMaterialsPath(), targets.materialsFile};
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::string& path = outputs[i].first;
        if (!outputs[i].second && !targets.partFile.empty() && targets.partFile != "-" &&
            sameFile(path, targets.partFile))
            return "Die Datei „" + path + "“ ist die " + targets.partFileKind +
                   ", die gelesen wird; sie würde überschrieben";
        // The shop's test bends are no place for a drawing or a part.
        for (const std::string& materials : materialsFiles)
            if (!materials.empty() && materials != "-" && sameFile(path, materials))
                return "Die Datei „" + path + "“ ist die Werkstoffdatei; sie würde überschrieben";
        for (std::size_t j = i + 1; j < outputs.size(); ++j)
            if (sameFile(path, outputs[j].first))
                return "Die Datei „" + path + "“ ist für zwei Ausgaben angegeben";
    }
    return {};
}

} // namespace kantrix::cli
