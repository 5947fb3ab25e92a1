// The driver service that performs the module's port requests on the real keyboard controller.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "DriverServiceBase.h"
#include "PortAccess.h"
#include "PortAccessCheck.h"

namespace corvo::driverservice {

struct ControllerCommandName {
    uint8_t command;
    std::string_view name;
};

// The controller commands this service passes to port 0x64. Everything else is refused because
// this library runs as root against the real chip: 0xD1 writes the output port (the A20 gate and
// the processor's reset line), 0xF0..0xFF pulse those lines (0xFE restarts the machine), and 0xAA
// re-initialises the controller under the kernel's driver on some chipsets. Command numbers from
// the 8042 command table of the IBM PC/AT and PS/2 technical references.
inline constexpr ControllerCommandName kPermittedControllerCommands[] = {
    {0x20, "read configuration byte"},
    {0x60, "write configuration byte"},
    {0xA7, "disable pointing-device interface"},
    {0xA8, "enable pointing-device interface"},
    {0xAD, "disable keyboard interface"},
    {0xAE, "enable keyboard interface"},
};

bool IsPermittedControllerCommand(uint8_t command);

class PortIoService : public DriverServiceBase {
public:
    // verdict: what the machine allows, judged once at load; a service that cannot reach the
    // controller is never ready, so the module reports the test as not run instead of running it
    // against ports that answer nothing.
    explicit PortIoService(std::unique_ptr<PortAccess> access, PortAccessVerdict verdict = {});

    uint32_t IsReady() override;
    uint32_t ReadPort(HDXPortRequest* request, uint32_t* value) override;
    uint32_t WritePort(HDXPortWriteRequest* request) override;

    const PortAccess& Access() const { return *m_access; }
    const PortAccessVerdict& Verdict() const { return m_verdict; }

private:
    std::unique_ptr<PortAccess> m_access;
    PortAccessVerdict m_verdict;
};

} // namespace corvo::driverservice
