// Checks every request before it reaches the hardware: two ports, one byte, a short command list.
#include "PortIoService.h"

#include "PortRequestCheck.h"

namespace corvo::driverservice {

bool IsPermittedControllerCommand(uint8_t command)
{
    for (const ControllerCommandName& entry : kPermittedControllerCommands) {
        if (entry.command == command) {
            return true;
        }
    }
    return false;
}

PortIoService::PortIoService(std::unique_ptr<PortAccess> access, PortAccessVerdict verdict)
    : m_access(std::move(access)), m_verdict(std::move(verdict))
{
}

uint32_t PortIoService::IsReady()
{
    return m_verdict.access == HDXServiceAccess::Reachable && m_access->Prepare() ? 1 : 0;
}

uint32_t PortIoService::ReadPort(HDXPortRequest* request, uint32_t* value)
{
    const PortResult check = CheckReadRequest(request, value);
    if (check != PortResult::Done) {
        return ToCode(check);
    }
    if (IsReady() == 0) {
        return ToCode(PortResult::NotReady);
    }
    uint8_t byte = 0;
    if (!m_access->Read(request->port, byte)) {
        return ToCode(PortResult::Failed);
    }
    StoreLowByte(*value, byte);
    return ToCode(PortResult::Done);
}

uint32_t PortIoService::WritePort(HDXPortWriteRequest* request)
{
    const PortResult check = CheckWriteRequest(request);
    if (check != PortResult::Done) {
        return ToCode(check);
    }
    const uint8_t byte = request->data[0];
    if (request->port == kStatusCommandPort && !IsPermittedControllerCommand(byte)) {
        return ToCode(PortResult::Refused);
    }
    if (IsReady() == 0) {
        return ToCode(PortResult::NotReady);
    }
    return ToCode(m_access->Write(request->port, byte) ? PortResult::Done : PortResult::Failed);
}

} // namespace corvo::driverservice
