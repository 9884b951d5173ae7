#include "carried_material.h"

#include "material_json.h"
#include "materials_file.h"

#include <nlohmann/json.hpp>

namespace kantrix::web {

using emscripten::val;

press::MaterialCatalog catalogOf(const std::string& userText, const std::string& carriedText)
{
    press::MaterialsFile file = userText.empty()
                                    ? press::MaterialsFile{}
                                    : press::readMaterialsFile(userText, press::materialsFileName);
    if (!carriedText.empty()) {
        for (press::UserMaterial& carried :
             press::readMaterialsFile(carriedText, "Link").materials) {
            std::erase_if(file.materials, [&carried](const press::UserMaterial& mine) {
                return press::sameMaterialName(mine.name, carried.name);
            });
            file.materials.push_back(std::move(carried));
        }
    }
    return press::materialCatalog(file);
}

val carriedFile(const std::optional<press::Material>& material)
{
    if (!material)
        return val::null();
    const press::MaterialCatalog builtins = press::materialCatalog();
    const press::Material* builtin = press::findMaterial(builtins, material->name);
    if (builtin && *builtin == *material)
        return val::null();
    return val(press::json::OrderedJson{
        {"format", press::materialsFormatName},
        {"version", press::materialsFormatVersion},
        {"werkstoffe", press::json::OrderedJson::array({press::materialJson(*material)})}}
                   .dump());
}

} // namespace kantrix::web
