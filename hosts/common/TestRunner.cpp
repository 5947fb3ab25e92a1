// Worker-thread run of one test.
#include "TestRunner.h"

#include <QCoreApplication>
#include <QString>

#include <exception>
#include <future>
#include <memory>
#include <optional>
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
    using Clock = std::chrono::steady_clock;
    // Shared with the worker, which outlives this call when its test is given up.
    auto promise = std::make_shared<std::promise<RunOutcome>>();
    std::future<RunOutcome> future = promise->get_future();
    std::thread worker([&test, &execution, promise] { promise->set_value(RunGuarded(test, execution)); });
    std::optional<Clock::time_point> cancelSeen;
    while (future.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        if (waitStep) {
            waitStep();
        }
        if (execution.IsCancelRequested() && !cancelSeen) {
            cancelSeen = Clock::now();
        }
        if (cancelSeen && Clock::now() - *cancelSeen >= kCancelGrace) {
            execution.Abandon();
            worker.detach();
            RunOutcome outcome;
            outcome.result = Aborted;
            outcome.givenUp = true;
            return outcome;
        }
    }
    worker.join();
    return future.get();
}

std::string GivenUpReason()
{
    return QCoreApplication::translate("TestRunner",
                                       "the test did not stop within %1 s of the cancel request and was given up")
        .arg(kCancelGrace.count())
        .toStdString();
}

} // namespace corvo::hosts
