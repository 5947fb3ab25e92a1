// The desktop host's run control: worker thread, cancel request, queued messages and progress.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTimer>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "DialogEventCounter.h"
#include "HostTestDoubles.h"
#include "InputRequestServer.h"
#include "TestRunController.h"
#include "module/MessageSink.h"
#include "module/ProgressReporter.h"
#include "module/TestResult.h"

namespace {

using namespace corvo::gui_testing;
using corvo::hosts::gui::InputRequestServer;
using corvo::hosts::gui::TestRunController;

const ObjectId kUsbTest(10, 1, 2);

// Runs until the host asks it to stop, as the automatic tests do between steps.
uint32_t RunUntilCancelled(ExecutionContext* execution, std::atomic<bool>& started)
{
    started = true;
    for (int step = 0; step < 1000; ++step) {
        if (execution->IsCancelRequested()) {
            execution->GetProgressReporter()->ReportProgress(100, std::string());
            return Aborted;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return Passed;
}

class TestRunControllerTest : public ::testing::Test {
protected:
    InputRequestServer server{nullptr, nullptr};
    TestRunController runner{server};
};

TEST_F(TestRunControllerTest, CancelSetsTheCancelRequestWhileTheUiStaysResponsive)
{
    std::atomic<bool> started{false};
    ScriptedTest test(kUsbTest, [&](ExecutionContext* execution) { return RunUntilCancelled(execution, started); });
    QSignalSpy finished(&runner, &TestRunController::finished);
    ASSERT_TRUE(runner.Start(test, nullptr));
    ASSERT_TRUE(runner.IsRunning());
    ASSERT_NE(runner.Execution(), nullptr);
    EXPECT_FALSE(runner.Execution()->IsCancelRequested());
    EXPECT_FALSE(runner.Start(test, nullptr)) << "one run at a time";

    // The event loop keeps turning while the test runs.
    bool timerFired = false;
    QTimer::singleShot(10, [&timerFired] { timerFired = true; });
    ASSERT_TRUE(ProcessEventsUntil([&] { return timerFired && started.load(); }, 5000));
    EXPECT_TRUE(runner.IsRunning());
    EXPECT_EQ(finished.count(), 0);

    runner.Cancel();
    EXPECT_TRUE(runner.Execution()->IsCancelRequested());
    EXPECT_TRUE(runner.Execution()->CancelFlag().load());
    ASSERT_TRUE(ProcessEventsUntil([&] { return finished.count() == 1; }, 5000));
    EXPECT_EQ(finished.at(0).at(0).toUInt(), static_cast<uint>(Aborted));
    EXPECT_EQ(finished.at(0).at(1).toString(), QString());
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_NE(test.runThread.load(), QCoreApplication::instance()->thread());
}

TEST_F(TestRunControllerTest, MessagesAndProgressArriveOnTheUiThreadInTheOrderSent)
{
    ScriptedTest test(kUsbTest, [](ExecutionContext* execution) -> uint32_t {
        execution->GetProgressReporter()->ReportProgress(0, std::string());
        execution->GetMessageSink()->AddMessage("USB_KEYBOARD_TEST", Information, 0);
        execution->GetProgressReporter()->ReportProgress(50, "USB_KEYBOARD_TEST");
        execution->GetMessageSink()->AddMessage("POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD", FailureDetail, 0);
        return Failed;
    });
    QSignalSpy messages(&runner, &TestRunController::messageReceived);
    QSignalSpy progress(&runner, &TestRunController::progressReported);
    QSignalSpy finished(&runner, &TestRunController::finished);
    ASSERT_TRUE(runner.Start(test, nullptr));
    ASSERT_TRUE(ProcessEventsUntil([&] { return finished.count() == 1; }, 5000));
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.at(0).at(0).toString(), QStringLiteral("USB_KEYBOARD_TEST"));
    EXPECT_EQ(messages.at(0).at(1).toUInt(), static_cast<uint>(Information));
    EXPECT_EQ(messages.at(1).at(0).toString(), QStringLiteral("POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD"));
    EXPECT_EQ(messages.at(1).at(1).toUInt(), static_cast<uint>(FailureDetail));
    ASSERT_EQ(progress.count(), 2);
    EXPECT_EQ(progress.at(0).at(0).toInt(), 0);
    EXPECT_EQ(progress.at(0).at(1).toString(), QString());
    EXPECT_EQ(progress.at(1).at(0).toInt(), 50);
    EXPECT_EQ(progress.at(1).at(1).toString(), QStringLiteral("USB_KEYBOARD_TEST"));
    EXPECT_EQ(finished.at(0).at(0).toUInt(), static_cast<uint>(Failed));
    // The run's record is kept for the host as well.
    const corvo::hosts::RunRecord record = runner.Execution()->Record();
    EXPECT_EQ(record.messages.size(), 2u);
    EXPECT_EQ(record.progress.size(), 2u);
}

TEST_F(TestRunControllerTest, EscapingExceptionIsAnInternalErrorWithItsText)
{
    ScriptedTest test(kUsbTest, [](ExecutionContext*) -> uint32_t { throw std::runtime_error("descriptor walk failed"); });
    QSignalSpy finished(&runner, &TestRunController::finished);
    ASSERT_TRUE(runner.Start(test, nullptr));
    ASSERT_TRUE(ProcessEventsUntil([&] { return finished.count() == 1; }, 5000));
    EXPECT_EQ(finished.at(0).at(0).toUInt(), static_cast<uint>(InternalError));
    EXPECT_EQ(finished.at(0).at(1).toString(), QStringLiteral("descriptor walk failed"));
}

TEST(TestRunControllerLifetimeTest, DestroyingTheControllerStopsARunningTest)
{
    std::atomic<bool> started{false};
    std::atomic<uint32_t> result{NotRun};
    ScriptedTest test(kUsbTest, [&](ExecutionContext* execution) {
        result = RunUntilCancelled(execution, started);
        return result.load();
    });
    InputRequestServer server(nullptr, nullptr);
    {
        TestRunController runner(server);
        ASSERT_TRUE(runner.Start(test, nullptr));
        ASSERT_TRUE(ProcessEventsUntil([&] { return started.load(); }, 5000));
    }
    // Passed would mean the test ran its full course: the controller waited but never asked it to stop.
    EXPECT_EQ(result.load(), static_cast<uint32_t>(Aborted));
}

} // namespace
