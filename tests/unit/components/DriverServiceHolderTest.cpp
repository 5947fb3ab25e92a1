// Loading the driver-service plug-in from the current directory: the rules a root process applies
// before it loads one, and each way the plug-in can go wrong.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../../support/ScratchFolder.h"
#include "module/DriverServiceHolder.h"
#include "platform/DynamicLibraries.h"
#include "platform/linux/LibraryTrust.h"

namespace {

corvo::platform::LibraryTrustCheck Check(const std::string& path, uid_t effective, uid_t invoking)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    EXPECT_GE(fd, 0) << path;
    const auto check = corvo::platform::CheckLibraryTrust(fd, path, effective, invoking);
    close(fd);
    return check;
}

struct ModeRow {
    mode_t fileMode;
    mode_t folderMode;
    uid_t effectiveUser;
    const char* reason; // after the path; empty: trusted
};

TEST(LibraryTrust, RootLoadsOnlyWhatNobodyButItsOwnerCouldHaveWritten)
{
    const ScratchFolder folder;
    const std::string path = folder.Root();
    const std::string file = folder.Write("plugin.so", "not really a library");
    const std::string openFolder = " is not loaded: its folder " + path + " is writable by group or others"
        " (a umask of 002 does that; \"chmod go-w " + path + "\" mends it)";
    const std::string openFile = " is writable by group or others (\"chmod go-w " + file + "\" mends it)";
    const ModeRow rows[] = {
        {0666, 0777, 1000, ""}, // ordinary users load anything
        {0644, 0755, 0, ""},
        {0664, 0755, 0, openFile.c_str()},
        {0646, 0755, 0, openFile.c_str()},
        {0644, 0775, 0, openFolder.c_str()},
        {0644, 0757, 0, openFolder.c_str()},
        {0644, 01777, 0, openFolder.c_str()},
    };
    for (const ModeRow& row : rows) {
        ASSERT_EQ(chmod(file.c_str(), row.fileMode), 0);
        ASSERT_EQ(chmod(path.c_str(), row.folderMode), 0);
        const auto check = Check(file, row.effectiveUser, getuid());
        EXPECT_EQ(check.trusted, *row.reason == '\0') << std::oct << row.fileMode << " " << row.folderMode;
        EXPECT_EQ(check.reason, *row.reason == '\0' ? "" : file + row.reason);
    }
    ASSERT_EQ(chmod(path.c_str(), 0755), 0);

    // The file belongs to the user running the test; call that user a stranger.
    const uid_t owner = getuid();
    if (owner == 0) {
        EXPECT_TRUE(Check(file, 0, 4242).trusted) << "a file of root's own is fine";
        ASSERT_EQ(chown(file.c_str(), 4343, 4343), 0);
    }
    const auto stranger = Check(file, 0, owner == 0 ? 4242 : owner + 1);
    EXPECT_FALSE(stranger.trusted);
    EXPECT_NE(stranger.reason.find("neither root nor the user who started the program"), std::string::npos)
        << stranger.reason;

    // A link may lead into a folder that others can write.
    const ScratchFolder open;
    ASSERT_EQ(chmod(open.Root().c_str(), 0777), 0);
    const std::string target = open.Write("real.so", "x");
    ASSERT_EQ(chmod(target.c_str(), 0644), 0);
    ASSERT_EQ(symlink(target.c_str(), (path + "/linked.so").c_str()), 0);
    const auto linked = Check(path + "/linked.so", 0, getuid());
    EXPECT_FALSE(linked.trusted);
    EXPECT_NE(linked.reason.find(open.Root()), std::string::npos) << linked.reason;
}

using corvo::keyboard::GetService;
using corvo::keyboard::ReleaseDriverService;
using corvo::keyboard::SetUpDriverService;
using corvo::platform::SystemDynamicLibraries;

