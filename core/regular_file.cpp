#include "regular_file.h"

#include "system_error_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kantrix {

std::optional<std::string> notRegularText(unsigned mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return systemErrorText(EISDIR);
    const char* what = S_ISFIFO(mode)                   ? "eine FIFO (benannte Pipe)"
                       : S_ISSOCK(mode)                 ? "ein Socket"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "ein Gerät"
                                                        : "nichts Lesbares";
    return std::string("ist ") + what + ", keine gewöhnliche Datei";
}

RegularFileText readRegularFile(const std::string& path, std::size_t maxSize)
{
    RegularFileText read;
    const auto fail = [&read](int error) {
        read.missing = error == ENOENT;
        read.why = systemErrorText(error);
        return read;
    };
    // Looked at first, so that a socket (which cannot be opened) is named as one too.
    struct stat status = {};
    if (::stat(path.c_str(), &status) != 0)
        return fail(errno);
    if (std::optional<std::string> notRegular = notRegularText(status.st_mode)) {
        read.why = *notRegular;
        return read;
    }
    // Without blocking: the name may have become a FIFO since.
    const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        return fail(errno);
    std::string text;
    int error = 0;
    if (::fstat(file, &status) != 0) {
        error = errno;
    } else if (std::optional<std::string> notRegular = notRegularText(status.st_mode)) {
        ::close(file);
        read.why = *notRegular;
        return read;
    } else {
        char buffer[1 << 16];
        for (;;) {
            const ssize_t count = ::read(file, buffer, sizeof buffer);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                error = errno;
                break;
            }
            if (count == 0)
                break;
            if (text.size() + static_cast<std::size_t>(count) > maxSize) {
                ::close(file);
                read.tooLarge = true;
                read.why = "sie ist größer als " + std::to_string(maxSize >> 20) + " MiB";
                return read;
            }
            text.append(buffer, static_cast<std::size_t>(count));
        }
    }
    ::close(file);
    if (error != 0)
        return fail(error);
    read.text = std::move(text);
    return read;
}

} // namespace kantrix
