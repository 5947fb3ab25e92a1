// The worlds the driver-service tests run in: a careful host talking to a service, a temporary
// folder, the built plug-ins, a simulated machine behind the simulator plug-in, this machine's ports.
#pragma once

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#endif

#include "../../support/ScratchFolder.h"
#include "I8042SimulatorExports.h"
#include "SimulatorLogCheck.h"
#include "platform/HDXService.h"

namespace drivertest {

// Every status read is one poll (100 ms on the simulator's default virtual clock); it waits at
// most 20 polls for bit 1 to clear, as the module waits 2.0 s. A refused request fails the test.
class CarefulHost {
public:
    using LogSource = std::function<std::vector<corvo::i8042::LogEntry>()>;
    explicit CarefulHost(HDXService& service, LogSource log = {}) : m_service(service), m_log(std::move(log)) {}

    uint8_t Read(uint16_t port);
    void Write(uint16_t port, uint8_t byte);

    // Steps separated by ", ", each an operation, its argument, and "=what it gave" to check; bytes
    // arrive described as in scenario files: "fa aa/parity 08/pointer".
    //   c<hex> d<hex>  write port 0x64 / 0x60 at once    C<hex> D<hex>  the same once bit 1 is clear
    //   W<hex>  write the configuration byte              Q  read it back
    //   K<hex>  send to the keyboard, collect its answer  A  collect what arrives until 15 polls bring nothing
    //   S  R    read port 0x64 / 0x60                     N  the next byte within 10 polls
    //   L<n>  log line n from 1, the last without n       T  time of the last access in microseconds
    // C, D, W, K and Q give "stuck" when bit 1 never clears; without "=", C, D and W must not.
    testing::AssertionResult Play(const std::string& script);

private:
    bool Send(uint16_t port, uint8_t byte);
    std::string Arrivals(int quietPolls, bool all);

    HDXService& m_service;
    LogSource m_log;
};


inline std::string FixturePath(const std::string& folder)
{
    return std::string(I8042_FIXTURES_DIR) + "/" + folder + "/i8042-scenario";
}

inline std::string PluginPath(const std::string& folder)
{
    return std::string(DRIVER_SERVICE_BUILD_DIR) + "/" + folder + "/" + kDriverServiceLibraryName;
}

// A plug-in loaded as the module loads it and unloaded at the end; its services go back to its own
// destroy function, null included.
struct Plugin {
    explicit Plugin(const std::string& path) : handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
    {
        EXPECT_NE(handle, nullptr) << dlerror();
    }
    ~Plugin() { handle != nullptr && dlclose(handle); }
    template <typename Function>
    Function Get(const char* symbol) const
    {
        return handle != nullptr ? reinterpret_cast<Function>(dlsym(handle, symbol)) : nullptr;
    }
    std::shared_ptr<HDXService> Create() const
    {
        const auto destroy = Get<DestroyHDXServiceFunction>(kDestroyServiceSymbol);
        return std::shared_ptr<HDXService>(Get<CreateHDXServiceFunction>(kCreateServiceSymbol)(), destroy);
    }
    // The simulator's own exports.
    int Reset(const std::string& path) const
    {
        return Get<I8042SimulatorResetFunction>(I8042_SIMULATOR_RESET_SYMBOL)(path.empty() ? nullptr : path.c_str());
    }
    std::string Source() const
    {
        return Get<I8042SimulatorScenarioSourceFunction>(I8042_SIMULATOR_SCENARIO_SOURCE_SYMBOL)();
    }
    std::string Log() const { return Get<I8042SimulatorLogFunction>(I8042_SIMULATOR_LOG_SYMBOL)(); }

    void* handle;
};

// The simulator plug-in reset to a scenario, a service and a careful host on it.
struct SimulatedMachine {
    explicit SimulatedMachine(const std::string& scenario) : ready(plugin.Reset(folder.Write("scenario", scenario)) == 1) {}

    ScratchFolder folder;
    Plugin plugin{PluginPath("i8042-sim")};
    bool ready;
    std::shared_ptr<HDXService> service = plugin.Create();
    CarefulHost host{*service, [this] { return ExportedLog(plugin.handle); }};
};

// I/O permission on both ports for a fresh thread (so the test's own threads keep none), or the
// port device opened for reading and writing: asked of the kernel, not of the code under test.
inline bool MachineGrantsPortAccess()
{
    bool ioPermission = false;
#if defined(__x86_64__) || defined(__i386__)
    std::thread([&ioPermission] { ioPermission = ioperm(0x60, 1, 1) == 0 && ioperm(0x64, 1, 1) == 0; }).join();
#endif
    const int fd = open("/dev/port", O_RDWR | O_CLOEXEC);
    return (fd >= 0 && close(fd) == 0) || ioPermission;
}

} // namespace drivertest
