#pragma once

// The .kkasten file: the box as JSON in UTF-8, with a format name and a version, read and written
// once here for every face, in the style of the .kprofil file. It always carries the press
// brake's keys, the whole material included, so that it computes the same anywhere:
//
// {"format": "kantrix-kasten", "version": 1, "dicke": 1.5, "radius": 1.5 (null with a die),
//  "laenge": {"wert": 300, "mass": "aussen"}, "breite": {"wert": 200, "mass": "aussen"},
//  "waende": {"vorne": {"hoehe": 50, "mass": "aussen"} or null, "rechts": ..., "hinten": ...,
//             "links": ...},
//  "ecken": {"stil": "offen", "durchgehend": "vorne-hinten", "spalt": 0.2},
//  "freistich": {"art": "eckig", "durchmesser": null},
//  "werkstoff": {...} or null, "matrize": 12 or null, "presse": 200 or null,
//  "walzrichtung": "quer"}

#include "box.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace kantrix::box {

inline constexpr std::string_view boxFormatName = "kantrix-kasten";
inline constexpr int boxFormatVersion = 1;
inline constexpr std::string_view boxFileSuffix = ".kkasten";

// A file that is refused: its German message names the file and, for text that is not JSON, the
// line and column.
class BoxFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The file's text; every number reads back to the same double.
std::string writeBoxFile(const Box& box);

// The box of a file's text, or BoxFileError: not JSON, another format, a newer version, a missing
// or unknown key, a key twice in one object, a value of the wrong kind, or a box checkBox
// refuses. `fileName` is only for the message. Nothing is half-read.
Box readBoxFile(std::string_view text, std::string_view fileName);

} // namespace kantrix::box
