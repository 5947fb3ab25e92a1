// What counts as intervention for each watch mask, and how long Detect watches, on a virtual clock.
#include <gtest/gtest.h>

#include "../components/KeyboardFixture.h"
#include "intervention/UserInterventionDetector.h"

namespace {

using keyboardtest::ScriptedKeyState;

// Mask 1 watches keys and mouse buttons, mask 2 the pointer, which starts at (100, 100).
TEST(UserInterventionDetectorTest, WhatCountsUnderEachMask)
{
    const auto press = [](uint8_t code) { return [code](ScriptedKeyState& state) { state.Press(code); }; };
    using Script = std::function<void(ScriptedKeyState&)>;
    const struct { const char* name; uint32_t mask; Script script; bool seen; } rows[] = {
        {"a quiet machine", 3, [](ScriptedKeyState&) {}, false},
        {"a held key", 1, press(0x41), true},
        {"a held key under the pointer mask", 2, press(0x41), false},
        {"a held Escape", 3, press(0x1B), false},
        {"the left button, the lowest code", 1, press(0x01), true},
        {"the second side button", 1, press(0x06), true},
        {"a key pressed during the watch", 1, [](ScriptedKeyState& state) {
             state.onKeyboardReading = [](ScriptedKeyState& s) { s.keys[0x41] = s.keyboardReadings >= 20 ? 0x80 : 0; };
         }, true},
        {"a pointer moved during the watch", 2, [](ScriptedKeyState& state) {
             state.onPointerReading = [](ScriptedKeyState& s) { s.pointer->y += s.pointerReadings == 10 ? 1 : 0; };
         }, true},
        {"a moving pointer under the keyboard mask", 1, [](ScriptedKeyState& state) {
             state.onPointerReading = [](ScriptedKeyState& s) { s.pointer->x += 5; };
         }, false},
        {"a pointer back at its origin at every reading", 2, [](ScriptedKeyState& state) {
             state.onPointerReading = [](ScriptedKeyState& s) { s.pointer = {{100, 100}}; };
         }, false},
        {"an unreadable pointer", 2, [](ScriptedKeyState& state) { state.pointer.reset(); }, false},
    };
    for (const auto& row : rows) {
        fakehwkit::Reset();
        ScriptedKeyState state;
        row.script(state);
        const auto detector = UserInterventionDetector::Create(row.mask, state);
        EXPECT_EQ(detector->GetWatchMask(), row.mask) << row.name;
        EXPECT_EQ(detector->Detect(100), row.seen) << row.name;
    }
}

TEST(UserInterventionDetectorTest, WatchesTheWholeTimeoutAtLeastOnePass)
{
    fakehwkit::Reset();
    ScriptedKeyState state;
    const uint64_t before = fakehwkit::VirtualTimeMicroseconds();
    EXPECT_FALSE(UserInterventionDetector::Create(3, state)->Detect(100));
    const uint64_t watched = fakehwkit::VirtualTimeMicroseconds() - before;
    EXPECT_TRUE(watched >= 100000u && watched < 110000u) << watched;
    EXPECT_GT(state.keyboardReadings, 1) << "the state is read afresh on every pass";
    state.keyboardReadings = 0;
    EXPECT_FALSE(UserInterventionDetector::Create(3, state)->Detect(0)) << "a zero timeout makes one full pass";
    EXPECT_EQ(state.keyboardReadings, 1);
    state.Press(0x41);
    EXPECT_TRUE(UserInterventionDetector::Create(3, state)->Detect(0));
    EXPECT_TRUE(UserInterventionDetector::Create(1, state)->Detect(100));
    EXPECT_EQ(state.keyboardReadings, 3) << "a held key is seen at once";
    // The pointer's origin is read again at the start of each call.
    const auto detector = UserInterventionDetector::Create(2, state);
    EXPECT_FALSE(detector->Detect(50));
    state.pointer = corvo::platform::PointerPosition{400, 300};
    EXPECT_FALSE(detector->Detect(50));
}

} // namespace
