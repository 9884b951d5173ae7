#include "input_limit.h"

namespace kantrix::press {

std::string tooLargeMessage(std::string_view path)
{
    const std::string subject =
        path == "-" ? std::string("Die Standardeingabe") : "Die Datei „" + std::string(path) + "“";
    return subject + " wird nicht gelesen: sie ist größer als " +
           std::to_string(maxInputSize >> 20) + " MiB";
}

} // namespace kantrix::press
