// What counts as intervention for each watch mask, and how long Detect watches, on a virtual clock.
#include <gtest/gtest.h>

#include "../components/KeyboardFixture.h"
#include "intervention/UserInterventionDetector.h"

namespace {

using keyboardtest::ScriptedKeyState;

constexpr uint8_t kKeyA = 0x41;
constexpr uint8_t kEscape = 0x1B;
constexpr uint8_t kLeftButton = 0x01;
constexpr uint8_t kRightButton = 0x02;

class UserInterventionDetectorTest : public ::testing::Test {
protected:
    void SetUp() override { fakehwkit::Reset(); }

    bool Detect(uint32_t mask, uint32_t milliseconds)
    {
        auto detector = UserInterventionDetector::Create(mask, m_state);
        EXPECT_EQ(detector->GetWatchMask(), mask);
        return detector->Detect(milliseconds);
    }

    ScriptedKeyState m_state;
};

TEST_F(UserInterventionDetectorTest, QuietMachineWatchesForTheWholeTimeout)
{
    const uint64_t before = fakehwkit::VirtualTimeMicroseconds();
    EXPECT_FALSE(Detect(3, 100));
    const uint64_t watched = fakehwkit::VirtualTimeMicroseconds() - before;
    EXPECT_GE(watched, 100000u);
    EXPECT_LT(watched, 110000u);
    EXPECT_GT(m_state.keyboardReadings, 1) << "the state is read afresh on every pass";
}

TEST_F(UserInterventionDetectorTest, HeldKeyIsSeenAtOnce)
{
    m_state.Press(kKeyA);
    EXPECT_TRUE(Detect(1, 100));
    EXPECT_EQ(m_state.keyboardReadings, 1);
}

TEST_F(UserInterventionDetectorTest, KeyPressedDuringTheWatchIsSeen)
{
    m_state.onKeyboardReading = [](ScriptedKeyState& state) {
        if (state.keyboardReadings == 20) {
            state.Press(kKeyA);
        }
    };
    EXPECT_TRUE(Detect(1, 100));
}

TEST_F(UserInterventionDetectorTest, EscapeNeverCounts)
{
    m_state.Press(kEscape);
    EXPECT_FALSE(Detect(3, 100));
}


class HeldMouseButtonTest : public UserInterventionDetectorTest, public ::testing::WithParamInterface<uint8_t> {};

TEST_P(HeldMouseButtonTest, CountsAsKeyboardIntervention)
{
    m_state.Press(GetParam());
    EXPECT_TRUE(Detect(1, 100));
}

INSTANTIATE_TEST_SUITE_P(Buttons, HeldMouseButtonTest, ::testing::Values(kLeftButton, kRightButton, 0x04, 0x05, 0x06));

TEST_F(UserInterventionDetectorTest, PointerMaskIgnoresKeys)
{
    m_state.Press(kKeyA);
    EXPECT_FALSE(Detect(2, 100));
}

TEST_F(UserInterventionDetectorTest, KeyboardMaskIgnoresPointerMovement)
{
    m_state.onPointerReading = [](ScriptedKeyState& state) { state.pointer->x += 5; };
    EXPECT_FALSE(Detect(1, 100));
}

TEST_F(UserInterventionDetectorTest, PointerMovedDuringTheWatchIsSeen)
{
    m_state.onPointerReading = [](ScriptedKeyState& state) {
        if (state.pointerReadings == 10) {
            state.pointer->y += 1;
        }
    };
    EXPECT_TRUE(Detect(2, 100));
}

TEST_F(UserInterventionDetectorTest, PointerMovedBetweenCallsIsNotSeen)
{
    auto detector = UserInterventionDetector::Create(2, m_state);
    EXPECT_FALSE(detector->Detect(50));
    m_state.pointer = corvo::platform::PointerPosition{400, 300};
    EXPECT_FALSE(detector->Detect(50)) << "the origin is read again at the start of each call";
}

TEST_F(UserInterventionDetectorTest, PointerThatReturnsToTheOriginBetweenPassesIsNotSeen)
{
    m_state.onPointerReading = [](ScriptedKeyState& state) {
        // Away and back between two readings: nothing to see.
        state.pointer = corvo::platform::PointerPosition{100, 100};
    };
    EXPECT_FALSE(Detect(2, 100));
}

TEST_F(UserInterventionDetectorTest, UnreadablePointerIsNotIntervention)
{
    m_state.pointer.reset();
    EXPECT_FALSE(Detect(2, 100));
}

TEST_F(UserInterventionDetectorTest, ZeroTimeoutStillMakesOneFullPass)
{
    EXPECT_FALSE(Detect(3, 0));
    EXPECT_EQ(m_state.keyboardReadings, 1);
    m_state.Press(kKeyA);
    EXPECT_TRUE(Detect(3, 0));
}

} // namespace
