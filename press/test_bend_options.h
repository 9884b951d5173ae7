#pragma once

// A test bend as it is typed: at the command line (`kantrix-cli probebiegung`), in the window's
// dialog and in the page's form, with the same names and the same refusals, each naming the
// value it is about.

#include "material_catalog.h"
#include "plain_number.h"
#include "test_bend.h"

#include <optional>
#include <string>

namespace kantrix::press {

struct TestBendOptions
{
    std::string werkstoff;                        // name or number
    std::string dicke;                            // s
    std::optional<std::string> radius;            // r, or
    std::optional<std::string> matrize;           // the die V that made it: r = f x V
    std::string winkel;                           // beta measured
    std::optional<std::string> winkelEingestellt; // beta_e set on the press
    std::string zuschnitt;                        // L0
    std::string schenkel;                         // "a/b", measured outside
};

struct TypedTestBend
{
    Material material;
    TestBend bend;
    TestBendResult result;
};

// The material from the catalog and the test bend worked out, or PressRefusal: an unknown
// material, a value that is not a number of that style, a radius and a die together or neither,
// legs that are not two, and every refusal of evaluateTestBend.
TypedTestBend readTestBendOptions(const TestBendOptions& options, NumberStyle style,
                                  const MaterialCatalog& catalog);

} // namespace kantrix::press
