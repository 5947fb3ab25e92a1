// The built plug-ins loaded as the module loads them: from their folder, through the two factories.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <fstream>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "CarefulHost.h"
#include "DriverServiceBase.h"
#include "I8042SimulatorExports.h"
#include "PortAccessProbe.h"
#include "SimulatorLogCheck.h"
#include "TemporaryFolder.h"
#include "platform/HDXService.h"

namespace {

std::string PluginPath(const std::string& folder)
{
    return std::string(DRIVER_SERVICE_BUILD_DIR) + "/" + folder + "/" + kDriverServiceLibraryName;
}

std::string FixtureScenario(const std::string& folder)
{
    return std::string(I8042_FIXTURES_DIR) + "/" + folder + "/i8042-scenario";
}

// A loaded plug-in with its factories; unloaded again at the end of the test.
class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::string& path)
    {
        m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(m_handle, nullptr) << dlerror();
        if (m_handle != nullptr) {
            create = reinterpret_cast<CreateHDXServiceFunction>(dlsym(m_handle, kCreateServiceSymbol));
            destroy = reinterpret_cast<DestroyHDXServiceFunction>(dlsym(m_handle, kDestroyServiceSymbol));
        }
    }
    ~LoadedPlugin()
    {
        if (m_handle != nullptr) {
            dlclose(m_handle);
        }
    }
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    template <typename Function>
    Function Resolve(const char* symbol) const
    {
        return m_handle != nullptr ? reinterpret_cast<Function>(dlsym(m_handle, symbol)) : nullptr;
    }

    void* Handle() const { return m_handle; }

    CreateHDXServiceFunction create = nullptr;
    DestroyHDXServiceFunction destroy = nullptr;

private:
    void* m_handle = nullptr;
};

// The service a factory made, handed back to the plug-in's own destroy function.
class CreatedService {
public:
    explicit CreatedService(const LoadedPlugin& plugin) : m_plugin(plugin)
    {
        if (plugin.create != nullptr) {
            m_service = plugin.create();
        }
    }
    ~CreatedService()
    {
        if (m_plugin.destroy != nullptr) {
            m_plugin.destroy(m_service);
        }
    }
    CreatedService(const CreatedService&) = delete;
    CreatedService& operator=(const CreatedService&) = delete;

    HDXService* operator->() const { return m_service; }
    HDXService& operator*() const { return *m_service; }
    HDXService* get() const { return m_service; }

private:
    const LoadedPlugin& m_plugin;
    HDXService* m_service = nullptr;
};

// The plug-ins read their environment when first used; each test starts from none.
class PluginEnvironment : public testing::Test {
protected:
    void SetUp() override
    {
        unsetenv("HALVIK_I8042_SCENARIO");
        unsetenv("HALVIK_I8042_LOG");
    }
    void TearDown() override
    {
        unsetenv("HALVIK_I8042_SCENARIO");
        unsetenv("HALVIK_I8042_LOG");
    }
};

struct PluginRow {
    const char* name;
    const char* folder;
};

class BuiltPlugin : public PluginEnvironment, public testing::WithParamInterface<PluginRow> {
protected:
    bool ExpectReady() const
    {
        return std::string(GetParam().folder) == "i8042-sim" || drivertest::MachineGrantsPortAccess();
    }
};

TEST_P(BuiltPlugin, LoadsFromItsFolderAndRoundTripsARequest)
{
    const std::string path = PluginPath(GetParam().folder);
    ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path;
    LoadedPlugin plugin(path);
    ASSERT_NE(plugin.create, nullptr);
    ASSERT_NE(plugin.destroy, nullptr);
    CreatedService service(plugin);
    ASSERT_NE(service.get(), nullptr);
    const bool ready = ExpectReady();
    EXPECT_EQ(service->IsReady(), ready ? 1u : 0u);

    HDXPortRequest status{0x64, 0x5A5A, 1};
    uint32_t value = 0xABCDEF00;
    const uint32_t result = service->ReadPort(&status, &value);
    if (ready) {
        EXPECT_EQ(result, 0u);
        EXPECT_EQ(value & 0xFFFFFF00u, 0xABCDEF00u) << "only the low byte is the answer";
    } else {
        EXPECT_EQ(result, 2u) << "not ready";
        EXPECT_EQ(value, 0xABCDEF00u);
    }
    HDXPortRequest speaker{0x61, 0, 1};
    value = 0x12345678;
    EXPECT_EQ(service->ReadPort(&speaker, &value), 1u) << "refused";
    EXPECT_EQ(value, 0x12345678u);
    EXPECT_EQ(service->Reserved1(), 0u);
    EXPECT_EQ(service->Reserved29(), 0u);
    // The module hands back whatever the factory gave it, null included; the plug-in stays usable.
    plugin.destroy(nullptr);
    EXPECT_EQ(service->IsReady(), ready ? 1u : 0u);
}

