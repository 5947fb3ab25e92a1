// The facts behind port access on Linux, and the words for each obstacle.
#include "PortAccessCheck.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace corvo::driverservice {

namespace {

constexpr unsigned kRawIoCapability = 17; // CAP_SYS_RAWIO

std::string ReadSmallFile(const std::string& path)
{
    std::ifstream file(path);
    std::string text;
    std::getline(file, text);
    return text;
}

bool Exists(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

// The effective capability set from /proc/self/status; root's euid alone is not enough under a
// container or a capability-dropping launcher, and a non-root process may hold the capability.
bool HasRawIoCapability(const std::string& procRoot, bool& known)
{
    std::ifstream status(procRoot + "/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("CapEff:", 0) != 0) {
            continue;
        }
        unsigned long long mask = 0;
        std::istringstream(line.substr(7)) >> std::hex >> mask;
        known = true;
        return ((mask >> kRawIoCapability) & 1u) != 0;
    }
    known = false;
    return false;
}

} // namespace

std::string ActiveLockdownMode(const std::string& text)
{
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos) {
        return {};
    }
    const std::string mode = text.substr(open + 1, close - open - 1);
    return mode == "none" ? std::string() : mode;
}

PortAccessFacts GatherPortAccessFacts(const std::string& sysRoot, const std::string& procRoot)
{
    PortAccessFacts facts;
    bool known = false;
    facts.privileged = HasRawIoCapability(procRoot, known);
    if (!known) {
        facts.privileged = geteuid() == 0;
    }
    facts.lockdown = ActiveLockdownMode(ReadSmallFile(sysRoot + "/kernel/security/lockdown"));
    facts.controllerFound = Exists(sysRoot + "/bus/platform/devices/i8042");
    facts.controllerDriverLoaded = Exists(sysRoot + "/bus/platform/drivers/i8042");
    return facts;
}

PortAccessVerdict JudgePortAccess(const PortAccessFacts& facts)
{
    if (!facts.controllerFound) {
        return {HDXServiceAccess::NoController,
                facts.controllerDriverLoaded
                    ? "no keyboard controller: the kernel's i8042 driver found none on this machine"
                    : "no keyboard controller: the kernel knows of none; its i8042 driver is not loaded "
                      "(if the machine has PS/2 ports, try \"modprobe i8042\")"};
    }
    if (!facts.lockdown.empty()) {
        return {HDXServiceAccess::KernelLockdown,
                "kernel lockdown (Secure Boot) forbids port access: lockdown mode \"" + facts.lockdown
                    + "\"; switching Secure Boot off in the firmware settings lifts it"};
    }
    if (!facts.privileged) {
        return {HDXServiceAccess::NeedsRoot, "needs root (raw port access needs the CAP_SYS_RAWIO privilege)"};
    }
    return {};
}

} // namespace corvo::driverservice
