// Checks over the simulator's access log that tests of any host can share.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "I8042Simulator.h"

namespace drivertest {

// Success when every access that left the keyboard interrupt (configuration bit 0) off is
// followed by one that has it on again, so the log ends with it on or never switched it off.
// The failure names the access that switched it off for the last time.
testing::AssertionResult KeyboardInterruptRestored(const std::vector<corvo::i8042::LogEntry>& log);

// The log a loaded simulator plug-in (its dlopen handle) exports.
std::vector<corvo::i8042::LogEntry> ExportedLog(void* plugin);

} // namespace drivertest