TEST_P(BuiltPlugin, ExportsOnlyCDeclarations)
{
    LoadedPlugin plugin(PluginPath(GetParam().folder));
    // Hidden visibility: nothing of the C++ implementation is reachable from outside. The type
    // information of the service base class is in every plug-in; its name comes from the compiler.
    const std::string typeInformation = std::string("_ZTI") + typeid(corvo::driverservice::DriverServiceBase).name();
    EXPECT_EQ(plugin.Resolve<void*>(typeInformation.c_str()), nullptr) << typeInformation;
    EXPECT_NE(plugin.Resolve<void*>("CreateHDXService"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Folders, BuiltPlugin,
                         testing::Values(PluginRow{"PortIo", "port-io"}, PluginRow{"I8042Simulator", "i8042-sim"}),
                         [](const testing::TestParamInfo<PluginRow>& info) { return std::string(info.param.name); });

// The simulator's own exports, as an in-process test of the module uses them.
class SimulatorPlugin : public PluginEnvironment {
protected:
    void SetUp() override
    {
        PluginEnvironment::SetUp();
        m_plugin = std::make_unique<LoadedPlugin>(PluginPath("i8042-sim"));
        reset = m_plugin->Resolve<I8042SimulatorResetFunction>(I8042_SIMULATOR_RESET_SYMBOL);
        logCount = m_plugin->Resolve<I8042SimulatorLogCountFunction>(I8042_SIMULATOR_LOG_COUNT_SYMBOL);
        logEntryAt = m_plugin->Resolve<I8042SimulatorLogEntryAtFunction>(I8042_SIMULATOR_LOG_ENTRY_AT_SYMBOL);
        logText = m_plugin->Resolve<I8042SimulatorLogFunction>(I8042_SIMULATOR_LOG_SYMBOL);
        source = m_plugin->Resolve<I8042SimulatorScenarioSourceFunction>(I8042_SIMULATOR_SCENARIO_SOURCE_SYMBOL);
        ASSERT_NE(reset, nullptr);
        ASSERT_NE(logCount, nullptr);
        ASSERT_NE(logEntryAt, nullptr);
        ASSERT_NE(logText, nullptr);
        ASSERT_NE(source, nullptr);
    }

    // The exported log in the form the shared checks take.
    std::vector<corvo::i8042::LogEntry> ExportedLog() const
    {
        std::vector<corvo::i8042::LogEntry> entries;
        for (std::size_t i = 0; i < logCount(); ++i) {
            I8042SimulatorLogEntry exported {};
            EXPECT_EQ(logEntryAt(i, &exported), 1);
            corvo::i8042::LogEntry entry;
            entry.sequence = exported.sequence;
            entry.time = exported.timeMicroseconds;
            entry.isWrite = exported.isWrite != 0;
            entry.port = exported.port;
            entry.value = exported.value;
            entry.configuration = exported.configuration;
            entry.dropped = exported.dropped != 0;
            entries.push_back(entry);
        }
        return entries;
    }

    std::unique_ptr<LoadedPlugin> m_plugin;
    I8042SimulatorResetFunction reset = nullptr;
    I8042SimulatorLogCountFunction logCount = nullptr;
    I8042SimulatorLogEntryAtFunction logEntryAt = nullptr;
    I8042SimulatorLogFunction logText = nullptr;
    I8042SimulatorScenarioSourceFunction source = nullptr;
};

TEST_F(SimulatorPlugin, WithNothingChosenItIsTheGoodKeyboardAndLogsEveryAccess)
{
    ASSERT_EQ(reset(nullptr), 1);
    EXPECT_STREQ(source(), "built-in good keyboard");
    CreatedService service(*m_plugin);
    drivertest::CarefulHost host(*service);
    EXPECT_EQ(host.Exchange(0xEE), "ee");

    const std::vector<corvo::i8042::LogEntry> log = ExportedLog();
    ASSERT_FALSE(log.empty());
    std::string expectedText;
    for (const corvo::i8042::LogEntry& entry : log) {
        expectedText += corvo::i8042::FormatLogEntry(entry) + "\n";
    }
    EXPECT_EQ(logText(), expectedText);
    EXPECT_EQ(std::string(logText()).rfind("seq=1 time=0.000000 read port=0x64 value=0x14 config=0x47\n", 0), 0u);
    EXPECT_TRUE(log[1].isWrite);
    EXPECT_EQ(log[1].port, 0x60);
    EXPECT_EQ(log[1].value, 0xEE);
    I8042SimulatorLogEntry beyond {};
    EXPECT_EQ(logEntryAt(log.size(), &beyond), 0);
    EXPECT_EQ(logEntryAt(0, nullptr), 0);
}

TEST_F(SimulatorPlugin, EnvironmentChoosesTheScenarioOnFirstUse)
{
    const std::string scenario = FixtureScenario("i8042-self-test-fails-fc");
    ASSERT_EQ(setenv("HALVIK_I8042_SCENARIO", scenario.c_str(), 1), 0);
    CreatedService service(*m_plugin);
    EXPECT_EQ(service->IsReady(), 1u);
    EXPECT_EQ(source(), scenario);
    drivertest::CarefulHost host(*service);
    EXPECT_EQ(host.Exchange(0xFF), "fa fc");
}

// Released by everyone, the plug-in is unloaded; loaded again, it reads its environment again.
TEST_F(SimulatorPlugin, StartsAfreshWhenLoadedAgain)
{
    ASSERT_EQ(reset(FixtureScenario("i8042-self-test-fails-fd").c_str()), 1);
    m_plugin.reset();
    void* stillLoaded = dlopen(I8042_SIMULATOR_SONAME, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(stillLoaded, nullptr) << "the last dlclose unloads the plug-in";
    if (stillLoaded != nullptr) {
        dlclose(stillLoaded);
    }
    const std::string scenario = FixtureScenario("i8042-echo-only-keyboard");
    ASSERT_EQ(setenv("HALVIK_I8042_SCENARIO", scenario.c_str(), 1), 0);
    LoadedPlugin again(PluginPath("i8042-sim"));
    auto againSource = again.Resolve<I8042SimulatorScenarioSourceFunction>(I8042_SIMULATOR_SCENARIO_SOURCE_SYMBOL);
    ASSERT_NE(againSource, nullptr);
    CreatedService service(again);
    EXPECT_EQ(againSource(), scenario);
    drivertest::CarefulHost host(*service);
    EXPECT_EQ(host.Exchange(0xFF), "");
}

TEST_F(SimulatorPlugin, ResetSwitchesScenariosWithinOneProcess)
{
    CreatedService service(*m_plugin);
    drivertest::CarefulHost host(*service);
    ASSERT_EQ(reset(FixtureScenario("i8042-self-test-fails-fd").c_str()), 1);
    EXPECT_EQ(host.Exchange(0xFF), "fa fd");
    ASSERT_EQ(reset(FixtureScenario("i8042-good-keyboard").c_str()), 1);
    I8042SimulatorLogEntry first {};
    EXPECT_EQ(logCount(), 0u) << "the log starts afresh";
    EXPECT_EQ(host.Exchange(0xFF), "fa aa");
    ASSERT_EQ(logEntryAt(0, &first), 1);
    EXPECT_EQ(first.sequence, 1u);
    EXPECT_EQ(first.timeMicroseconds, 0u);
}

TEST_F(SimulatorPlugin, MalformedScenarioIsNotReadyAndSaysSoInOneLine)
{
    drivertest::TemporaryFolder folder;
    const std::string path = folder.Write("scenario", "keyboard ff: fa\nkeyboard ff 2 times: fe\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(reset(path.c_str()), 0);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "i8042 simulator: " + path
                        + ":2: this rule is never used: the rule on line 1 has no count and answers every such command;"
                          " the simulated controller is not ready\n");
    CreatedService service(*m_plugin);
    EXPECT_EQ(service->IsReady(), 0u);
    HDXPortRequest request{0x64, 0, 1};
    uint32_t value = 0x77;
    EXPECT_EQ(service->ReadPort(&request, &value), 2u);
    EXPECT_EQ(value, 0x77u);
}

TEST_F(SimulatorPlugin, LogFileFromTheEnvironmentHoldsWhatTheMemoryLogHolds)
{
    drivertest::TemporaryFolder folder;
    const std::string logPath = folder.Path() + "/i8042.log";
    ASSERT_EQ(setenv("HALVIK_I8042_LOG", logPath.c_str(), 1), 0);
    ASSERT_EQ(reset(nullptr), 1);
    CreatedService service(*m_plugin);
    drivertest::CarefulHost host(*service);
    ASSERT_EQ(host.Exchange(0xFF), "fa aa");
    std::ifstream file(logPath);
    std::ostringstream contents;
    contents << file.rdbuf();
    EXPECT_EQ(contents.str(), "# scenario built-in good keyboard\n" + std::string(logText()));
}

TEST_F(SimulatorPlugin, ServicesOfOnePluginShareOneController)
{
    ASSERT_EQ(reset(nullptr), 1);
    CreatedService first(*m_plugin);
    CreatedService second(*m_plugin);
    drivertest::CarefulHost writer(*first);
    drivertest::CarefulHost reader(*second);
    ASSERT_TRUE(writer.WriteConfiguration(0x56));
    EXPECT_EQ(reader.ReadConfiguration(), 0x56);
}

TEST_F(SimulatorPlugin, SonameFindsTheCopyAlreadyLoaded)
{
    void* again = dlopen(I8042_SIMULATOR_SONAME, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(again, m_plugin->Handle());
    if (again != nullptr) {
        dlclose(again);
    }
}

TEST_F(SimulatorPlugin, LogShowsWhetherTheHostSwitchedTheKeyboardInterruptBackOn)
{
    ASSERT_EQ(reset(FixtureScenario("i8042-scan-code-during-reset").c_str()), 1);
    CreatedService service(*m_plugin);
    drivertest::CarefulHost host(*service);
    ASSERT_TRUE(host.WriteConfiguration(0x56));
    ASSERT_EQ(host.Exchange(0xFF), "fa 1e aa");
    EXPECT_FALSE(drivertest::KeyboardInterruptRestored(ExportedLog())) << "not yet switched on";
    ASSERT_TRUE(host.WriteConfiguration(0x47));
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(ExportedLog()));
}

// The module opens the library, checks it, loads it through /proc/self/fd/N and closes the
// descriptor; the plug-in must still find the scenario file beside the library it came from.
TEST_F(SimulatorPlugin, FindsTheScenarioBesideItselfWhenLoadedThroughADescriptor)
{
    if (access("/proc/self/fd", F_OK) != 0) {
        GTEST_SKIP() << "no /proc/self/fd in this process";
    }
    drivertest::TemporaryFolder folder;
    const std::string copy = folder.Path() + "/" + kDriverServiceLibraryName;
    std::filesystem::copy_file(PluginPath("i8042-sim"), copy);
    folder.Write("i8042-scenario", "keyboard ff: fa +500ms fd\n");
    char resolvedFolder[PATH_MAX];
    ASSERT_NE(realpath(folder.Path().c_str(), resolvedFolder), nullptr);

    const int fd = open(copy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const std::string descriptorPath = "/proc/self/fd/" + std::to_string(fd);
    void* handle = dlopen(descriptorPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    close(fd);
    ASSERT_NE(handle, nullptr) << dlerror();
    EXPECT_NE(handle, m_plugin->Handle()) << "a copy in another folder is another library";
    auto create = reinterpret_cast<CreateHDXServiceFunction>(dlsym(handle, kCreateServiceSymbol));
    auto destroy = reinterpret_cast<DestroyHDXServiceFunction>(dlsym(handle, kDestroyServiceSymbol));
    auto copySource = reinterpret_cast<I8042SimulatorScenarioSourceFunction>(dlsym(handle, I8042_SIMULATOR_SCENARIO_SOURCE_SYMBOL));
    ASSERT_NE(create, nullptr);
    ASSERT_NE(destroy, nullptr);
    ASSERT_NE(copySource, nullptr);
    HDXService* service = create();
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(std::string(copySource()), std::string(resolvedFolder) + "/i8042-scenario");
    {
        drivertest::CarefulHost host(*service);
        EXPECT_EQ(host.Exchange(0xFF), "fa fd");
    }
    destroy(service);
    dlclose(handle);
}

TEST_F(SimulatorPlugin, EnvironmentBeatsTheFileBesideThePlugin)
{
    drivertest::TemporaryFolder folder;
    const std::string copy = folder.Path() + "/" + kDriverServiceLibraryName;
    std::filesystem::copy_file(PluginPath("i8042-sim"), copy);
    folder.Write("i8042-scenario", "keyboard ff: fa +500ms fd\n");
    const std::string chosen = FixtureScenario("i8042-echo-only-keyboard");
    ASSERT_EQ(setenv("HALVIK_I8042_SCENARIO", chosen.c_str(), 1), 0);
    LoadedPlugin plugin(copy);
    ASSERT_NE(plugin.create, nullptr);
    CreatedService service(plugin);
    drivertest::CarefulHost host(*service);
    EXPECT_EQ(host.Exchange(0xFF), "");
    EXPECT_EQ(host.Exchange(0xEE), "ee");
}

} // namespace
