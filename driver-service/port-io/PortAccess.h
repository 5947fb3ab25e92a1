// How the port-I/O service reaches the keyboard controller's ports; replaced by a recorder in tests.
#pragma once

#include <cstdint>
#include <string>

namespace corvo::driverservice {

class PortAccess {
public:
    virtual ~PortAccess() = default;

    // True when the calling thread can reach the ports now, getting access first if it has not
    // tried yet. Called before every access because I/O permission on x86 belongs to a thread.
    virtual bool Prepare() = 0;
    virtual bool Read(uint16_t port, uint8_t& value) = 0;
    virtual bool Write(uint16_t port, uint8_t value) = 0;
    // Why Prepare failed, in words for a technician; empty while access works.
    virtual std::string Problem() const = 0;
};

} // namespace corvo::driverservice
