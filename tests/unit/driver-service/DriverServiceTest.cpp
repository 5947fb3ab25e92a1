// The driver services: the request rules both share, the port-I/O service's command list and its
// ways to the ports, the built plug-ins loaded as the module loads them, and the simulator's own
// exports: its log, its reset, and where its scenario comes from.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <typeinfo>

#include "DriverServiceBase.h"
#include "DriverServiceTesting.h"
#include "PortAccessCheck.h"
#include "PortIoService.h"
#include "SystemPortAccess.h"

namespace {

using corvo::driverservice::PortAccessFacts;
using corvo::driverservice::PortAccessVerdict;
using corvo::driverservice::PortIoService;
using drivertest::CarefulHost;
using drivertest::FixturePath;
using drivertest::Plugin;
using drivertest::PluginPath;
using corvo::driverservice::SystemPortAccess;
using corvo::driverservice::SystemPortAccessOptions;

constexpr uint32_t kDone = 0;
constexpr uint32_t kRefused = 1;
constexpr uint32_t kNotReady = 2;
constexpr uint32_t kFailed = 3;

// The port-I/O service without I/O permission, on a port device that is an ordinary file read and
// written at the port number as /dev/port is: the file shows what reached the "hardware".
struct PortIo {
    explicit PortIo(const std::string& device = "", PortAccessVerdict verdict = {})
        : service(std::make_unique<SystemPortAccess>(
                      SystemPortAccessOptions{false, device.empty() ? folder.Write("port", ports) : device}),
                  std::move(verdict))
    {
    }
    uint32_t Read(uint16_t port, uint32_t& value)
    {
        HDXPortRequest request{port, 0x5A5A, 1};
        return service.ReadPort(&request, &value);
    }
    uint32_t Write(uint16_t port, uint8_t byte)
    {
        HDXPortWriteRequest request{port, 0x5A5A, 1, &byte};
        return service.WritePort(&request);
    }
    bool Untouched() const { return folder.Read("port") == ports; }

