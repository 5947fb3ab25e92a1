// The two interactive tests' results, messages and progress, with the host's answer given
// directly or through the real dialog offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <future>
#include <string>
#include <tuple>
#include <memory>
#include <thread>

#include "DialogFakes.h"
#include "HostExecution.h"
#include "KeyboardFixture.h"
#include "TestRunner.h"
#include "components/KeyboardComponent.h"
#include "advanced/AdvancedTest.h"
#include "keycode/AbstractWidgetWrapper.h"
#include "keycode/KeycodeVerificationTest.h"
#include "module/InputRequest.h"
#include "module/MessageKeys.h"
#include "module/ObjectId.h"

namespace {

using corvo::hosts::HostExecution;
namespace keys = corvo::keyboard::keys;

constexpr size_t kPs2KeyboardPortFlag = 9;

// One of the interactive tests, with what tells its requests and dialog apart.
struct InteractiveKind {
    const char* name;
    std::function<std::unique_ptr<InteractiveDialogTest>()> make;
    const char* title;
    const char* yesButton;
};

const InteractiveKind kKeycodeKind{
    "Keycode", [] { return std::make_unique<KeycodeVerificationTest>(ObjectId(10, 1, 3)); },
    keys::kKeycodeInputTitle, "keycode_test_button_yes"};
const InteractiveKind kAdvancedKind{
    "Advanced", [] { return std::make_unique<AdvancedTest>(ObjectId(10, 1, 4)); },
    keys::kAdvancedTestInputTitle, "keyboard_advanced_test_button_yes"};

std::string KindName(const ::testing::TestParamInfo<InteractiveKind>& info)
{
    return info.param.name;
}

struct AnswerRow {
    uint32_t answer;
    uint32_t result;
};

const InteractiveKind& KindOf(const InteractiveKind& kind)
{
    return kind;
}

const InteractiveKind& KindOf(const std::tuple<InteractiveKind, AnswerRow>& param)
{
    return std::get<0>(param);
}

template <typename Param>
class InteractiveTestFixture : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override
    {
        keycodetest::InstallFakes();
        m_kind = KindOf(this->GetParam());
        m_owned = m_kind.make();
    }
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
        return Subject().Run(m_execution.get());
    }

    std::vector<int> Percentages() const
    {
        std::vector<int> percentages;
        for (const auto& step : m_execution->Record().progress) {
            percentages.push_back(step.percent);
        }
        return percentages;
    }

    InteractiveDialogTest& Subject() { return *m_owned; }

    InteractiveKind m_kind;
    std::unique_ptr<InteractiveDialogTest> m_owned;
    keyboardtest::ScriptedMachine m_machine;
    std::unique_ptr<KeyboardComponent> m_keyboard;
    std::unique_ptr<HostExecution> m_execution;
    int m_requests = 0;
    std::string m_lastTitle;
    uint32_t m_lastType = 0;
    uint32_t m_lastOption = 0;
    bool m_sawWrapper = false;
};

class InteractiveTestTest : public InteractiveTestFixture<InteractiveKind> {};

INSTANTIATE_TEST_SUITE_P(Tests, InteractiveTestTest, ::testing::Values(kKeycodeKind, kAdvancedKind), KindName);

class InteractiveAnswerTest : public InteractiveTestFixture<std::tuple<InteractiveKind, AnswerRow>> {};

TEST_P(InteractiveAnswerTest, DialogAnswerBecomesTheResult)
{
    const AnswerRow row = std::get<1>(GetParam());
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(row.answer), row.result);
    EXPECT_EQ(m_requests, 1);
    EXPECT_EQ(m_lastTitle, m_kind.title);
    EXPECT_EQ(m_lastType, 1u);
    EXPECT_EQ(m_lastOption, 3u);
    EXPECT_TRUE(m_sawWrapper);
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 0, 30, 100}));
    EXPECT_TRUE(m_execution->Record().messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, InteractiveAnswerTest,
                         ::testing::Combine(::testing::Values(kKeycodeKind, kAdvancedKind),
                                            ::testing::Values(AnswerRow{3, 0}, AnswerRow{4, 1}, AnswerRow{0, 4},
                                                              AnswerRow{7, 4})),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "Answer" +
                                    std::to_string(std::get<1>(info.param).answer);
                         });

TEST_P(InteractiveTestTest, NoKeyboardEndsBeforeAnyDialog)
{
    WithKeyboard(false);
    EXPECT_EQ(RunAnswering(3), 4u);
    EXPECT_EQ(m_requests, 0);
    ASSERT_EQ(m_execution->Record().messages.size(), 1u);
    EXPECT_EQ(m_execution->Record().messages[0].text, keys::kDeviceNotIdentified);
    EXPECT_EQ(m_execution->Record().messages[0].kind, 0u);
    EXPECT_EQ(Percentages(), (std::vector<int>{100}));
}

TEST_P(InteractiveTestTest, HostWithoutDialogsGetsNotRunAndNothingElse)
{
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(3, false), 3u);
    EXPECT_EQ(m_requests, 0);
    EXPECT_TRUE(m_execution->Record().progress.empty());
    EXPECT_TRUE(m_execution->Record().messages.empty());
}

TEST_P(InteractiveTestTest, SystemEventAfterTheDialogAbortsWithTheMessage)
{
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(3, true, 0x1), 4u);
    ASSERT_EQ(m_execution->Record().messages.size(), 1u);
    EXPECT_EQ(m_execution->Record().messages[0].text, keys::kSystemEventAbort);
}

TEST_P(InteractiveTestTest, EventThatOnlyTheDialogCountsGivesNoMessage)
{
    // 0x100 ends the dialog without a verdict but is not compromising for the test itself.
    WithKeyboard(true);
    EXPECT_EQ(RunAnswering(0, true, 0x100), 4u);
    EXPECT_TRUE(m_execution->Record().messages.empty());
}

TEST_P(InteractiveTestTest, CancelOrEventBeforeTheDialogShowsNone)
{
    WithKeyboard(true);
    m_execution = std::make_unique<HostExecution>(m_keyboard.get(), true, HostExecution::Callbacks{});
    m_execution->RequestCancel();
    EXPECT_EQ(Subject().Run(m_execution.get()), 4u);
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 0, 100}));

    m_execution = std::make_unique<HostExecution>(m_keyboard.get(), true, HostExecution::Callbacks{});
    m_execution->RaiseSystemEvents(0x2);
    EXPECT_EQ(Subject().Run(m_execution.get()), 4u);
    ASSERT_EQ(m_execution->Record().messages.size(), 1u);
    EXPECT_EQ(m_execution->Record().messages[0].text, keys::kSystemEventAbort);
}

TEST_P(InteractiveTestTest, DeviceThatIsNotTheKeyboardOrMissingPartsGiveInternalError)
{
    HostExecution noDevice(nullptr, true, {});
    EXPECT_EQ(Subject().Run(&noDevice), 6u);
    EXPECT_EQ(Subject().Run(nullptr), 6u);
    EXPECT_TRUE(Subject().IsApplicable(nullptr));
    EXPECT_TRUE(Subject().IsInteractive());
}

TEST_P(InteractiveTestTest, RealDialogOnTheHostThreadAnswersYes)
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
                QTimer::singleShot(100, [this] {
                    for (QWidget* widget : QApplication::topLevelWidgets()) {
                        if (auto* yes = widget->findChild<QPushButton*>(m_kind.yesButton);
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
        Subject(), execution, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
    EXPECT_EQ(outcome.result, 0u);
    EXPECT_TRUE(dialogThread == std::this_thread::get_id()) << "the dialog ran off the host's thread";
}

} // namespace
