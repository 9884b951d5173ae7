// The .kprofil reader on arbitrary bytes: it either refuses them with a ProfileFileError or reads a
// profile, and what it reads writes a file that reads back to the same profile and the same text.

#include "fuzz_check.h"
#include "profile_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix::profile;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Profile profile;
    try {
        profile = readProfileFile(text, "fuzz.kprofil");
    } catch (const ProfileFileError& error) {
        kantrix::fuzz::require(
            std::string_view(error.what())
                .starts_with("Die Profildatei „fuzz.kprofil“ wird nicht geöffnet: "),
            "a refusal names the file", text);
        return 0;
    }
    const std::string written = writeProfileFile(profile);
    const Profile again = readProfileFile(written, "again.kprofil");
    kantrix::fuzz::require(again == profile, "what is read writes and reads back equal", text);
    kantrix::fuzz::require(writeProfileFile(again) == written, "the written text is stable", text);
    return 0;
}
