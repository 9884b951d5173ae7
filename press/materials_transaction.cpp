#include "materials_transaction.h"

#include "regular_file.h"
#include "system_error_text.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kantrix::press {

namespace {

// Far above the largest materials file readMaterialsFile takes, which names the size itself.
constexpr std::size_t maxReadSize = 64 << 20;

// The file a write goes to: symbolic links followed to their end, also to a target not yet
// there, so that a link to a shared file gets the change and stays a link.
std::filesystem::path writtenFile(const std::string& path)
{
    std::filesystem::path current = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code error;
        if (!std::filesystem::is_symlink(current, error))
            break;
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

class FileHandle
{
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }
    // Closed now, with its error (a write the disk refused may show only here).
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

[[noreturn]] void notWritten(const std::string& path, const std::string& why)
{
    throw MaterialsWriteError("Die Werkstoffdatei „" + path + "“ ist nicht geschrieben: " + why +
                              "; sie ist, wie sie war");
}

// Waits for the lock in short steps, so that a writer that hangs holds up the others only for
// `wait`. The steps vary a little, so that writers woken together do not meet again.
bool lock(int fd, std::chrono::milliseconds wait)
{
    const auto until = std::chrono::steady_clock::now() + wait;
    std::minstd_rand random(static_cast<unsigned>(::getpid()));
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2 + random() % 8));
    }
}

int writeAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(fd, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : EIO;
        written += static_cast<std::size_t>(count);
    }
    return 0;
}

// The new text in the old file's place, with the old file's mode, owner and group where there was
// one; an error number, or 0.
int replace(const std::filesystem::path& target, const std::string& text,
            const std::optional<struct stat>& old)
{
    static std::minstd_rand random(std::random_device{}());
    const std::string temporary = target.string() + ".kantrix-" + std::to_string(::getpid()) + "-" +
                                  std::to_string(random()) + ".tmp";
    FileHandle file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.fd() < 0)
        return errno;
    int error = 0;
    if (old) {
        // A group's shared file stays the group's; a process that may not give it away keeps it
        // as its own, which only root could change.
        if (::fchown(file.fd(), old->st_uid, old->st_gid) != 0 &&
            ::fchown(file.fd(), static_cast<uid_t>(-1), old->st_gid) != 0 && errno != EPERM)
            error = errno;
        if (error == 0 && ::fchmod(file.fd(), old->st_mode & 07777) != 0)
            error = errno;
    }
    if (error == 0)
        error = writeAll(file.fd(), text);
    if (error == 0 && ::fsync(file.fd()) != 0)
        error = errno;
    if (const int closed = file.close(); error == 0)
        error = closed;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    // The rename itself lasts only once the folder is on the disk.
    FileHandle folder(::open(target.parent_path().empty() ? "." : target.parent_path().c_str(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd() >= 0)
        ::fsync(folder.fd());
    return 0;
}

} // namespace

std::string materialsLockPath(const std::string& path)
{
    return writtenFile(path).string() + ".lock";
}

MaterialsFile changeMaterialsFile(const std::string& path, const MaterialsChange& change,
                                  const MaterialsTransaction& how)
{
    const std::filesystem::path target = writtenFile(path);
    if (how.createFolder && target.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error)
            notWritten(path, systemErrorText(error.value()));
    }
    const std::string lockPath = target.string() + ".lock";
    // Read access is enough for flock: a lock file another user made stays usable.
    int lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lockFd < 0 && errno == EACCES)
        lockFd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    const FileHandle lockFile(lockFd);
    if (lockFile.fd() < 0)
        notWritten(path, systemErrorText(errno));
    if (!lock(lockFile.fd(), how.lockWait))
        notWritten(path, "ein anderes Programm ändert sie gerade");

    // Under the lock: the file as the last writer left it.
    std::optional<struct stat> old;
    MaterialsFile now;
    struct stat status = {};
    if (::stat(target.c_str(), &status) == 0) {
        old = status;
        const RegularFileText read = readRegularFile(target.string(), maxReadSize);
        if (!read.text)
            throw MaterialsFileError("Die Werkstoffdatei „" + path +
                                     "“ wird nicht gelesen: " + read.why);
        now = readMaterialsFile(*read.text, path);
    } else if (errno != ENOENT) {
        throw MaterialsFileError("Die Werkstoffdatei „" + path +
                                 "“ wird nicht gelesen: " + systemErrorText(errno));
    }

    std::optional<MaterialsFile> changed = change(now);
    if (!changed)
        return now;
    const std::string text = writeMaterialsFile(*changed);
    // What is written must read back to what was meant, whole, before it takes the old one's
    // place.
    MaterialsFile written = readMaterialsFile(text, path);
    // The kernel lets root write any file: the owner's write bit is the user's word.
    if (old && (!(old->st_mode & S_IWUSR) || ::access(target.c_str(), W_OK) != 0))
        notWritten(path, "sie ist schreibgeschützt");
    if (const int error = replace(target, text, old); error != 0)
        notWritten(path, systemErrorText(error));
    return written;
}

} // namespace kantrix::press
