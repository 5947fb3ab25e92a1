// The X11 key and pointer state against a private Xvfb driven with real XTest input.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "SyntheticInput.h"
#include "XvfbServer.h"
#include "platform/linux/NoKeyPointerState.h"
#include "platform/linux/X11KeyPointerState.h"

namespace corvo::platform {
namespace {

using gui_testing::SyntheticInput;
using gui_testing::XvfbServer;

// Runs a program to its end; false when it cannot start or fails.
bool RunProgram(const std::vector<std::string>& arguments)
{
    const pid_t process = ::fork();
    if (process == 0) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    return process > 0 && ::waitpid(process, &status, 0) == process && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string Hex(uint8_t virtualKey)
{
    static const char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[virtualKey >> 4] + kDigits[virtualKey & 15];
}

// Each test gets its own server, so what one test holds down or switches on cannot leak into the
// next.
class X11KeyPointerStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!XvfbServer::IsInstalled()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
        std::string failure;
        m_server = XvfbServer::Start(failure);
        ASSERT_NE(m_server, nullptr) << failure;
        m_input = std::make_unique<SyntheticInput>(m_server->DisplayName());
        ASSERT_TRUE(m_input->IsConnected());
        m_state = std::make_unique<X11KeyPointerState>(m_server->DisplayName());
        ASSERT_TRUE(m_state->IsAvailable());
    }

    uint8_t Keycode(const std::string& keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(keyName);
        EXPECT_NE(keycode, 0) << "the server's keymap has no <" << keyName << ">";
        return keycode;
    }

    std::unique_ptr<XvfbServer> m_server;
    std::unique_ptr<SyntheticInput> m_input;
    std::unique_ptr<X11KeyPointerState> m_state;
};

TEST_F(X11KeyPointerStateTest, NamesTheDisplayItReads)
{
    EXPECT_EQ(m_state->Description(), "X11 display " + m_server->DisplayName());
}

TEST_F(X11KeyPointerStateTest, FreshServerHasNothingDownAndNothingToggled)
{
    const KeyboardStateBytes state = m_state->ReadKeyboardState();
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(state[code], 0) << "virtual key " << Hex(static_cast<uint8_t>(code));
    }
}

struct HeldKeyRow {
    const char* keyName;
    std::vector<uint8_t> down;  // read as down while the key is held
    std::vector<uint8_t> up;    // neighbours that must stay up meanwhile
};

void PrintTo(const HeldKeyRow& row, std::ostream* out)
{
    *out << "<" << row.keyName << ">";
}

class HeldKeyTest : public X11KeyPointerStateTest, public ::testing::WithParamInterface<HeldKeyRow> {};

