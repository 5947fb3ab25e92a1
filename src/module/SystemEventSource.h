// Host-side source of system events (power, session and similar changes) that a test polls.
#pragma once

#include <cstdint>

class SystemEventSource {
public:
    virtual ~SystemEventSource() = default;
    // A set of flags; the module only tests masks against it, never single bits.
    virtual uint32_t GetSystemEvents() = 0;
};
