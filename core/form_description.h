#pragma once

// The window as data, free of any toolkit, so that every face that shows the form, or writes its
// quantities out, builds from this one description: the caption and client area, the frames and
// rows with their captions, units and label names, the columns, the face, the colours, the
// pictures, tooltips, accessible names and the tab order. Positions are in twips, 1/1440 inch
// (15 twips are one pixel at 96 dots per inch), measured from the container's top-left corner:
// the client area for frames and pictures, the frame's outer corner for the rows.

#include "field_set.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kantrix::form {

inline constexpr int twipsPerPixel = 15;

// Twips to whole pixels at 96 dots per inch, rounded to the nearest.
constexpr int pixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The product and its version, then the maker's credit, set apart by 42 blanks.
inline constexpr std::string_view caption =
    "Kantrix     v2.1                                          Kantrix-Projekt 2026";

inline constexpr int clientWidth = 7035;  // 469 px
inline constexpr int clientHeight = 6630; // 442 px

// One narrow face for every control at 8.25 pt, which is 11 pixels at 96 dots per inch; frame
// titles and the rows of the key results are bold.
inline constexpr std::string_view faceFamily = "Liberation Sans Narrow";
inline constexpr int facePixelSize = 11;

inline constexpr OleColor formBackColor = 0x00FFC0C0;   // light blue, seen in the margins
inline constexpr OleColor buttonFaceColor = 0x00F0F0F0; // frames, labels and pictures
inline constexpr OleColor textColor = 0x00C00000;       // dark blue: frame titles, labels, fields
inline constexpr OleColor fieldBackColor = 0x00FFFFFF;  // input fields

// Frames: all at the same left edge and width, one below the other, with bold titles.
inline constexpr int frameLeft = 120;
inline constexpr int frameWidth = 4335;
inline constexpr bool frameCaptionBold = true;

// The three columns of a row: right-aligned caption, right-aligned text field, unit.
inline constexpr int captionLeft = 120;
inline constexpr int captionWidth = 1905;
inline constexpr int labelHeight = 255;
inline constexpr int fieldLeft = 2175;
inline constexpr int fieldWidth = 1500;
inline constexpr int fieldHeight = 290;
inline constexpr int unitLeft = 3780;
inline constexpr int unitWidth = 345;

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
    std::string_view toolTip{}; // empty: none
};

inline constexpr int labelDrop = 15;

inline constexpr std::string_view lengthHint = "minimale Schenkellänge = 4*r";

// Rows in the order the window shows them, top to bottom, frame by frame.
inline constexpr std::array<RowDescription, fieldCount> rows = {{
    {0, "Label1", "Biegeradius r =", Field::Txt_Radius, 360, 0, "Label9", " mm"},
    {0, "Label2", "Blechdicke s =", Field::Txt_Dicke, 600, 0, "Label10", " mm"},
    {0, "Label3", "Öffnungswinkel b =", Field::Txt_Beta, 975, 1005, "Label12", " °"},
    {0, "Label7", "Biegewinkel a = 180 - b =", Field::Txt_Alpha, 1215, 1245, "Label13", " °"},
    {1, "Label18", "Schenkellänge a =", Field::Txt_l1, 360, 0, "Label16", " mm", false, lengthHint},
    {1, "Label17", "Schenkellänge b =", Field::Txt_l2, 600, 0, "Label15", " mm", false, lengthHint},
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

constexpr TwipRect captionRect(const RowDescription& row)
{
    return {captionLeft, labelTopOf(row), captionWidth, labelHeight};
}
constexpr TwipRect fieldRect(const RowDescription& row)
{
    return {fieldLeft, row.fieldTop, fieldWidth, fieldHeight};
}
constexpr TwipRect unitRect(const RowDescription& row)
{
    return {unitLeft, labelTopOf(row), unitWidth, labelHeight};
}
constexpr TwipRect frameRect(const FrameDescription& frame)
{
    return {frameLeft, frame.top, frameWidth, frame.height};
}

// The background a field has before the program writes it: input fields white, results light
// yellow, the two key results L and v light orange.
constexpr OleColor initialBackColor(Field field)
{
    if (isInputField(field))
        return fieldBackColor;
    return field == Field::Txt_l5 || field == Field::Txt_v ? lightOrange : lightYellow;
}

// What a screen reader says for a field: the caption up to its "=" and the unit as a word,
// "Biegeradius r, Millimeter".
std::string accessibleName(const RowDescription& row);

// The unit as it is spoken: " mm" is "Millimeter", " °" is "Grad"; a row without a unit has none.
std::string_view spokenUnit(std::string_view unit);

// A quantity with the text its field shows, "Gestreckte Länge L: 196.163 Millimeter".
std::string spokenQuantity(const RowDescription& row, std::string_view shown);

// The sketch and the logo: drawn unscaled at the top-left corner of a sunken box, clipped.
struct PictureDescription
{
    std::string_view name; // the control name, "Picture2"
    std::string_view file; // the SVG, relative to the top of the source tree
    TwipRect rect;
    bool takesFocus = false;
    std::string_view toolTip; // empty: none
    std::string_view accessibleName;
};

inline constexpr PictureDescription sketch = {"Picture2",
                                              "assets/sketch.svg",
                                              {4560, 120, 2350, 4335},
                                              false,
                                              "",
                                              "Skizze der Biegung mit allen Formelzeichen"};
inline constexpr PictureDescription logo = {
    "Picture1",
    "assets/logo.svg",
    {4985, 4560, 1500, 1935},
    true,
    "Kantrix-Projekt · Musterstraße 1 · 12345 Beispielstadt\nkontakt@kantrix.example",
    "Logo des Kantrix-Projekts"};

// The stops of the tab key, in order: the five input fields, then the logo; it cycles.
inline constexpr std::array<std::string_view, inputFields.size() + 1> tabOrder = {
    "Txt_Radius", "Txt_Dicke", "Txt_Beta", "Txt_l(1)", "Txt_l(2)", logo.name};

} // namespace kantrix::form
