#include "materials_file.h"

#include "bend_error.h"
#include "material_catalog.h"
#include "press_refusal.h"

#include <cstdlib>

namespace kantrix::press {

namespace {

// Thousands of test bends stay far below this; anything near it is not a materials file.
constexpr std::size_t maxFileSize = 16 << 20;
constexpr std::size_t maxMaterials = 1000;

} // namespace

std::string writeMaterialsFile(const MaterialsFile& file)
{
    json::OrderedJson document;
    document["format"] = materialsFormatName;
    document["version"] = materialsFormatVersion;
    json::OrderedJson list = json::OrderedJson::array();
    for (const UserMaterial& material : file.materials)
        list.push_back(userMaterialJson(material));
    document["werkstoffe"] = std::move(list);
    return document.dump(2) + '\n';
}

MaterialsFile readMaterialsFile(std::string_view text, std::string_view fileName)
{
    const std::string prefix =
        "Die Werkstoffdatei „" + std::string(fileName) + "“ wird nicht gelesen: ";
    if (text.size() > maxFileSize)
        throw MaterialsFileError(prefix + "sie ist mit " + std::to_string(text.size()) +
                                 " Bytes zu groß für eine Werkstoffdatei");
    try {
        const json::Json document = json::parseStrict(text);
        json::formatVersion(document, materialsFormatName, materialsFormatVersion,
                            "keine Kantrix-Werkstoffdatei", "Werkstoffformats");
        json::requireObject(document, "", {"format", "version", "werkstoffe"});
        const json::Json& list = json::arrayAt(document, "werkstoffe", "werkstoffe", maxMaterials);
        MaterialsFile file;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string path = "werkstoffe[" + std::to_string(i + 1) + "]";
            UserMaterial material = readUserMaterial(list[i], path);
            for (const UserMaterial& before : file.materials)
                if (sameMaterialName(before.name, material.name))
                    throw json::JsonFault("der Werkstoff „" + material.name +
                                              "“ steht zweimal darin",
                                          path + ".name");
            file.materials.push_back(std::move(material));
        }
        // Whether every material can be used: the catalog checks them as it merges them.
        materialCatalog(file);
        return file;
    } catch (const json::JsonFault& fault) {
        throw MaterialsFileError(prefix + json::placedReason(fault, text));
    } catch (const PressRefusal& refusal) {
        throw MaterialsFileError(prefix + refusal.what());
    } catch (const BendError& error) {
        throw MaterialsFileError(prefix + "eine Probebiegung führt zu einem Rechenfehler (" +
                                 std::string(faultMessage(error.kind())) + ")");
    }
}

std::string defaultMaterialsPath()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    // The XDG rules ignore a relative folder.
    if (config && config[0] == '/')
        folder = config;
    else if (const char* home = std::getenv("HOME"); home && home[0] != '\0')
        folder = std::string(home) + "/.config";
    else
        return {};
    return folder + "/kantrix/" + std::string(materialsFileName);
}

} // namespace kantrix::press
