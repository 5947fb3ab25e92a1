// The simulated controller as a host sees it through the service: status bits, commands, replies, time.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include "I8042Simulator.h"
#include "SimulatedMachine.h"
#include "SimulatorLogCheck.h"

namespace {

using corvo::i8042::FormatLogEntry;
using corvo::i8042::I8042Simulator;
using corvo::i8042::LogEntry;
using corvo::i8042::Microseconds;
using drivertest::SimulatedMachine;

constexpr uint16_t kData = 0x60;
constexpr uint16_t kStatus = 0x64;

struct ConfigurationRow {
    const char* name;
    const char* scenario;
    uint8_t status;
};

class ControllerAtStart : public testing::TestWithParam<ConfigurationRow> {};

TEST_P(ControllerAtStart, ShowsTheSystemFlagOfItsConfigurationAndNothingElseButTheKeyLock)
{
    SimulatedMachine machine(GetParam().scenario);
    EXPECT_EQ(machine.host.ReadStatus(), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Configurations, ControllerAtStart,
                         testing::Values(ConfigurationRow{"AsLinuxLeavesIt", "", 0x14},
                                         ConfigurationRow{"InterruptOff", "configuration 56", 0x14},
                                         ConfigurationRow{"SystemFlagClear", "configuration 43", 0x10},
                                         ConfigurationRow{"AllClear", "configuration 00", 0x10},
                                         ConfigurationRow{"HungController", "input-buffer never-empties", 0x16}),
                         [](const testing::TestParamInfo<ConfigurationRow>& info) { return std::string(info.param.name); });

TEST(I8042Controller, CommandKeepsInputFullUntilTakenThenAnswers)
{
    SimulatedMachine machine("");
    machine.host.Write(kStatus, 0x20);
    // Right after the write: bit 1 (not yet taken) and bit 3 (it was a command).
    EXPECT_EQ(machine.host.ReadStatus(), 0x14 | 0x02 | 0x08);
    // One poll later the controller has taken it and its answer waits.
    EXPECT_EQ(machine.host.ReadStatus(), 0x14 | 0x08 | 0x01);
    EXPECT_EQ(machine.host.ReadData(), 0x47);
    EXPECT_EQ(machine.host.ReadStatus(), 0x14 | 0x08);
}

TEST(I8042Controller, DataWriteClearsTheCommandBit)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.SendCommand(0x60));
    EXPECT_EQ(machine.host.ReadStatus() & 0x0A, 0x0A);
    ASSERT_TRUE(machine.host.SendData(0x47));
    EXPECT_EQ(machine.host.ReadStatus() & 0x0A, 0x02);
}

class ConfigurationByte : public testing::TestWithParam<uint8_t> {};

TEST_P(ConfigurationByte, ReadsBackWhatWasWritten)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(GetParam()));
    EXPECT_EQ(machine.host.ReadConfiguration(), GetParam());
    EXPECT_EQ(machine.host.ReadStatus() & 0x04, GetParam() & 0x04) << "status bit 2 mirrors the system flag";
}

INSTANTIATE_TEST_SUITE_P(Values, ConfigurationByte, testing::Values(0x56, 0x47, 0x65, 0x00, 0x04, 0xFF));

TEST(I8042Controller, ByteWrittenBeforeTheLastWasTakenIsDropped)
{
    SimulatedMachine machine("");
    machine.host.Write(kStatus, 0x60);
    machine.host.Write(kData, 0x56);
    const std::vector<LogEntry> log = machine.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_FALSE(log[0].dropped);
    EXPECT_TRUE(log[1].dropped);
    EXPECT_EQ(log[1].configuration, 0x47);
    // The controller is still waiting for the configuration byte; a careful write now lands.
    ASSERT_TRUE(machine.host.SendData(0x56));
    EXPECT_EQ(machine.host.ReadConfiguration(), 0x56);
}

TEST(I8042Controller, ByteForTheKeyboardSwitchesTheKeyboardClockOn)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(0x56));
    EXPECT_EQ(machine.host.Exchange(0xEE), "ee");
    EXPECT_EQ(machine.host.ReadConfiguration(), 0x46);
}

struct InterfaceRow {
    const char* name;
    uint8_t before;
    uint8_t command;
    uint8_t after;
};

class InterfaceCommand : public testing::TestWithParam<InterfaceRow> {};

