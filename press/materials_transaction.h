#pragma once

// Every change of the user's materials file, by every face: the command line's --eintragen and
// --importieren, the window's "Eintragen", deleting a test bend and "Importieren…". Each writer
// used to read the file, change it and rename a new one over it, and of two at once the later
// one dropped what the earlier had entered. Here a change takes an exclusive lock first
// (flock on "werkstoffe.json.lock" beside the file, never removed, so that every writer locks the
// same file), reads the file under it, applies the change and writes the file whole: a temporary
// file in the same folder, written, flushed to the disk and renamed over the old one, the folder
// flushed too. Readers take no lock: the rename is atomic.
//
// The file keeps what protects or shares it: one without its owner's write bit is refused (by
// root too, whom the kernel would let write), a replaced file keeps its permission bits and,
// where the process may set them, its owner and group, and a symbolic link is written through to
// its target.

#include "materials_file.h"

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace kantrix::press {

// A file that was not changed although it could be read: locked by another program too long,
// protected, or a write that failed. The German message names the file; the file is as it was.
class MaterialsWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The change: the file as it is under the lock in, the file to write out, or none to leave it as
// it is. It refuses by throwing, and then nothing is written.
using MaterialsChange = std::function<std::optional<MaterialsFile>(const MaterialsFile& now)>;

struct MaterialsTransaction
{
    bool createFolder = false; // make the file's folder where it is missing
    // How long to wait for another writer: a change takes milliseconds, so a lock held longer
    // belongs to a program that hangs.
    std::chrono::milliseconds lockWait{5000};
};

// Changes the file at `path` (named so in every message) and returns what it holds afterwards.
// Throws MaterialsFileError where the file cannot be read or is refused, MaterialsWriteError
// where it cannot be changed, and whatever `change` throws; the file is then unchanged.
MaterialsFile changeMaterialsFile(const std::string& path, const MaterialsChange& change,
                                  const MaterialsTransaction& how = {});

// The lock file of the materials file at `path`, as every writer takes it.
std::string materialsLockPath(const std::string& path);

} // namespace kantrix::press
