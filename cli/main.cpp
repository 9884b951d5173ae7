// kantrix-cli: the calculation of the window for scripts, spreadsheets and printed tables.

#include "command_line.h"
#include "exit_status.h"
#include "input_limit.h"
#include "regular_file.h"
#include "system_error_text.h"

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>

namespace {

std::optional<std::string> readInput(const std::string& path, std::string& reason)
{
    if (path != "-") {
        // Only a regular file: a FIFO or a device would hold the call up for ever.
        kantrix::RegularFileText read =
            kantrix::readRegularFile(path, kantrix::press::maxInputSize);
        if (!read.text)
            reason = read.tooLarge
                         ? kantrix::press::tooLargeMessage(path)
                         : "Die Datei „" + path + "“ kann nicht gelesen werden: " + read.why;
        return std::move(read.text);
    }
    std::string text;
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
        if (text.size() + count > kantrix::press::maxInputSize) {
            reason = kantrix::press::tooLargeMessage("-");
            return std::nullopt;
        }
        text.append(buffer, count);
    }
    if (!std::ferror(stdin))
        return text;
    reason = "Die Standardeingabe kann nicht gelesen werden: " + kantrix::systemErrorText(errno);
    return std::nullopt;
}

// What reaches a terminal is what a person can read: a control character from a name or a path
// (an ANSI escape sequence, a C1 control, a bidirectional override or isolate) would act on the
// terminal instead of being shown, so each becomes U+FFFD. Line ends and tabs stay.
std::string visible(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = [&](std::size_t ahead) {
            return i + ahead < text.size() ? static_cast<unsigned char>(text[i + ahead]) : 0;
        };
        std::size_t length = 0;
        if ((byte < 0x20 && byte != '\n' && byte != '\t' && byte != '\r') || byte == 0x7F)
            length = 1;
        else if (byte == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F)
            length = 2; // C1
        else if (byte == 0xE2 && next(1) == 0x80 &&
                 ((next(2) >= 0xAA && next(2) <= 0xAE) || next(2) == 0x8E || next(2) == 0x8F))
            length = 3; // U+202A-202E, U+200E, U+200F
        else if (byte == 0xE2 && next(1) == 0x81 && next(2) >= 0xA6 && next(2) <= 0xA9)
            length = 3; // U+2066-2069
        if (length == 0) {
            shown += text[i];
            continue;
        }
        shown += "\uFFFD";
        i += length - 1;
    }
    return shown;
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
    const int status =
        kantrix::cli::runCommandLine(argc, argv, readInput, kantrix::cli::writeFilesWhole,
                                     kantrix::cli::changeMaterialsFileOnDisk, out, err);
    const bool written = write(stdout, visible(out));
    write(stderr, visible(err));
    // A result that never reached its reader must not pass for a success.
    return written ? status : kantrix::cli::Unwritten;
}
