#pragma once

// The materials a part's page computes with, shared by the profile's and the box's bindings: the
// built-in ones, the user's materials file that the page keeps in the browser, and the one
// material a link or a part's file carries, so that a part computes the same in another browser.

#include "material.h"
#include "material_catalog.h"

#include <emscripten/val.h>
#include <optional>
#include <string>

namespace kantrix::web {

// The materials of the user's file (kept by the page, already checked) with those a link carries
// put in place of the user's entries of the same name. Either text may be empty. Raises
// MaterialsFileError for a text that is not a materials file and PressRefusal for a material the
// catalog refuses.
press::MaterialCatalog catalogOf(const std::string& userText, const std::string& carriedText);

// A materials file of the one material, on one line, where a link must carry it: where it is not
// the built-in one as Kantrix knows it (else null).
emscripten::val carriedFile(const std::optional<press::Material>& material);

} // namespace kantrix::web