TEST_P(InterfaceCommand, SetsOrClearsItsClockBit)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(GetParam().before));
    ASSERT_TRUE(machine.host.SendCommand(GetParam().command));
    EXPECT_EQ(machine.host.ReadConfiguration(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Commands, InterfaceCommand,
                         testing::Values(InterfaceRow{"DisableKeyboard", 0x47, 0xAD, 0x57},
                                         InterfaceRow{"EnableKeyboard", 0x57, 0xAE, 0x47},
                                         InterfaceRow{"DisablePointer", 0x47, 0xA7, 0x67},
                                         InterfaceRow{"EnablePointer", 0x67, 0xA8, 0x47},
                                         InterfaceRow{"EnableKeyboardAlreadyOn", 0x47, 0xAE, 0x47}),
                         [](const testing::TestParamInfo<InterfaceRow>& info) { return std::string(info.param.name); });

struct SelfTestRow {
    const char* name;
    uint8_t command;
    uint8_t answer;
};

class ControllerSelfTest : public testing::TestWithParam<SelfTestRow> {};

TEST_P(ControllerSelfTest, Passes)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.SendCommand(GetParam().command));
    const std::vector<drivertest::Arrival> answer = machine.host.Drain(5);
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].byte, GetParam().answer);
    EXPECT_EQ(answer[0].qualifiers, 0);
}

INSTANTIATE_TEST_SUITE_P(Tests, ControllerSelfTest,
                         testing::Values(SelfTestRow{"Controller", 0xAA, 0x55}, SelfTestRow{"KeyboardInterface", 0xAB, 0x00},
                                         SelfTestRow{"PointerInterface", 0xA9, 0x00}),
                         [](const testing::TestParamInfo<SelfTestRow>& info) { return std::string(info.param.name); });

TEST(I8042Controller, CommandItDoesNotModelIsTakenWithoutEffect)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.SendCommand(0xC0));
    EXPECT_TRUE(machine.host.WaitUntilInputEmpty(2));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain(5)), "");
    EXPECT_EQ(machine.host.ReadConfiguration(), 0x47);
}

TEST(I8042Controller, WriteOutputBufferCommandsMakeBytesAppearFromEitherDevice)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.SendCommand(0xD2));
    ASSERT_TRUE(machine.host.SendData(0x1C));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain(5)), "1c");
    ASSERT_TRUE(machine.host.SendCommand(0xD3));
    ASSERT_TRUE(machine.host.SendData(0x08));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain(5)), "08/pointer");
}

TEST(I8042Controller, CommandForThePointerIsAnsweredByThePointerAndSwitchesItsClockOn)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(0x67));
    ASSERT_TRUE(machine.host.SendCommand(0xD4));
    ASSERT_TRUE(machine.host.SendData(0xFF));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain()), "fa/pointer aa/pointer 00/pointer");
    EXPECT_EQ(machine.host.ReadConfiguration(), 0x47);
}

TEST(I8042Controller, PointerRulesAnswerPointerCommands)
{
    SimulatedMachine machine("pointer ff: fe\npointer other: none\n");
    ASSERT_TRUE(machine.host.SendCommand(0xD4));
    ASSERT_TRUE(machine.host.SendData(0xFF));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain()), "fe/pointer");
    ASSERT_TRUE(machine.host.SendCommand(0xD4));
    ASSERT_TRUE(machine.host.SendData(0xF4));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain()), "");
    EXPECT_EQ(machine.host.Exchange(0xFF), "fa aa") << "the keyboard keeps its own rules";
}

TEST(I8042Controller, KeyboardByteWaitsWhileTheKeyboardClockIsOff)
{
    SimulatedMachine machine("configuration 56\nat 0ms keyboard: 1e\n");
    EXPECT_FALSE(machine.host.NextByte(5).has_value());
    ASSERT_TRUE(machine.host.SendCommand(0xAE));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain(5)), "1e");
}

TEST(I8042Controller, PointerBytePassesAKeyboardByteThatIsHeld)
{
    SimulatedMachine machine("configuration 56\nat 0ms keyboard: 1e\nat 100ms pointer: 08\n");
    EXPECT_EQ(drivertest::Describe(machine.host.Drain(5)), "08/pointer");
    ASSERT_TRUE(machine.host.SendCommand(0xAE));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain(5)), "1e");
}

TEST(I8042Controller, PointerBytesWaitWhileThePointerClockIsOff)
{
    SimulatedMachine machine("configuration 67\nat 0ms pointer: 08\n");
    EXPECT_FALSE(machine.host.NextByte(5).has_value());
    ASSERT_TRUE(machine.host.SendCommand(0xA8));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain(5)), "08/pointer");
}

