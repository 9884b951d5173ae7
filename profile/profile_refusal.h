#pragma once

// Why a profile cannot be worked out. A profile comes from a drawing, and a leg silently
// lengthened would cut a wrong blank, so nothing is ever corrected: a bad value is refused with a
// German message that names it, and with the place it stands, so that an editor can mark it.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace kantrix::profile {

// The value a refusal is about. For legs and bends, `index` counts from 0.
enum class ProfileItem
{
    Thickness,
    Radius,
    Width,
    LegLength,
    LegMeasure,
    BendAngle,
    BendRadius,
    BendDirection,
    Material,
    Die,
    PressLimit,
    RollingDirection,
    Lists, // the lists do not fit together (n legs need n - 1 bends), or there are too many
};

class ProfileRefusal : public std::runtime_error
{
public:
    ProfileRefusal(ProfileItem item, std::size_t index, const std::string& message)
        : std::runtime_error(message), m_item(item), m_index(index)
    {}

    ProfileItem item() const noexcept { return m_item; }
    std::size_t index() const noexcept { return m_index; }

private:
    ProfileItem m_item;
    std::size_t m_index;
};

} // namespace kantrix::profile
