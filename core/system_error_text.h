#pragma once

// Why a file could not be read or written, in German whatever the locale. The system words the
// causes in the user's language, or in English under the C locale; the faces give the common
// ones from this one table instead, the command line by their error number, the window by Qt's
// text for them.

#include <span>
#include <string>

namespace kantrix {

struct SystemErrorText
{
    int error;        // an errno value
    const char* text; // German, UTF-8
};

// The causes that have a German text of their own.
std::span<const SystemErrorText> germanSystemErrors();

// The German text of the cause `error`, or the system's own (std::strerror) for any other.
std::string systemErrorText(int error);

} // namespace kantrix
