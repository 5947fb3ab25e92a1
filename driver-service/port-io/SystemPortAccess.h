// Port access through the kernel: I/O permission for the thread on x86, else the /dev/port device.
#pragma once

#include <mutex>
#include <string>

#include "PortAccess.h"

namespace corvo::driverservice {

struct SystemPortAccessOptions {
    // Ask for I/O permission on ports 0x60 and 0x64 (x86 only; elsewhere this is ignored).
    bool tryIoPermission = true;
    // The port device, read and written at the port number as offset. Tests point it at a file.
    std::string devicePortPath = "/dev/port";
};

class SystemPortAccess : public PortAccess {
public:
    explicit SystemPortAccess(SystemPortAccessOptions options = {});
    ~SystemPortAccess() override;
    SystemPortAccess(const SystemPortAccess&) = delete;
    SystemPortAccess& operator=(const SystemPortAccess&) = delete;

    bool Prepare() override;
    bool Read(uint16_t port, uint8_t& value) override;
    bool Write(uint16_t port, uint8_t value) override;
    std::string Problem() const override;

private:
    bool OpenDevicePort();

    SystemPortAccessOptions m_options;
    mutable std::mutex m_mutex;
    int m_devicePort = -1;
    bool m_devicePortTried = false;
    std::string m_ioPermissionProblem;
    std::string m_devicePortProblem;
};

} // namespace corvo::driverservice
