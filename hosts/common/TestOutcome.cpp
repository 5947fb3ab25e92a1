// Result names and the exit status of a set of results.
#include "TestOutcome.h"

#include "module/TestResult.h"

namespace corvo::hosts {

std::string ResultName(uint32_t result)
{
    switch (result) {
    case Passed: return "passed";
    case Failed: return "failed";
    case NotRun: return "not run";
    case Aborted: return "aborted";
    case PassedWithWarnings: return "passed with warnings";
    case InternalError: return "internal error";
    default: return "unknown result " + std::to_string(result);
    }
}

std::string MessageKindName(uint32_t kind)
{
    switch (kind) {
    case Information: return "info";
    case Warning: return "warning";
    case FailureDetail: return "failure";
    default: return "kind " + std::to_string(kind);
    }
}

int ExitStatusFor(const std::vector<uint32_t>& results)
{
    int status = kExitPassed;
    auto rank = [](int exitStatus) {
        switch (exitStatus) {
        case kExitError: return 3;
        case kExitFailed: return 2;
        case kExitNotRun: return 1;
        default: return 0;
        }
    };
    for (uint32_t result : results) {
        int candidate = kExitPassed;
        if (result == Failed) {
            candidate = kExitFailed;
        } else if (result == NotRun || result == Aborted) {
            candidate = kExitNotRun;
        } else if (result != Passed && result != PassedWithWarnings) {
            candidate = kExitError;
        }
        if (rank(candidate) > rank(status)) {
            status = candidate;
        }
    }
    return status;
}

} // namespace corvo::hosts
