#pragma once

// Rows of the parametrised test tables carry a name; GoogleTest prints a row by it in failure
// messages and in the test list, instead of dumping its bytes.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kantrix::test {

template <typename Row>
concept NamedRow = requires(const Row& row)
{
    row.name;
};

template <NamedRow Row> void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

// A test name from a row's name, without the characters GoogleTest does not allow there.
template <NamedRow Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    std::string name = info.param.name;
    std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
    return name;
}

} // namespace kantrix::test
