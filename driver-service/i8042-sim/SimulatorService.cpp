// Takes the module's port requests to the simulated controller, refusing what real hardware would not get.
#include "SimulatorService.h"

#include "PortRequestCheck.h"

namespace corvo::i8042 {

using corvo::driverservice::PortResult;
using corvo::driverservice::ToCode;

SimulatorService::SimulatorService(SimulatorInstance& instance) : m_instance(instance) {}

uint32_t SimulatorService::IsReady() { return m_instance.IsReady() ? 1 : 0; }

uint32_t SimulatorService::ReadPort(HDXPortRequest* request, uint32_t* value)
{
    // The same rules as the port-I/O service, so a host that passes here passes on hardware.
    const PortResult check = corvo::driverservice::CheckReadRequest(request, value);
    if (check != PortResult::Done) {
        return ToCode(check);
    }
    uint8_t byte = 0;
    const PortResult result = m_instance.Read(request->port, byte);
    if (result == PortResult::Done) {
        corvo::driverservice::StoreLowByte(*value, byte);
    }
    return ToCode(result);
}

uint32_t SimulatorService::WritePort(HDXPortWriteRequest* request)
{
    const PortResult check = corvo::driverservice::CheckWriteRequest(request);
    if (check != PortResult::Done) {
        return ToCode(check);
    }
    return ToCode(m_instance.Write(request->port, request->data[0]));
}

} // namespace corvo::i8042
