#pragma once

// The largest file any face reads: far above any batch, profile or materials file, so that a
// device like /dev/zero, or a file chosen by mistake, is refused before it fills the memory. The
// command line stops reading there; the page refuses a larger file before its module sees it.

#include <cstddef>
#include <string>
#include <string_view>

namespace kantrix::press {

inline constexpr std::size_t maxInputSize = std::size_t{64} << 20;

// Why the file at `path` ("-": the standard input) is not read: it is larger than maxInputSize.
std::string tooLargeMessage(std::string_view path);

} // namespace kantrix::press
