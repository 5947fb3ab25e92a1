// The desktop host's input-request hand-over: dialogs on the UI thread with the worker waiting,
// notices without waiting, the host's event filter on the dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QWidget>

#include <chrono>
#include <future>
#include <thread>

#include "DialogEventCounter.h"
#include "HostExecution.h"
#include "HostTestDoubles.h"
#include "InputRequestServer.h"
#include "TestRunController.h"
#include "module/InputRequest.h"
#include "module/ProgressReporter.h"
#include "module/TestResult.h"

namespace {

using namespace corvo::gui_testing;
using corvo::hosts::gui::DialogEventCounter;
using corvo::hosts::gui::InputRequestServer;
using corvo::hosts::gui::TestRunController;

const ObjectId kKeycodeTest(10, 1, 3);

class InputRequestServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.resize(400, 300);
        host.show();
    }

    QWidget host;
    DialogEventCounter counter;
    InputRequestServer server{&host, &counter};
};

struct AnswerRow {
    bool yes;
    uint32_t answer;
    uint32_t result; // what the interactive test makes of it
};

class DialogAnswerTest : public InputRequestServerTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(DialogAnswerTest, DialogRunsOnTheUiThreadAndItsAnswerReachesTheWaitingWorker)
{
    std::atomic<bool> workerReturned{false};
    ClickedDialogWrapper wrapper(GetParam().yes, 3, &workerReturned);
    std::atomic<uint32_t> answerSeenByWorker{99};
    std::atomic<bool> acceptedRequests{false};
    ScriptedTest test(kKeycodeTest, [&](ExecutionContext* execution) -> uint32_t {
        ProgressReporter* reporter = execution->GetProgressReporter();
        acceptedRequests = reporter->AcceptsInputRequests();
        InputRequest request = InputRequest::Dialog(&wrapper, "KEYCODE_INPUT_TITLE");
        reporter->RequestInput(request);
        answerSeenByWorker = request.answer;
        workerReturned = true;
        return request.answer == 3 ? Passed : request.answer == 4 ? Failed : Aborted;
    }, true);

    TestRunController runner(server);
    QSignalSpy started(&server, &InputRequestServer::dialogStarted);
    QSignalSpy finishedDialog(&server, &InputRequestServer::dialogFinished);
    QSignalSpy counted(&counter, &DialogEventCounter::countChanged);
    QSignalSpy finishedRun(&runner, &TestRunController::finished);
    ASSERT_TRUE(runner.Start(test, nullptr));
    ASSERT_TRUE(ProcessEventsUntil([&] { return finishedRun.count() == 1; }));

    EXPECT_TRUE(acceptedRequests.load()) << "the desktop host accepts input requests";
    EXPECT_EQ(answerSeenByWorker.load(), GetParam().answer);
    EXPECT_EQ(finishedRun.at(0).at(0).toUInt(), GetParam().result);
    EXPECT_EQ(finishedRun.at(0).at(1).toString(), QString());
    EXPECT_EQ(wrapper.executeThread, QCoreApplication::instance()->thread());
    EXPECT_NE(test.runThread.load(), QCoreApplication::instance()->thread()) << "tests never run on the UI thread";
    EXPECT_EQ(wrapper.seenHostWindow, &host);
    EXPECT_EQ(wrapper.seenValue, 0);
    EXPECT_TRUE(wrapper.workerBlockedWhileShown) << "the worker went on before the dialog ended";

    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.at(0).at(0).toString(), QStringLiteral("KEYCODE_INPUT_TITLE"));
    ASSERT_EQ(finishedDialog.count(), 1);
    EXPECT_EQ(finishedDialog.at(0).at(0).toString(), QStringLiteral("KEYCODE_INPUT_TITLE"));
    EXPECT_EQ(finishedDialog.at(0).at(1).toInt(), static_cast<int>(GetParam().answer));
    // One count per key the dialog showed, seen through the filter on the dialog.
    ASSERT_EQ(counted.count(), 3);
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(counted.at(index).at(0).toInt(), index + 1);
    }
    EXPECT_EQ(counter.Count(), 3);
}

INSTANTIATE_TEST_SUITE_P(Buttons, DialogAnswerTest,
                         ::testing::Values(AnswerRow{true, 3, Passed}, AnswerRow{false, 4, Failed}),
                         [](const ::testing::TestParamInfo<AnswerRow>& info) {
                             return std::string(info.param.yes ? "Yes" : "No");
                         });

