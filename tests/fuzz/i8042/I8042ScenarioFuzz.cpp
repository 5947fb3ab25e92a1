// Fuzz entry: scenario files through the simulator's parser, then a short PS/2 session on what it accepts.
#include "I8042Simulator.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdlib>

using namespace corvo::i8042;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ScenarioParseResult parsed = ParseI8042Scenario(text, "fuzz");
    if (!parsed.scenario) {
        // "fuzz:<line>: <why>", readable whatever bytes the file held.
        const long line = std::strtol(parsed.error.c_str() + 5, nullptr, 10);
        Check(parsed.error.rfind("fuzz:", 0) == 0 && line >= 1 && line <= std::count(text.begin(), text.end(), '\n') + 1,
              "error without its line");
        Check(std::all_of(parsed.error.begin(), parsed.error.end(), [](char c) { return c >= 0x20 && c < 0x7F; }),
              "unprintable error message");
        return 0;
    }
    Check(parsed.error.empty(), "accepted scenario with an error");
    // What a PS/2 test does: read the configuration, reset the keyboard and the pointer, wait for answers.
    parsed.scenario->clock = ClockKind::Virtual;
    I8042Simulator simulator(*parsed.scenario);
    const std::pair<uint16_t, uint8_t> writes[] = {{0x64, 0x20}, {0x60, 0xFF}, {0x64, 0x60}, {0x60, 0x44},
                                                    {0x60, 0xF2}, {0x64, 0xD4}, {0x60, 0xFF}, {0x60, 0xED}};
    for (const auto& [port, value] : writes) {
        simulator.Write(port, value);
        for (int poll = 0; poll < 8; ++poll)
            simulator.Read(static_cast<uint16_t>(poll % 2 ? 0x60 : 0x64));
    }
    return 0;
}
