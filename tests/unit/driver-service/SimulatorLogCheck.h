// The simulator's access log as tests of any host read it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "I8042Simulator.h"

namespace drivertest {

// The log a loaded simulator plug-in (its dlopen handle) exports.
std::vector<corvo::i8042::LogEntry> ExportedLog(void* plugin);

} // namespace drivertest
