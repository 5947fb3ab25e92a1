// The keycode verification test's results, messages and progress, with the host's answer given
// directly or through the real dialog offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <future>
#include <memory>
#include <thread>

#include "DialogFakes.h"
#include "HostExecution.h"
#include "KeyboardFixture.h"
#include "TestRunner.h"
#include "components/KeyboardComponent.h"
#include "keycode/AbstractWidgetWrapper.h"
#include "keycode/KeycodeVerificationTest.h"
#include "module/InputRequest.h"
#include "module/MessageKeys.h"
#include "module/ObjectId.h"

namespace {

using corvo::hosts::HostExecution;
namespace keys = corvo::keyboard::keys;

constexpr size_t kPs2KeyboardPortFlag = 9;

class KeycodeVerificationTestTest : public ::testing::Test {
protected:
    void SetUp() override { keycodetest::InstallFakes(); }
    void TearDown() override { corvo::platform::InstallDialogPlatform({}); }

    void WithKeyboard(bool present)
    {
        if (present) {
            m_machine.SetPs2Flag(kPs2KeyboardPortFlag);
        }
        m_keyboard = std::make_unique<KeyboardComponent>("0", m_machine.Platform());
    }

    // The host answers every dialog request with answer, counting the requests.
    uint32_t RunAnswering(uint32_t answer, bool acceptsRequests = true, uint32_t eventsDuringDialog = 0)
    {
        HostExecution::Callbacks callbacks;
        callbacks.onInputRequest = [this, answer, eventsDuringDialog](InputRequest& request) {
            ++m_requests;
            m_lastTitle = request.title;
            m_lastType = request.requestType;
            m_lastOption = request.option;
            m_sawWrapper = request.widgetWrapper != nullptr;
            m_execution->RaiseSystemEvents(eventsDuringDialog);
            request.answer = answer;
        };
        m_execution = std::make_unique<HostExecution>(m_keyboard.get(), acceptsRequests, callbacks);
        return m_test.Run(m_execution.get());
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
    std::unique_ptr<KeyboardComponent> m_keyboard;
    std::unique_ptr<HostExecution> m_execution;
    KeycodeVerificationTest m_test{ObjectId(10, 1, 3)};
    int m_requests = 0;
    std::string m_lastTitle;
    uint32_t m_lastType = 0;
    uint32_t m_lastOption = 0;
    bool m_sawWrapper = false;
};

struct AnswerRow {
    uint32_t answer;
    uint32_t result;
};

class KeycodeAnswerTest : public KeycodeVerificationTestTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(KeycodeAnswerTest, DialogAnswerBecomesTheResult)
{
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(GetParam().answer), GetParam().result);
    EXPECT_EQ(m_requests, 1);
    EXPECT_EQ(m_lastTitle, keys::kKeycodeInputTitle);
    EXPECT_EQ(m_lastType, 1u);
    EXPECT_EQ(m_lastOption, 3u);
    EXPECT_TRUE(m_sawWrapper);
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 0, 30, 100}));
    EXPECT_TRUE(m_execution->Record().messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, KeycodeAnswerTest,
                         ::testing::Values(AnswerRow{3, 0}, AnswerRow{4, 1}, AnswerRow{0, 4}, AnswerRow{7, 4}));

TEST_F(KeycodeVerificationTestTest, NoKeyboardEndsBeforeAnyDialog)
{
    WithKeyboard(false);
    EXPECT_EQ(RunAnswering(3), 4u);
    EXPECT_EQ(m_requests, 0);
    ASSERT_EQ(m_execution->Record().messages.size(), 1u);
    EXPECT_EQ(m_execution->Record().messages[0].text, keys::kDeviceNotIdentified);
    EXPECT_EQ(m_execution->Record().messages[0].kind, 0u);
    EXPECT_EQ(Percentages(), (std::vector<int>{100}));
}

TEST_F(KeycodeVerificationTestTest, HostWithoutDialogsGetsNotRunAndNothingElse)
{
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(3, false), 3u);
    EXPECT_EQ(m_requests, 0);
    EXPECT_TRUE(m_execution->Record().progress.empty());
    EXPECT_TRUE(m_execution->Record().messages.empty());
}

TEST_F(KeycodeVerificationTestTest, SystemEventAfterTheDialogAbortsWithTheMessage)
{
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(3, true, 0x1), 4u);
    ASSERT_EQ(m_execution->Record().messages.size(), 1u);
    EXPECT_EQ(m_execution->Record().messages[0].text, keys::kSystemEventAbort);
}

TEST_F(KeycodeVerificationTestTest, EventThatOnlyTheDialogCountsGivesNoMessage)
{
    // 0x100 ends the dialog without a verdict but is not compromising for the test itself.
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(0, true, 0x100), 4u);
    EXPECT_TRUE(m_execution->Record().messages.empty());
}

TEST_F(KeycodeVerificationTestTest, CancelOrEventBeforeTheDialogShowsNone)
{
    WithKeyboard(true);
    m_execution = std::make_unique<HostExecution>(m_keyboard.get(), true, HostExecution::Callbacks{});
    m_execution->RequestCancel();
    EXPECT_EQ(m_test.Run(m_execution.get()), 4u);
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 0, 100}));

    m_execution = std::make_unique<HostExecution>(m_keyboard.get(), true, HostExecution::Callbacks{});
    m_execution->RaiseSystemEvents(0x2);
    EXPECT_EQ(m_test.Run(m_execution.get()), 4u);
    ASSERT_EQ(m_execution->Record().messages.size(), 1u);
    EXPECT_EQ(m_execution->Record().messages[0].text, keys::kSystemEventAbort);
}

TEST_F(KeycodeVerificationTestTest, DeviceThatIsNotTheKeyboardOrMissingPartsGiveInternalError)
{
    HostExecution noDevice(nullptr, true, {});
    EXPECT_EQ(m_test.Run(&noDevice), 6u);
    EXPECT_EQ(m_test.Run(nullptr), 6u);
    EXPECT_TRUE(m_test.IsApplicable(nullptr));
    EXPECT_TRUE(m_test.IsInteractive());
}

TEST_F(KeycodeVerificationTestTest, RealDialogOnTheHostThreadAnswersYes)
{
    // As a host does it: the test on a worker thread, the dialog on this thread, the worker
    // blocked until the answer is written.
    WithKeyboard(true);
    std::thread::id dialogThread;
    HostExecution::Callbacks callbacks;
    callbacks.onInputRequest = [&](InputRequest& request) {
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                dialogThread = std::this_thread::get_id();
                QTimer::singleShot(100, [] {
                    for (QWidget* widget : QApplication::topLevelWidgets()) {
                        if (auto* yes = widget->findChild<QPushButton*>("keycode_test_button_yes");
                            yes != nullptr && widget->isVisible()) {
                            yes->click();
                        }
                    }
                });
                request.answer = static_cast<uint32_t>(request.widgetWrapper->Execute(nullptr, nullptr, 0));
            },
            Qt::BlockingQueuedConnection);
    };
    HostExecution execution(m_keyboard.get(), true, callbacks);
    const corvo::hosts::RunOutcome outcome = corvo::hosts::RunOnWorkerThread(
        m_test, execution, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
    EXPECT_EQ(outcome.result, 0u);
    EXPECT_TRUE(dialogThread == std::this_thread::get_id()) << "the dialog ran off the host's thread";
}

} // namespace
