// The keyboard-interrupt check over an access log.
#include "SimulatorLogCheck.h"

namespace drivertest {

namespace {

bool InterruptOn(const corvo::i8042::LogEntry& entry)
{
    return (entry.configuration & corvo::i8042::kConfigurationKeyboardInterrupt) != 0;
}

} // namespace

testing::AssertionResult KeyboardInterruptRestored(const std::vector<corvo::i8042::LogEntry>& log)
{
    // Changing the configuration byte takes two writes, so the first access never changes it and
    // shows the state the host found.
    const corvo::i8042::LogEntry* switchedOff = nullptr;
    bool wasOn = log.empty() || InterruptOn(log.front());
    for (const corvo::i8042::LogEntry& entry : log) {
        const bool on = InterruptOn(entry);
        if (wasOn && !on) {
            switchedOff = &entry;
        } else if (on) {
            switchedOff = nullptr;
        }
        wasOn = on;
    }
    if (switchedOff != nullptr) {
        return testing::AssertionFailure() << "the keyboard interrupt stays off after "
                                           << corvo::i8042::FormatLogEntry(*switchedOff);
    }
    return testing::AssertionSuccess();
}

std::vector<corvo::i8042::LogEntry> Entries(const std::deque<corvo::i8042::LogEntry>& log)
{
    return {log.begin(), log.end()};
}

} // namespace drivertest
