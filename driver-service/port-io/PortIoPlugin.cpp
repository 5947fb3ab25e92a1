// The exports of the port-I/O plug-in: a service over the kernel's port access, and the check
// that tells the hosts why the controller cannot be reached.
#include <algorithm>
#include <cstring>
#include <memory>
#include <thread>

#include "PortAccessCheck.h"
#include "PortIoService.h"
#include "SystemPortAccess.h"

#define PORT_IO_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using corvo::driverservice::PortAccessVerdict;

// Privilege, lockdown and the controller do not change while the process runs.
const PortAccessVerdict& MachineVerdict()
{
    static const PortAccessVerdict verdict = corvo::driverservice::JudgePortAccess(corvo::driverservice::GatherPortAccessFacts());
    return verdict;
}

// The kernel may still refuse (no I/O instructions, no /dev/port, a security module). Asked on a
// thread of its own: I/O permission belongs to a thread and dies with it, so the caller's thread
// is not left with access it never asked for.
PortAccessVerdict TryAccess()
{
    PortAccessVerdict verdict;
    std::thread([&verdict] {
        corvo::driverservice::SystemPortAccess access;
        if (!access.Prepare()) {
            verdict = {HDXServiceAccess::KernelRefused, "the kernel refused port access (" + access.Problem() + ")"};
        }
    }).join();
    return verdict;
}

} // namespace

PORT_IO_EXPORT HDXService* CreateHDXService()
{
    // The factory is called across a C boundary: a failed allocation means no service, not a throw.
    try {
        return new corvo::driverservice::PortIoService(std::make_unique<corvo::driverservice::SystemPortAccess>(),
                                                       MachineVerdict());
    } catch (...) {
        return nullptr;
    }
}

PORT_IO_EXPORT void DestroyHDXService(HDXService* service) { delete service; }

PORT_IO_EXPORT uint32_t CheckHDXServiceAccess(char* reason, uint32_t size)
{
    try {
        PortAccessVerdict verdict = MachineVerdict();
        if (verdict.access == HDXServiceAccess::Reachable) {
            verdict = TryAccess();
        }
        if (reason != nullptr && size > 0) {
            const std::size_t length = std::min<std::size_t>(verdict.reason.size(), size - 1);
            std::memcpy(reason, verdict.reason.data(), length);
            reason[length] = '\0';
        }
        return static_cast<uint32_t>(verdict.access);
    } catch (...) {
        return static_cast<uint32_t>(HDXServiceAccess::KernelRefused);
    }
}
