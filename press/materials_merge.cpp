#include "materials_merge.h"

#include "material_catalog.h"
#include "press_refusal.h"

#include <algorithm>
#include <optional>

namespace kantrix::press {

namespace {

// Takes the other file's value where it gives one; says whether that changed the user's.
template <typename T> bool take(std::optional<T>& user, const std::optional<T>& other)
{
    if (!other || user == other)
        return false;
    user = other;
    return true;
}

std::string counted(int count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

} // namespace

MaterialsMerge mergeMaterials(MaterialsFile user, const MaterialsFile& other)
{
    MaterialsMerge merge;
    for (const UserMaterial& material : other.materials) {
        const auto known = std::find_if(
            user.materials.begin(), user.materials.end(),
            [&](const UserMaterial& mine) { return sameMaterialName(mine.name, material.name); });
        if (known == user.materials.end()) {
            user.materials.push_back(material);
            ++merge.newMaterials;
            merge.addedBends += static_cast<int>(material.testBends.size());
            continue;
        }
        // Every value the file gives is taken, not only up to the first that differs.
        bool changed = take(known->number, material.number);
        changed = take(known->strength, material.strength) || changed;
        changed = take(known->radiusFactor, material.radiusFactor) || changed;
        changed = take(known->minimumRadius, material.minimumRadius) || changed;
        changed = take(known->density, material.density) || changed;
        if (changed)
            merge.changedValues.push_back(known->name);
        for (const TestBend& bend : material.testBends) {
            if (std::find(known->testBends.begin(), known->testBends.end(), bend) !=
                known->testBends.end()) {
                ++merge.knownBends;
                continue;
            }
            known->testBends.push_back(bend);
            ++merge.addedBends;
        }
    }
    for (const UserMaterial& material : user.materials)
        if (material.testBends.size() > maxTestBends)
            throw PressRefusal(PressItem::TestBend,
                               "Werkstoff „" + material.name + "“ hätte mehr als " +
                                   std::to_string(maxTestBends) + " Probebiegungen");
    materialCatalog(user);
    merge.file = std::move(user);
    return merge;
}

std::string mergeReport(const MaterialsMerge& merge, std::string_view fileName)
{
    std::string parts;
    const auto add = [&parts](const std::string& part) {
        parts += (parts.empty() ? "" : ", ") + part;
    };
    if (merge.newMaterials)
        add(counted(merge.newMaterials, "Werkstoff", "Werkstoffe") + " neu");
    if (merge.addedBends)
        add(counted(merge.addedBends, "Probebiegung", "Probebiegungen") + " dazu");
    if (merge.knownBends)
        add(counted(merge.knownBends, "Probebiegung war", "Probebiegungen waren") + " schon da");
    std::string text = "„" + std::string(fileName) +
                       "“ übernommen: " + (parts.empty() ? "nichts Neues" : parts) + '.';
    if (!merge.changedValues.empty()) {
        std::string names;
        for (const std::string& name : merge.changedValues)
            names += (names.empty() ? "" : ", ") + name;
        text += " Bei " + names + " gelten jetzt die Werte der Datei; die Probebiegungen bleiben.";
    }
    return text;
}

} // namespace kantrix::press
