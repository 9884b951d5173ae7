#pragma once

// The one way a fuzz target reports a broken property: print what broke and abort, so that
// libFuzzer stops and saves the input that led there.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kantrix::fuzz {

inline void require(bool holds, std::string_view property, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nBroken: %.*s\n  at: \"%.*s\"\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

} // namespace kantrix::fuzz
