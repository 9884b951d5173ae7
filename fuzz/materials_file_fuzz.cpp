// The materials file reader on arbitrary bytes: it either refuses them with a MaterialsFileError
// that names the file, or reads materials that write a file reading back the same, that merge into
// a user's file without dropping anything of it, and a part made of each of them is worked out or
// refused, never anything else.

#include "bend_error.h"
#include "fuzz_check.h"
#include "material_catalog.h"
#include "materials_file.h"
#include "materials_merge.h"
#include "press_refusal.h"
#include "profile_calculation.h"
#include "profile_refusal.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    press::MaterialsFile file;
    try {
        file = press::readMaterialsFile(text, "werkstoffe.json");
    } catch (const press::MaterialsFileError& error) {
        fuzz::require(std::string_view(error.what())
                          .starts_with("Die Werkstoffdatei „werkstoffe.json“ wird nicht gelesen: "),
                      "a refusal names the file", text);
        return 0;
    }
    const std::string written = press::writeMaterialsFile(file);
    const press::MaterialsFile again = press::readMaterialsFile(written, "again.json");
    fuzz::require(again == file, "what is read writes and reads back equal", text);
    fuzz::require(press::writeMaterialsFile(again) == written, "the written text is stable", text);

    // Merged into a user's file (itself, or one of the shop's own), nothing of that file is lost.
    press::UserMaterial own{"S235JR",
                            std::nullopt,
                            std::nullopt,
                            0.17,
                            press::NoMinimumRadius{},
                            {{1.5, 1.92, 12, 90, 88, 100, 51.5, 51.7}}};
    for (const press::MaterialsFile& user : {file, press::MaterialsFile{{own}}}) {
        try {
            const press::MaterialsMerge merge = press::mergeMaterials(user, file);
            fuzz::require(merge.file.materials.size() >= user.materials.size(),
                          "a merge keeps every material", text);
            for (std::size_t i = 0; i < user.materials.size(); ++i) {
                const auto& kept = user.materials[i].testBends;
                const auto& merged = merge.file.materials[i].testBends;
                fuzz::require(merged.size() >= kept.size() &&
                                  std::equal(kept.begin(), kept.end(), merged.begin()),
                              "a merge keeps every test bend in its place", text);
            }
        } catch (const press::PressRefusal&) {
        }
    }

    for (const press::CatalogEntry& entry : press::materialCatalog(file)) {
        profile::Profile part;
        part.thickness =
            entry.material.testBends.empty() ? 2 : entry.material.testBends[0].thickness;
        part.legs = {{50, profile::Measure::Aussen},
                     {100, profile::Measure::Aussen},
                     {50, profile::Measure::Aussen}};
        part.bends = {{90, std::nullopt, profile::Direction::Plus},
                      {120, std::nullopt, profile::Direction::Minus}};
        part.width = 1000;
        part.material = entry.material;
        part.die = 16;
        part.pressLimit = 100;
        profile::followDie(part);
        try {
            profile::computeProfile(part);
        } catch (const profile::ProfileRefusal&) {
        } catch (const BendError&) {
        }
    }
    return 0;
}
