// Key and pointer state tests as rows of steps: what the user does, then what the state reads.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sstream>

#include "platform/KeyPointerState.h"

namespace corvo::platform::testing {

// The codes whose byte is not 0, in hex: "41" down, "14t" toggled, "14T" down and toggled, "41?"
// anything else.
inline std::string Describe(const KeyboardStateBytes& state)
{
    std::string text;
    for (int code = 0; code < 256; ++code) {
        char word[8];
        const int byte = state[code];
        const char* suffix = byte == 0x80 ? "" : byte == 1 ? "t" : byte == 0x81 ? "T" : "?";
        std::snprintf(word, sizeof word, " %02X%s", code, suffix);
        text += byte != 0 ? word : "";
    }
    return text.empty() ? text : text.substr(1);
}

// Each step: the world's act function takes the step's words ("+LFSH -AC01") one by one, then one
// reading of the whole state must be as described; each code that reads or read non-zero is then
// asked for alone, so that IsKeyDown and IsToggled agree with that reading.
inline void RunSteps(KeyPointerState& state, const std::vector<std::pair<std::string, std::string>>& steps,
                     const std::function<void(const std::string& action)>& act)
{
    KeyboardStateBytes before{};
    for (const auto& [actions, reads] : steps) {
        std::istringstream words(actions);
        for (std::string action; words >> action;) {
            act(action);
        }
        const KeyboardStateBytes now = state.ReadKeyboardState();
        EXPECT_EQ(Describe(now), reads) << "after " << actions;
        for (int code = 1; code < 256; ++code) {
            const auto virtualKey = static_cast<uint8_t>(code);
            EXPECT_TRUE((now[code] | before[code]) == 0 || (state.IsKeyDown(virtualKey) == ((now[code] & 0x80) != 0) &&
                                                            state.IsToggled(virtualKey) == ((now[code] & 1) != 0)))
                << "after " << actions << ", asked for " << code << " alone";
        }
        before = now;
    }
}

} // namespace corvo::platform::testing
