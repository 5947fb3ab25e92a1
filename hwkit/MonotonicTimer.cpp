// The library's timer: microsecond ticks of the monotonic clock and an interruption-proof sleep.
#include "MonotonicTimer.h"

#include <cerrno>
#include <ctime>

namespace corvo::platform {

void MonotonicTimer::Sleep(uint32_t milliseconds)
{
    timespec remaining{};
    remaining.tv_sec = static_cast<time_t>(milliseconds / 1000u);
    remaining.tv_nsec = static_cast<long>(milliseconds % 1000u) * 1'000'000L;
    // nanosleep measures against CLOCK_MONOTONIC and leaves what is left in "remaining" when a
    // signal cuts it short; a host's signal handlers must not shorten a settling pause.
    while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
    }
}

double MonotonicTimer::ElapsedSeconds(uint32_t earlierTick, uint32_t laterTick)
{
    return TicksToSeconds(earlierTick, laterTick);
}

uint32_t MonotonicTimer::GetTick()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t microseconds =
        static_cast<uint64_t>(now.tv_sec) * 1'000'000u + static_cast<uint64_t>(now.tv_nsec) / 1000u;
    return static_cast<uint32_t>(microseconds);
}

} // namespace corvo::platform
