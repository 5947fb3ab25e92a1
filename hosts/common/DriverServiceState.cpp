// The host's view of the driver-service plug-in, for messages that say why a test cannot run.
#include "DriverServiceState.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstring>

#include "platform/DynamicLibraries.h"
#include "platform/HDXService.h"

namespace corvo::hosts {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

const char* AccessName(uint32_t code)
{
    switch (static_cast<HDXServiceAccess>(code)) {
    case HDXServiceAccess::Reachable:
        return "reachable";
    case HDXServiceAccess::NeedsRoot:
        return "needs-root";
    case HDXServiceAccess::KernelLockdown:
        return "kernel-lockdown";
    case HDXServiceAccess::NoController:
        return "no-controller";
    case HDXServiceAccess::KernelRefused:
        break;
    }
    return "kernel-refused";
}

} // namespace

DriverServiceState DescribeDriverService(const std::string& workDirectory)
{
    DriverServiceState state;
    state.path = workDirectory + "/" + kDriverServiceLibraryName;
    // Told apart from "refused" before loading: a missing file is the common case, not a fault.
    if (access(state.path.c_str(), F_OK) != 0) {
        state.problem = std::strerror(errno);
        return state;
    }
    state.found = true;
    // Loaded the way the module loads it, trust rules included, so what is shown is what the
    // module will meet; a plug-in already loaded by the module is shared, not loaded twice.
    corvo::platform::DynamicLibraries& libraries = corvo::platform::SystemDynamicLibraries();
    void* library = libraries.Load(state.path, state.problem);
    if (library == nullptr) {
        return state;
    }
    if (libraries.Resolve(library, kCreateServiceSymbol) == nullptr) {
        state.problem = QCoreApplication::translate("DriverServiceState", "%1 does not export %2")
                            .arg(Q(state.path), QString::fromLatin1(kCreateServiceSymbol))
                            .toStdString();
    } else if (auto check = reinterpret_cast<CheckHDXServiceAccessFunction>(
                   libraries.Resolve(library, kCheckServiceAccessSymbol))) {
        char reason[512] = {};
        const uint32_t code = check(reason, sizeof reason);
        state.access = AccessName(code);
        state.usable = code == static_cast<uint32_t>(HDXServiceAccess::Reachable);
        state.problem = state.usable ? ""
            : reason[0] != '\0'     ? reason
                                   : QCoreApplication::translate("DriverServiceState",
                                                                 "the keyboard controller cannot be reached")
                                         .toStdString();
    } else {
        state.access = "unknown";
        state.usable = true;
    }
    libraries.Free(library);
    return state;
}

std::string DriverServiceState::Summary() const
{
    if (!found) {
        return QCoreApplication::translate("DriverServiceState", "not found (%1: %2)")
            .arg(Q(path), Q(problem))
            .toStdString();
    }
    if (usable) {
        return path;
    }
    if (!access.empty()) {
        return QCoreApplication::translate("DriverServiceState", "%1 - the PS/2 test cannot run: %2")
            .arg(Q(path), Q(problem))
            .toStdString();
    }
    return QCoreApplication::translate("DriverServiceState", "refused: %1").arg(Q(problem)).toStdString();
}

} // namespace corvo::hosts
