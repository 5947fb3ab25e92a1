// How the hosts name a result code and fold several results into one exit status.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvo::hosts {

// "passed", "failed", "not run", "aborted", "passed with warnings", "internal error": always
// English, as run reports give them beside the code for scripts to read.
std::string ResultName(uint32_t result);
// The message kind as a word: "info", "warning", "failure"; English, as ResultName.
std::string MessageKindName(uint32_t kind);
// The same words in the user's language, for what a host prints or shows.
std::string ResultText(uint32_t result);
std::string MessageKindText(uint32_t kind);

enum ExitStatus : int {
    kExitPassed = 0,   // every chosen test passed, possibly with warnings
    kExitFailed = 1,   // at least one test failed
    kExitUsage = 2,    // the command line could not be understood
    kExitNotRun = 3,   // nothing failed, but at least one test did not run or was aborted
    kExitError = 4,    // the module could not be used, or a test reported an internal error
};

// Error outranks failure, failure outranks "not run", which outranks a pass.
int ExitStatusFor(const std::vector<uint32_t>& results);

} // namespace corvo::hosts
