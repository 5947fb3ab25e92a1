// Loading the driver-service plug-in from the current directory, with each way it can go wrong.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <string>

#include "module/DriverServiceHolder.h"
#include "platform/DynamicLibraries.h"
#include "platform/HDXService.h"

namespace {

using corvo::keyboard::GetService;
using corvo::keyboard::ReleaseDriverService;
using corvo::keyboard::SetUpDriverService;
using corvo::platform::SystemDynamicLibraries;

// Runs the test body in the folder of one of the test plug-ins, as a host's working folder.
class DriverServiceHolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        m_previous = buffer;
    }
    void TearDown() override { ASSERT_EQ(chdir(m_previous.c_str()), 0); }

    void EnterPluginFolder(const std::string& name)
    {
        const std::string folder = std::string(TEST_PLUGIN_FOLDER) + "/" + name;
        ASSERT_EQ(chdir(folder.c_str()), 0) << folder;
    }

    // The plug-in's own record of what the loader did; -1 when it is not loaded.
    static int Counter(const std::string& plugin, const char* name)
    {
        void* handle = dlopen(("test-service-" + plugin + ".so").c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle == nullptr) {
            return -1;
        }
        auto counter = reinterpret_cast<int (*)(const char*)>(dlsym(handle, "TestServiceCounter"));
        const int value = counter != nullptr ? counter(name) : -2;
        dlclose(handle);
        return value;
    }

    static bool Loaded(const std::string& plugin)
    {
        void* handle = dlopen(("test-service-" + plugin + ".so").c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle != nullptr) {
            dlclose(handle);
        }
        return handle != nullptr;
    }

    std::string m_previous;
};

TEST_F(DriverServiceHolderTest, NoLibraryInTheFolderLeavesNoServiceAndSaysWhy)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    ASSERT_EQ(chdir(empty.path().toLocal8Bit().constData()), 0);
    DriverServiceHolder holder;
    SetUpDriverService(holder, SystemDynamicLibraries());
    EXPECT_EQ(holder.library, nullptr);
    EXPECT_EQ(holder.service, nullptr);
    EXPECT_EQ(GetService(holder), nullptr);
    EXPECT_NE(holder.problem.find("HalvikDiagnosticsDriverService.so"), std::string::npos) << holder.problem;
    ReleaseDriverService(holder);
}

TEST_F(DriverServiceHolderTest, ReadyServiceIsHandedOutAndDestroyedThroughThePlugin)
{
    EnterPluginFolder("good");
    DriverServiceHolder holder;
    SetUpDriverService(holder, SystemDynamicLibraries());
    ASSERT_NE(holder.service, nullptr) << holder.problem;
    EXPECT_EQ(holder.problem, "");
    EXPECT_EQ(GetService(holder), holder.service);
    EXPECT_EQ(Counter("good", "created"), 1);

    ReleaseDriverService(holder);
    EXPECT_EQ(holder.library, nullptr);
    EXPECT_EQ(holder.service, nullptr);
    EXPECT_FALSE(Loaded("good")) << "the library is unloaded";
}

TEST_F(DriverServiceHolderTest, ServiceThatIsNotReadyIsAskedOnEveryUseAndNeverHandedOut)
{
    EnterPluginFolder("not-ready");
    DriverServiceHolder holder;
    SetUpDriverService(holder, SystemDynamicLibraries());
    ASSERT_NE(holder.service, nullptr);
    const int before = Counter("not-ready", "readyQuestions");
    EXPECT_EQ(GetService(holder), nullptr);
    EXPECT_EQ(GetService(holder), nullptr);
    EXPECT_EQ(Counter("not-ready", "readyQuestions"), before + 2);
    ReleaseDriverService(holder);
}

TEST_F(DriverServiceHolderTest, MissingFactoryKeepsTheLibraryUntilRelease)
{
    EnterPluginFolder("no-factory");
    DriverServiceHolder holder;
    SetUpDriverService(holder, SystemDynamicLibraries());
    EXPECT_NE(holder.library, nullptr);
    EXPECT_EQ(holder.service, nullptr);
    EXPECT_EQ(GetService(holder), nullptr);
    EXPECT_NE(holder.problem.find("does not export CreateHDXService"), std::string::npos) << holder.problem;
    EXPECT_TRUE(Loaded("no-factory"));
    ReleaseDriverService(holder);
    EXPECT_FALSE(Loaded("no-factory"));
}

TEST_F(DriverServiceHolderTest, FactoryReturningNullGivesNoServiceAndDestroyStillRuns)
{
    EnterPluginFolder("null-factory");
    DriverServiceHolder holder;
    SetUpDriverService(holder, SystemDynamicLibraries());
    EXPECT_EQ(holder.service, nullptr);
    EXPECT_NE(holder.problem.find("returned no service"), std::string::npos) << holder.problem;
    EXPECT_EQ(Counter("null-factory", "created"), 1);
    // Counters vanish with the library, so read the destroy count through a second load.
    void* keep = dlopen("test-service-null-factory.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(keep, nullptr);
    ReleaseDriverService(holder);
    auto counter = reinterpret_cast<int (*)(const char*)>(dlsym(keep, "TestServiceCounter"));
    EXPECT_EQ(counter("destroyedNull"), 1);
    dlclose(keep);
}

TEST_F(DriverServiceHolderTest, LibraryWithoutDestroyFunctionIsStillUnloaded)
{
    EnterPluginFolder("no-destroy");
    DriverServiceHolder holder;
    SetUpDriverService(holder, SystemDynamicLibraries());
    ASSERT_NE(holder.service, nullptr);
    ReleaseDriverService(holder);
    EXPECT_FALSE(Loaded("no-destroy"));
}

TEST_F(DriverServiceHolderTest, ReleasingAnEmptyHolderDoesNothing)
{
    DriverServiceHolder holder;
    ReleaseDriverService(holder);
    EXPECT_EQ(holder.library, nullptr);
}

TEST_F(DriverServiceHolderTest, RootRefusesALibraryOthersCanWrite)
{
    if (geteuid() != 0) {
        GTEST_SKIP() << "the refusal applies to processes running as root";
    }
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string target = folder.path().toStdString() + "/HalvikDiagnosticsDriverService.so";
    const std::string source = std::string(TEST_PLUGIN_FOLDER) + "/good/HalvikDiagnosticsDriverService.so";
    ASSERT_TRUE(QFile::copy(QString::fromStdString(source), QString::fromStdString(target)));
    ASSERT_EQ(chmod(folder.path().toLocal8Bit().constData(), 0700), 0);
    ASSERT_EQ(chmod(target.c_str(), 0666), 0);
    ASSERT_EQ(chdir(folder.path().toLocal8Bit().constData()), 0);

    DriverServiceHolder holder;
    SetUpDriverService(holder, SystemDynamicLibraries());
    EXPECT_EQ(holder.library, nullptr);
    EXPECT_NE(holder.problem.find("writable by group or others"), std::string::npos) << holder.problem;
    EXPECT_FALSE(Loaded("good"));

    ASSERT_EQ(chmod(target.c_str(), 0644), 0);
    SetUpDriverService(holder, SystemDynamicLibraries());
    EXPECT_NE(holder.service, nullptr) << "the same file loads once only its owner can write it: " << holder.problem;
    ReleaseDriverService(holder);
}

} // namespace
