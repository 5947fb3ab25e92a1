// The host's view of the driver-service plug-in, for messages that say why a test cannot run.
#include "DriverServiceState.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/HDXService.h"
#include "platform/linux/LibraryTrust.h"

namespace corvo::hosts {

DriverServiceState DescribeDriverService(const std::string& workDirectory)
{
    DriverServiceState state;
    state.path = workDirectory + "/" + kDriverServiceLibraryName;
    const int fd = open(state.path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        state.problem = std::strerror(errno);
        return state;
    }
    state.found = true;
    const auto trust = corvo::platform::CheckLibraryTrust(fd, state.path, geteuid(), corvo::platform::InvokingUser());
    close(fd);
    state.usable = trust.trusted;
    state.problem = trust.reason;
    return state;
}

std::string DriverServiceState::Summary() const
{
    if (!found) {
        return "not found (" + path + ": " + problem + ")";
    }
    if (!usable) {
        return "refused: " + problem;
    }
    return path;
}

} // namespace corvo::hosts
