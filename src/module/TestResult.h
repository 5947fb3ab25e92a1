// Result codes of a test run, message kinds and the system-event masks the tests apply.
#pragma once

#include <cstdint>

enum TestResult : uint32_t {
    Passed = 0,
    Failed = 1,
    // 2 is never returned by this module.
    NotRun = 3,
    Aborted = 4,
    PassedWithWarnings = 5,
    InternalError = 6,
};

enum MessageKind : uint32_t {
    Information = 0, // also every abort and not-run message, and the device hint
    Warning = 1,     // goes with PassedWithWarnings unless the run failed
    FailureDetail = 2,
};

namespace corvo::keyboard {
// Any of these bits in the host's system-event value compromises an automatic test or an open
// dialog; the interactive tests' own checks look at the low byte with the narrower mask.
inline constexpr uint32_t kAutomaticTestEventMask = 0x1FB;
inline constexpr uint32_t kInteractiveTestEventMask = 0xFB;
} // namespace corvo::keyboard
