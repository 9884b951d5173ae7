#pragma once

// The geometry of the window in twips, 1/1440 inch: 15 twips are one pixel at 96 dots per inch,
// and pixels here are Qt's device-independent pixels. Controls inside a frame are placed from the
// frame's outer top-left corner.

#include <QRect>

namespace kantrix::layout {

constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect twipRect(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

inline constexpr int clientWidth = 7035;  // 469 px
inline constexpr int clientHeight = 6630; // 442 px

// Frames: all at the same left edge and width, one below the other.
inline constexpr int frameLeft = 120;
inline constexpr int frameWidth = 4335;

// The three columns of a row: right-aligned caption, text field, unit.
inline constexpr int captionLeft = 120;
inline constexpr int captionWidth = 1905;
inline constexpr int labelHeight = 255;
inline constexpr int fieldLeft = 2175;
inline constexpr int fieldWidth = 1500;
inline constexpr int fieldHeight = 290;
inline constexpr int unitLeft = 3780;
inline constexpr int unitWidth = 345;

inline constexpr QRect sketchPicture = twipRect(4560, 120, 2350, 4335); // Picture2
inline constexpr QRect logoPicture = twipRect(4985, 4560, 1500, 1935);  // Picture1

} // namespace kantrix::layout
