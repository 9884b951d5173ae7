#pragma once

// Taking another materials file into the user's, as a shop does when the test bends made on one
// device are to count on another: nothing the user has is dropped.

#include "materials_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace kantrix::press {

// The user's file with another merged in, and what the merge did.
struct MaterialsMerge
{
    MaterialsFile file;
    int newMaterials = 0;
    int addedBends = 0;
    int knownBends = 0;                     // test bends the user's file had already
    std::vector<std::string> changedValues; // materials whose values the other file changed
};

// Merges by material name (any case): a new material comes whole; of a known one the other
// file's values win where it gives them, and its test bends join the user's, an identical one
// only once. Refuses (PressRefusal) a merge that would give a material more than maxTestBends
// test bends, or a material the catalog refuses; the caller's file is then unchanged.
MaterialsMerge mergeMaterials(MaterialsFile user, const MaterialsFile& other);

// What a merge of the file `fileName` did, in one German sentence or two.
std::string mergeReport(const MaterialsMerge& merge, std::string_view fileName);

} // namespace kantrix::press
