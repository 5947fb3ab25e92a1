// The X11 key and pointer state against a private Xvfb driven with real XTest input.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "KeyStateSteps.h"
#include "SyntheticInput.h"
#include "XvfbServer.h"
#include "platform/linux/NoKeyPointerState.h"
#include "platform/linux/X11KeyPointerState.h"

namespace corvo::platform {
namespace {

using testing::Describe;

// Each test gets its own server, so that nothing one test holds down or switches on leaks into
// the next.
class X11KeyPointerStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!gui_testing::XvfbServer::IsInstalled()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
        std::string failure;
        m_server = gui_testing::XvfbServer::Start(failure);
        ASSERT_NE(m_server, nullptr) << failure;
        m_input = std::make_unique<gui_testing::SyntheticInput>(m_server->DisplayName());
        m_state = std::make_unique<X11KeyPointerState>(m_server->DisplayName());
        ASSERT_TRUE(m_input->IsConnected() && m_state->IsAvailable());
    }
    uint8_t Key(const std::string& keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(keyName);
        EXPECT_NE(keycode, 0) << "the server's keymap has no <" << keyName << ">";
        return keycode;
    }
    // "+NAME" and "-NAME" press and release a key, "*NAME" taps it; "+b3" and "-b3" a button;
    // "SCROLL+" and "SCROLL-" switch the Scroll Lock indicator; "layout=de" loads a keymap as
    // setxkbmap does; "group=1" locks the second layout.
    void Act(const std::string& action)
    {
        const std::string name = action.substr(1);
        if (action.rfind("layout=", 0) == 0) {
            ASSERT_TRUE(m_input->LoadLayout(action.substr(7))) << action;
        } else if (action.rfind("group=", 0) == 0) {
            m_input->LockLayout(static_cast<uint8_t>(std::stoi(action.substr(6))));
        } else if (action.rfind("SCROLL", 0) == 0) {
            m_input->SetIndicator("Scroll Lock", action.back() == '+');
        } else if (name[0] == 'b') {
            const auto button = static_cast<uint8_t>(std::stoi(name.substr(1)));
            action[0] == '+' ? m_input->PressButton(button) : m_input->ReleaseButton(button);
        } else {
            action[0] == '-' ? void() : m_input->PressKey(Key(name));
            action[0] == '+' ? void() : m_input->ReleaseKey(Key(name));
        }
    }

    std::unique_ptr<gui_testing::XvfbServer> m_server;
    std::unique_ptr<gui_testing::SyntheticInput> m_input;
    std::unique_ptr<X11KeyPointerState> m_state;
};

TEST_F(X11KeyPointerStateTest, KeysButtonsLocksAndLayoutsReadAsTheUserLeftThem)
{
    testing::RunSteps(*m_state, {
        {"", ""}, // a fresh server: nothing down, nothing toggled
        {"+AC01", "41"}, {"-AC01 *AC01", ""}, // only lock keys toggle
        {"+AE01", "31"}, {"-AE01 +KP7", "67"}, {"-KP7 +KPEN", "0D"}, {"-KPEN +ESC", "1B"}, // not 61, not 24
        {"-ESC +FK12", "7B"}, {"-FK12 +AB10", "BF"}, {"-AB10 +LWIN", "5B"}, {"-LWIN", ""},
        // the generic Shift, Control and Alt codes read down beside the sided ones
        {"+LFSH", "10 A0"}, {"+RTSH", "10 A0 A1"}, {"-LFSH", "10 A1"}, {"-RTSH +LCTL", "11 A2"},
        {"+RCTL", "11 A2 A3"}, {"-LCTL", "11 A3"}, {"-RCTL +LALT", "12 A4"}, {"-LALT +RALT", "12 A5"}, {"-RALT", ""},
        // X buttons 1, 2, 3, 8 and 9 as the Windows mouse-button codes; the wheel (4) is motion
        {"+b1", "01"}, {"-b1 +b2", "04"}, {"-b2 +b3", "02"}, {"-b3 +b8", "05"}, {"-b8 +b9", "06"}, {"-b9 +b4", ""},
        {"-b4 *CAPS", "14t"}, {"+CAPS", "14T"}, {"-CAPS", ""}, {"*NMLK", "90t"}, {"+NMLK", "90T"}, {"-NMLK", ""},
        // X gives Scroll Lock no locking action; its indicator, which xset and the LED show, counts
        {"SCROLL+", "91t"}, {"SCROLL-", ""},
        // the letters follow the server's keymap and its locked layout: German Z is at the US Y
        {"+AD06", "59"}, {"-AD06 layout=de +AD06", "5A"}, {"-AD06 layout=us,de +AD06", "59"},
        {"-AD06 group=1 +AD06", "5A"}, {"-AD06 group=0 +AD06", "59"}, {"-AD06 group=1", ""},
    }, [this](const std::string& action) { Act(action); });
    EXPECT_EQ(m_state->KeyMap().KeycodesOf('Z'), std::vector<uint32_t>{Key("AD06")});
    EXPECT_EQ(m_state->KeyMap().KeycodesOf('Y'), std::vector<uint32_t>{Key("AB01")});
    Act("group=0");
    EXPECT_EQ(m_state->KeyMap().VirtualKeyOf(Key("AD06")), 'Y') << "back to US without a key read in between";
}