TEST(I8042Controller, SpontaneousByteArrivesAtItsTimeOnTheVirtualClock)
{
    SimulatedMachine machine("at 500ms keyboard: 1e\n");
    const std::optional<drivertest::Arrival> arrival = machine.host.NextByte(10);
    ASSERT_TRUE(arrival.has_value());
    EXPECT_EQ(arrival->byte, 0x1E);
    // Polls at 0, 100, ... 500 ms: the sixth is the first to see it.
    EXPECT_EQ(machine.host.Polls(), 6);
}

TEST(I8042Controller, EmptyDataPortStillShowsTheLastByte)
{
    SimulatedMachine machine("");
    ASSERT_EQ(machine.host.Exchange(0xEE), "ee");
    EXPECT_EQ(machine.host.ReadStatus() & 0x01, 0);
    EXPECT_EQ(machine.host.ReadData(), 0xEE);
}

TEST(I8042Keyboard, ResetIsAcknowledgedAtOnceAndPassesHalfASecondLater)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.SendData(0xFF));
    EXPECT_EQ(drivertest::Describe(machine.host.Drain()), "fa aa");
    Microseconds acknowledged = 0;
    Microseconds passed = 0;
    for (const LogEntry& entry : machine.Log()) {
        if (!entry.isWrite && entry.port == kData && entry.value == 0xFA) {
            acknowledged = entry.time;
        }
        if (!entry.isWrite && entry.port == kData && entry.value == 0xAA) {
            passed = entry.time;
        }
    }
    // Written at 100 ms; the poll at 200 ms is the first to see the acknowledgement, read right after.
    EXPECT_EQ(acknowledged, 300000u);
    EXPECT_GE(passed, acknowledged + 500000u);
    EXPECT_LE(passed, acknowledged + 600000u);
}

TEST(I8042Keyboard, NewCommandDropsWhatWasLeftOfTheLastAnswer)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.SendData(0xFF));
    const std::optional<drivertest::Arrival> acknowledgement = machine.host.NextByte();
    ASSERT_TRUE(acknowledgement.has_value());
    EXPECT_EQ(acknowledgement->byte, 0xFA);
    EXPECT_EQ(machine.host.Exchange(0xEE), "ee");
}

TEST(I8042Keyboard, ResendRepeatsTheLastByteSent)
{
    SimulatedMachine machine("");
    EXPECT_EQ(machine.host.Exchange(0xFE), "") << "nothing sent yet, nothing to repeat";
    EXPECT_EQ(machine.host.Exchange(0xEE), "ee");
    EXPECT_EQ(machine.host.Exchange(0xFE), "ee");
}

TEST(I8042Keyboard, ParameterIsAcknowledgedAndNotTakenAsACommand)
{
    // If 0x02 were taken as a command this rule would answer it.
    SimulatedMachine machine("keyboard 02: fe\n");
    EXPECT_EQ(machine.host.Exchange(0xED), "fa");
    EXPECT_EQ(machine.host.Exchange(0x02), "fa");
    EXPECT_EQ(machine.host.Exchange(0x02), "fe");
}

TEST(I8042Keyboard, CommandNotAcknowledgedWaitsForNoParameter)
{
    SimulatedMachine machine("keyboard ed: fe\nkeyboard 02: fc\n");
    EXPECT_EQ(machine.host.Exchange(0xED), "fe");
    EXPECT_EQ(machine.host.Exchange(0x02), "fc");
}

TEST(I8042Keyboard, IdentifiesAsAnMf2Keyboard)
{
    SimulatedMachine machine("");
    EXPECT_EQ(machine.host.Exchange(0xF2), "fa ab 83");
}

struct RuleRow {
    const char* name;
    const char* scenario;
    std::vector<std::pair<uint8_t, const char*>> exchanges;
};

class ReplyRules : public testing::TestWithParam<RuleRow> {};

