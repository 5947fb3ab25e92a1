// Runs a test on a worker thread, as the module expects of its hosts.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

class Test;

namespace corvo::hosts {

class HostExecution;

// How long a test may go on after its cancel request before the host stops waiting for it. The
// PS/2 test honours a request within one exchange with the keyboard (two seconds at most), and
// switches the keyboard interrupt back on before it returns.
inline constexpr std::chrono::seconds kCancelGrace{5};

struct RunOutcome {
    uint32_t result = 0;
    // Set when Run threw instead of returning; the result is then InternalError.
    std::string exception;
    // Set when the test ignored its cancel request for kCancelGrace: the result is then Aborted,
    // and the worker is left running inside the module, which must not be unloaded after it.
    bool givenUp = false;
};

// Calls Run(execution) on the calling thread and turns an escaping exception into InternalError.
// For a host that keeps its own worker thread.
RunOutcome RunGuarded(Test& test, HostExecution& execution);

// Starts Run(execution) on a new thread and blocks until it returns, or until kCancelGrace after
// the execution's cancel request was first seen. waitStep, when given, is called on the calling
// thread about every 50 ms while the test runs (for a host's own work). A run given up leaves the
// execution abandoned and still in use: the caller must never destroy it.
RunOutcome RunOnWorkerThread(Test& test, HostExecution& execution, const std::function<void()>& waitStep = {});

// The note a host shows beside a run it gave up on.
std::string GivenUpReason();

} // namespace corvo::hosts
