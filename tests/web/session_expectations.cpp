// Prints, as JSON, what the page must show: the start-up and then the random session of the
// window's test, step by step, each as the actions a user takes and the texts, colour, focus and
// result bits the native core gives after them. The page's browser test replays the actions with
// real key and mouse events and compares every field. Usage: kantrix_web_expectations [steps]

#include "guarded_form.h"
#include "memory_field_set.h"
#include "session_plan.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace kantrix::test {
namespace {

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string hexBits(double value)
{
    std::uint64_t pattern = 0;
    std::memcpy(&pattern, &value, sizeof value);
    char text[19];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(pattern));
    return quoted(text);
}

class Session
{
public:
    Session() { m_form.Form_Load(); }

    std::string stopName(int stop) const
    {
        return std::string(stop == logoStop ? "Picture1" : controlName(inputFields[stop]));
    }

    // A move of the focus: the leave rule of the field left, then the enter rule of the field
    // reached; returns the action with the fault message it brings, if any.
    std::string move(const char* action, int to)
    {
        std::optional<FaultKind> fault;
        if (m_focus != logoStop)
            fault = m_form.leaveField(inputFields[m_focus]);
        if (to != logoStop)
            m_form.enterField(inputFields[to]);
        m_focus = to;
        return "{\"do\":\"" + std::string(action) + "\",\"on\":" + quoted(stopName(to)) +
               ",\"fault\":" + (fault ? quoted(faultReport(*fault)) : "null") + "}";
    }
    std::string click(int stop)
    {
        if (stop == m_focus) // a click in the field that has the focus runs no rule
            return "{\"do\":\"click\",\"on\":" + quoted(stopName(stop)) + ",\"fault\":null}";
        return move("click", stop);
    }
    std::string tab(Move key)
    {
        const bool forward = key == Move::Tab;
        return move(forward ? "tab" : "backtab",
                    (m_focus + (forward ? 1 : stopCount - 1)) % stopCount);
    }
    std::string type(const std::string& text)
    {
        m_fields.setText(inputFields[m_focus], text);
        return "{\"do\":\"type\",\"text\":" + quoted(text) + "}";
    }
    int focus() const { return m_focus; }

    std::string shown() const
    {
        std::ostringstream out;
        out << "\"focus\":" << quoted(stopName(m_focus)) << ",\"texts\":{";
        const char* separator = "";
        for (Field field : allFields) {
            out << separator << quoted(controlName(field)) << ':' << quoted(m_fields.text(field));
            separator = ",";
        }
        out << "},\"vBackColor\":" << m_fields.backColor(Field::Txt_v) << ",\"bits\":{";
        const BendState& state = m_form.form().state();
        out << "\"r\":" << hexBits(state.r) << ",\"s\":" << hexBits(state.s)
            << ",\"beta\":" << hexBits(state.beta) << ",\"alpha\":" << hexBits(state.alpha)
            << ",\"k\":" << hexBits(state.k) << ",\"n\":" << hexBits(state.n)
            << ",\"v\":" << hexBits(state.v) << ",\"z\":" << hexBits(state.z);
        for (std::int16_t i = 1; i <= 5; ++i)
            out << ",\"l" << i << "\":" << hexBits(state.l(i));
        out << '}';
        return out.str();
    }

private:
    MemoryFieldSet m_fields;
    GuardedForm m_form{m_fields};
    int m_focus = 0;
};

const char* inertName(Inert inert)
{
    switch (inert) {
    case Inert::Txt_v:
        return "Txt_v";
    case Inert::Txt_l3:
        return "Txt_l(3)";
    case Inert::Sketch:
        return "Picture2";
    }
    return "";
}

} // namespace
} // namespace kantrix::test

int main(int argc, char** argv)
{
    using namespace kantrix::test;
    const int steps = argc > 1 ? std::atoi(argv[1]) : sessionSteps;
    Session session;
    SessionPlan plan;
    std::cout << "{\"seed\":" << sessionSeed << ",\"start\":{" << session.shown()
              << "},\"steps\":[\n";
    for (int step = 0; step < steps; ++step) {
        const SessionStep move = plan.next();
        std::string actions;
        const auto add = [&actions](const std::string& action) {
            actions += (actions.empty() ? "" : ",") + action;
        };
        if (move.entry == Move::Click) {
            add(session.click(move.target));
        } else {
            while (session.focus() != move.target)
                add(session.tab(move.entry));
        }
        if (move.typed)
            add(session.type(*move.typed));
        if (move.inert)
            add("{\"do\":\"click\",\"on\":\"" + std::string(inertName(*move.inert)) +
                "\",\"fault\":null}");
        add(move.away == Move::Click ? session.click(move.clickedStop) : session.tab(move.away));
        std::cout << (step ? ",\n" : "") << "{\"actions\":[" << actions << "]," << session.shown()
                  << '}';
    }
    std::cout << "]}\n";
}
