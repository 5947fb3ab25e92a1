// The exports of the simulator plug-in: the factories, the log, the reset hook, and where the scenario lives.
#include <dlfcn.h>

#include <climits>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>

#include "I8042SimulatorExports.h"
#include "SimulatorInstance.h"
#include "SimulatorService.h"

#define SIMULATOR_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using corvo::i8042::SimulatorInstance;

const char g_marker = 0;

// Found while the library is being loaded, because only then does its name still lead to the
// file: the module loads it through /proc/self/fd/N and closes that descriptor right after.
std::string FindPluginFolder()
{
    Dl_info info {};
    if (dladdr(&g_marker, &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved) == nullptr) {
        return {};
    }
    std::string path = resolved;
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
}

const std::string g_pluginFolder = FindPluginFolder();

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool LoadInstance(SimulatorInstance& instance, const char* scenarioPath)
{
    corvo::i8042::InstanceSettings settings;
    settings.scenarioPath = scenarioPath != nullptr ? scenarioPath : Environment(corvo::i8042::kScenarioEnvironmentVariable);
    settings.pluginFolder = g_pluginFolder;
    settings.logPath = Environment(corvo::i8042::kLogEnvironmentVariable);
    return instance.Load(settings);
}

SimulatorInstance& TheInstance()
{
    static SimulatorInstance instance;
    return instance;
}

std::mutex g_loadMutex;
bool g_loaded = false;

// The texts handed out stay valid until the next call of the same function. They are plain
// statics, not thread_local: a thread_local with a destructor keeps the C library from unloading
// the plug-in at dlclose, and the module expects a released plug-in to start afresh when loaded
// again.
std::mutex g_textMutex;
std::string g_logText;
std::string g_sourceText;

// The scenario is read when the plug-in is first used rather than when it is loaded, so a test
// that sets the environment after loading the library still chooses the scenario.
SimulatorInstance& Instance()
{
    std::lock_guard<std::mutex> lock(g_loadMutex);
    if (!g_loaded) {
        g_loaded = true;
        LoadInstance(TheInstance(), nullptr);
    }
    return TheInstance();
}

} // namespace

SIMULATOR_EXPORT HDXService* CreateHDXService()
{
    try {
        return new corvo::i8042::SimulatorService(Instance());
    } catch (...) {
        return nullptr;
    }
}

SIMULATOR_EXPORT void DestroyHDXService(HDXService* service) { delete service; }

SIMULATOR_EXPORT int I8042SimulatorReset(const char* scenarioPath)
{
    try {
        std::lock_guard<std::mutex> lock(g_loadMutex);
        g_loaded = true;
        return LoadInstance(TheInstance(), scenarioPath) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

SIMULATOR_EXPORT size_t I8042SimulatorLogCount()
{
    try {
        return Instance().LogCount();
    } catch (...) {
        return 0;
    }
}

SIMULATOR_EXPORT int I8042SimulatorLogEntryAt(size_t index, I8042SimulatorLogEntry* entry)
{
    if (entry == nullptr) {
        return 0;
    }
    std::optional<corvo::i8042::LogEntry> found;
    try {
        found = Instance().LogEntryAt(index);
    } catch (...) {
        return 0;
    }
    if (!found) {
        return 0;
    }
    *entry = I8042SimulatorLogEntry{};
    entry->sequence = found->sequence;
    entry->timeMicroseconds = found->time;
    entry->port = found->port;
    entry->isWrite = found->isWrite ? 1 : 0;
    entry->value = found->value;
    entry->configuration = found->configuration;
    entry->dropped = found->dropped ? 1 : 0;
    return 1;
}

SIMULATOR_EXPORT const char* I8042SimulatorLog()
{
    std::lock_guard<std::mutex> lock(g_textMutex);
    try {
        g_logText = Instance().LogText();
    } catch (...) {
        g_logText.clear();
    }
    return g_logText.c_str();
}

SIMULATOR_EXPORT const char* I8042SimulatorScenarioSource()
{
    std::lock_guard<std::mutex> lock(g_textMutex);
    try {
        g_sourceText = Instance().Source();
    } catch (...) {
        g_sourceText.clear();
    }
    return g_sourceText.c_str();
}
