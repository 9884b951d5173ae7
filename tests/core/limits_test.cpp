// The limits the user notes state, found again by the program's own arithmetic: every figure in
// the notes' table of limits is the bound of a bisection over the entry it names, so the notes
// cannot drift from the program.

#include "bend_error.h"
#include "bend_form.h"
#include "memory_field_set.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace kantrix {
namespace {

// One row of the notes' table, as the user reads it: which entry, under which other values,
// and whether the figure is the largest or the smallest value still accepted.
struct Limit
{
    const char* entry;         // the table's first column
    const char* condition;     // the table's second column
    std::vector<Field> fields; // all typed with the same value
    const char* beta;          // typed into β first, if given
    bool largest;
};

const std::vector<Limit> limits = {
    {"Radius r, größter Wert", "β = 90°", {Field::Txt_Radius}, nullptr, true},
    {"Radius r, größter Wert", "β = 1°", {Field::Txt_Radius}, "1", true},
    {"Radius r, größter Wert", "β = 179°", {Field::Txt_Radius}, "179", true},
    {"Radius r, kleinster Wert", "", {Field::Txt_Radius}, nullptr, false},
    {"Dicke s, größter Wert", "", {Field::Txt_Dicke}, nullptr, true},
    {"Dicke s, kleinster Wert", "", {Field::Txt_Dicke}, nullptr, false},
    {"Schenkellängen a und b, gleich lang", "", {Field::Txt_l1, Field::Txt_l2}, nullptr, true},
};

std::string exactText(double value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

// Whether the program takes the value without a fault, starting from the default bend.
bool accepted(const Limit& limit, double value)
{
    MemoryFieldSet fields;
    BendForm form{fields};
    form.Form_Load();
    const auto type = [&](Field field, const std::string& text) {
        form.enterField(field);
        fields.setText(field, text);
        form.leaveField(field);
    };
    try {
        if (limit.beta)
            type(Field::Txt_Beta, limit.beta);
        for (Field field : limit.fields)
            type(field, exactText(value));
    } catch (const BendError&) {
        return false;
    }
    return true;
}

// The accepted value next to the faulting ones, by bisection over the positive doubles, whose
// bit patterns are ordered as their values.
double boundary(const Limit& limit)
{
    std::uint64_t low = std::bit_cast<std::uint64_t>(limit.largest ? 1.0 : 4.9e-324);
    std::uint64_t high = std::bit_cast<std::uint64_t>(limit.largest ? 1.7e308 : 1.0);
    // The bisection keeps `in` accepted and `out` faulting.
    std::uint64_t& in = limit.largest ? low : high;
    std::uint64_t& out = limit.largest ? high : low;
    EXPECT_TRUE(accepted(limit, std::bit_cast<double>(in)));
    EXPECT_FALSE(accepted(limit, std::bit_cast<double>(out)));
    while (high - low > 1) {
        const std::uint64_t middle = low + (high - low) / 2;
        (accepted(limit, std::bit_cast<double>(middle)) ? in : out) = middle;
    }
    return std::bit_cast<double>(in);
}

struct StatedFigure
{
    std::string digits; // the mantissa without its point, "636"
    int exponent = 0;   // of the last digit, 303 for 6.36·10^305
};

double valueOf(long long digits, int exponent)
{
    return std::strtod((std::to_string(digits) + "e" + std::to_string(exponent)).c_str(), nullptr);
}

// The notes' table of limits: "| entry | condition | 6.36·10^305 |".
std::map<std::pair<std::string, std::string>, StatedFigure> statedLimits()
{
    std::ifstream notes(KANTRIX_USER_NOTES);
    EXPECT_TRUE(notes) << KANTRIX_USER_NOTES;
    const std::regex row(
        R"(^\| *([^|]*[^ |]) *\| *([^|]*?) *\| *([0-9]+)(?:\.([0-9]+))?·10\^(-?[0-9]+) *\|$)");
    std::map<std::pair<std::string, std::string>, StatedFigure> stated;
    std::string line;
    while (std::getline(notes, line)) {
        std::smatch match;
        if (!std::regex_match(line, match, row))
            continue;
        const std::string decimals = match[4];
        stated[{match[1], match[2]}] = {std::string(match[3]) + decimals,
                                        std::stoi(match[5]) - static_cast<int>(decimals.size())};
    }
    return stated;
}

TEST(UserNotes, StateEveryLimitAsTheProgramFindsIt)
{
    auto stated = statedLimits();
    for (const Limit& limit : limits) {
        SCOPED_TRACE(std::string(limit.entry) + " | " + limit.condition);
        const auto found = stated.find({limit.entry, limit.condition});
        if (found == stated.end()) {
            ADD_FAILURE() << "the notes do not state this limit";
            continue;
        }
        const double bound = boundary(limit);
        // The stated figure is the bound cut to the digits given: the bound lies between it and
        // the next figure with the same digits, towards the faults.
        const long long digits = std::stoll(found->second.digits);
        const int exponent = found->second.exponent;
        if (limit.largest) {
            EXPECT_LE(valueOf(digits, exponent), bound) << exactText(bound);
            EXPECT_LT(bound, valueOf(digits + 1, exponent)) << exactText(bound);
        } else {
            EXPECT_LT(valueOf(digits - 1, exponent), bound) << exactText(bound);
            EXPECT_LE(bound, valueOf(digits, exponent)) << exactText(bound);
        }
        stated.erase(found);
    }
    for (const auto& [row, figure] : stated)
        ADD_FAILURE() << "no test finds the limit \"" << row.first << " | " << row.second << '"';
}

} // namespace
} // namespace kantrix