TEST_F(InputRequestServerTest, NoticeIsHandedOverWithoutWaitingForTheUiThread)
{
    QSignalSpy notices(&server, &InputRequestServer::noticeRequested);
    // A receiver of the UI thread, as the window is: it must get the notice there, queued.
    QObject window;
    int delivered = 0;
    QThread* deliveredOn = nullptr;
    QObject::connect(&server, &InputRequestServer::noticeRequested, &window, [&] {
        ++delivered;
        deliveredOn = QThread::currentThread();
    });
    InputRequest request = InputRequest::Notice("PS2_KEYBOARD_TEST", "KEYBOARD_AVOID_USER_INTERVATION_MESSAGE", nullptr);
    request.answer = 77;
    // The UI thread does not run its event loop until the worker has returned: a blocking
    // hand-over would never return.
    std::future<void> served = std::async(std::launch::async, [&] { server.Serve(request); });
    ASSERT_EQ(served.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "the notice blocked the worker";
    served.get();
    EXPECT_EQ(request.answer, 77u) << "notices have no answer";
    EXPECT_EQ(delivered, 0) << "delivered on the UI thread, not on the worker's";

    ASSERT_TRUE(ProcessEventsUntil([&] { return delivered == 1; }, 5000));
    EXPECT_EQ(deliveredOn, QCoreApplication::instance()->thread());
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.at(0).at(0).toString(), QStringLiteral("PS2_KEYBOARD_TEST"));
    EXPECT_EQ(notices.at(0).at(1).toString(), QStringLiteral("KEYBOARD_AVOID_USER_INTERVATION_MESSAGE"));
}

TEST_F(InputRequestServerTest, DialogRequestedOnTheUiThreadItselfRunsThereWithoutDeadlock)
{
    ClickedDialogWrapper wrapper(true, 0, nullptr);
    InputRequest request = InputRequest::Dialog(&wrapper, "kTkAdvancedTestInputTitle");
    QSignalSpy finishedDialog(&server, &InputRequestServer::dialogFinished);
    server.Serve(request);
    EXPECT_EQ(request.answer, 3u);
    EXPECT_EQ(wrapper.executeThread, QCoreApplication::instance()->thread());
    ASSERT_EQ(finishedDialog.count(), 1);
    EXPECT_EQ(finishedDialog.at(0).at(0).toString(), QStringLiteral("kTkAdvancedTestInputTitle"));
    EXPECT_EQ(finishedDialog.at(0).at(1).toInt(), 3);
}

TEST_F(InputRequestServerTest, DialogRequestWithoutWrapperIsAnsweredWithNoVerdict)
{
    InputRequest request = InputRequest::Dialog(nullptr, "KEYCODE_INPUT_TITLE");
    request.answer = 3;
    QSignalSpy finishedDialog(&server, &InputRequestServer::dialogFinished);
    std::thread worker([&] { server.Serve(request); });
    ASSERT_TRUE(ProcessEventsUntil([&] { return finishedDialog.count() == 1; }, 5000));
    worker.join();
    EXPECT_EQ(request.answer, 0u);
    EXPECT_EQ(finishedDialog.at(0).at(0).toString(), QStringLiteral("KEYCODE_INPUT_TITLE"));
    EXPECT_EQ(finishedDialog.at(0).at(1).toInt(), 0);
}

TEST(DialogEventCounterTest, CountsOnlyUserEvents)
{
    DialogEventCounter counter;
    QObject watched;
    watched.installEventFilter(&counter);
    QSignalSpy counted(&counter, &DialogEventCounter::countChanged);
    QCoreApplication::postEvent(&watched, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&watched, new QEvent(static_cast<QEvent::Type>(QEvent::User + 1)));
    QCoreApplication::postEvent(&watched, new QEvent(QEvent::User));
    QCoreApplication::sendPostedEvents(&watched);
    ASSERT_EQ(counted.count(), 2);
    EXPECT_EQ(counted.at(0).at(0).toInt(), 1);
    EXPECT_EQ(counted.at(1).at(0).toInt(), 2);
    EXPECT_EQ(counter.Count(), 2);

    counter.Reset();
    ASSERT_EQ(counted.count(), 3);
    EXPECT_EQ(counted.at(2).at(0).toInt(), 0);
    EXPECT_EQ(counter.Count(), 0);
}

} // namespace
