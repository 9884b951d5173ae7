#pragma once

// Why a material, a die, a press or a test bend is refused: a German message that names the
// value, and which value it is, so that an editor can mark its field.

#include <stdexcept>
#include <string>

namespace kantrix::press {

enum class PressItem
{
    Material,
    Die,
    PressLimit,
    RollingDirection,
    Thickness,
    Radius,
    Angle,
    SetAngle,
    CutLength,
    Legs,
    TestBend, // the test bend as a whole: the k it gives
};

class PressRefusal : public std::runtime_error
{
public:
    PressRefusal(PressItem item, const std::string& message)
        : std::runtime_error(message), m_item(item)
    {}

    PressItem item() const noexcept { return m_item; }

private:
    PressItem m_item;
};

} // namespace kantrix::press
