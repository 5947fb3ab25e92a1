// Tests of the private temporary folder: made 0700, and refused whenever someone else could control it.
#include "TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

#include "ScratchFolder.h"
#include "platform/hwkit.h"

namespace {

using corvo::platform::TemporaryDirectory;
using hwkit_test::ScratchFolder;

// Sets TMPDIR for one test and puts the old value back.
class TemporaryEnvironment {
public:
    explicit TemporaryEnvironment(const std::optional<std::string>& value)
    {
        if (const char* old = std::getenv("TMPDIR")) {
            previous_ = old;
        }
        Set(value);
    }
    ~TemporaryEnvironment() { Set(previous_); }
    TemporaryEnvironment(const TemporaryEnvironment&) = delete;
    TemporaryEnvironment& operator=(const TemporaryEnvironment&) = delete;

private:
    static void Set(const std::optional<std::string>& value)
    {
        if (value) {
            ::setenv("TMPDIR", value->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    std::optional<std::string> previous_;
};

mode_t ModeOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

std::string ExpectedPath(const ScratchFolder& base)
{
    return base.Root() + "/halvik-diagnostics-" + std::to_string(::geteuid());
}

TEST(TemporaryDirectory, BaseDirectoryFromEnvironment)
{
    {
        const TemporaryEnvironment environment(std::string("/var/tmp/custom"));
        EXPECT_EQ(TemporaryDirectory::BaseDirectory(), "/var/tmp/custom");
    }
    {
        const TemporaryEnvironment environment(std::nullopt);
        EXPECT_EQ(TemporaryDirectory::BaseDirectory(), "/tmp");
    }
    {
        const TemporaryEnvironment environment(std::string(""));
        EXPECT_EQ(TemporaryDirectory::BaseDirectory(), "/tmp");
    }
    {
        const TemporaryEnvironment environment(std::string("relative/tmp"));
        EXPECT_EQ(TemporaryDirectory::BaseDirectory(), "/tmp");
    }
}

TEST(TemporaryDirectory, PathForUser)
{
    EXPECT_EQ(TemporaryDirectory::PathFor("/tmp", 1000), "/tmp/halvik-diagnostics-1000");
    EXPECT_EQ(TemporaryDirectory::PathFor("/tmp/", 0), "/tmp/halvik-diagnostics-0");
    EXPECT_EQ(TemporaryDirectory::PathFor("/", 7), "/halvik-diagnostics-7");
}

TEST(TemporaryDirectory, MadeOwnerOnlyWhateverTheUmask)
{
    const ScratchFolder base;
    const TemporaryEnvironment environment(base.Root());
    const mode_t previousMask = ::umask(0);
    const std::string path = hwkit::get_temporary_path();
    ::umask(previousMask);
    ASSERT_EQ(path, ExpectedPath(base));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(ModeOf(path), 0700u);
}

TEST(TemporaryDirectory, RestrictiveUmaskStillGivesAUsableFolder)
{
    const ScratchFolder base;
    const mode_t previousMask = ::umask(0277);
    const std::string path = TemporaryDirectory::Prepare(base.Root());
    ::umask(previousMask);
    ASSERT_EQ(path, ExpectedPath(base));
    EXPECT_EQ(ModeOf(path), 0700u);
}

TEST(TemporaryDirectory, ExistingPrivateFolderIsReused)
{
    const ScratchFolder base;
    const std::string path = ExpectedPath(base);
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    base.Write("halvik-diagnostics-" + std::to_string(::geteuid()) + "/kept.svg", "<svg/>");
    EXPECT_EQ(TemporaryDirectory::Prepare(base.Root()), path);
    EXPECT_EQ(TemporaryDirectory::Prepare(base.Root()), path);
    EXPECT_TRUE(std::filesystem::exists(path + "/kept.svg"));
}

TEST(TemporaryDirectory, MissingBaseGivesNothing)
{
    const ScratchFolder base;
    EXPECT_EQ(TemporaryDirectory::Prepare(base.Root() + "/not-there"), "");
}

struct RefusalRow {
    const char* name;
    // Puts something at the folder's path before the library looks.
    std::function<void(const ScratchFolder&, const std::string&)> prepare;
};

void PrintTo(const RefusalRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class TemporaryDirectoryRefuses : public testing::TestWithParam<RefusalRow> {};

TEST_P(TemporaryDirectoryRefuses, UnsafeFolder)
{
    const ScratchFolder base;
    const std::string path = ExpectedPath(base);
    GetParam().prepare(base, path);
    EXPECT_EQ(TemporaryDirectory::Prepare(base.Root()), "");
    // Refusing never repairs: the thing found is left exactly as it was.
    struct stat status {};
    ASSERT_EQ(::lstat(path.c_str(), &status), 0);
}

void FolderWithMode(const std::string& path, mode_t mode)
{
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TemporaryDirectoryRefuses,
    testing::Values(
        RefusalRow{"WorldReadable", [](const ScratchFolder&, const std::string& path) { FolderWithMode(path, 0755); }},
        RefusalRow{"GroupWritable", [](const ScratchFolder&, const std::string& path) { FolderWithMode(path, 0770); }},
        RefusalRow{"OthersExecuteOnly", [](const ScratchFolder&, const std::string& path) { FolderWithMode(path, 0701); }},
        RefusalRow{"StickyWorldWritable", [](const ScratchFolder&, const std::string& path) { FolderWithMode(path, 01777); }},
        RefusalRow{"OwnerCannotWrite", [](const ScratchFolder&, const std::string& path) { FolderWithMode(path, 0500); }},
        RefusalRow{"LinkToPrivateFolder",
                   [](const ScratchFolder& base, const std::string& path) {
                       base.Folder("elsewhere");
                       ASSERT_EQ(::chmod((base.Root() + "/elsewhere").c_str(), 0700), 0);
                       ASSERT_EQ(::symlink((base.Root() + "/elsewhere").c_str(), path.c_str()), 0);
                   }},
        RefusalRow{"DanglingLink",
                   [](const ScratchFolder& base, const std::string& path) {
                       ASSERT_EQ(::symlink((base.Root() + "/later").c_str(), path.c_str()), 0);
                   }},
        RefusalRow{"RegularFile", [](const ScratchFolder& base, const std::string& path) {
                       base.Write(std::filesystem::path(path).filename().string(), "not a folder");
                   }}));

TEST(TemporaryDirectory, DanglingLinkIsNotFollowedToMakeAFolder)
{
    const ScratchFolder base;
    const std::string path = ExpectedPath(base);
    ASSERT_EQ(::symlink((base.Root() + "/planted").c_str(), path.c_str()), 0);
    EXPECT_EQ(TemporaryDirectory::Prepare(base.Root()), "");
    EXPECT_FALSE(std::filesystem::exists(base.Root() + "/planted"));
}

TEST(TemporaryDirectory, FolderOfAnotherUserIsRefused)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a folder to another user";
    }
    const ScratchFolder base;
    const std::string path = ExpectedPath(base);
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    EXPECT_EQ(TemporaryDirectory::Prepare(base.Root()), "");
}

} // namespace
