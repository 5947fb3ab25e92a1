// One test run of the desktop host's session, kept whole so that a report can be made from it later.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "module/ObjectId.h"

namespace corvo::hosts::gui {

// What the module sent, untranslated, with the time it reached the execution. order counts the
// run's messages and progress reports together, so they can be put back in the order they came.
struct TimedMessage {
    std::string key; // a message key, or a key followed by a device name
    uint32_t kind = 0;
    std::chrono::milliseconds sinceStart{0};
    std::size_t order = 0;
};

struct TimedProgress {
    // As the module reported it, even when lower than a value before it; the window's bar is not.
    uint8_t percent = 0;
    std::string key; // empty or a message key
    std::chrono::milliseconds sinceStart{0};
    std::size_t order = 0;
};

struct TestRunRecord {
    ObjectId identifier{0, 0, 0};
    std::string nameKey;
    bool started = false; // the test's run was called
    uint32_t result = 0;
    std::vector<TimedMessage> messages;
    std::vector<TimedProgress> progress;
    std::chrono::system_clock::time_point startedAt;
    std::chrono::milliseconds duration{0};
    // The host's own words, in the user's language: why the test did not run or how it stopped.
    // Empty when there is nothing to add.
    std::string note;
    // The system events that reached the run, in words, each once.
    std::vector<std::string> systemEvents;
};

} // namespace corvo::hosts::gui
