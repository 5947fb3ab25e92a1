// Runs a test on a worker thread, as the module expects of its hosts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class Test;

namespace corvo::hosts {

class HostExecution;

struct RunOutcome {
    uint32_t result = 0;
    // Set when Run threw instead of returning; the result is then InternalError.
    std::string exception;
};

// Calls Run(execution) on the calling thread and turns an escaping exception into InternalError.
// For a host that keeps its own worker thread.
RunOutcome RunGuarded(Test& test, HostExecution& execution);

// Starts Run(execution) on a new thread and blocks until it returns. waitStep, when given, is
// called on the calling thread about every 50 ms while the test runs (for a host's own work).
RunOutcome RunOnWorkerThread(Test& test, HostExecution& execution, const std::function<void()>& waitStep = {});

} // namespace corvo::hosts
