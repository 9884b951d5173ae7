#pragma once

// What the press brake's commands answer, as text for people and as JSON for programs, the same
// for every face: a test bend worked out, and the list of materials. Numbers as everywhere:
// lengths three decimals, angles and radii two, k three, forces one.

#include "material_catalog.h"
#include "test_bend.h"

#include <string>
#include <string_view>

namespace kantrix::press {

// The test bend's values, what it measured (v, k) beside DIN 6935's k and v, the length DIN
// would give against L0, and the springback where a set angle was given.
std::string testBendTable(const Material& material, const TestBend& bend,
                          const TestBendResult& result);

// {"werkstoff", "dicke", "radius", "winkel", "zuschnitt", "v", "k", "k_din", "v_din", "L_din",
//  "abweichung", "rueckfederung" (or null)}; numbers as {"text", "value"}.
std::string testBendJson(const Material& material, const TestBend& bend,
                         const TestBendResult& result);

// Every material with its values, then the test bends of each that has some.
std::string materialsTable(const MaterialCatalog& catalog);

// {"werkstoffe": [material as in the files, with "herkunft", and each test bend with "v", "k",
//  "k_din" and "rueckfederung"]}.
std::string materialsJson(const MaterialCatalog& catalog);

// What entering a test bend did, by the file as it was written: "Eingetragen in „P“: S235JR hat
// dort 2 Probebiegungen.", or that this test bend was there already.
std::string enteredReport(const MaterialsFile& written, std::string_view material,
                          bool alreadyThere, std::string_view fileName);

// "eingebaut", "eingebaut, ergänzt", "eigener".
const char* originName(MaterialOrigin origin);

} // namespace kantrix::press
