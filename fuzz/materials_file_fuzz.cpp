// The materials file reader on arbitrary bytes: it either refuses them with a MaterialsFileError
// that names the file, or reads materials that write a file reading back the same, that merge into
// a user's file without dropping anything of it, also through the transaction on a file of the
// target's own, and a part made of each of them is worked out or refused, never anything else.

#include "bend_error.h"
#include "fuzz_check.h"
#include "material_catalog.h"
#include "materials_file.h"
#include "materials_merge.h"
#include "materials_transaction.h"
#include "press_refusal.h"
#include "profile_calculation.h"
#include "profile_refusal.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

// A folder of the target's own under the temporary folder, never the user's configuration.
// libFuzzer may end without the exit handlers, so the test run points TMPDIR into its scratch
// folder, which each run starts afresh.
const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        const char* temporary = std::getenv("TMPDIR");
        const std::string base = temporary && *temporary ? temporary : "/tmp";
        std::error_code ignored;
        std::filesystem::create_directories(base, ignored);
        std::string name = base + "/kantrix-materials-fuzz-XXXXXX";
        const char* made = ::mkdtemp(name.data());
        kantrix::fuzz::require(made != nullptr, "a scratch folder");
        std::atexit([] { std::filesystem::remove_all(scratchFolder()); });
        return std::filesystem::path(name);
    }();
    return folder;
}

std::string contents(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

bool holdsEveryTestBend(const kantrix::press::MaterialsFile& whole,
                        const kantrix::press::MaterialsFile& part)
{
    using kantrix::press::UserMaterial;
    return std::all_of(part.materials.begin(), part.materials.end(), [&](const UserMaterial& m) {
        const auto kept = std::find_if(
            whole.materials.begin(), whole.materials.end(), [&](const UserMaterial& each) {
                return kantrix::press::sameMaterialName(each.name, m.name);
            });
        return kept != whole.materials.end() &&
               std::all_of(m.testBends.begin(), m.testBends.end(), [&](const auto& bend) {
                   return std::find(kept->testBends.begin(), kept->testBends.end(), bend) !=
                          kept->testBends.end();
               });
    });
}

} // namespace

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
                            {{1.5, 1.92, 12, 90, 88, 100, 51.5, 51.7}},
                            std::nullopt};
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

    // The same merge as a change of a file on disk: what it returns is what the file holds, and
    // nothing of the file is lost; refused, the file is as it was.
    const std::filesystem::path onDisk = scratchFolder() / "werkstoffe.json";
    std::ofstream(onDisk, std::ios::binary | std::ios::trunc) << written;
    try {
        const press::MaterialsFile result = press::changeMaterialsFile(
            onDisk.string(),
            [&own](const press::MaterialsFile& now) -> std::optional<press::MaterialsFile> {
                return press::mergeMaterials(now, press::MaterialsFile{{own}}).file;
            });
        fuzz::require(press::readMaterialsFile(contents(onDisk), "again.json") == result,
                      "the transaction returns what the file holds", text);
        fuzz::require(holdsEveryTestBend(result, file) &&
                          holdsEveryTestBend(result, press::MaterialsFile{{own}}),
                      "the transaction loses no test bend", text);
    } catch (const press::PressRefusal&) {
        fuzz::require(contents(onDisk) == written, "a refused change writes nothing", text);
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
