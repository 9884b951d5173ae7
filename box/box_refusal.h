#pragma once

// Why a box cannot be worked out. As for a profile nothing is corrected: a bad value is refused
// with a German message that names its field, and with the field itself, so that an editor can
// mark it.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace kantrix::box {

enum class BoxItem
{
    Thickness,
    Radius,
    Length, // A
    Width,  // B
    Height, // H of the wall at `index` (sideIndex)
    Walls,  // none at all, or a list that does not fit
    Measure,
    Corners,
    Through,
    Gap,
    Relief, // the relief's kind, or a round relief (its circle) at the corner `index`
    Material,
    Die,
    PressLimit,
    RollingDirection,
};

class BoxRefusal : public std::runtime_error
{
public:
    BoxRefusal(BoxItem item, std::size_t index, const std::string& message)
        : std::runtime_error(message), m_item(item), m_index(index)
    {}

    BoxItem item() const noexcept { return m_item; }
    std::size_t index() const noexcept { return m_index; }

private:
    BoxItem m_item;
    std::size_t m_index;
};

} // namespace kantrix::box