TEST_P(HeldKeyTest, ReadsDownWhileHeldAndUpAfterwards)
{
    const HeldKeyRow& row = GetParam();
    const uint8_t keycode = Keycode(row.keyName);
    m_input->PressKey(keycode);

    const KeyboardStateBytes held = m_state->ReadKeyboardState();
    for (const uint8_t virtualKey : row.down) {
        EXPECT_EQ(held[virtualKey] & 0x80, 0x80) << Hex(virtualKey) << " in the keyboard state";
        EXPECT_TRUE(m_state->IsKeyDown(virtualKey)) << Hex(virtualKey);
    }
    for (const uint8_t virtualKey : row.up) {
        EXPECT_EQ(held[virtualKey] & 0x80, 0) << Hex(virtualKey) << " in the keyboard state";
        EXPECT_FALSE(m_state->IsKeyDown(virtualKey)) << Hex(virtualKey);
    }
    int downCount = 0;
    for (const uint8_t byte : held) {
        downCount += (byte & 0x80) ? 1 : 0;
    }
    EXPECT_EQ(downCount, static_cast<int>(row.down.size())) << "no other key reads down";

    m_input->ReleaseKey(keycode);
    const KeyboardStateBytes released = m_state->ReadKeyboardState();
    for (const uint8_t virtualKey : row.down) {
        EXPECT_EQ(released[virtualKey] & 0x80, 0) << Hex(virtualKey) << " after the release";
        EXPECT_FALSE(m_state->IsKeyDown(virtualKey)) << Hex(virtualKey) << " after the release";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HeldKeyTest,
    ::testing::Values(HeldKeyRow{"AC01", {0x41}, {0x42, 0x10, 0x11, 0x12}},        // the "a" key: VK_A
                      HeldKeyRow{"AE01", {0x31}, {0x61}},                          // "1", not keypad 1
                      HeldKeyRow{"ESC", {0x1B}, {0x03}},                           // VK_ESCAPE
                      HeldKeyRow{"LFSH", {0xA0, 0x10}, {0xA1, 0x11, 0x12}},        // VK_LSHIFT and VK_SHIFT
                      HeldKeyRow{"RTSH", {0xA1, 0x10}, {0xA0}},                    // VK_RSHIFT and VK_SHIFT
                      HeldKeyRow{"LCTL", {0xA2, 0x11}, {0xA3, 0x10}},              // VK_LCONTROL, VK_CONTROL
                      HeldKeyRow{"RCTL", {0xA3, 0x11}, {0xA2}},                    // VK_RCONTROL, VK_CONTROL
                      HeldKeyRow{"LALT", {0xA4, 0x12}, {0xA5}},                    // VK_LMENU and VK_MENU
                      HeldKeyRow{"RALT", {0xA5, 0x12}, {0xA4}},                    // VK_RMENU and VK_MENU
                      HeldKeyRow{"LWIN", {0x5B}, {0x5C}},                          // VK_LWIN
                      HeldKeyRow{"KPEN", {0x0D}, {}},                              // keypad Enter: VK_RETURN
                      HeldKeyRow{"KP7", {0x67}, {0x24}},                           // VK_NUMPAD7, not VK_HOME
                      HeldKeyRow{"FK12", {0x7B}, {}},                              // VK_F12
                      HeldKeyRow{"AB10", {0xBF}, {}}),                             // "/": VK_OEM_2
    [](const ::testing::TestParamInfo<HeldKeyRow>& info) { return std::string(info.param.keyName); });

struct ButtonRow {
    uint8_t button;
    uint8_t virtualKey;
    const char* name;
};

void PrintTo(const ButtonRow& row, std::ostream* out)
{
    *out << "button " << int{row.button} << " as " << Hex(row.virtualKey);
}

class MouseButtonTest : public X11KeyPointerStateTest, public ::testing::WithParamInterface<ButtonRow> {};

TEST_P(MouseButtonTest, ReadsDownWhileHeld)
{
    const ButtonRow& row = GetParam();
    m_input->PressButton(row.button);
    const KeyboardStateBytes held = m_state->ReadKeyboardState();
    for (const uint8_t mouseKey : {0x01, 0x02, 0x04, 0x05, 0x06}) {
        EXPECT_EQ(held[mouseKey] & 0x80, mouseKey == row.virtualKey ? 0x80 : 0) << Hex(mouseKey);
        EXPECT_EQ(m_state->IsKeyDown(mouseKey), mouseKey == row.virtualKey) << Hex(mouseKey);
    }
    m_input->ReleaseButton(row.button);
    EXPECT_FALSE(m_state->IsKeyDown(row.virtualKey));
    EXPECT_EQ(m_state->ReadKeyboardState()[row.virtualKey], 0);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MouseButtonTest,
                         ::testing::Values(ButtonRow{1, 0x01, "Left"}, ButtonRow{2, 0x04, "Middle"},
                                           ButtonRow{3, 0x02, "Right"}, ButtonRow{8, 0x05, "Back"},
                                           ButtonRow{9, 0x06, "Forward"}),
                         [](const ::testing::TestParamInfo<ButtonRow>& info) { return std::string(info.param.name); });

TEST_F(X11KeyPointerStateTest, WheelClicksAreNoHeldButton)
{
    m_input->PressButton(4);
    const KeyboardStateBytes state = m_state->ReadKeyboardState();
    for (const uint8_t mouseKey : {0x01, 0x02, 0x04, 0x05, 0x06}) {
        EXPECT_EQ(state[mouseKey], 0) << Hex(mouseKey);
    }
    m_input->ReleaseButton(4);
}

struct LockKeyRow {
    const char* keyName;
    uint8_t virtualKey;
};

void PrintTo(const LockKeyRow& row, std::ostream* out)
{
    *out << "<" << row.keyName << "> as " << Hex(row.virtualKey);
}

class LockKeyTest : public X11KeyPointerStateTest, public ::testing::WithParamInterface<LockKeyRow> {};

TEST_P(LockKeyTest, PressAndReleaseTogglesOnAndOff)
{
    const LockKeyRow& row = GetParam();
    const uint8_t keycode = Keycode(row.keyName);
    ASSERT_FALSE(m_state->IsToggled(row.virtualKey));

    m_input->PressKey(keycode);
    m_input->ReleaseKey(keycode);
    EXPECT_TRUE(m_state->IsToggled(row.virtualKey));
    EXPECT_EQ(m_state->ReadKeyboardState()[row.virtualKey], 0x01) << "toggled, not down";

    m_input->PressKey(keycode);
    EXPECT_EQ(m_state->ReadKeyboardState()[row.virtualKey], 0x81) << "down, still toggled";
    m_input->ReleaseKey(keycode);
    EXPECT_FALSE(m_state->IsToggled(row.virtualKey));
    EXPECT_EQ(m_state->ReadKeyboardState()[row.virtualKey], 0);
}

INSTANTIATE_TEST_SUITE_P(Locks, LockKeyTest,
                         ::testing::Values(LockKeyRow{"CAPS", 0x14}, LockKeyRow{"NMLK", 0x90}),
                         [](const ::testing::TestParamInfo<LockKeyRow>& info) {
                             return std::string(info.param.keyName);
                         });

TEST_F(X11KeyPointerStateTest, ScrollLockFollowsItsIndicator)
{
    // X gives the Scroll Lock key no locking action; the indicator is what xset and the
    // keyboard's LED show, so that is what counts as toggled.
    m_input->SetIndicator("Scroll Lock", true);
    EXPECT_TRUE(m_state->IsToggled(0x91));
    EXPECT_EQ(m_state->ReadKeyboardState()[0x91], 0x01);
    EXPECT_FALSE(m_state->IsToggled(0x14)) << "the other locks stay off";
    EXPECT_FALSE(m_state->IsToggled(0x90));
    m_input->SetIndicator("Scroll Lock", false);
    EXPECT_FALSE(m_state->IsToggled(0x91));
}

TEST_F(X11KeyPointerStateTest, OnlyLockKeysToggle)
{
    m_input->PressKey(Keycode("AC01"));
    m_input->ReleaseKey(Keycode("AC01"));
    EXPECT_FALSE(m_state->IsToggled(0x41));
}

struct PointerRow {
    int x;
    int y;
};

void PrintTo(const PointerRow& row, std::ostream* out)
{
    *out << "(" << row.x << ", " << row.y << ")";
}

class PointerPositionTest : public X11KeyPointerStateTest, public ::testing::WithParamInterface<PointerRow> {};

TEST_P(PointerPositionTest, ReadsWherePointerWasMoved)
{
    m_input->MovePointer(GetParam().x, GetParam().y);
    const std::optional<PointerPosition> position = m_state->ReadPointerPosition();
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(position->x, GetParam().x);
    EXPECT_EQ(position->y, GetParam().y);
}

INSTANTIATE_TEST_SUITE_P(Corners, PointerPositionTest,
                         ::testing::Values(PointerRow{0, 0}, PointerRow{123, 456}, PointerRow{1023, 767},
                                           PointerRow{512, 1}));

TEST_F(X11KeyPointerStateTest, ReleasingHeldKeyMakesItReadUp)
{
    const uint8_t keycode = Keycode("AC01");
    m_input->PressKey(keycode);
    ASSERT_TRUE(m_state->IsKeyDown(0x41));

    EXPECT_TRUE(m_state->SynthesizeKeyRelease(0x41));
    EXPECT_FALSE(m_state->IsKeyDown(0x41));
    EXPECT_FALSE(m_input->IsKeycodeDown(keycode)) << "the server itself reports the key up";
}

TEST_F(X11KeyPointerStateTest, ReleasingGenericShiftReleasesBothShiftKeys)
{
    const uint8_t left = Keycode("LFSH");
    const uint8_t right = Keycode("RTSH");
    m_input->PressKey(left);
    m_input->PressKey(right);
    ASSERT_TRUE(m_state->IsKeyDown(0x10));

    EXPECT_TRUE(m_state->SynthesizeKeyRelease(0x10));
    EXPECT_FALSE(m_input->IsKeycodeDown(left));
    EXPECT_FALSE(m_input->IsKeycodeDown(right));
    EXPECT_EQ(m_state->ReadKeyboardState()[0x10], 0);
}

TEST_F(X11KeyPointerStateTest, ReleasingHeldMouseButtonMakesItReadUp)
{
    m_input->PressButton(3);
    ASSERT_TRUE(m_state->IsKeyDown(0x02));
    EXPECT_TRUE(m_state->SynthesizeKeyRelease(0x02));
    EXPECT_FALSE(m_state->IsKeyDown(0x02));
}

TEST_F(X11KeyPointerStateTest, ReleasingKeyWithoutKeycodeFails)
{
    // 0x07 is unassigned in the Windows list and no key of the keymap reads as it.
    EXPECT_FALSE(m_state->SynthesizeKeyRelease(0x07));
    EXPECT_FALSE(m_state->SynthesizeKeyRelease(0x00));
}

TEST_F(X11KeyPointerStateTest, ReleaseLeavesOtherHeldKeysDown)
{
    m_input->PressKey(Keycode("AC01"));
    m_input->PressKey(Keycode("AC02"));
    EXPECT_TRUE(m_state->SynthesizeKeyRelease(0x41));
    EXPECT_TRUE(m_state->IsKeyDown(0x53)) << "S is still held";
    m_input->ReleaseKey(Keycode("AC02"));
}

TEST_F(X11KeyPointerStateTest, NewLayoutMovesZToTheUsYKey)
{
    if (!gui_testing::IsOnPath("setxkbmap")) {
        GTEST_SKIP() << "setxkbmap is not installed";
    }
    const uint8_t usYKey = Keycode("AD06");
    const uint8_t usZKey = Keycode("AB01");
    EXPECT_EQ(m_state->KeyMap().VirtualKeyOf(usYKey), 0x59);
    m_input->PressKey(usYKey);
    EXPECT_TRUE(m_state->IsKeyDown(0x59));
    EXPECT_FALSE(m_state->IsKeyDown(0x5A));
    m_input->ReleaseKey(usYKey);

    ASSERT_TRUE(RunProgram({"setxkbmap", "-display", m_server->DisplayName(), "-layout", "de"}));

    m_input->PressKey(usYKey);
    EXPECT_TRUE(m_state->IsKeyDown(0x5A)) << "German keyboards have Z where US ones have Y";
    EXPECT_FALSE(m_state->IsKeyDown(0x59));
    m_input->ReleaseKey(usYKey);
    EXPECT_EQ(m_state->KeyMap().KeycodesOf(0x5A), std::vector<uint32_t>{usYKey});
    EXPECT_EQ(m_state->KeyMap().KeycodesOf(0x59), std::vector<uint32_t>{usZKey});
}

TEST_F(X11KeyPointerStateTest, LockedLayoutDecidesTheLetters)
{
    if (!gui_testing::IsOnPath("setxkbmap")) {
        GTEST_SKIP() << "setxkbmap is not installed";
    }
    ASSERT_TRUE(RunProgram({"setxkbmap", "-display", m_server->DisplayName(), "-layout", "us,de"}));
    const uint8_t usYKey = Keycode("AD06");
    EXPECT_EQ(m_state->KeyMap().VirtualKeyOf(usYKey), 0x59) << "first layout, US";

    m_input->LockLayout(1);
    m_input->PressKey(usYKey);
    EXPECT_TRUE(m_state->IsKeyDown(0x5A)) << "second layout, German";
    m_input->ReleaseKey(usYKey);

    m_input->LockLayout(0);
    EXPECT_EQ(m_state->KeyMap().VirtualKeyOf(usYKey), 0x59) << "back to US";
}

TEST_F(X11KeyPointerStateTest, WorksFromAnotherThread)
{
    m_input->PressKey(Keycode("ESC"));
    m_input->MovePointer(40, 50);
    bool escapeDown = false;
    std::optional<PointerPosition> position;
    std::thread worker([&] {
        escapeDown = m_state->IsKeyDown(0x1B);
        position = m_state->ReadPointerPosition();
    });
    worker.join();
    EXPECT_TRUE(escapeDown);
    EXPECT_EQ(position, (PointerPosition{40, 50}));
}

TEST_F(X11KeyPointerStateTest, LostServerReadsAsNothing)
{
    m_input->PressKey(Keycode("AC01"));
    m_server->Stop();
    const KeyboardStateBytes state = m_state->ReadKeyboardState();
    EXPECT_FALSE(m_state->IsAvailable());
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(state[code], 0) << Hex(static_cast<uint8_t>(code));
    }
    EXPECT_FALSE(m_state->IsKeyDown(0x41));
    EXPECT_FALSE(m_state->IsToggled(0x14));
    EXPECT_EQ(m_state->ReadPointerPosition(), std::nullopt);
    EXPECT_FALSE(m_state->SynthesizeKeyRelease(0x41));
}

TEST_F(X11KeyPointerStateTest, SystemChoiceTakesAnsweringDisplay)
{
    const std::unique_ptr<KeyPointerState> chosen =
        CreateKeyPointerState(m_server->DisplayName(), "/nonexistent-input-folder");
    EXPECT_TRUE(chosen->IsAvailable());
    EXPECT_EQ(chosen->Description(), "X11 display " + m_server->DisplayName());
    m_input->PressKey(Keycode("AC01"));
    EXPECT_TRUE(chosen->IsKeyDown(0x41));
}

TEST_F(X11KeyPointerStateTest, SystemChoiceFollowsDisplayVariable)
{
    const char* previous = std::getenv("DISPLAY");
    const std::string saved = previous != nullptr ? previous : "";
    ::setenv("DISPLAY", m_server->DisplayName().c_str(), 1);
    const std::unique_ptr<KeyPointerState> chosen = CreateSystemKeyPointerState();
    if (previous != nullptr) {
        ::setenv("DISPLAY", saved.c_str(), 1);
    } else {
        ::unsetenv("DISPLAY");
    }
    EXPECT_EQ(chosen->Description(), "X11 display " + m_server->DisplayName());
}

} // namespace
} // namespace corvo::platform
