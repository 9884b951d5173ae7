// The one transaction every face changes the materials file through: what protects or shares
// the file survives it, what cannot be read is refused by name, and a refusal writes nothing.

#include "material_catalog.h"
#include "materials_transaction.h"
#include "press_refusal.h"
#include "row_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kantrix::press {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;
using testing::HasSubstr;

std::string contents(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

const TestBend entered{2, 2, std::nullopt, 90, std::nullopt, 200, 101.8, 101.8};

std::optional<MaterialsFile> enterOne(const MaterialsFile& now)
{
    return withTestBend(now, materialCatalog(now), "DC01", entered);
}

struct Arrangement
{
    const char* name;
    // Makes what stands at `file` in `folder`; the file written through it, where one is.
    std::function<fs::path(const fs::path& folder, const fs::path& file)> arrange;
    const char* refusal;                 // a part of the message, or none where written
    std::optional<fs::perms> permsAfter; // of the file written through
};

class Arrangements : public testing::TestWithParam<Arrangement>
{
protected:
    void SetUp() override
    {
        m_folder = fs::path(testing::TempDir()) /
                   ("kantrix_transaction_" + std::to_string(::getpid()) + "_" + GetParam().name);
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path m_folder;
};

// State: the materials file as the row arranges it. Action: a test bend entered through the
// transaction. Expected: written through to the real file with its mode and owner, or refused by
// name with nothing changed, and never a temporary file left.
TEST_P(Arrangements, KeepWhatProtectsOrSharesTheFile)
{
    const fs::path file = m_folder / "werkstoffe.json";
    const fs::path target = GetParam().arrange(m_folder, file);
    const bool link = fs::is_symlink(file);
    struct stat before = {};
    const bool existed = ::stat(target.c_str(), &before) == 0;
    const std::string old = existed && S_ISREG(before.st_mode) ? contents(target) : "";
    MaterialsTransaction how;
    how.lockWait = std::chrono::milliseconds(200);
    try {
        const MaterialsFile written = changeMaterialsFile(file.string(), enterOne, how);
        ASSERT_EQ(GetParam().refusal, nullptr) << "written";
        EXPECT_EQ(readMaterialsFile(contents(target), "t"), written);
        EXPECT_EQ(written.materials.back().testBends.back(), entered);
        EXPECT_EQ(fs::is_symlink(file), link);
        struct stat after = {};
        ASSERT_EQ(::stat(target.c_str(), &after), 0);
        if (GetParam().permsAfter) {
            EXPECT_EQ(fs::status(target).permissions(), *GetParam().permsAfter);
        }
        if (existed) {
            EXPECT_EQ(after.st_uid, before.st_uid);
            EXPECT_EQ(after.st_gid, before.st_gid);
        }
    } catch (const std::runtime_error& refused) {
        ASSERT_NE(GetParam().refusal, nullptr) << refused.what();
        EXPECT_THAT(refused.what(), HasSubstr(GetParam().refusal));
        EXPECT_THAT(refused.what(), HasSubstr("„" + file.string() + "“"));
        if (existed && S_ISREG(before.st_mode)) {
            EXPECT_EQ(contents(target), old);
        }
    }
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_folder))
        EXPECT_FALSE(entry.path().string().ends_with(".tmp")) << entry.path();
}

fs::path withText(const fs::path& file, fs::perms perms)
{
    std::ofstream(file, std::ios::binary) << writeMaterialsFile({});
    fs::permissions(file, perms);
    return file;
}

fs::path sharedThroughALink(const fs::path& folder, const fs::path& file, bool exists)
{
    fs::create_directories(folder / "geteilt");
    const fs::path target = folder / "geteilt" / "werkstoffe.json";
    if (exists)
        withText(target, fs::perms(0664));
    fs::create_symlink("geteilt/werkstoffe.json", file);
    return target;
}

// The lock another writer holds for as long as the test runs.
fs::path lockedByAnother(const fs::path&, const fs::path& file)
{
    static int held = -1;
    if (held >= 0)
        ::close(held);
    held = ::open(materialsLockPath(file.string()).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ::flock(held, LOCK_EX);
    return withText(file, fs::perms(0644));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, Arrangements, testing::Values(
    Arrangement{"Missing", [](const fs::path&, const fs::path& file) { return file; }, nullptr, std::nullopt},
    Arrangement{"SharedWithTheGroup", [](const fs::path&, const fs::path& file) {
        withText(file, fs::perms(0660));
        // As root: a file of another user and group stays theirs.
        if (::geteuid() == 0) {
            EXPECT_EQ(::chown(file.c_str(), 4242, 4343), 0);
        }
        return file; }, nullptr, fs::perms(0660)},
    Arrangement{"ReadOnly", [](const fs::path&, const fs::path& file) { return withText(file, fs::perms(0444)); }, "sie ist schreibgeschützt", std::nullopt},
    Arrangement{"OwnerMayNotWrite", [](const fs::path&, const fs::path& file) { return withText(file, fs::perms(0464)); }, "schreibgeschützt", std::nullopt},
    Arrangement{"LinkToASharedFile", [](const fs::path& folder, const fs::path& file) { return sharedThroughALink(folder, file, true); }, nullptr, fs::perms(0664)},
    Arrangement{"LinkToAFileNotYetThere", [](const fs::path& folder, const fs::path& file) { return sharedThroughALink(folder, file, false); }, nullptr, std::nullopt},
    Arrangement{"Fifo", [](const fs::path&, const fs::path& file) { ::mkfifo(file.c_str(), 0644); return file; }, "ist eine FIFO (benannte Pipe), keine gewöhnliche Datei", std::nullopt},
    Arrangement{"Folder", [](const fs::path&, const fs::path& file) { fs::create_directory(file); return file; }, "wird nicht gelesen: ist ein Ordner", std::nullopt},
    Arrangement{"LockedByAnother", lockedByAnother, "ein anderes Programm ändert sie gerade", std::nullopt},
    Arrangement{"Broken", [](const fs::path&, const fs::path& file) { std::ofstream(file) << "{"; return file; }, "wird nicht gelesen: sie ist kein gültiges JSON", std::nullopt}),
    test::rowName<Arrangement>);
// clang-format on

// State: a materials file. Action: a change that refuses, and one that leaves the file as it is.
// Expected: neither writes; the lock file stays for the next writer.
TEST(MaterialsTransaction, WritesNothingWhereTheChangeRefusesOrKeepsTheFile)
{
    const fs::path folder = fs::path(testing::TempDir()) /
                            ("kantrix_transaction_" + std::to_string(::getpid()) + "_refused");
    fs::create_directories(folder);
    const fs::path file = withText(folder / "werkstoffe.json", fs::perms(0644));
    const fs::file_time_type written = fs::last_write_time(file);
    EXPECT_THROW(changeMaterialsFile(file.string(),
                                     [](const MaterialsFile&) -> std::optional<MaterialsFile> {
                                         throw PressRefusal(PressItem::TestBend, "nein");
                                     }),
                 PressRefusal);
    EXPECT_EQ(
        changeMaterialsFile(file.string(),
                            [](const MaterialsFile&) { return std::optional<MaterialsFile>(); }),
        MaterialsFile());
    EXPECT_EQ(fs::last_write_time(file), written);
    EXPECT_TRUE(fs::exists(materialsLockPath(file.string())));
    fs::remove_all(folder);
}

} // namespace
} // namespace kantrix::press
