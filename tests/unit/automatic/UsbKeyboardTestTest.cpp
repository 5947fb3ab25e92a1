// The USB keyboard test's results, messages and progress on scripted keyboards.
#include <gtest/gtest.h>

#include "../components/KeyboardFixture.h"
#include "HostExecution.h"
#include "automatic/UsbKeyboardTest.h"
#include "components/KeyboardComponent.h"
#include "module/TestResult.h"

namespace {

using corvo::hosts::HostExecution;
using corvo::hosts::RunRecord;
using fakeusb::DeviceFacts;

struct Sent {
    std::string text;
    uint32_t kind;
};

DeviceFacts Nameless()
{
    DeviceFacts facts;
    facts.vendorId = 0;
    facts.productId = 0;
    facts.manufacturer = "";
    facts.product = "";
    return facts;
}

class UsbKeyboardTestTest : public ::testing::Test {
protected:
    uint32_t RunWith(std::vector<DeviceFacts> keyboards, uint32_t events = 0, bool cancel = false)
    {
        m_machine.usb->controllers = {std::move(keyboards)};
        m_keyboard = std::make_unique<KeyboardComponent>("0", m_machine.Platform());
        m_execution = std::make_unique<HostExecution>(m_keyboard.get(), true, HostExecution::Callbacks{});
        m_execution->RaiseSystemEvents(events);
        if (cancel) {
            m_execution->RequestCancel();
        }
        return m_test.Run(m_execution.get());
    }

    std::vector<Sent> Messages() const
    {
        std::vector<Sent> sent;
        for (const auto& message : m_execution->Record().messages) {
            sent.push_back({message.text, message.kind});
        }
        return sent;
    }

    std::vector<int> Percentages() const
    {
        std::vector<int> percentages;
        for (const auto& step : m_execution->Record().progress) {
            percentages.push_back(step.percent);
        }
        return percentages;
    }

    keyboardtest::ScriptedMachine m_machine;
    UsbKeyboardTest m_test{ObjectId(10, 1, 2)};
    std::unique_ptr<KeyboardComponent> m_keyboard;
    std::unique_ptr<HostExecution> m_execution;
};

bool operator==(const Sent& left, const Sent& right) { return left.text == right.text && left.kind == right.kind; }

void PrintTo(const Sent& sent, std::ostream* out) { *out << "{" << sent.text << ", " << sent.kind << "}"; }

TEST_F(UsbKeyboardTestTest, SoundKeyboardPassesQuietly)
{
    EXPECT_EQ(RunWith({DeviceFacts{}}), Passed);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 0, 100}));
}

TEST_F(UsbKeyboardTestTest, NoUsbKeyboardCannotBeTested)
{
    KeyboardComponent empty("0", m_machine.Platform());
    EXPECT_FALSE(m_test.IsApplicable(&empty));
    EXPECT_EQ(RunWith({}), Aborted);
    EXPECT_EQ(Messages(), (std::vector<Sent>{{"THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_"
                                               "OR_HAS_BEEN_DISCONNECTED",
                                               Information}}));
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 100}));
}

struct WarningRow {
    const char* name;
    DeviceFacts facts;
    std::vector<std::string> keys;
    uint32_t result;
};

class UsbKeyboardWarningTest : public UsbKeyboardTestTest, public ::testing::WithParamInterface<WarningRow> {};

TEST_P(UsbKeyboardWarningTest, EachMissingItemWarnsAndAWarningIsNeverAPlainPass)
{
    const WarningRow& row = GetParam();
    EXPECT_EQ(RunWith({row.facts}), row.result);
    std::vector<Sent> expected;
    for (const std::string& key : row.keys) {
        expected.push_back({key, Warning});
    }
    EXPECT_EQ(Messages(), expected);
}

DeviceFacts With(void (*change)(DeviceFacts&))
{
    DeviceFacts facts;
    change(facts);
    return facts;
}

