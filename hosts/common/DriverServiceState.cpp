// The host's view of the driver-service plug-in, for messages that say why a test cannot run.
#include "DriverServiceState.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstring>
#include <thread>

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

// Whether the plug-in hands out a service that says it is ready, as the module will ask it; empty
// when it does. On a thread of its own, as the module's tests run: a service may take rights for
// the thread that asks (I/O permission belongs to a thread) that the host's thread never wanted.
std::string ServiceProblem(corvo::platform::DynamicLibraries& libraries, void* library, CreateHDXServiceFunction create)
{
    std::string problem;
    std::thread([&] {
        HDXService* service = create();
        if (service == nullptr) {
            problem = QCoreApplication::translate("DriverServiceState", "%1 returned no service")
                          .arg(QString::fromLatin1(kCreateServiceSymbol))
                          .toStdString();
            return;
        }
        if (service->IsReady() == 0) {
            problem = QCoreApplication::translate("DriverServiceState", "the service says it is not ready").toStdString();
        }
        if (auto destroy = reinterpret_cast<DestroyHDXServiceFunction>(libraries.Resolve(library, kDestroyServiceSymbol))) {
            destroy(service);
        }
    }).join();
    return problem;
}

} // namespace

DriverServiceState DescribeDriverService(const std::string& workDirectory)
{
    DriverServiceState state;
    state.path = workDirectory + "/" + kDriverServiceLibraryName;
    // Told apart from "refused" before loading: a missing file is the common case, not a fault. Not
    // waited on: a FIFO in its place would block an ordinary open until someone wrote to it.
    const int fd = open(state.path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        state.found = errno != ENOENT && errno != ENOTDIR;
        state.problem = (state.found ? state.path + ": " : "") + std::strerror(errno);
        return state;
    }
    state.found = true;
    struct stat status {};
    const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    close(fd);
    if (!regular) {
        state.problem = QCoreApplication::translate("DriverServiceState", "%1 is not a regular file")
                            .arg(Q(state.path))
                            .toStdString();
        return state;
    }
    // Loaded the way the module loads it, trust rules included, so what is shown is what the
    // module will meet; a plug-in already loaded by the module is shared, not loaded twice.
    corvo::platform::DynamicLibraries& libraries = corvo::platform::SystemDynamicLibraries();
    void* library = libraries.Load(state.path, state.problem);
    if (library == nullptr) {
        return state;
    }
    auto create = reinterpret_cast<CreateHDXServiceFunction>(libraries.Resolve(library, kCreateServiceSymbol));
    if (create == nullptr) {
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
    if (state.usable) {
        state.problem = ServiceProblem(libraries, library, create);
        state.usable = state.problem.empty();
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
