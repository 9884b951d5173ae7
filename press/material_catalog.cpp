#include "material_catalog.h"

#include "builtin_materials.h"
#include "press_refusal.h"

#include <algorithm>

namespace kantrix::press {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

Material merged(Material material, const UserMaterial& user)
{
    if (user.number)
        material.number = user.number;
    if (user.strength)
        material.strength = *user.strength;
    if (user.radiusFactor)
        material.radiusFactor = *user.radiusFactor;
    if (user.minimumRadius)
        material.minimumRadius = *user.minimumRadius;
    if (user.density)
        material.density = user.density;
    material.testBends = user.testBends;
    return material;
}

Material ownMaterial(const UserMaterial& user)
{
    if (!user.strength || !user.radiusFactor)
        throw PressRefusal(PressItem::Material,
                           "Werkstoff „" + user.name +
                               "“: ein eigener Werkstoff braucht die Zugfestigkeit "
                               "(\"zugfestigkeit\") und den Radiusfaktor (\"radiusfaktor\")");
    return {user.name,
            user.number,
            *user.strength,
            *user.radiusFactor,
            user.minimumRadius.value_or(NoMinimumRadius{}),
            user.testBends,
            user.density};
}

const UserMaterial* userEntry(const MaterialsFile& file, std::string_view name)
{
    for (const UserMaterial& material : file.materials)
        if (sameMaterialName(material.name, name))
            return &material;
    return nullptr;
}

} // namespace

bool sameMaterialName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

MaterialCatalog materialCatalog(const MaterialsFile& user)
{
    MaterialCatalog catalog;
    for (const Material& builtin : builtinMaterials()) {
        if (const UserMaterial* added = userEntry(user, builtin.name))
            catalog.push_back({merged(builtin, *added), MaterialOrigin::BuiltinPlus});
        else
            catalog.push_back({builtin, MaterialOrigin::Builtin});
    }
    for (const UserMaterial& material : user.materials) {
        bool builtin = false;
        for (const Material& known : builtinMaterials())
            builtin = builtin || sameMaterialName(known.name, material.name);
        if (!builtin)
            catalog.push_back({ownMaterial(material), MaterialOrigin::User});
    }
    for (const CatalogEntry& entry : catalog)
        checkMaterial(entry.material);
    // A number finds one material: the user's may not take a number another one has.
    for (std::size_t i = 0; i < catalog.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (catalog[i].material.number &&
                catalog[i].material.number == catalog[j].material.number)
                throw PressRefusal(PressItem::Material,
                                   "Werkstoff „" + catalog[i].material.name + "“: die Nummer " +
                                       *catalog[i].material.number + " hat schon " +
                                       catalog[j].material.name +
                                       "; um dessen Werte zu ersetzen, "
                                       "trägt der Eintrag den Namen " +
                                       catalog[j].material.name);
    return catalog;
}

const Material* findMaterial(const MaterialCatalog& catalog, std::string_view nameOrNumber)
{
    for (const CatalogEntry& entry : catalog)
        if (sameMaterialName(entry.material.name, nameOrNumber))
            return &entry.material;
    for (const CatalogEntry& entry : catalog)
        if (entry.material.number && *entry.material.number == nameOrNumber)
            return &entry.material;
    return nullptr;
}

const Material& requireMaterial(const MaterialCatalog& catalog, std::string_view nameOrNumber)
{
    if (const Material* material = findMaterial(catalog, nameOrNumber))
        return *material;
    std::string names;
    for (const CatalogEntry& entry : catalog)
        names += (names.empty() ? "" : ", ") + entry.material.name;
    throw PressRefusal(PressItem::Material, "Unbekannter Werkstoff „" + std::string(nameOrNumber) +
                                                "“; bekannt sind: " + names);
}

EnteredTestBend enterTestBend(MaterialsFile file, const MaterialCatalog& catalog,
                              std::string_view material, const TestBend& bend)
{
    EnteredTestBend entered;
    entered.material = requireMaterial(catalog, material).name;
    const std::string& name = entered.material;
    evaluateTestBend(bend);
    const auto entry = std::find_if(
        file.materials.begin(), file.materials.end(),
        [&name](const UserMaterial& each) { return sameMaterialName(each.name, name); });
    if (entry == file.materials.end()) {
        UserMaterial added;
        added.name = name;
        added.testBends.push_back(bend);
        file.materials.push_back(std::move(added));
    } else if (std::find(entry->testBends.begin(), entry->testBends.end(), bend) !=
               entry->testBends.end()) {
        entered.alreadyThere = true;
    } else {
        if (entry->testBends.size() >= maxTestBends)
            throw PressRefusal(PressItem::TestBend, "Werkstoff „" + name + "“ hat schon " +
                                                        std::to_string(maxTestBends) +
                                                        " Probebiegungen");
        entry->testBends.push_back(bend);
    }
    entered.file = std::move(file);
    return entered;
}

MaterialsFile withTestBend(MaterialsFile file, const MaterialCatalog& catalog,
                           std::string_view material, const TestBend& bend)
{
    return enterTestBend(std::move(file), catalog, material, bend).file;
}

MaterialsFile withoutTestBend(MaterialsFile file, std::string_view material, const TestBend& bend)
{
    for (UserMaterial& entry : file.materials) {
        if (!sameMaterialName(entry.name, material))
            continue;
        const auto found = std::find(entry.testBends.begin(), entry.testBends.end(), bend);
        if (found != entry.testBends.end()) {
            entry.testBends.erase(found);
            return file;
        }
    }
    throw PressRefusal(PressItem::TestBend, "Werkstoff „" + std::string(material) +
                                                "“ hat diese Probebiegung nicht mehr in der "
                                                "Werkstoffdatei");
}

} // namespace kantrix::press
