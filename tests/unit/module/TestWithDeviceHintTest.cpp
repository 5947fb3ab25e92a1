// The wrapper forwards every slot to its inner test and names the suspect component on failure.
#include <gtest/gtest.h>

#include <string>

#include "HostExecution.h"
#include "module/TestResult.h"
#include "module/TestWithDeviceHint.h"

namespace {

using corvo::hosts::HostExecution;

// An inner test whose answers the test sets, recording what reached it.
class ScriptedTest : public Test {
public:
    explicit ScriptedTest(const ObjectId& identifier) : Test(identifier) {}

    bool IsApplicable(SystemComponent* device) override
    {
        lastDevice = device;
        return applicable;
    }
    uint32_t Run(ExecutionContext* execution) override
    {
        lastExecution = execution;
        if (execution != nullptr && sendOwnMessage) {
            execution->GetMessageSink()->AddMessage("INNER_MESSAGE", Warning, 0);
        }
        return result;
    }
    bool IsInteractive() override { return true; }
    bool SetConfiguration(corvo::utils::config::ConfigData configuration) override
    {
        configurationSections = configuration.size();
        return false;
    }

    uint32_t result = Passed;
    bool applicable = false;
    bool sendOwnMessage = false;
    SystemComponent* lastDevice = nullptr;
    ExecutionContext* lastExecution = nullptr;
    std::size_t configurationSections = 0;
};

const char kHint[] = "POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD";

class DeviceHintResultTest : public ::testing::TestWithParam<uint32_t> {};

TEST_P(DeviceHintResultTest, ResultsOtherThanFailedPassThroughWithNothingAdded)
{
    TestWithDeviceHint<ScriptedTest> wrapper(ObjectId(10, 1, 1), kHint);
    wrapper.Inner().result = GetParam();
    wrapper.Inner().sendOwnMessage = true;
    HostExecution execution(nullptr, true, {});

    EXPECT_EQ(wrapper.Run(&execution), GetParam());
    const auto record = execution.Record();
    ASSERT_EQ(record.messages.size(), 1u);
    EXPECT_EQ(record.messages[0].text, "INNER_MESSAGE");
    EXPECT_TRUE(record.progress.empty());
}

INSTANTIATE_TEST_SUITE_P(Results, DeviceHintResultTest,
                         ::testing::Values(Passed, NotRun, Aborted, PassedWithWarnings, InternalError, 2u));

TEST(TestWithDeviceHintTest, FailedRunAddsOneMessageThenOneProgressReportWithTheHint)
{
    TestWithDeviceHint<ScriptedTest> wrapper(ObjectId(10, 1, 2), kHint);
    wrapper.Inner().result = Failed;
    wrapper.Inner().sendOwnMessage = true;
    std::string order;
    HostExecution::Callbacks callbacks;
    callbacks.onMessage = [&order](const corvo::hosts::ReceivedMessage&) { order += "m"; };
    callbacks.onProgress = [&order](const corvo::hosts::ReceivedProgress&) { order += "p"; };
    HostExecution execution(nullptr, true, callbacks);

    EXPECT_EQ(wrapper.Run(&execution), Failed);
    const auto record = execution.Record();
    ASSERT_EQ(record.messages.size(), 2u);
    EXPECT_EQ(record.messages[1].text, kHint);
    EXPECT_EQ(record.messages[1].kind, Information);
    ASSERT_EQ(record.progress.size(), 1u);
    EXPECT_EQ(record.progress[0].percent, 100);
    EXPECT_EQ(record.progress[0].text, kHint);
    EXPECT_EQ(order, "mmp");
}

TEST(TestWithDeviceHintTest, FailedRunWithoutAnExecutionDoesNotCrash)
{
    TestWithDeviceHint<ScriptedTest> wrapper(ObjectId(10, 1, 2), kHint);
    wrapper.Inner().result = Failed;
    EXPECT_EQ(wrapper.Run(nullptr), Failed);
}

TEST(TestWithDeviceHintTest, ForwardsEverySlotToTheInnerTest)
{
    TestWithDeviceHint<ScriptedTest> wrapper(ObjectId(10, 1, 3), kHint);
    ::Test& asHost = wrapper;
    wrapper.Inner().applicable = true;
    auto* device = reinterpret_cast<SystemComponent*>(0x1000);

    EXPECT_TRUE(asHost.IsApplicable(device));
    EXPECT_EQ(wrapper.Inner().lastDevice, device);
    EXPECT_TRUE(asHost.IsInteractive());
    EXPECT_FALSE(asHost.SetConfiguration({{"A", {}}, {"B", {}}}));
    EXPECT_EQ(wrapper.Inner().configurationSections, 2u);
    EXPECT_EQ(asHost.GetIdentifier(), ObjectId(10, 1, 3));
    EXPECT_EQ(wrapper.GetDeviceHint(), kHint);
}

TEST(TestWithDeviceHintTest, HostSlotsGiveTheModulesConstants)
{
    TestWithDeviceHint<ScriptedTest> wrapper(ObjectId(10, 1, 4), kHint);
    ::Test& test = wrapper;
    EXPECT_FALSE(test.Reserved4());
    EXPECT_TRUE(test.Reserved5().empty());
    test.Reserved6(TestHostRecord{"a", "b", "c", "d", "e", 7, "f", 1, 2});
    EXPECT_TRUE(test.Reserved7().empty());
    EXPECT_TRUE(test.Reserved8());
    EXPECT_TRUE(test.Reserved9());
    test.Reserved11();
}

} // namespace