TEST_P(ReplyRules, AnswerInOrderThenFallBack)
{
    SimulatedMachine machine(GetParam().scenario);
    ASSERT_TRUE(machine.instance.IsReady()) << machine.instance.Problem();
    int exchange = 0;
    for (const auto& [command, expected] : GetParam().exchanges) {
        EXPECT_EQ(machine.host.Exchange(command), expected) << "exchange " << ++exchange;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Selection, ReplyRules,
    testing::Values(
        RuleRow{"CountedThenUnlimited", "keyboard ff 2 times: fe\nkeyboard ff: fa +500ms fc\n",
                {{0xFF, "fe"}, {0xFF, "fe"}, {0xFF, "fa fc"}, {0xFF, "fa fc"}}},
        RuleRow{"CountedThenBuiltIn", "keyboard ff 1 time: fe\n", {{0xFF, "fe"}, {0xFF, "fa aa"}, {0xFF, "fa aa"}}},
        RuleRow{"SpecificBeatsOther", "keyboard other: fa fa\nkeyboard ee: ee ee\n",
                {{0xEE, "ee ee"}, {0xF4, "fa fa"}, {0xFF, "fa fa"}}},
        RuleRow{"UsedUpSpecificFallsToOther", "keyboard ff 1 time: fe\nkeyboard other: none\n",
                {{0xFF, "fe"}, {0xFF, ""}, {0xEE, ""}}},
        RuleRow{"CountedOtherThenBuiltIn", "keyboard other 2 times: none\n", {{0xF4, ""}, {0xEE, ""}, {0xF4, "fa"}}},
        RuleRow{"CountsAreKeptPerRule", "keyboard ff 1 time: fe\nkeyboard ee 1 time: fc\n",
                {{0xEE, "fc"}, {0xFF, "fe"}, {0xEE, "ee"}, {0xFF, "fa aa"}}},
        RuleRow{"FlagsTravelWithTheirByte", "keyboard ee: ee/parity ee/timeout ee\n", {{0xEE, "ee/parity ee/timeout ee"}}}),
    [](const testing::TestParamInfo<RuleRow>& info) { return std::string(info.param.name); });

class VirtualClock : public testing::TestWithParam<Microseconds> {};

TEST_P(VirtualClock, MovesOneQuantumForEachStatusReadAndForNothingElse)
{
    corvo::i8042::I8042Scenario scenario;
    scenario.statusReadQuantum = GetParam();
    I8042Simulator simulator(scenario);
    EXPECT_EQ(simulator.Now(), 0u);
    simulator.Write(kData, 0xEE);
    simulator.Read(kData);
    EXPECT_EQ(simulator.Now(), 0u);
    simulator.Read(kStatus);
    EXPECT_EQ(simulator.Now(), GetParam());
    simulator.Read(kStatus);
    EXPECT_EQ(simulator.Now(), 2 * GetParam());
    EXPECT_EQ(simulator.Log().back().time, GetParam()) << "an access is logged at the time it happened";
}

INSTANTIATE_TEST_SUITE_P(Quanta, VirtualClock, testing::Values(1u, 10000u, 100000u, 1000000u));

TEST(I8042Clock, RealClockFollowsTheGivenClockAndNotTheReads)
{
    Microseconds fakeNow = 5000000;
    corvo::i8042::I8042Scenario scenario;
    scenario.clock = corvo::i8042::ClockKind::Real;
    I8042Simulator simulator(scenario, [&fakeNow] { return fakeNow; });
    EXPECT_EQ(simulator.Now(), 0u) << "time counts from the start of the scenario";
    simulator.Write(kData, 0xFF);
    for (int poll = 0; poll < 100; ++poll) {
        EXPECT_EQ(simulator.Read(kStatus) & 0x01, 0) << "no time passed, so no answer yet";
    }
    fakeNow += 2000;
    EXPECT_EQ(simulator.Read(kStatus) & 0x03, 0x01);
    EXPECT_EQ(simulator.Read(kData), 0xFA);
    fakeNow += 499000;
    EXPECT_EQ(simulator.Read(kStatus) & 0x01, 0);
    fakeNow += 2000;
    EXPECT_EQ(simulator.Read(kStatus) & 0x01, 0x01);
    EXPECT_EQ(simulator.Read(kData), 0xAA);
    EXPECT_EQ(simulator.Now(), 503000u);
}

TEST(I8042Clock, RealClockByDefaultIsTheSteadyClock)
{
    SimulatedMachine machine("clock real\nkeyboard ee: +30ms ee\n");
    const auto start = std::chrono::steady_clock::now();
    machine.host.Write(kData, 0xEE);
    bool answered = false;
    while (!answered && std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
        answered = (machine.host.ReadStatus() & 0x01) != 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_TRUE(answered);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
    EXPECT_EQ(machine.host.ReadData(), 0xEE);
}

TEST(I8042Controller, HungControllerNeverTakesAByte)
{
    SimulatedMachine machine("input-buffer never-empties\n");
    EXPECT_FALSE(machine.host.WaitUntilInputEmpty(50));
    machine.host.Write(kStatus, 0x60);
    machine.host.Write(kData, 0x56);
    const std::vector<LogEntry> log = machine.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_TRUE(log[log.size() - 2].dropped);
    EXPECT_TRUE(log.back().dropped);
    EXPECT_EQ(log.back().configuration, 0x47);
    EXPECT_FALSE(machine.host.NextByte(20).has_value());
}

TEST(I8042Log, RecordsEveryAccessWithTheConfigurationAfterIt)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(0x56));
    const std::vector<LogEntry> log = machine.Log();
    // status poll, command 0x60, status poll (input full), status poll, configuration byte.
    ASSERT_EQ(log.size(), 5u);
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].sequence, i + 1);
    }
    EXPECT_FALSE(log[0].isWrite);
    EXPECT_EQ(log[0].port, kStatus);
    EXPECT_EQ(log[0].value, 0x14);
    EXPECT_TRUE(log[1].isWrite);
    EXPECT_EQ(log[1].port, kStatus);
    EXPECT_EQ(log[1].value, 0x60);
    EXPECT_EQ(log[1].configuration, 0x47);
    EXPECT_EQ(log[2].value & 0x02, 0x02);
    EXPECT_TRUE(log[4].isWrite);
    EXPECT_EQ(log[4].port, kData);
    EXPECT_EQ(log[4].value, 0x56);
    EXPECT_EQ(log[4].configuration, 0x56);
    EXPECT_EQ(log[4].time, 300000u);
}

