// A scripted machine for the i8042 simulator: timing, the controller's state and what its devices answer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvo::i8042 {

// Simulator time in microseconds since the scenario was loaded.
using Microseconds = uint64_t;

enum class Device { Keyboard, Pointer };

// One item of a reply: a byte with the status error bits it arrives with, or a pause.
struct ReplyItem {
    bool isWait = false;
    Microseconds wait = 0;
    uint8_t byte = 0;
    bool parityError = false;  // status bit 7 while this byte waits
    bool timeoutError = false; // status bit 6 while this byte waits
};

// What a device answers to one command; an empty list is no answer at all.
struct Reply {
    std::vector<ReplyItem> items;
};

// "keyboard ff 3 times: fe": the next `count` commands `command` are answered by `reply`; a rule
// without a count answers every one. Rules for one command are used in file order.
struct ReplyRule {
    std::optional<uint8_t> command; // empty: any command without a rule of its own
    uint32_t count = 0;             // 0: no limit
    Reply reply;
    int line = 0;
};

// "at 300ms keyboard: 1e 9e": bytes a device sends unasked at a given time.
struct SpontaneousBytes {
    Microseconds time = 0;
    Device device = Device::Keyboard;
    Reply bytes;
};

enum class ClockKind { Virtual, Real };

struct I8042Scenario {
    ClockKind clock = ClockKind::Virtual;
    // Virtual clock: how far each status read moves the clock, the host's poll interval.
    Microseconds statusReadQuantum = 100000;
    // How long bit 1 stays set after a write while the controller takes the byte.
    Microseconds inputDelay = 1000;
    // How long a device takes to clock one byte over its wire.
    Microseconds byteTime = 1000;
    uint8_t initialConfiguration = 0x47;
    bool inputBufferNeverEmpties = false;
    std::vector<SpontaneousBytes> spontaneous;
    std::vector<ReplyRule> keyboardRules;
    std::vector<ReplyRule> pointerRules;
};

struct ScenarioParseResult {
    std::optional<I8042Scenario> scenario;
    // "<source>:<line>: <what is wrong>" when scenario is empty.
    std::string error;
};

// A scenario with no lines: a good keyboard and pointer on a controller set up as Linux leaves it.
I8042Scenario GoodKeyboardScenario();

ScenarioParseResult ParseI8042Scenario(std::string_view text, const std::string& sourceName);

// Reads and parses a file; a missing, unreadable or oversized file is an error like a bad line.
ScenarioParseResult LoadI8042ScenarioFile(const std::string& path);

} // namespace corvo::i8042