TEST_F(X11KeyPointerStateTest, PointerAndReleasesFromAnyThread)
{
    for (const PointerPosition corner : {PointerPosition{0, 0}, {123, 456}, {1023, 767}, {512, 1}}) {
        m_input->MovePointer(corner.x, corner.y);
        EXPECT_EQ(m_state->ReadPointerPosition(), corner) << corner.x << ", " << corner.y;
    }
    for (const char* action : {"+ESC", "+AC01", "+AC02", "+LFSH", "+RTSH", "+b3"}) {
        Act(action);
    }
    m_input->MovePointer(40, 50);
    std::thread([this] {
        EXPECT_TRUE(m_state->IsKeyDown(0x1B));
        EXPECT_EQ(m_state->ReadPointerPosition(), (PointerPosition{40, 50}));
        // The generic Shift stands for both keys; 0x07 is unassigned and no key reads as it.
        EXPECT_TRUE(m_state->SynthesizeKeyRelease(0x41) && m_state->SynthesizeKeyRelease(0x10) &&
                    m_state->SynthesizeKeyRelease(0x02));
        EXPECT_FALSE(m_state->SynthesizeKeyRelease(0x07) || m_state->SynthesizeKeyRelease(0x00));
    }).join();
    EXPECT_EQ(Describe(m_state->ReadKeyboardState()), "1B 53") << "Escape and S are still held";
    EXPECT_FALSE(m_input->IsKeycodeDown(Key("AC01")) || m_input->IsKeycodeDown(Key("LFSH")) ||
                 m_input->IsKeycodeDown(Key("RTSH")))
        << "the server itself reports the keys up";
}

TEST_F(X11KeyPointerStateTest, SystemChoiceTakesTheAnsweringDisplayAndALostOneReadsNothing)
{
    const std::string expected = "X11 display " + m_server->DisplayName();
    const std::unique_ptr<KeyPointerState> byName = CreateKeyPointerState(m_server->DisplayName(), "/nonexistent");
    Act("+AC01");
    EXPECT_TRUE(byName->IsAvailable() && byName->IsKeyDown(0x41));
    const char* previous = std::getenv("DISPLAY");
    const std::optional<std::string> saved = previous ? std::optional<std::string>(previous) : std::nullopt;
    ::setenv("DISPLAY", m_server->DisplayName().c_str(), 1);
    const std::string bySystem = CreateSystemKeyPointerState()->Description();
    EXPECT_EQ(m_state->Description() + "; " + byName->Description() + "; " + bySystem,
              expected + "; " + expected + "; " + expected);
    saved ? ::setenv("DISPLAY", saved->c_str(), 1) : ::unsetenv("DISPLAY");

    m_server->Stop();
    EXPECT_EQ(Describe(m_state->ReadKeyboardState()), "");
    EXPECT_FALSE(m_state->IsAvailable() || m_state->IsKeyDown(0x41) || m_state->IsToggled(0x14) ||
                 m_state->SynthesizeKeyRelease(0x41));
    EXPECT_EQ(m_state->ReadPointerPosition(), std::nullopt);
}

} // namespace
} // namespace corvo::platform