struct LogLineRow {
    const char* name;
    LogEntry entry;
    const char* line;
};

class LogLine : public testing::TestWithParam<LogLineRow> {};

TEST_P(LogLine, IsFormattedForPeopleAndScripts) { EXPECT_EQ(FormatLogEntry(GetParam().entry), GetParam().line); }

INSTANTIATE_TEST_SUITE_P(
    Entries, LogLine,
    testing::Values(LogLineRow{"StatusRead", {12, 300000, false, 0x64, 0x15, 0x47, false},
                               "seq=12 time=0.300000 read port=0x64 value=0x15 config=0x47"},
                    LogLineRow{"DroppedWrite", {7, 1, true, 0x60, 0x56, 0x47, true},
                               "seq=7 time=0.000001 write port=0x60 value=0x56 config=0x47 dropped"},
                    LogLineRow{"LongRun", {18446744073709551615ull, 3600000000ull, true, 0x64, 0x00, 0xFF, false},
                               "seq=18446744073709551615 time=3600.000000 write port=0x64 value=0x00 config=0xff"}),
    [](const testing::TestParamInfo<LogLineRow>& info) { return std::string(info.param.name); });

TEST(I8042Log, InterruptCheckPassesWhenTheHostSwitchesItBackOn)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(0x56));
    ASSERT_EQ(machine.host.Exchange(0xFF), "fa aa");
    ASSERT_TRUE(machine.host.WriteConfiguration(0x47));
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(machine.Log()));
}

TEST(I8042Log, InterruptCheckFailsWhenTheHostLeavesItOff)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(0x56));
    ASSERT_EQ(machine.host.Exchange(0xFF), "fa aa");
    const testing::AssertionResult result = drivertest::KeyboardInterruptRestored(machine.Log());
    EXPECT_FALSE(result);
    EXPECT_NE(std::string(result.message()).find("write port=0x60 value=0x56 config=0x56"), std::string::npos)
        << result.message();
}

TEST(I8042Log, InterruptCheckFailsWhenItIsSwitchedOffAgainAfterBeingRestored)
{
    SimulatedMachine machine("");
    ASSERT_TRUE(machine.host.WriteConfiguration(0x56));
    ASSERT_TRUE(machine.host.WriteConfiguration(0x47));
    ASSERT_TRUE(machine.host.WriteConfiguration(0x46));
    EXPECT_FALSE(drivertest::KeyboardInterruptRestored(machine.Log()));
}

TEST(I8042Log, InterruptCheckPassesWhenTheHostNeverTouchedIt)
{
    SimulatedMachine machine("configuration 56\n");
    ASSERT_EQ(machine.host.Exchange(0xEE), "ee");
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(machine.Log()));
}

} // namespace
