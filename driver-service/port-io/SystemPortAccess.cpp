// ioperm with inb/outb where the processor has I/O instructions, pread/pwrite on /dev/port otherwise.
#include "SystemPortAccess.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "PortRequestCheck.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define HALVIK_HAS_IO_PERMISSION 1
#else
#define HALVIK_HAS_IO_PERMISSION 0
#endif

namespace corvo::driverservice {

namespace {

enum class IoPermission { NotAsked, Granted, Refused };

// The kernel keeps the I/O permission bitmap per thread, and a thread started before the grant
// does not share it: the module creates the service on one thread and runs the PS/2 test on
// another. So every thread asks for itself, once, and remembers the answer. The grant is never
// given back: another service object on the same thread may still rely on it, and it ends with
// the thread anyway.
thread_local IoPermission t_ioPermission = IoPermission::NotAsked;
thread_local int t_ioPermissionError = 0;

#if HALVIK_HAS_IO_PERMISSION
IoPermission AskForIoPermission(int& error)
{
    // Exactly the two ports: a range 0x60..0x64 would also open 0x61 (speaker and NMI control).
    if (ioperm(kDataPort, 1, 1) != 0) {
        error = errno;
        return IoPermission::Refused;
    }
    if (ioperm(kStatusCommandPort, 1, 1) != 0) {
        error = errno;
        ioperm(kDataPort, 1, 0);
        return IoPermission::Refused;
    }
    return IoPermission::Granted;
}
#endif

bool ThreadHasIoPermission(bool tryIoPermission, std::string& problem)
{
#if HALVIK_HAS_IO_PERMISSION
    if (!tryIoPermission) {
        return false;
    }
    if (t_ioPermission == IoPermission::NotAsked) {
        t_ioPermission = AskForIoPermission(t_ioPermissionError);
    }
    if (t_ioPermission == IoPermission::Refused) {
        problem = std::string("ioperm: ") + std::strerror(t_ioPermissionError);
    }
    return t_ioPermission == IoPermission::Granted;
#else
    (void)tryIoPermission;
    problem = "ioperm: this processor has no I/O instructions";
    return false;
#endif
}

} // namespace

SystemPortAccess::SystemPortAccess(SystemPortAccessOptions options) : m_options(std::move(options)) {}

SystemPortAccess::~SystemPortAccess()
{
    if (m_devicePort >= 0) {
        close(m_devicePort);
    }
}

bool SystemPortAccess::OpenDevicePort()
{
    if (!m_devicePortTried) {
        m_devicePortTried = true;
        m_devicePort = open(m_options.devicePortPath.c_str(), O_RDWR | O_CLOEXEC);
        if (m_devicePort < 0) {
            m_devicePortProblem = m_options.devicePortPath + ": " + std::strerror(errno);
        }
    }
    return m_devicePort >= 0;
}

bool SystemPortAccess::Prepare()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string ioPermissionProblem;
    if (ThreadHasIoPermission(m_options.tryIoPermission, ioPermissionProblem)) {
        return true;
    }
    m_ioPermissionProblem = ioPermissionProblem;
    return OpenDevicePort();
}

bool SystemPortAccess::Read(uint16_t port, uint8_t& value)
{
#if HALVIK_HAS_IO_PERMISSION
    if (m_options.tryIoPermission && t_ioPermission == IoPermission::Granted) {
        value = inb(port);
        return true;
    }
#endif
    std::lock_guard<std::mutex> lock(m_mutex);
    uint8_t byte = 0;
    if (m_devicePort < 0 || pread(m_devicePort, &byte, 1, port) != 1) {
        return false;
    }
    value = byte;
    return true;
}

bool SystemPortAccess::Write(uint16_t port, uint8_t value)
{
#if HALVIK_HAS_IO_PERMISSION
    if (m_options.tryIoPermission && t_ioPermission == IoPermission::Granted) {
        outb(value, port);
        return true;
    }
#endif
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_devicePort >= 0 && pwrite(m_devicePort, &value, 1, port) == 1;
}

std::string SystemPortAccess::Problem() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_devicePort >= 0) {
        return {};
    }
    std::string problem = m_ioPermissionProblem;
    if (!m_devicePortProblem.empty()) {
        problem += (problem.empty() ? "" : "; ") + m_devicePortProblem;
    }
    return problem;
}

} // namespace corvo::driverservice
