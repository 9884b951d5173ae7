#pragma once

// How many of its random cases a long test runs: all of them, or the share that the environment
// variable KANTRIX_TEST_SCALE gives. The mutation pass (scripts/mutants) runs a tenth for each
// of its mutants; CI runs them all.

#include <algorithm>
#include <cstdlib>

namespace kantrix::test {

inline int scaledCount(int count)
{
    const char* scale = std::getenv("KANTRIX_TEST_SCALE");
    if (!scale)
        return count;
    return std::clamp(static_cast<int>(count * std::strtod(scale, nullptr)), 1, count);
}

} // namespace kantrix::test
