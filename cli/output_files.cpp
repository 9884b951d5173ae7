#include "output_files.h"

#include "exit_status.h"
#include "system_error_text.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kantrix::cli {

namespace {

std::string cannotWrite(const std::string& path, int error)
{
    return "Die Datei „" + path + "“ kann nicht geschrieben werden: " + systemErrorText(error);
}

// The whole text into a new file of that name, flushed to the disk before it counts as written.
int writeNewFile(const std::string& path, const std::string& text)
{
    // Created with 0666 so that the user's umask decides, as for any file a program writes.
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0)
        return errno;
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(file, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            const int error = count < 0 ? errno : EIO;
            ::close(file);
            return error;
        }
        written += static_cast<std::size_t>(count);
    }
    if (::fsync(file) != 0) {
        const int error = errno;
        ::close(file);
        return error;
    }
    return ::close(file) == 0 ? 0 : errno;
}

} // namespace

bool writeFilesWhole(const std::vector<OutputFile>& files, std::string& reason)
{
    const std::string unchanged = files.size() > 1 ? "; keine der Dateien wurde geschrieben" : "";
    std::vector<std::string> temporaries;
    auto removeTemporaries = [&temporaries](std::size_t from) {
        for (std::size_t i = from; i < temporaries.size(); ++i)
            ::unlink(temporaries[i].c_str());
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& path = files[i].path;
        if (files[i].createFolder) {
            std::error_code error;
            std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
            if (error) {
                removeTemporaries(0);
                reason = cannotWrite(path, error.value()) + unchanged;
                return false;
            }
        }
        struct stat status = {};
        if (::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
            removeTemporaries(0);
            reason = cannotWrite(path, EISDIR) + unchanged;
            return false;
        }
        std::string temporary =
            path + ".kantrix-" + std::to_string(::getpid()) + "-" + std::to_string(i) + ".tmp";
        const int error = writeNewFile(temporary, files[i].text);
        if (error != 0) {
            if (error != EEXIST)
                ::unlink(temporary.c_str());
            removeTemporaries(0);
            reason = cannotWrite(path, error) + unchanged;
            return false;
        }
        temporaries.push_back(std::move(temporary));
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (std::rename(temporaries[i].c_str(), files[i].path.c_str()) != 0) {
            const int error = errno;
            removeTemporaries(i);
            reason = cannotWrite(files[i].path, error);
            if (i > 0) {
                reason += "; schon ersetzt:";
                for (std::size_t done = 0; done < i; ++done)
                    reason += " „" + files[done].path + "“";
            }
            return false;
        }
    }
    return true;
}

int writeThenAnswer(const OutputWriter& write, const std::vector<OutputFile>& files,
                    const std::string& answer, std::string& out, std::string& err)
{
    if (!files.empty()) {
        std::string reason;
        if (!write(files, reason)) {
            err += reason + '\n';
            return Unwritten;
        }
    }
    out += answer;
    return Success;
}

} // namespace kantrix::cli
