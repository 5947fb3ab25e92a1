// The i8042 simulator: its scenario format, read with units and refused with the line of the
// mistake, and the simulated controller as a careful host sees it: status bits, commands, replies,
// time, log.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "DriverServiceTesting.h"
#include "I8042Scenario.h"

namespace {

using corvo::i8042::I8042Scenario;
using corvo::i8042::LoadI8042ScenarioFile;
using corvo::i8042::ParseI8042Scenario;
using corvo::i8042::ScenarioParseResult;

I8042Scenario Parsed(const std::string& text)
{
    const ScenarioParseResult result = ParseI8042Scenario(text, "test");
    EXPECT_TRUE(result.scenario.has_value()) << text << ": " << result.error;
    return result.scenario.value_or(I8042Scenario{});
}

// What the scripts below cannot see at a 100 ms poll.
TEST(I8042ScenarioParser, SettingsAreReadWithTheirUnits)
{
    EXPECT_EQ(Parsed("clock virtual").statusReadQuantum, 100000u);
    EXPECT_EQ(Parsed("byte-time 2s").byteTime, 2000000u);
    for (const auto& [word, value] : std::vector<std::pair<const char*, int>>{{"fa", 0xFA}, {"FA", 0xFA}, {"0xfa", 0xFA},
             {"0XFA", 0xFA}, {"7", 0x07}, {"00", 0}, {"10", 0x10}, {"ff", 0xFF}}) {
        EXPECT_EQ(Parsed(std::string("configuration ") + word).initialConfiguration, value) << word;
    }
    for (const auto& [word, microseconds] : std::vector<std::pair<const char*, uint64_t>>{{"0us", 0}, {"250us", 250},
             {"5ms", 5000}, {"2s", 2000000}, {"3600s", 3600000000ull}, {"3600000ms", 3600000000ull}}) {
        EXPECT_EQ(Parsed(std::string("input-delay ") + word).inputDelay, microseconds) << word;
    }
}

TEST(I8042ScenarioParser, MistakeIsRefusedInOneShortLineNamingTheLine)
{
    const struct {
        std::string text;
        int line;
        const char* says;
    } rows[] = {
        {"# fine\nfrobnicate 3", 2, "unknown statement \"frobnicate\""},
        {"keyboard fff: fa", 1, "\"fff\" is not a byte"},
        {"configuration 0x", 1, "\"0x\" is not a byte"},
        {"input-delay 5", 1, "\"5\" is not a duration"},
        {"input-delay -5ms", 1, "\"-5ms\" is not a duration"},
        {"byte-time 3601s", 1, "longer than an hour"},
        {"clock real\n\nclock virtual", 3, "\"clock\" is given twice (first on line 1)"},
        {"clock fast", 1, "\"clock\" takes"},
        {"clock virtual 0ms", 1, "never moves"},
        {"configuration 47 56", 1, "takes exactly one value"},
        {"input-buffer full", 1, "\"input-buffer\" takes \"never-empties\""},
        {"configuration: 47", 1, "takes no \":\""},
        {": fa", 1, "cannot start with \":\""},
        {"keyboard ff fa", 1, "missing \":\""},
        {"keyboard ff:", 1, "write none"},
        {"keyboard: fa", 1, "a rule reads"},
        {"keyboard ff: none fa", 1, "cannot be mixed"},
        {"keyboard ff: fa +500ms", 1, "a pause must be followed by a byte"},
        {"keyboard ff: aa/odd", 1, "\"odd\" is not a byte flag"},
        {"keyboard ff 0 times: fe", 1, "\"0\" is not a count"},
        {"keyboard ff 1000001 times: fe", 1, "is not a count"},
        {"keyboard ff 3 goes: fe", 1, "expected \"times\""},
        {"keyboard ff: fe\nkeyboard ff 2 times: fa", 2, "never used: the rule on line 1"},
        {"pointer other: fa\npointer other: fe", 2, "never used"},
        {"at 0ms mouse: 08", 1, "\"mouse\" is not a device"},
        {"at 0ms pointer: none", 1, "\"none\" makes no sense here"},
        {"at 0ms pointer 08", 1, "\"at\" reads"},
        {"at 0ms pointer:", 1, "no bytes"},
        {std::string("keyboard ee: ee\n\0", 17), 2, "NUL"},
        {"\x01\x7f", 1, "\"\\x01\\x7f\""},
        {std::string(5000, 'x'), 1, "xxx...\""}, // a very long word is shortened
    };
    for (const auto& row : rows) {
        const ScenarioParseResult result = ParseI8042Scenario(row.text, "scenario-file");
        EXPECT_FALSE(result.scenario.has_value()) << row.text;
        EXPECT_EQ(result.error.rfind("scenario-file:" + std::to_string(row.line) + ": ", 0), 0u) << result.error;
        EXPECT_NE(result.error.find(row.says), std::string::npos) << result.error;
        EXPECT_EQ(result.error.find('\n'), std::string::npos) << "one line: " << result.error;
        EXPECT_LT(result.error.size(), 200u) << result.error;
    }
}

TEST(I8042ScenarioFile, WhatIsNotAReadableFileOfAtMostAMebibyteIsRefused)
{
    ScratchFolder folder;
    // Comments only: a parser that read it would accept it, so refusal proves the size check.
    std::string huge;
    while (huge.size() <= (1u << 20)) {
        huge += "# padding padding padding padding padding padding padding padding\n";
    }
    std::string largest(1u << 20, ' ');
    largest.back() = '\n';
    EXPECT_TRUE(LoadI8042ScenarioFile(folder.Write("largest", largest)).scenario.has_value());
    for (const auto& [path, says] : std::vector<std::pair<std::string, std::string>>{
             {folder.Root() + "/absent", "absent: cannot be read: No such file or directory"},
             {folder.Root(), "not a regular file"},
             {folder.Write("huge", huge), "larger than 1048576 bytes"}}) {
        const ScenarioParseResult result = LoadI8042ScenarioFile(path);
        EXPECT_FALSE(result.scenario.has_value()) << path;
        EXPECT_NE(result.error.find(says), std::string::npos) << result.error;
    }
}

using drivertest::SimulatedMachine;

struct Row {
    const char* name;
    const char* scenario;
    const char* script;   // see CarefulHost::Play
};

const Row kRows[] = {
    {"StatusAtStartShowsTheSystemFlagAndTheKeyLock", "", "S=14"},
    {"StatusAtStartWithoutTheSystemFlag", "configuration 43", "S=10"},
    {"CommandKeepsInputFullUntilTakenThenAnswers", "", "c20, S=1e, S=1d, R=47, S=1c"},
    {"DataWriteClearsTheCommandBit", "", "C60, S=1e, D47, S=16"},
    {"ConfigurationReadsBackWhatWasWrittenAndStatusMirrorsTheSystemFlag", "",
     "W56, Q=56, W00, Q=00, S=18, W04, Q=04, S=1c, W65, Q=65, WFF, Q=ff, S=1c, W47, Q=47"},
    {"ByteWrittenBeforeTheLastWasTakenIsDropped", "",
     "c60, d56, L1=seq=1 time=0.000000 write port=0x64 value=0x60 config=0x47, "
     "L2=seq=2 time=0.000000 write port=0x60 value=0x56 config=0x47 dropped, D56, Q=56"},
    {"ByteForTheKeyboardSwitchesTheKeyboardClockOn", "", "W56, Kee=ee, Q=46"},
    {"InterfaceCommandsSetAndClearTheirClockBits", "", "W47, Cad, Q=57, Cae, Q=47, Cae, Q=47, Ca7, Q=67, Ca8, Q=47"},
    {"SelfTestsPass", "", "Caa, A=55, Cab, A=00, Ca9, A=00"},
    {"CommandItDoesNotModelIsTakenWithoutEffect", "", "Cc0, S=1e, S=1c, A=, Q=47"},
    {"WriteOutputBufferCommandsMakeBytesAppearFromEitherDevice", "", "Cd2, D1c, A=1c, Cd3, D08, A=08/pointer"},
    {"PointerCommandIsAnsweredByThePointerAndSwitchesItsClockOn", "",
     "W67, Cd4, Dff, A=fa/pointer aa/pointer 00/pointer, Q=47"},
    {"PointerRulesAnswerPointerCommandsOnly", "pointer ff: fe\npointer other: none",
     "Cd4, Dff, A=fe/pointer, Cd4, Df4, A=, Kff=fa aa"},
    {"KeyboardByteWaitsWhileTheKeyboardClockIsOff", "configuration 56\nat 0ms keyboard: 1e", "A=, Cae, A=1e"},
    {"PointerBytePassesAHeldKeyboardByte", "configuration 56\nat 0ms keyboard: 1e\nat 100ms pointer: 08",
     "A=08/pointer, Cae, A=1e"},
    {"PointerByteWaitsWhileThePointerClockIsOff", "configuration 67\nat 0ms pointer: 08", "A=, Ca8, A=08/pointer"},
    // Polls at 0, 100, ... 500 ms: the sixth is the first to see it, and the byte is read right after.
    {"SpontaneousByteArrivesAtItsTime", "at 500ms keyboard: 1e", "N=1e, T=600000"},
    {"EmptyDataPortStillShowsTheLastByte", "", "Kee=ee, S=14, R=ee"},
    // Written at 100 ms; the poll at 200 ms is the first to see the acknowledgement, read right after.
    {"ResetIsAcknowledgedAtOnceAndPassesHalfASecondLater", "", "Dff, N=fa, T=300000, N=aa, T=800000"},
    {"NewCommandDropsWhatWasLeftOfTheLastAnswer", "", "Dff, N=fa, Kee=ee"},
    {"ResendRepeatsTheLastByteSent", "", "Kfe=, Kee=ee, Kfe=ee"},
    // If 0x02 were taken as a command, its rule would answer it.
    {"ParameterIsAcknowledgedAndNotTakenAsACommand", "keyboard 02: fe", "Ked=fa, K02=fa, K02=fe"},
    {"CommandNotAcknowledgedWaitsForNoParameter", "keyboard ed: fe\nkeyboard 02: fc", "Ked=fe, K02=fc"},
    {"IdentifiesAsAnMf2Keyboard", "", "Kf2=fa ab 83"},
    {"RulesCountedThenUnlimited", "keyboard ff 2 times: fe\nkeyboard ff: fa +500ms fc",
     "Kff=fe, Kff=fe, Kff=fa fc, Kff=fa fc"},
    {"RulesCountedThenBuiltIn", "keyboard ff 1 time: fe", "Kff=fe, Kff=fa aa, Kff=fa aa"},
    {"RulesSpecificBeatsOther", "keyboard other: fa fa\nkeyboard ee: ee ee", "Kee=ee ee, Kf4=fa fa, Kff=fa fa"},
    {"RulesUsedUpSpecificFallsToOther", "keyboard ff 1 time: fe\nkeyboard other: none", "Kff=fe, Kff=, Kee="},
    {"RulesCountedOtherThenBuiltIn", "keyboard other 2 times: none", "Kf4=, Kee=, Kf4=fa"},
    {"RulesCountsAreKeptPerRule", "keyboard ff 1 time: fe\nkeyboard ee 1 time: fc", "Kee=fc, Kff=fe, Kee=ee, Kff=fa aa"},
    {"RulesBothFlagsOnOneByte", "keyboard other 1 time: fe/timeout/parity", "Kf4=fe/parity/timeout, Kf4=fa"},
    {"CommentsBlankLinesAndCrLfAreIgnored", "# a comment\r\n\r\n   \t\r\nkeyboard ee: fc# no space\r\n", "Kee=fc"},
    {"SpontaneousBytesNameTheirDevice", "at 300ms keyboard: 1e +5ms 9e\nat 0us pointer: 08 01 00",
     "A=08/pointer 01/pointer 00/pointer 1e 9e"},
    {"RulesFlagsTravelWithTheirByte", "keyboard ee: ee/parity ee/timeout ee", "Kee=ee/parity ee/timeout ee"},
    // An access is logged at the time it happened; only a status read moves the clock.
    {"VirtualClockOfAMicrosecond", "clock virtual 1us", "dee, R, T=0, S, T=0, S, T=1, R, T=2"},
};

TEST(I8042Machine, AnswersTheCarefulHostAsScripted)
{
    for (const Row& row : kRows) {
        SimulatedMachine machine(row.scenario);
        EXPECT_TRUE(machine.ready) << row.name;
        EXPECT_TRUE(machine.host.Play(row.script)) << row.name;
    }
}

// A real clock follows the steady clock and not the reads: the answer comes when its time has passed.
TEST(I8042Clock, RealClockByDefaultIsTheSteadyClock)
{
    SimulatedMachine machine("clock real\nkeyboard ee: +30ms ee\n");
    const auto start = std::chrono::steady_clock::now();
    machine.host.Write(0x60, 0xEE);
    while ((machine.host.Read(0x64) & 0x01) == 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
    EXPECT_EQ(machine.host.Read(0x60), 0xEE);
}

} // namespace