INSTANTIATE_TEST_SUITE_P(
    Items, UsbKeyboardWarningTest,
    ::testing::Values(
        WarningRow{"vendor", With([](DeviceFacts& f) { f.vendorId = 0; }), {"USB_KEYBOARD_VID_FAIL_MESSAGE"}, 5},
        WarningRow{"product", With([](DeviceFacts& f) { f.productId = 0; }), {"USB_KEYBOARD_PID_FAIL_MESSAGE"}, 5},
        WarningRow{"manufacturer", With([](DeviceFacts& f) { f.manufacturer = ""; }),
                   {"USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE"}, 5},
        WarningRow{"name", With([](DeviceFacts& f) { f.product = ""; }), {"USB_KEYBOARD_DEVICE_FAIL_MESSAGE"}, 5},
        // A missing identifier followed by a missing string used to report a plain pass.
        WarningRow{"vendorAndName", With([](DeviceFacts& f) {
                       f.vendorId = 0;
                       f.product = "";
                   }),
                   {"USB_KEYBOARD_VID_FAIL_MESSAGE", "USB_KEYBOARD_DEVICE_FAIL_MESSAGE"}, 5},
        // Absent string descriptors read "-", which is not an empty string.
        WarningRow{"noDescriptors", With([](DeviceFacts& f) {
                       f.manufacturer = "-";
                       f.product = "-";
                   }),
                   {}, 0}),
    [](const ::testing::TestParamInfo<WarningRow>& info) { return std::string(info.param.name); });

TEST_F(UsbKeyboardTestTest, KeyboardLackingAllFourFailsWithFiveMessagesInOrder)
{
    EXPECT_EQ(RunWith({Nameless()}), Failed);
    EXPECT_EQ(Messages(), (std::vector<Sent>{{"USB_KEYBOARD_FAIL_MESSAGE[ - ]", FailureDetail},
                                            {"USB_KEYBOARD_PID_FAIL_MESSAGE", Warning},
                                            {"USB_KEYBOARD_VID_FAIL_MESSAGE", Warning},
                                            {"USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE", Warning},
                                            {"USB_KEYBOARD_DEVICE_FAIL_MESSAGE", Warning}}));
}

TEST_F(UsbKeyboardTestTest, FailureOfOneKeyboardStandsWhateverFollows)
{
    DeviceFacts warns;
    warns.vendorId = 0;
    EXPECT_EQ(RunWith({Nameless(), DeviceFacts{}, warns}), Failed);
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 0, 33, 66, 100}));
}

TEST_F(UsbKeyboardTestTest, WarningOfAnEarlierKeyboardIsKept)
{
    DeviceFacts warns;
    warns.productId = 0;
    EXPECT_EQ(RunWith({warns, DeviceFacts{}}), PassedWithWarnings);
}

TEST_F(UsbKeyboardTestTest, CompromisingEventAbortsBeforeAnyCheck)
{
    EXPECT_EQ(RunWith({Nameless()}, 0x100), Aborted);
    EXPECT_EQ(Messages(), (std::vector<Sent>{{"TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_"
                                               "HAS_HAPPENED.",
                                               Information}}));
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 100}));
}

TEST_F(UsbKeyboardTestTest, EventFourNeverCompromises)
{
    EXPECT_EQ(RunWith({DeviceFacts{}}, 0x4), Passed);
    EXPECT_FALSE(m_test.IsCompromisingEvent(0x4));
    EXPECT_TRUE(m_test.IsCompromisingEvent(0x1));
    EXPECT_TRUE(m_test.IsCompromisingEvent(0x100));
    EXPECT_FALSE(m_test.IsCompromisingEvent(0x200));
}

TEST_F(UsbKeyboardTestTest, CancelRequestAbortsWithoutMessage)
{
    EXPECT_EQ(RunWith({Nameless()}, 0, true), Aborted);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 100}));
}

TEST_F(UsbKeyboardTestTest, KeyboardsAttachedSinceDetectionAreTheOnesChecked)
{
    m_machine.usb->controllers = {{DeviceFacts{}}};
    KeyboardComponent keyboard("0", m_machine.Platform());
    m_machine.usb->controllers = {{Nameless()}};
    HostExecution execution(&keyboard, true, {});
    EXPECT_EQ(m_test.Run(&execution), Failed);
}

TEST_F(UsbKeyboardTestTest, IncompleteExecutionOrForeignDeviceIsAnInternalError)
{
    EXPECT_EQ(m_test.Run(nullptr), InternalError);
    HostExecution withoutDevice(nullptr, true, {});
    EXPECT_EQ(m_test.Run(&withoutDevice), InternalError);
    EXPECT_TRUE(withoutDevice.Record().progress.empty());
    EXPECT_EQ(m_test.TestDevice(&withoutDevice, nullptr), InternalError);
    EXPECT_FALSE(m_test.IsInteractive());
}

} // namespace