// Runs the test body in a folder of its choice, as a host's working folder.
class DriverServiceHolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(getcwd(m_previous, sizeof m_previous), nullptr); }
    void TearDown() override { ASSERT_EQ(chdir(m_previous), 0); }

    // The test plug-in's own record of what the loader did, through a load of its own.
    static void* Keep(const std::string& plugin)
    {
        return dlopen(("test-service-" + plugin + ".so").c_str(), RTLD_NOW | RTLD_NOLOAD);
    }
    // Services destroyed, and of those null ones.
    static int Destroyed(void* plugin, int which)
    {
        const int* counters = static_cast<int*>(dlsym(plugin, "TestServiceDestroyed"));
        return counters != nullptr ? counters[which] : -1;
    }

    char m_previous[4096];
};

struct PluginRow {
    const char* plugin;
    bool serviceMade;
    bool handedOut;
    int destroyed; // -1: not looked at
    int destroyedNull;
};

// What the loader says of a plug-in that cannot serve is checked where the PS/2 test reports it.
TEST_F(DriverServiceHolderTest, ServiceIsHandedOutOnlyWhileReadyAndTheLibraryIsUnloadedOnRelease)
{
    const PluginRow rows[] = {
        {"good", true, true, 1, 0},
        // Made but never handed out.
        {"not-ready", true, false, 1, 0},
        {"no-factory", false, false, -1, -1},
        // The module hands back what the factory gave it, null included.
        {"null-factory", false, false, 1, 1},
        {"no-destroy", true, true, 0, 0},
    };
    for (const PluginRow& row : rows) {
        SCOPED_TRACE(row.plugin);
        ASSERT_EQ(chdir((std::string(TEST_PLUGIN_FOLDER) + "/" + row.plugin).c_str()), 0);
        DriverServiceHolder holder;
        SetUpDriverService(holder, SystemDynamicLibraries());
        EXPECT_EQ(holder.problem.empty(), row.serviceMade) << holder.problem;
        void* plugin = Keep(row.plugin);
        ASSERT_NE(plugin, nullptr) << "the library stays loaded until release";
        EXPECT_NE(holder.library, nullptr);
        EXPECT_EQ(holder.service != nullptr, row.serviceMade);
        EXPECT_EQ(GetService(holder), row.handedOut ? holder.service : nullptr);
        ReleaseDriverService(holder);
        EXPECT_EQ(holder.library, nullptr);
        EXPECT_EQ(holder.service, nullptr);
        if (row.destroyed >= 0) {
            EXPECT_EQ(Destroyed(plugin, 0), row.destroyed);
            EXPECT_EQ(Destroyed(plugin, 1), row.destroyedNull);
        }
        dlclose(plugin);
        EXPECT_EQ(Keep(row.plugin), nullptr) << "the library is unloaded";
    }
}

} // namespace

namespace {

int OpenDescriptors()
{
    int count = 0;
    for (int fd = 0; fd < 1024; ++fd) {
        count += fcntl(fd, F_GETFD) != -1 ? 1 : 0;
    }
    return count;
}

// Two plug-ins that stay loaded after release, loaded turn about: each load must run the file
// found in the folder, even when the descriptor number the first was loaded through is free again.
TEST_F(DriverServiceHolderTest, PluginsThatCannotBeUnloadedAreNeverTakenForOneAnother)
{
    int descriptors = 0;
    for (int round = 0; round < 3; ++round) {
        for (const auto& [plugin, identity] : {std::pair{"stays-a", 1}, std::pair{"stays-b", 2}}) {
            SCOPED_TRACE(std::string(plugin) + " round " + std::to_string(round));
            ASSERT_EQ(chdir((std::string(TEST_PLUGIN_FOLDER) + "/" + plugin).c_str()), 0);
            DriverServiceHolder holder;
            SetUpDriverService(holder, SystemDynamicLibraries());
            ASSERT_NE(holder.library, nullptr) << holder.problem;
            const auto* loaded = static_cast<const int*>(SystemDynamicLibraries().Resolve(holder.library, "TestServiceIdentity"));
            ASSERT_NE(loaded, nullptr);
            EXPECT_EQ(*loaded, identity);
            ReleaseDriverService(holder);
        }
        if (round == 0) {
            descriptors = OpenDescriptors();
        }
    }
    EXPECT_EQ(OpenDescriptors(), descriptors) << "a descriptor kept per load, not one per file";
}

} // namespace
