#pragma once

// The user's materials file: the shop's own materials and its test bends, as JSON in UTF-8 with
// a format name and a version, read and written here for every face.
//
// {"format": "kantrix-werkstoffe", "version": 1, "werkstoffe": [material, ...]}
//
// with each material as material_json.h describes it. A missing file is an empty list; a file
// that cannot be read whole is refused and never written over.

#include "material_json.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kantrix::press {

inline constexpr std::string_view materialsFormatName = "kantrix-werkstoffe";
inline constexpr int materialsFormatVersion = 1;
inline constexpr std::string_view materialsFileName = "werkstoffe.json";

struct MaterialsFile
{
    std::vector<UserMaterial> materials;

    bool operator==(const MaterialsFile&) const = default;
};

// A file that is refused: its German message names the file and what is wrong, for text that is
// not JSON with the line and column.
class MaterialsFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The file's text; every number reads back to the same double.
std::string writeMaterialsFile(const MaterialsFile& file);

// The materials of a file's text, or MaterialsFileError: not JSON, another format, a newer
// version, a wrong key or value, a material named twice, a user's own material without Rm or f,
// or a material or test bend that checkMaterial refuses. `fileName` is only for the message.
MaterialsFile readMaterialsFile(std::string_view text, std::string_view fileName);

// Where the user's file lives: $XDG_CONFIG_HOME/kantrix/werkstoffe.json, else
// $HOME/.config/kantrix/werkstoffe.json; empty where neither variable is set.
std::string defaultMaterialsPath();

} // namespace kantrix::press
