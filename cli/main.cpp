// kantrix-cli: the calculation of the window for scripts, spreadsheets and printed tables.

#include "command_line.h"
#include "exit_status.h"
#include "input_limit.h"
#include "system_error_text.h"

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <memory>

namespace {

std::optional<std::string> readInput(const std::string& path, std::string& reason)
{
    const bool standardInput = path == "-";
    const std::string name =
        standardInput ? std::string("Die Standardeingabe") : "Die Datei „" + path + "“";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        standardInput ? stdin : std::fopen(path.c_str(), "rb"),
        standardInput ? [](std::FILE*) { return 0; } : std::fclose);
    std::string text;
    if (file) {
        char buffer[1 << 16];
        std::size_t count = 0;
        while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
            if (text.size() + count > kantrix::press::maxInputSize) {
                reason = kantrix::press::tooLargeMessage(path);
                return std::nullopt;
            }
            text.append(buffer, count);
        }
        if (!std::ferror(file.get()))
            return text;
    }
    reason = name + " kann nicht gelesen werden: " + kantrix::systemErrorText(errno);
    return std::nullopt;
}

bool write(std::FILE* stream, const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Only the system's messages follow the user's language; numbers are read and written the
    // same way whatever the locale.
    std::setlocale(LC_MESSAGES, "");
    // Past the file size limit a write fails and is reported, its temporary file removed, instead
    // of the signal ending the program halfway.
    std::signal(SIGXFSZ, SIG_IGN);
    std::string out;
    std::string err;
    const int status = kantrix::cli::runCommandLine(argc, argv, readInput,
                                                    kantrix::cli::writeFilesWhole, out, err);
    const bool written = write(stdout, out);
    write(stderr, err);
    // A result that never reached its reader must not pass for a success.
    return written ? status : kantrix::cli::Unwritten;
}
