// Worker-thread run of one test.
#include "TestRunner.h"

#include <chrono>
#include <exception>
#include <future>
#include <thread>

#include "HostExecution.h"
#include "module/Test.h"
#include "module/TestResult.h"

namespace corvo::hosts {

RunOutcome RunGuarded(Test& test, HostExecution& execution)
{
    RunOutcome outcome;
    try {
        outcome.result = test.Run(&execution);
    } catch (const std::exception& error) {
        outcome.result = InternalError;
        outcome.exception = error.what();
    } catch (...) {
        outcome.result = InternalError;
        outcome.exception = "unknown exception";
    }
    return outcome;
}

RunOutcome RunOnWorkerThread(Test& test, HostExecution& execution, const std::function<void()>& waitStep)
{
    std::promise<RunOutcome> promise;
    std::future<RunOutcome> future = promise.get_future();
    std::thread worker([&test, &execution, &promise] { promise.set_value(RunGuarded(test, execution)); });
    while (future.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        if (waitStep) {
            waitStep();
        }
    }
    worker.join();
    return future.get();
}

} // namespace corvo::hosts
