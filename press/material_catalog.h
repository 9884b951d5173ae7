#pragma once

// Every material a user can name: the built-in ones, each with what the user's file adds to it,
// then the user's own. A name is found whatever its case, and a material number finds its
// material too.

#include "material.h"
#include "materials_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kantrix::press {

enum class MaterialOrigin
{
    Builtin,     // as Kantrix knows it
    BuiltinPlus, // a built-in one with the user's values or test bends
    User,        // the user's own
};

struct CatalogEntry
{
    Material material;
    MaterialOrigin origin = MaterialOrigin::Builtin;
};

using MaterialCatalog = std::vector<CatalogEntry>;

// The catalog with the user's file (or without, for an empty one). Refuses (PressRefusal) a
// user's own material without Rm or f, a number that another material has, and every material
// checkMaterial refuses.
MaterialCatalog materialCatalog(const MaterialsFile& user = {});

// The material of this name or number, or none.
const Material* findMaterial(const MaterialCatalog& catalog, std::string_view nameOrNumber);

// The same, or PressRefusal whose message lists the names there are.
const Material& requireMaterial(const MaterialCatalog& catalog, std::string_view nameOrNumber);

// Whether two names are the same for a lookup: ASCII letters without regard to case.
bool sameMaterialName(std::string_view a, std::string_view b);

// A test bend entered into the user's file, or found there already.
struct EnteredTestBend
{
    MaterialsFile file;
    std::string material;      // the material's name as the catalog has it
    bool alreadyThere = false; // a test bend of exactly these values was there: not added twice
};

// The file with the test bend added to the material of this name or number (a built-in one gets
// an entry of its own in the file where it has none), unless the material has a test bend of the
// very same values already: measured once, it would count twice in k. Refuses (PressRefusal) an
// unknown material and a test bend that evaluateTestBend refuses; `file` is then unchanged.
EnteredTestBend enterTestBend(MaterialsFile file, const MaterialCatalog& catalog,
                              std::string_view material, const TestBend& bend);

// The same, only the file.
MaterialsFile withTestBend(MaterialsFile file, const MaterialCatalog& catalog,
                           std::string_view material, const TestBend& bend);

// The file without this test bend of that material's entry. The bend is named by its values,
// not by its place: the file may have changed since the list the user chose from was read, and
// then a place would name another test bend. Refuses one the entry no longer has.
MaterialsFile withoutTestBend(MaterialsFile file, std::string_view material, const TestBend& bend);

} // namespace kantrix::press
