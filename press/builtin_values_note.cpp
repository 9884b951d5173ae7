#include "builtin_values_note.h"

#include "builtin_materials.h"
#include "material_catalog.h"

#include <vector>

namespace kantrix::press {

std::optional<std::string> builtinValuesNote(const Material& material)
{
    for (const Material& builtin : builtinMaterials()) {
        if (!sameMaterialName(builtin.name, material.name))
            continue;
        std::vector<const char*> differing;
        if (material.number != builtin.number)
            differing.push_back("Werkstoffnummer");
        if (material.strength != builtin.strength)
            differing.push_back("Zugfestigkeit Rm");
        if (material.radiusFactor != builtin.radiusFactor)
            differing.push_back("Radiusfaktor f");
        if (material.minimumRadius != builtin.minimumRadius)
            differing.push_back("Mindestradius");
        if (differing.empty())
            return std::nullopt;
        std::string named;
        for (std::size_t i = 0; i < differing.size(); ++i)
            named += (i == 0                      ? ""
                      : i + 1 == differing.size() ? " und "
                                                  : ", ") +
                     std::string(differing[i]);
        return "Die Werte von " + material.name + " weichen von den eingebauten ab (" + named +
               ").";
    }
    return std::nullopt;
}

} // namespace kantrix::press
