#pragma once

// The moves of a long random session at the form, drawn from one seed, so that the window's test
// and the page's test replay the very same session. Each step enters an input field (by a click,
// or by tabbing there), may type over it, may click something inert, and leaves it again by a key
// or a click on another stop. The stops are the five input fields, then the logo.

#include "field_set.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace kantrix::test {

inline constexpr std::uint32_t sessionSeed = 20260517;
inline constexpr int sessionSteps = 1000;

inline constexpr int logoStop = 5;
inline constexpr int stopCount = 6;

enum class Move
{
    Tab,
    Backtab,
    Click,
};

// What a click on an inert control may hit: a result field or the sketch.
enum class Inert
{
    Txt_v,
    Txt_l3,
    Sketch,
};

struct SessionStep
{
    int target = 0;           // the input field entered, index into inputFields
    Move entry = Move::Click; // a click, or the tab key pressed until the target has the focus
    std::optional<std::string> typed; // typed over the whole text
    std::optional<Inert> inert;
    Move away = Move::Tab;
    int clickedStop = 0; // where a click away goes
};

// clang-format off
inline const std::vector<std::string> nastyTexts = {
    "", "   ", " 1 2 ", "2,5", ",5", "1,000.5", "abc", "12abc", "ÄÖÜ äöü", "ß", "3 µm", "-5", "-0",
    "0", "0.0001", "1e308", "-1e308", "1E+308", "1.7e308", "9e999", "1e-300", "2.5E-3", "1e",
    "1e+", "E5", ".", "-", "+7", "179.996", "180", "4.5e307", "0.004", std::string(400, '9'),
    "1" + std::string(308, '0'), "0." + std::string(400, '0') + "1"};
// clang-format on

class SessionPlan
{
public:
    explicit SessionPlan(std::uint32_t seed = sessionSeed) : m_random(seed) {}

    SessionStep next()
    {
        SessionStep step;
        step.target = below(static_cast<int>(inputFields.size()));
        if (chance(40))
            step.entry = Move::Click;
        else
            step.entry = chance(50) ? Move::Tab : Move::Backtab;
        if (chance(85))
            step.typed = someText();
        if (chance(10))
            step.inert = static_cast<Inert>(below(3));
        const int away = below(4);
        step.away = away == 0 ? Move::Tab : away == 1 ? Move::Backtab : Move::Click;
        if (step.away == Move::Click)
            step.clickedStop = (step.target + 1 + below(stopCount - 1)) % stopCount;
        return step;
    }

private:
    int below(int n) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    std::string someText()
    {
        if (chance(50))
            return nastyTexts[static_cast<std::size_t>(below(static_cast<int>(nastyTexts.size())))];
        // Drawn one after the other: the operands of + have no order of evaluation.
        std::string number = std::to_string(below(400));
        if (chance(60))
            number += "." + std::to_string(below(1000));
        return number;
    }

    std::mt19937 m_random;
};

} // namespace kantrix::test
