#pragma once

// Reading a file that a user names, for every face: only a regular file is read. A FIFO, a
// device, a socket or a folder is refused at once by what it is, and the file is opened so that
// nothing can block: a FIFO opened for reading would wait for a writer for ever, a device such as
// /dev/zero would never end.

#include <cstddef>
#include <optional>
#include <string>

namespace kantrix {

struct RegularFileText
{
    std::optional<std::string> text; // the whole file, or none
    bool missing = false;            // none because nothing is there under that name
    bool tooLarge = false;           // none because it is larger than asked for
    std::string why;                 // German, for a sentence after "kann nicht gelesen werden: "
};

// The text of the regular file `path`, at most `maxSize` bytes; none with the reason otherwise.
RegularFileText readRegularFile(const std::string& path, std::size_t maxSize);

// Why the file of this mode is not read ("ist eine FIFO, keine gewöhnliche Datei"), or nothing
// for a regular file.
std::optional<std::string> notRegularText(unsigned mode);

} // namespace kantrix
