// The library's exported entry points: each hands out one object that lives as long as the process.
#include "platform/hwkit.h"

#include "FirmwareProbe.h"
#include "MonotonicTimer.h"
#include "NumberFormatter.h"
#include "TemporaryDirectory.h"
#include "platform/linux/SysfsReader.h"

namespace hwkit {

NumberHandler::~NumberHandler() = default;
Timer::~Timer() = default;

const BiosInformation* get_bios()
{
    // Firmware facts do not change while we run; reading sysfs and the SMBIOS table once keeps
    // repeated calls cheap. The static's initialisation is thread-safe.
    static const BiosInformation record = [] {
        const corvo::platform::SysfsReader reader;
        return corvo::platform::FirmwareProbe(reader).Read();
    }();
    return &record;
}

// The handler and the timer are never destroyed: a worker thread may still be timing a test while
// the process runs its exit handlers, and must not meet a destroyed object.
NumberHandler* get_number_handler()
{
    static NumberHandler* const handler = new corvo::platform::NumberFormatter();
    return handler;
}

Timer* get_timer()
{
    static Timer* const timer = new corvo::platform::MonotonicTimer();
    return timer;
}

std::string get_temporary_path()
{
    // Checked on every call: the folder can be removed, or replaced by someone else, while we run.
    return corvo::platform::TemporaryDirectory::Prepare(corvo::platform::TemporaryDirectory::BaseDirectory());
}

} // namespace hwkit
