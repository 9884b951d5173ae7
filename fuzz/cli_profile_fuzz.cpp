// The arguments of `kantrix-cli profil`: the input is split at zero bytes into the arguments after
// "profil". Whatever they are, the call ends with a documented status, prints nothing and writes
// no file unless it succeeds, names every failure on standard error, and a profile file it saves
// reads back to a file of the same text.

#include "command_line.h"
#include "fuzz_arguments.h"
#include "fuzz_check.h"
#include "memory_materials.h"
#include "profile_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix;

    fuzz::Arguments arguments({"kantrix-cli", "profil"}, data, size, 32);
    const std::string call = arguments.call();

    // A file named "kurz" holds a U channel, any other name is refused; a file named "voll"
    // cannot be written.
    const cli::InputReader read = [](const std::string& path,
                                     std::string& reason) -> std::optional<std::string> {
        if (path == "kurz")
            return std::string(R"({"format": "kantrix-profil", "version": 1, "dicke": 2,
                "radius": 2, "breite": 300, "schenkel": [{"laenge": 50, "mass": "aussen"},
                {"laenge": 100, "mass": "innen"}, {"laenge": 50, "mass": "aussen"}],
                "biegungen": [{"winkel": 90, "radius": null, "richtung": "+"},
                {"winkel": 120, "radius": 3, "richtung": "-"}]})");
        reason = "nicht lesbar";
        return std::nullopt;
    };
    std::vector<cli::OutputFile> written;
    const cli::OutputWriter write = [&written](const std::vector<cli::OutputFile>& files,
                                               std::string& reason) {
        for (const cli::OutputFile& file : files)
            if (file.path == "voll") {
                reason = "Platte voll";
                return false;
            }
        written = files;
        return true;
    };
    fuzz::MemoryMaterials materials;
    std::string out;
    std::string err;
    const int status = cli::runCommandLine(arguments.argc(), arguments.argv(), read, write,
                                           materials.changer(), out, err);

    fuzz::require(status >= 0 && status <= 3, "a documented exit status", call);
    fuzz::require(status == 0 || out.empty(), "a failed call prints no result", call);
    fuzz::require(status == 0 || written.empty(), "a failed call writes no file", call);
    fuzz::require(status == 0 || !err.empty(), "a failure is named on standard error", call);
    fuzz::require(status != 0 || !out.empty(), "success prints a result", call);
    for (const cli::OutputFile& file : written) {
        fuzz::require(!file.text.empty(), "no empty output file", call);
        if (file.text.starts_with("{")) {
            const profile::Profile saved = profile::readProfileFile(file.text, file.path);
            fuzz::require(profile::writeProfileFile(saved) == file.text,
                          "a saved profile reads back to the same file", call);
        }
    }
    return 0;
}
