// What this machine lets the test process do with the keyboard controller's ports, found out directly.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#endif

namespace drivertest {

// I/O permission on both ports for a fresh thread (so the test's own threads keep none), or the
// port device opened for reading and writing. Asked of the kernel, not of the code under test.
inline bool MachineGrantsPortAccess()
{
    bool ioPermission = false;
#if defined(__x86_64__) || defined(__i386__)
    std::thread probe([&ioPermission] { ioPermission = ioperm(0x60, 1, 1) == 0 && ioperm(0x64, 1, 1) == 0; });
    probe.join();
#endif
    const int fd = open("/dev/port", O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        close(fd);
    }
    return ioPermission || fd >= 0;
}

} // namespace drivertest
