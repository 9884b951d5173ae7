#pragma once

// The thirteen text fields through which the bend is shown and edited, as an interface: the
// rules reach the fields only through these operations, whether the fields are widgets of the
// window or plain strings in a test.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kantrix {

enum class Field : std::uint8_t
{
    Txt_Radius,
    Txt_Dicke,
    Txt_Beta,
    Txt_Alpha,
    Txt_k,
    Txt_n,
    Txt_v,
    Txt_z,
    Txt_l1, // flange a
    Txt_l2, // flange b
    Txt_l3, // a'
    Txt_l4, // b'
    Txt_l5, // developed length L
};

inline constexpr std::size_t fieldCount = 13;

inline constexpr std::array<Field, fieldCount> allFields = {
    Field::Txt_Radius, Field::Txt_Dicke, Field::Txt_Beta, Field::Txt_Alpha, Field::Txt_k,
    Field::Txt_n,      Field::Txt_v,     Field::Txt_z,    Field::Txt_l1,    Field::Txt_l2,
    Field::Txt_l3,     Field::Txt_l4,    Field::Txt_l5,
};

// The fields the user types into, in tab order; all others show results only.
inline constexpr std::array<Field, 5> inputFields = {Field::Txt_Radius, Field::Txt_Dicke,
                                                     Field::Txt_Beta, Field::Txt_l1, Field::Txt_l2};

constexpr bool isInputField(Field field)
{
    return field == Field::Txt_Radius || field == Field::Txt_Dicke || field == Field::Txt_Beta ||
           field == Field::Txt_l1 || field == Field::Txt_l2;
}

// The element of the control array Txt_l; it has the indexes 1 to 5 and no element 0.
// Any other index raises SubscriptOutOfRange.
Field Txt_l(std::int16_t index);

// The control name of a field, "Txt_Radius" or "Txt_l(3)".
std::string_view controlName(Field field);

// Colours as OLE colour values: red in the low byte, then green, then blue.
using OleColor = std::uint32_t;

inline constexpr OleColor lightOrange = 0x00C0E0FF; // v < 0, and the key results
inline constexpr OleColor lightGreen = 0x00C0FFC0;  // v >= 0
inline constexpr OleColor lightYellow = 0x00C0FFFF; // the other results

constexpr int redOf(OleColor colour)
{
    return static_cast<int>(colour & 0xFF);
}
constexpr int greenOf(OleColor colour)
{
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int blueOf(OleColor colour)
{
    return static_cast<int>((colour >> 16) & 0xFF);
}

class FieldSet
{
public:
    virtual ~FieldSet() = default;

    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;
    // Selection positions and lengths count characters, not bytes.
    virtual void setSelectionStart(Field field, int start) = 0;
    virtual void setSelectionLength(Field field, int length) = 0;
    virtual OleColor backColor(Field field) const = 0;
    virtual void setBackColor(Field field, OleColor colour) = 0;
};

} // namespace kantrix
