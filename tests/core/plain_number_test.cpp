#include "bend_calculation.h"
#include "bend_form.h"
#include "memory_field_set.h"
#include "plain_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace kantrix {
namespace {

struct PlainCase
{
    const char* text;
    char decimalSeparator;
    bool plain;
};

void PrintTo(const PlainCase& row, std::ostream* out)
{
    *out << '"' << row.text << "\" with '" << row.decimalSeparator << '\'';
}

class PlainNumbers : public testing::TestWithParam<PlainCase>
{};

TEST_P(PlainNumbers, AreTheOnlyValuesAccepted)
{
    EXPECT_EQ(isPlainNumber(GetParam().text, GetParam().decimalSeparator), GetParam().plain);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, PlainNumbers, testing::Values(
    PlainCase{"2", '.', true},         PlainCase{"-2.5", '.', true},
    PlainCase{"+.5", '.', true},       PlainCase{"5.", '.', true},
    PlainCase{"1e5", '.', true},       PlainCase{"4E-06", '.', true},
    PlainCase{"2,5", ',', true},       PlainCase{"-1,5e+3", ',', true},
    PlainCase{"", '.', false},         PlainCase{".", '.', false},
    PlainCase{"-", '.', false},        PlainCase{"1,5", '.', false},
    PlainCase{"1.5", ',', false},      PlainCase{"1.234,5", ',', false},
    PlainCase{"12 mm", '.', false},    PlainCase{"1 000", '.', false},
    PlainCase{" 2", '.', false},       PlainCase{"2\n", '.', false},
    PlainCase{"1.2.3", '.', false},    PlainCase{"1e", '.', false},
    PlainCase{"1e+", '.', false},      PlainCase{"e5", '.', false},
    PlainCase{"--5", '.', false},      PlainCase{"0x10", '.', false},
    PlainCase{"inf", '.', false},      PlainCase{"nan", '.', false},
    PlainCase{"1e5.5", '.', false},    PlainCase{"2e3x", '.', false},
    PlainCase{"1:30", '.', false}));
// clang-format on

// One calculation object serves a whole batch; nothing of one bend, no text, value or standing
// correction, may carry over into the next. Each bend is compared with a form loaded afresh and
// typed into field by field.
TEST(BendCalculation, EachBendStartsFromTheStartUpState)
{
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> magnitude(-1, 3);
    std::bernoulli_distribution given(0.7);
    auto text = [&] {
        return std::to_string(std::pow(10.0, magnitude(random)) - (given(random) ? 0 : 5));
    };

    BendCalculation calculation;
    for (int i = 0; i < 300; ++i) {
        std::array<std::optional<std::string>, inputFields.size()> typed;
        BendEntry entry;
        for (std::size_t f = 0; f < typed.size(); ++f)
            if (given(random))
                entry[f] = typed[f].emplace(text());
        calculation.calculate(entry);

        MemoryFieldSet fields;
        BendForm form(fields);
        form.Form_Load();
        for (std::size_t f = 0; f < inputFields.size(); ++f) {
            form.enterField(inputFields[f]);
            if (typed[f])
                fields.setText(inputFields[f], *typed[f]);
            form.leaveField(inputFields[f]);
        }
        ASSERT_EQ(calculation.form().snapshot(), form.snapshot())
            << "seed " << seed << ", bend " << i;
    }
}

} // namespace
} // namespace kantrix
