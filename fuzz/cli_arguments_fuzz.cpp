// The command line's argument parsing: the input is split at zero bytes into arguments. Whatever
// they are, the program must end with one of its documented statuses, print nothing to standard
// output when it refuses the call, and say why on standard error whenever it does not succeed.

#include "command_line.h"
#include "fuzz_arguments.h"
#include "fuzz_check.h"
#include "memory_materials.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kantrix;

    fuzz::Arguments arguments({"kantrix-cli"}, data, size, 24);
    const std::string call = arguments.call();

    // Every file named holds a small batch with a faulting and a refused row.
    const cli::InputReader read = [](const std::string& path,
                                     std::string& reason) -> std::optional<std::string> {
        if (path.empty()) {
            reason = "kein Dateiname";
            return std::nullopt;
        }
        return std::string("r,s,beta\n2,2,90\n1e300,1e-300,90\n1;5,2,90\n");
    };
    // Files are kept in memory, never written.
    const cli::OutputWriter write = [](const std::vector<cli::OutputFile>&, std::string&) {
        return true;
    };
    fuzz::MemoryMaterials materials;
    std::string out;
    std::string err;
    const int status = cli::runCommandLine(arguments.argc(), arguments.argv(), read, write,
                                           materials.changer(), out, err);
    fuzz::require(status == 0 || status == 2 || status == 3, "a documented exit status", call);
    fuzz::require(status != 2 || out.empty(), "a refused call prints no result", call);
    fuzz::require(status == 0 || !err.empty(), "a failure is named on standard error", call);
    fuzz::require(status != 0 || !out.empty(), "success prints a result", call);
    return 0;
}
