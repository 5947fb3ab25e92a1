// The PS/2 keyboard test against the simulated i8042 controller plug-in, on a virtual clock.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "../components/KeyboardFixture.h"
#include "HostExecution.h"
#include "I8042SimulatorExports.h"
#include "SimulatorLogCheck.h"
#include "automatic/PS2KeyboardTest.h"
#include "components/KeyboardComponent.h"
#include "module/InputRequest.h"
#include "module/TestResult.h"
#include "platform/DynamicLibraries.h"

namespace {

using corvo::hosts::HostExecution;

const char kNotIdentified[] =
    "THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED";
const char kIntervention[] =
    "THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_ATTACHED_OR_"
    "BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING";
constexpr uint8_t kEscape = 0x1B;

// The simulator copy that the component's driver-service holder loaded.
std::vector<corvo::i8042::LogEntry> SimulatorLog()
{
    std::vector<corvo::i8042::LogEntry> log;
    void* simulator = dlopen(I8042_SIMULATOR_SONAME, RTLD_NOW | RTLD_NOLOAD);
    if (simulator == nullptr) {
        return log;
    }
    auto count = reinterpret_cast<I8042SimulatorLogCountFunction>(dlsym(simulator, I8042_SIMULATOR_LOG_COUNT_SYMBOL));
    auto entryAt =
        reinterpret_cast<I8042SimulatorLogEntryAtFunction>(dlsym(simulator, I8042_SIMULATOR_LOG_ENTRY_AT_SYMBOL));
    for (std::size_t index = 0; count != nullptr && entryAt != nullptr && index < count(); ++index) {
        I8042SimulatorLogEntry raw{};
        entryAt(index, &raw);
        corvo::i8042::LogEntry entry;
        entry.sequence = raw.sequence;
        entry.time = raw.timeMicroseconds;
        entry.isWrite = raw.isWrite != 0;
        entry.port = raw.port;
        entry.value = raw.value;
        entry.configuration = raw.configuration;
        entry.dropped = raw.dropped != 0;
        log.push_back(entry);
    }
    dlclose(simulator);
    return log;
}

int Writes(const std::vector<corvo::i8042::LogEntry>& log, uint16_t port, uint8_t value)
{
    int writes = 0;
    for (const auto& entry : log) {
        writes += entry.isWrite && entry.port == port && entry.value == value ? 1 : 0;
    }
    return writes;
}

class PS2KeyboardTestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char folder[4096];
        ASSERT_NE(getcwd(folder, sizeof folder), nullptr);
        m_previousFolder = folder;
        // The module loads its driver service from the current directory.
        ASSERT_EQ(chdir(SIMULATOR_FOLDER), 0);
        m_machine.SetPs2Flag(13);
    }

    void TearDown() override
    {
        m_keyboard.reset();
        unsetenv("HALVIK_I8042_SCENARIO");
        ASSERT_EQ(chdir(m_previousFolder.c_str()), 0);
    }

    // Builds the component on the simulated controller with the scenario of a fixture folder.
    void Machine(const std::string& scenario)
    {
        const std::string path = std::string(FIXTURES_FOLDER) + "/i8042-" + scenario + "/i8042-scenario";
        setenv("HALVIK_I8042_SCENARIO", path.c_str(), 1);
        // The old component must let go of the plug-in first, or the new one shares its load and
        // with it the old scenario.
        m_keyboard.reset();
        KeyboardPlatform platform = m_machine.Platform();
        platform.libraries = &corvo::platform::SystemDynamicLibraries();
        m_keyboard = std::make_unique<KeyboardComponent>("0", platform);
        // A plug-in the loader keeps resident would keep its first scenario: start it afresh.
        void* simulator = dlopen(I8042_SIMULATOR_SONAME, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(simulator, nullptr);
        auto reset = reinterpret_cast<I8042SimulatorResetFunction>(dlsym(simulator, I8042_SIMULATOR_RESET_SYMBOL));
        ASSERT_NE(reset, nullptr);
        ASSERT_EQ(reset(path.c_str()), 1) << path;
        dlclose(simulator);
        ASSERT_TRUE(m_keyboard->HasDriverService()) << m_keyboard->DriverServiceProblem();
    }

    uint32_t Run(bool acceptsInput = false, HostExecution::Callbacks callbacks = {})
    {
        if (!callbacks.onInputRequest) {
            callbacks.onInputRequest = [this](InputRequest& request) { m_requests.push_back(request.requestType); };
        }
        m_execution = std::make_unique<HostExecution>(m_keyboard.get(), acceptsInput, callbacks);
        return m_test.Run(m_execution.get());
    }

    std::vector<std::string> MessageKeys() const
    {
        std::vector<std::string> keys;
        for (const auto& message : m_execution->Record().messages) {
            keys.push_back(message.text);
        }
        return keys;
    }

    std::vector<int> Percentages() const
    {
        std::vector<int> percentages;
        for (const auto& step : m_execution->Record().progress) {
            percentages.push_back(step.percent);
        }
        return percentages;
    }

    std::string m_previousFolder;
    keyboardtest::ScriptedMachine m_machine;
    std::unique_ptr<KeyboardComponent> m_keyboard;
    std::unique_ptr<HostExecution> m_execution;
    std::vector<uint32_t> m_requests;
    PS2KeyboardTest m_test{ObjectId(10, 1, 1)};
};

