// The requests a driver service accepts: one byte on the keyboard controller's two ports, nothing else.
#pragma once

#include <cstdint>

#include "platform/HDXService.h"

namespace corvo::driverservice {

inline constexpr uint16_t kDataPort = 0x60;
// Read: the status byte; write: a controller command.
inline constexpr uint16_t kStatusCommandPort = 0x64;

// What ReadPort and WritePort return. The module does not look at it; tests and diagnostics programs do.
enum class PortResult : uint32_t {
    Done = 0,
    Refused = 1,  // not a request this service carries out: port, width or a missing pointer
    NotReady = 2, // the service cannot reach the controller now (see IsReady)
    Failed = 3,   // the system refused the access itself
};

inline constexpr uint32_t ToCode(PortResult result) { return static_cast<uint32_t>(result); }

bool IsControllerPort(uint16_t port);

// Done when the request names port 0x60 or 0x64 with width 1 and both pointers are present;
// the padding field is never looked at, because the module leaves it unset.
PortResult CheckReadRequest(const HDXPortRequest* request, const uint32_t* value);
PortResult CheckWriteRequest(const HDXPortWriteRequest* request);

// The module clears the low byte and reads only the low byte, so only that byte is replaced.
inline void StoreLowByte(uint32_t& value, uint8_t byte) { value = (value & ~uint32_t{0xFF}) | byte; }

} // namespace corvo::driverservice
