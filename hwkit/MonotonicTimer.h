// The library's timer: microsecond ticks of the monotonic clock and an interruption-proof sleep.
#pragma once

#include "platform/hwkit.h"

namespace corvo::platform {

// A tick is the monotonic clock in microseconds, cut to 32 bits. Microseconds resolve the short
// polls of the PS/2 exchange (a controller answers within a millisecond) and still leave 2^32 us,
// about 71.6 minutes, between wraps; ElapsedSeconds subtracts unsigned, so an interval that spans
// one wrap is measured correctly. Longer intervals are not measured by any caller.
class MonotonicTimer final : public ::hwkit::Timer {
public:
    static constexpr double kTicksPerSecond = 1'000'000.0;

    // Sleeps the whole time even when a signal interrupts the sleep.
    void Sleep(uint32_t milliseconds) override;
    double ElapsedSeconds(uint32_t earlierTick, uint32_t laterTick) override;
    uint32_t GetTick() override;

    // The arithmetic of ElapsedSeconds, shared with the test double so both wrap the same way.
    static double TicksToSeconds(uint32_t earlierTick, uint32_t laterTick)
    {
        return static_cast<uint32_t>(laterTick - earlierTick) / kTicksPerSecond;
    }
};

} // namespace corvo::platform