TEST_F(PS2KeyboardTestTest, GoodKeyboardPassesAfterOneResetAndReleasesKeys)
{
    Machine("good-keyboard");
    // Escape is never intervention, so it can stay down and show the release step at work.
    m_machine.keyState.Press(kEscape);
    EXPECT_EQ(Run(), Passed);
    EXPECT_TRUE(MessageKeys().empty());
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 25, 50, 75, 100}));
    const auto log = SimulatorLog();
    EXPECT_EQ(Writes(log, 0x60, 0xFF), 1);
    EXPECT_EQ(Writes(log, 0x60, 0x56), 1);
    EXPECT_EQ(Writes(log, 0x60, 0x47), 1);
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(log));
    EXPECT_EQ(m_machine.keyState.released, std::vector<uint8_t>{kEscape});
    EXPECT_EQ(m_machine.classDriver.restores, 1);
}

TEST_F(PS2KeyboardTestTest, FailingSelfTestFailsAfterAHundredAttemptsInVirtualTime)
{
    Machine("self-test-fails-fc");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Run(), Failed);
    const auto realTime = std::chrono::steady_clock::now() - start;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(realTime).count(), 1000);
    const auto log = SimulatorLog();
    EXPECT_EQ(Writes(log, 0x60, 0xFF), 100);
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(log));
}

TEST_F(PS2KeyboardTestTest, ScanCodeDuringResetAbortsWithInterruptsBackOn)
{
    Machine("scan-code-during-reset");
    EXPECT_EQ(Run(), Aborted);
    const auto log = SimulatorLog();
    EXPECT_EQ(Writes(log, 0x60, 0xFF), 1);
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(log));
}

TEST_F(PS2KeyboardTestTest, ControllerThatNeverTakesABytesAbortsBeforeSwitchingAnythingOff)
{
    Machine("input-buffer-stuck");
    EXPECT_EQ(Run(), Aborted);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE"});
    EXPECT_EQ(m_execution->Record().messages[0].kind, Warning);
    const auto log = SimulatorLog();
    EXPECT_EQ(Writes(log, 0x60, 0x56), 0);
    EXPECT_EQ(Writes(log, 0x60, 0xFF), 0);
}

TEST_F(PS2KeyboardTestTest, ResendStormIsSentAgainUntilTheKeyboardAnswers)
{
    Machine("resend-storm");
    EXPECT_EQ(Run(), Passed);
    EXPECT_GE(Writes(SimulatorLog(), 0x60, 0xFF), 2);
}

TEST_F(PS2KeyboardTestTest, KeyPressedInTheFirstQuietPhaseEndsTheRunBeforeAnyControllerAccess)
{
    Machine("good-keyboard");
    m_machine.keyState.onKeyboardReading = [](keyboardtest::ScriptedKeyState& state) {
        if (state.keyboardReadings == 5) {
            state.Press(0x41);
        }
    };
    EXPECT_EQ(Run(), Aborted);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{kIntervention});
    EXPECT_EQ(m_execution->Record().progress.back().text, kIntervention);
    EXPECT_TRUE(SimulatorLog().empty());
}

TEST_F(PS2KeyboardTestTest, CancelDuringTheLastQuietPhaseTurnsAPassIntoAnAbort)
{
    Machine("good-keyboard");
    HostExecution::Callbacks callbacks;
    HostExecution* execution = nullptr;
    callbacks.onProgress = [&execution](const corvo::hosts::ReceivedProgress& progress) {
        if (progress.percent == 75 && execution != nullptr) {
            execution->RequestCancel();
        }
    };
    m_execution = std::make_unique<HostExecution>(m_keyboard.get(), false, callbacks);
    execution = m_execution.get();
    EXPECT_EQ(m_test.Run(m_execution.get()), Aborted);
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(SimulatorLog()));
}