    ScratchFolder folder;
    std::string ports = std::string(0x60, '\0') + '\xaa' + std::string(3, '\0') + '\x1c' + std::string(0x9B, '\0');
    PortIoService service;
};

// Both services refuse the same requests before anything reaches the controller, and replace only
// the low byte of what they read: a host that passes the simulator passes the hardware.
TEST(DriverServices, RefuseAnyOtherPortWidthOrMissingPointerAndKeepTheValue)
{
    PortIo portIo;
    drivertest::SimulatedMachine machine("");
    const std::vector<std::tuple<HDXService*, std::function<bool()>, uint32_t>> services = {
        {&portIo.service, [&portIo] { return portIo.Untouched(); }, 0xABCDEF1Cu},
        {machine.service.get(), [&machine] { return drivertest::ExportedLog(machine.plugin.handle).empty(); }, 0xABCDEF14u}};
    // 0x61 is the speaker and NMI control, 0x80 the POST code port, 0xCF9 the reset control register.
    const std::pair<uint16_t, uint32_t> requests[] = {{0x5F, 1}, {0x61, 1}, {0x63, 1}, {0x65, 1}, {0x80, 1},
                                                      {0xCF9, 1}, {0x0000, 1}, {0xFFFF, 1}, {0x60, 2}, {0x64, 4},
                                                      {0x60, 0}, {0x64, 0xFFFFFFFF}, {0x60, 0x00010001}};
    for (const auto& [service, untouched, lowByteRead] : services) {
        for (const auto& [port, width] : requests) {
            HDXPortRequest read{port, 0, width};
            uint32_t value = 0xDEADBEEF;
            EXPECT_EQ(service->ReadPort(&read, &value), kRefused) << port << " " << width;
            EXPECT_EQ(value, 0xDEADBEEFu);
            const uint8_t byte = 0xFF;
            HDXPortWriteRequest write{port, 0, width, &byte};
            EXPECT_EQ(service->WritePort(&write), kRefused) << port << " " << width;
        }
        HDXPortRequest read{0x64, 0, 1};
        uint32_t value = 7;
        EXPECT_EQ(service->ReadPort(&read, nullptr), kRefused);
        EXPECT_EQ(service->ReadPort(nullptr, &value), kRefused);
        EXPECT_EQ(value, 7u);
        EXPECT_EQ(service->WritePort(nullptr), kRefused);
        HDXPortWriteRequest write{0x60, 0, 1, nullptr};
        EXPECT_EQ(service->WritePort(&write), kRefused);
        EXPECT_TRUE(untouched());
        HDXPortRequest status{0x64, 0xBEEF, 1};
        value = 0xABCDEF00;
        EXPECT_EQ(service->ReadPort(&status, &value), kDone);
        EXPECT_EQ(value, lowByteRead);
    }
}

TEST(PortIoService, OnlyConfigurationAndInterfaceCommandsReachTheControllerButAnyDataByteDoes)
{
    // Not the self-test, the output port (reset line), the pointer, the input port or the pulses,
    // nor the neighbours of what is allowed.
    const std::set<int> permitted = {0x20, 0x60, 0xA7, 0xA8, 0xAD, 0xAE};
    for (int command : {0x20, 0x60, 0xA7, 0xA8, 0xAD, 0xAE, 0xAA, 0xD1, 0xD4, 0xC0, 0xF0, 0xFE, 0xFF, 0x21, 0x5F, 0x00}) {
        PortIo portIo;
        const bool allowed = permitted.count(command) != 0;
        EXPECT_EQ(corvo::driverservice::IsPermittedControllerCommand(static_cast<uint8_t>(command)), allowed) << command;
        EXPECT_EQ(portIo.Write(0x64, static_cast<uint8_t>(command)), allowed ? kDone : kRefused) << command;
        portIo.ports[0x64] = static_cast<char>(allowed ? command : 0x1C);
        EXPECT_TRUE(portIo.Untouched()) << command;
    }
    PortIo portIo;
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(portIo.Write(0x60, static_cast<uint8_t>(byte)), kDone) << byte;
    }
    portIo.ports[0x60] = '\xff';
    EXPECT_TRUE(portIo.Untouched()) << "only port 0x60 was written";
}

TEST(PortIoService, ReachesThePortsOnlyWhenReadyAndReportsFailedAccesses)
{
    PortIo portIo;
    uint32_t value = 0;
    EXPECT_EQ(portIo.service.IsReady(), 1u);
    EXPECT_EQ(portIo.Read(0x60, value), kDone);
    EXPECT_EQ(value, 0xAAu);

    PortIo missing(portIo.folder.Root() + "/port-that-is-not-there");
    value = 0x12345678;
    EXPECT_EQ(missing.service.IsReady(), 0u);
    EXPECT_EQ(missing.Read(0x64, value), kNotReady);
    EXPECT_EQ(missing.Write(0x60, 0xFF), kNotReady);
    PortIo shortDevice(portIo.folder.Write("short", std::string(0x10, '\0')));
    EXPECT_EQ(shortDevice.Read(0x64, value), kFailed);
    EXPECT_EQ(value, 0x12345678u) << "a failed read leaves the value";
    EXPECT_EQ(PortIo("/dev/full").Write(0x60, 0xEE), kFailed);

    EXPECT_EQ(SystemPortAccess().Prepare(), drivertest::MachineGrantsPortAccess()) << "I/O permission or /dev/port";
}

