#pragma once

// The window's frames and rows as data, free of any toolkit, so that every face that shows the
// form, or writes its quantities out, builds from this one table. Positions are in twips,
// 1/1440 inch (15 twips are one pixel at 96 dots per inch), measured from the frame's outer
// top-left corner.

#include "field_set.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace kantrix::form {

struct FrameDescription
{
    std::string_view name; // the control name, "Frame2"
    std::string_view caption;
    int top = 0;
    int height = 0;
};

// The frames from top to bottom.
inline constexpr std::array<FrameDescription, 3> frames = {{
    {"Frame2", "Biege-Info", 120, 1815},
    {"Frame3", "Teile-Info", 2040, 2415},
    {"Frame1", "Verdano", 4560, 1935},
}};

// One quantity: a right-aligned caption, its field and, for lengths and angles, a unit label.
struct RowDescription
{
    std::size_t frame = 0; // index into frames
    std::string_view captionLabel;
    std::string_view caption;
    Field field = Field::Txt_Radius;
    int fieldTop = 0;
    int labelTop = 0;           // 0: the labels sit labelDrop below the field's top
    std::string_view unitLabel; // empty: the row has no unit
    std::string_view unit;      // with its leading blank, " mm"
    bool bold = false;          // the key results L and v
};

inline constexpr int labelDrop = 15;

// Rows in the order the window shows them, top to bottom, frame by frame.
inline constexpr std::array<RowDescription, fieldCount> rows = {{
    {0, "Label1", "Biegeradius r =", Field::Txt_Radius, 360, 0, "Label9", " mm"},
    {0, "Label2", "Blechdicke s =", Field::Txt_Dicke, 600, 0, "Label10", " mm"},
    {0, "Label3", "Öffnungswinkel b =", Field::Txt_Beta, 975, 1005, "Label12", " °"},
    {0, "Label7", "Biegewinkel a = 180 - b =", Field::Txt_Alpha, 1215, 1245, "Label13", " °"},
    {1, "Label18", "Schenkellänge a =", Field::Txt_l1, 360, 0, "Label16", " mm"},
    {1, "Label17", "Schenkellänge b =", Field::Txt_l2, 600, 0, "Label15", " mm"},
    {1, "Label22", "Gerade a' =", Field::Txt_l3, 1080, 0, "Label20", " mm"},
    {1, "Label21", "Gerade b' =", Field::Txt_l4, 1320, 0, "Label19", " mm"},
    {1, "Label26", "Gestreckte Länge L =", Field::Txt_l5, 1800, 0, "Label24", " mm", true},
    {2, "Label4", "Korrekturwert k =", Field::Txt_k, 360, 0, "", ""},
    {2, "Label5", "Neutrale Faser n = k/2 =", Field::Txt_n, 600, 0, "", ""},
    {2, "Label8", "Biegezone bz =", Field::Txt_z, 840, 0, "Label11", " mm"},
    {2, "Label6", "Verdano v =", Field::Txt_v, 1320, 1340, "Label14", " mm", true},
}};

constexpr const RowDescription& rowOf(Field field)
{
    for (const RowDescription& row : rows)
        if (row.field == field)
            return row;
    return rows[0]; // every field has a row; unreachable
}

constexpr int labelTopOf(const RowDescription& row)
{
    return row.labelTop ? row.labelTop : row.fieldTop + labelDrop;
}

} // namespace kantrix::form