TEST_F(PS2KeyboardTestTest, TypematicThatCannotBeRestoredOnlyTurnsAPassIntoAWarning)
{
    Machine("good-keyboard");
    m_machine.classDriver.repeatRestorable = false;
    EXPECT_EQ(Run(), PassedWithWarnings);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{"PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS"});
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 25, 50, 100, 75, 100}));

    Machine("self-test-fails-fd");
    EXPECT_EQ(Run(), Failed) << "a failure found earlier stays a failure";
}

TEST_F(PS2KeyboardTestTest, NoticeGoesOutOnlyToAReporterThatAcceptsInput)
{
    Machine("good-keyboard");
    EXPECT_EQ(Run(false), Passed);
    EXPECT_TRUE(m_requests.empty());
    EXPECT_EQ(Run(true), Passed);
    EXPECT_EQ(m_requests, std::vector<uint32_t>{ShowNotice});
}

TEST_F(PS2KeyboardTestTest, CompromisingEventBeforeTheStartAborts)
{
    Machine("good-keyboard");
    m_execution = std::make_unique<HostExecution>(m_keyboard.get(), false, HostExecution::Callbacks{});
    m_execution->RaiseSystemEvents(0x8);
    EXPECT_EQ(m_test.Run(m_execution.get()), Aborted);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{
                                 "TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED."});
    EXPECT_TRUE(SimulatorLog().empty());
}

TEST_F(PS2KeyboardTestTest, WithoutFirmwarePs2KeyboardTheTestCannotRun)
{
    Machine("good-keyboard");
    fakehwkit::SetFlag(13, 0);
    EXPECT_FALSE(m_test.IsApplicable(m_keyboard.get()));
    EXPECT_EQ(Run(), NotRun);
    EXPECT_EQ(MessageKeys(), std::vector<std::string>{kNotIdentified});
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 100}));
}

struct ScenarioRow {
    const char* scenario;
    uint32_t result;
    std::vector<std::string> messages;
};

class ScenarioResultTest : public PS2KeyboardTestTest, public ::testing::WithParamInterface<ScenarioRow> {};

TEST_P(ScenarioResultTest, ResultMessagesAndProgressFollowTheKeyboardsAnswers)
{
    Machine(GetParam().scenario);
    EXPECT_EQ(Run(), GetParam().result);
    EXPECT_EQ(MessageKeys(), GetParam().messages);
    // However the exchange ends, the run goes through both quiet phases.
    EXPECT_EQ(Percentages(), (std::vector<int>{0, 25, 50, 75, 100}));
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ScenarioResultTest,
    ::testing::Values(
        ScenarioRow{"good-keyboard", Passed, {}},
        ScenarioRow{"self-test-fails-fc", Failed, {}},
        ScenarioRow{"self-test-fails-fd", Failed, {}},
        ScenarioRow{"resend-storm", Passed, {}},
        // A keyboard that only ever asks for the command again never passes a self-test.
        ScenarioRow{"resend-forever", Failed, {}},
        // Silence ends each attempt; while the firmware still reports the keyboard, that is a failure.
        ScenarioRow{"no-keyboard", Failed, {}},
        ScenarioRow{"echo-only-keyboard", Failed, {}},
        ScenarioRow{"timeout-error", Failed, {}},
        // Pointer bytes and scan codes are somebody else's input: no verdict.
        ScenarioRow{"pointer-bytes-waiting", Aborted, {}},
        ScenarioRow{"scan-code-during-reset", Aborted, {}},
        ScenarioRow{"input-buffer-stuck", Aborted, {"KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE"}}),
    [](const ::testing::TestParamInfo<ScenarioRow>& info) {
        std::string name = info.param.scenario;
        for (char& c : name) {
            c = c == '-' ? '_' : c;
        }
        return name;
    });

class EveryScenarioTest : public PS2KeyboardTestTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryScenarioTest, KeyboardInterruptIsOnAgainOnEveryPath)
{
    Machine(GetParam());
    const uint32_t result = Run();
    EXPECT_NE(result, InternalError);
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(SimulatorLog())) << "result " << result;
}

INSTANTIATE_TEST_SUITE_P(Scenarios, EveryScenarioTest,
                         ::testing::Values("good-keyboard", "self-test-fails-fc", "self-test-fails-fd", "resend-storm",
                                           "resend-forever", "no-keyboard", "input-buffer-stuck",
                                           "pointer-bytes-waiting", "scan-code-during-reset", "parity-error",
                                           "timeout-error", "echo-only-keyboard"));

} // namespace