// The first obstacle a technician can act on is named; a service that meets one never touches
// the ports, even where the kernel would let it (root on a machine without a controller reads 0xFF).
TEST(PortIoService, NamesWhatForbidsPortAccessAndStaysAwayFromThePorts)
{
    const struct {
        const char* name;
        PortAccessFacts facts;
        HDXServiceAccess access;
        const char* reason; // its start
    } rows[] = {
        {"root on a PC", {true, "", true, true}, HDXServiceAccess::Reachable, ""},
        {"no controller", {true, "", false, true}, HDXServiceAccess::NoController, "no keyboard controller: the kernel's i8042 driver found none"},
        {"no i8042 driver", {true, "", false, false}, HDXServiceAccess::NoController, "no keyboard controller: the kernel knows of none"},
        {"lockdown", {true, "integrity", true, true}, HDXServiceAccess::KernelLockdown, "kernel lockdown (Secure Boot) forbids port access"},
        {"lockdown, not root", {false, "confidentiality", true, true}, HDXServiceAccess::KernelLockdown, "kernel lockdown"},
        {"not root", {false, "", true, true}, HDXServiceAccess::NeedsRoot, "needs root"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PortAccessVerdict verdict = corvo::driverservice::JudgePortAccess(row.facts);
        EXPECT_EQ(verdict.access, row.access);
        EXPECT_EQ(verdict.reason.rfind(row.reason, 0), 0u) << verdict.reason;
        EXPECT_EQ(verdict.reason.empty(), *row.reason == '\0');
        PortIo portIo("", verdict);
        uint32_t value = 0;
        EXPECT_EQ(portIo.service.IsReady(), *row.reason == '\0' ? 1u : 0u);
        EXPECT_EQ(portIo.Write(0x60, 0xFF), *row.reason == '\0' ? kDone : kNotReady);
        EXPECT_EQ(portIo.Read(0x64, value), *row.reason == '\0' ? kDone : kNotReady);
    }
    using corvo::driverservice::ActiveLockdownMode;
    EXPECT_EQ(ActiveLockdownMode("[none] integrity confidentiality"), "");
    EXPECT_EQ(ActiveLockdownMode("none integrity [confidentiality]"), "confidentiality");
    EXPECT_EQ(ActiveLockdownMode("garbled ]["), "");
}

TEST(PortIoPlugin, LoadsFromItsFolderExportsOnlyItsCFunctionsAndIsReadyWhereTheKernelLetsIt)
{
    Plugin plugin(PORT_IO_PLUGIN);
    // Hidden visibility: the service base class's type information, in every plug-in, is not reachable.
    const std::string typeInformation = std::string("_ZTI") + typeid(corvo::driverservice::DriverServiceBase).name();
    EXPECT_EQ(plugin.Get<void*>(typeInformation.c_str()), nullptr) << typeInformation;
    const std::shared_ptr<HDXService> service = plugin.Create();
    char reason[256] = "left alone";
    const bool ready = plugin.Get<CheckHDXServiceAccessFunction>(kCheckServiceAccessSymbol)(reason, sizeof reason) == 0;
    EXPECT_TRUE(!ready || drivertest::MachineGrantsPortAccess());
    EXPECT_EQ(service->IsReady(), ready ? 1u : 0u);
    EXPECT_EQ(reason[0] == '\0', ready) << reason;
    HDXPortRequest status{0x64, 0x5A5A, 1};
    uint32_t value = 0xABCDEF00;
    EXPECT_EQ(service->ReadPort(&status, &value), ready ? 0u : 2u);
    // The module hands back whatever the factory gave it, null included.
    plugin.Get<DestroyHDXServiceFunction>(kDestroyServiceSymbol)(nullptr);
}

// The environment names the scenario and the log file when the plug-in is first used, before the
// file beside it; a reset reads them again and starts afresh; all services share one controller;
// a bad scenario leaves it not ready with one line on standard error and in the log file.
TEST(SimulatorPlugin, ScenarioLogAndComplaints)
{
    ScratchFolder folder;
    const std::string copy = folder.Root() + "/" + kDriverServiceLibraryName;
    std::filesystem::copy_file(PluginPath("i8042-sim"), copy);
    folder.Write("i8042-scenario", "keyboard ff: fa +500ms fd\n");
    const std::string logPath = folder.Root() + "/i8042.log";
    {
        Plugin plugin(copy);
        ASSERT_EQ(setenv("HALVIK_I8042_SCENARIO", FixturePath("i8042-self-test-fails-fc").c_str(), 1), 0);
        ASSERT_EQ(setenv("HALVIK_I8042_LOG", logPath.c_str(), 1), 0);
        EXPECT_TRUE(CarefulHost(*plugin.Create()).Play("Kff=fa fc"));
        EXPECT_EQ(plugin.Source(), FixturePath("i8042-self-test-fails-fc"));
    }
    void* stillLoaded = dlopen(I8042_SIMULATOR_SONAME, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(stillLoaded, nullptr) << "the last dlclose unloads the plug-in";
    ASSERT_EQ(setenv("HALVIK_I8042_SCENARIO", FixturePath("i8042-echo-only-keyboard").c_str(), 1), 0);
    Plugin plugin(copy);
    const std::shared_ptr<HDXService> first = plugin.Create();
    const std::shared_ptr<HDXService> second = plugin.Create();
    EXPECT_TRUE(CarefulHost(*first).Play("Kff=, Kee=ee, W56"));
    const std::string runs = folder.Read("i8042.log");
    ASSERT_EQ(unsetenv("HALVIK_I8042_SCENARIO"), 0);
    ASSERT_EQ(plugin.Reset(""), 1);
    EXPECT_EQ(plugin.Source(), folder.Root() + "/i8042-scenario");
    const auto log = [&plugin] { return drivertest::ExportedLog(plugin.handle); };
    EXPECT_TRUE(CarefulHost(*first, log).Play("L1=, Kff=fa fd, W56"));
    EXPECT_TRUE(CarefulHost(*second, log).Play("Q=56, L1=seq=1 time=0.000000 read port=0x64 value=0x14 config=0x47"));
    std::string formatted;
    for (const corvo::i8042::LogEntry& entry : log()) {
        formatted += corvo::i8042::FormatLogEntry(entry) + "\n";
    }
    EXPECT_EQ(plugin.Log(), formatted) << "every field of the exported entries";
    EXPECT_EQ(folder.Read("i8042.log"), runs + "# scenario " + folder.Root() + "/i8042-scenario\n" + formatted) << "appended";
    const auto entryAt = plugin.Get<I8042SimulatorLogEntryAtFunction>(I8042_SIMULATOR_LOG_ENTRY_AT_SYMBOL);
    I8042SimulatorLogEntry beyond{};
    EXPECT_EQ(entryAt(log().size(), &beyond), 0);
    EXPECT_EQ(entryAt(0, nullptr), 0);

    const std::string path = folder.Write("scenario", "keyboard ff: fa\nkeyboard ff 2 times: fe\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(plugin.Reset(path), 0);
    EXPECT_EQ(plugin.Reset(folder.Root() + "/typo"), 0) << "a missing named file is not replaced by a good keyboard";
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "i8042 simulator: " + path
                  + ":2: this rule is never used: the rule on line 1 has no count and answers every such command;"
                    " the simulated controller is not ready\ni8042 simulator: " + folder.Root()
                  + "/typo: cannot be read: No such file or directory; the simulated controller is not ready\n");
    EXPECT_NE(folder.Read("i8042.log").find("\n# scenario " + path + " (not usable)\n"), std::string::npos);
    EXPECT_EQ(first->IsReady(), 0u);
    HDXPortRequest request{0x64, 0, 1};
    uint32_t value = 0x77;
    EXPECT_EQ(first->ReadPort(&request, &value), 2u);
    EXPECT_EQ(value, 0x77u);
    EXPECT_EQ(plugin.Log(), "");

    const std::string unwritable = folder.Root() + "/no-such-folder/i8042.log";
    ASSERT_EQ(setenv("HALVIK_I8042_LOG", unwritable.c_str(), 1), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(plugin.Reset(""), 1) << "a log file that cannot be opened stops nothing";
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot append to " + unwritable), std::string::npos);
    EXPECT_TRUE(CarefulHost(*first).Play("Kee=ee"));
    ASSERT_EQ(unsetenv("HALVIK_I8042_LOG"), 0);
}

} // namespace
