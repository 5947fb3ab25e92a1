// The intervention detector reading a real X server, with keys, buttons and pointer moves made
// through XTest.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "FakeHwkit.h"
#include "SyntheticInput.h"
#include "XvfbServer.h"
#include "intervention/UserInterventionDetector.h"
#include "platform/linux/X11KeyPointerState.h"

namespace {

using corvo::platform::X11KeyPointerState;
using corvo::gui_testing::SyntheticInput;
using corvo::gui_testing::XvfbServer;

constexpr uint8_t kLeftButton = 1;

class UserInterventionDetectorGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!XvfbServer::IsInstalled()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
        fakehwkit::Reset();
        std::string failure;
        m_server = XvfbServer::Start(failure);
        ASSERT_NE(m_server, nullptr) << failure;
        m_input = std::make_unique<SyntheticInput>(m_server->DisplayName());
        ASSERT_TRUE(m_input->IsConnected());
        m_state = std::make_unique<X11KeyPointerState>(m_server->DisplayName());
        ASSERT_TRUE(m_state->IsAvailable());
        m_input->MovePointer(200, 200);
    }

    bool Detect(uint32_t mask, uint32_t milliseconds)
    {
        return UserInterventionDetector::Create(mask, *m_state)->Detect(milliseconds);
    }

    // Runs Detect on a worker thread, as the PS/2 test does, while this thread moves the pointer.
    bool DetectWhilePointerMoves(uint32_t mask)
    {
        std::promise<void> started;
        auto running = std::async(std::launch::async, [this, mask, &started] {
            auto detector = UserInterventionDetector::Create(mask, *m_state);
            started.set_value();
            // Virtual milliseconds: long enough for the move below to land inside the watch.
            return detector->Detect(20000);
        });
        started.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        m_input->MovePointer(420, 310);
        return running.get();
    }

    std::unique_ptr<XvfbServer> m_server;
    std::unique_ptr<SyntheticInput> m_input;
    std::unique_ptr<X11KeyPointerState> m_state;
};

TEST_F(UserInterventionDetectorGuiTest, QuietServerIsNoIntervention)
{
    EXPECT_FALSE(Detect(3, 100));
}

TEST_F(UserInterventionDetectorGuiTest, HeldKeyCountsForTheKeyboardMaskOnly)
{
    m_input->PressKey(m_input->KeycodeOf("AC01"));
    EXPECT_TRUE(Detect(1, 100));
    EXPECT_FALSE(Detect(2, 100));
}

TEST_F(UserInterventionDetectorGuiTest, EscapeNeverCounts)
{
    m_input->PressKey(m_input->KeycodeOf("ESC"));
    EXPECT_FALSE(Detect(3, 100));
}

TEST_F(UserInterventionDetectorGuiTest, HeldMouseButtonCountsUnderTheKeyboardMask)
{
    m_input->PressButton(kLeftButton);
    EXPECT_TRUE(Detect(1, 100));
}

TEST_F(UserInterventionDetectorGuiTest, PointerMovedDuringTheWatchCountsForThePointerMaskOnly)
{
    EXPECT_TRUE(DetectWhilePointerMoves(2));
    EXPECT_FALSE(DetectWhilePointerMoves(1));
}

} // namespace
