// The request checks shared by both plug-ins.
#include "PortRequestCheck.h"

namespace corvo::driverservice {

bool IsControllerPort(uint16_t port) { return port == kDataPort || port == kStatusCommandPort; }

PortResult CheckReadRequest(const HDXPortRequest* request, const uint32_t* value)
{
    if (request == nullptr || value == nullptr) {
        return PortResult::Refused;
    }
    if (!IsControllerPort(request->port) || request->width != 1) {
        return PortResult::Refused;
    }
    return PortResult::Done;
}

PortResult CheckWriteRequest(const HDXPortWriteRequest* request)
{
    if (request == nullptr || request->data == nullptr) {
        return PortResult::Refused;
    }
    if (!IsControllerPort(request->port) || request->width != 1) {
        return PortResult::Refused;
    }
    return PortResult::Done;
}

} // namespace corvo::driverservice
