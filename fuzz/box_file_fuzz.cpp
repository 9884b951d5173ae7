// The .kkasten reader on arbitrary bytes: it either refuses them with a BoxFileError or reads a
// box, what it reads writes a file that reads back to the same box and the same text, and the box
// is worked out and drawn without any fault but a refusal or the core's BendError: the blank's
// outline must close for every box the reader lets through.

#include "bend_error.h"
#include "box_calculation.h"
#include "box_drawing.h"
#include "box_file.h"
#include "box_refusal.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix::box;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Box box;
    try {
        box = readBoxFile(text, "fuzz.kkasten");
    } catch (const BoxFileError& error) {
        kantrix::fuzz::require(std::string_view(error.what())
                                   .starts_with("Die Kastendatei „fuzz.kkasten“ wird nicht "
                                                "geöffnet: "),
                               "a refusal names the file", text);
        return 0;
    }
    const std::string written = writeBoxFile(box);
    const Box again = readBoxFile(written, "again.kkasten");
    kantrix::fuzz::require(again == box, "what is read writes and reads back equal", text);
    kantrix::fuzz::require(writeBoxFile(again) == written, "the written text is stable", text);
    try {
        const BoxResult result = computeBox(box);
        const double outline = outlineArea(blankOutline(result.pieces, result.reliefs));
        kantrix::fuzz::require(!(std::fabs(outline - result.area) > 1e-6 * result.area),
                               "the outline encloses the blank's area", text);
        blankDxf(box, result);
        blankSvg(box, result);
        foldedSvg(box, result);
    } catch (const BoxRefusal&) {
    } catch (const kantrix::BendError&) {
    }
    return 0;
}
