// The scenario file format: every statement read as written, every mistake refused with its line.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "I8042Scenario.h"
#include "TemporaryFolder.h"

namespace {

using corvo::i8042::ClockKind;
using corvo::i8042::Device;
using corvo::i8042::I8042Scenario;
using corvo::i8042::LoadI8042ScenarioFile;
using corvo::i8042::ParseI8042Scenario;
using corvo::i8042::ScenarioParseResult;

I8042Scenario Parsed(const std::string& text)
{
    const ScenarioParseResult result = ParseI8042Scenario(text, "test");
    EXPECT_TRUE(result.scenario.has_value()) << result.error;
    return result.scenario.value_or(I8042Scenario{});
}

TEST(I8042ScenarioParser, EmptyTextIsTheGoodKeyboardOnALinuxConfiguredController)
{
    const I8042Scenario scenario = Parsed("");
    EXPECT_EQ(scenario.clock, ClockKind::Virtual);
    EXPECT_EQ(scenario.statusReadQuantum, 100000u);
    EXPECT_EQ(scenario.inputDelay, 1000u);
    EXPECT_EQ(scenario.byteTime, 1000u);
    EXPECT_EQ(scenario.initialConfiguration, 0x47);
    EXPECT_FALSE(scenario.inputBufferNeverEmpties);
    EXPECT_TRUE(scenario.keyboardRules.empty());
    EXPECT_TRUE(scenario.pointerRules.empty());
    EXPECT_TRUE(scenario.spontaneous.empty());
}

TEST(I8042ScenarioParser, CommentsBlankLinesAndWindowsLineEndingsAreIgnored)
{
    const I8042Scenario scenario = Parsed("# a comment\r\n\r\n   \t\r\nkeyboard ee: ee# echo, no space before the comment\r\n");
    ASSERT_EQ(scenario.keyboardRules.size(), 1u);
    EXPECT_EQ(scenario.keyboardRules[0].command, 0xEE);
    ASSERT_EQ(scenario.keyboardRules[0].reply.items.size(), 1u);
    EXPECT_EQ(scenario.keyboardRules[0].reply.items[0].byte, 0xEE);
}

TEST(I8042ScenarioParser, SettingsAreReadWithTheirUnits)
{
    const I8042Scenario scenario = Parsed("clock virtual 10ms\ninput-delay 250us\nbyte-time 2s\n"
                                          "configuration 0x56\ninput-buffer never-empties\n");
    EXPECT_EQ(scenario.clock, ClockKind::Virtual);
    EXPECT_EQ(scenario.statusReadQuantum, 10000u);
    EXPECT_EQ(scenario.inputDelay, 250u);
    EXPECT_EQ(scenario.byteTime, 2000000u);
    EXPECT_EQ(scenario.initialConfiguration, 0x56);
    EXPECT_TRUE(scenario.inputBufferNeverEmpties);
}

TEST(I8042ScenarioParser, RealClockNeedsNoQuantum)
{
    EXPECT_EQ(Parsed("clock real").clock, ClockKind::Real);
    EXPECT_EQ(Parsed("clock virtual").statusReadQuantum, 100000u);
}

TEST(I8042ScenarioParser, RulesKeepTheirOrderCountsPausesAndFlags)
{
    const I8042Scenario scenario = Parsed("keyboard ff 3 times: fe\n"
                                          "keyboard ff: fa +500ms aa/parity\n"
                                          "keyboard other 1 time: fe/timeout/parity\n"
                                          "keyboard other: none\n"
                                          "pointer ff: fa aa 00\n");
    ASSERT_EQ(scenario.keyboardRules.size(), 4u);
    const auto& first = scenario.keyboardRules[0];
    EXPECT_EQ(first.command, 0xFF);
    EXPECT_EQ(first.count, 3u);
    EXPECT_EQ(first.line, 1);
    const auto& second = scenario.keyboardRules[1];
    EXPECT_EQ(second.count, 0u);
    ASSERT_EQ(second.reply.items.size(), 3u);
    EXPECT_EQ(second.reply.items[0].byte, 0xFA);
    EXPECT_FALSE(second.reply.items[0].parityError);
    EXPECT_TRUE(second.reply.items[1].isWait);
    EXPECT_EQ(second.reply.items[1].wait, 500000u);
    EXPECT_EQ(second.reply.items[2].byte, 0xAA);
    EXPECT_TRUE(second.reply.items[2].parityError);
    EXPECT_FALSE(second.reply.items[2].timeoutError);
    const auto& third = scenario.keyboardRules[2];
    EXPECT_FALSE(third.command.has_value());
    EXPECT_EQ(third.count, 1u);
    ASSERT_EQ(third.reply.items.size(), 1u);
    EXPECT_TRUE(third.reply.items[0].timeoutError);
    EXPECT_TRUE(third.reply.items[0].parityError);
    EXPECT_TRUE(scenario.keyboardRules[3].reply.items.empty());
    ASSERT_EQ(scenario.pointerRules.size(), 1u);
    EXPECT_EQ(scenario.pointerRules[0].reply.items.size(), 3u);
}

TEST(I8042ScenarioParser, SpontaneousBytesNameTheirDevice)
{
    const I8042Scenario scenario = Parsed("at 300ms keyboard: 1e +5ms 9e\nat 0us pointer: 08 01 00\n");
    ASSERT_EQ(scenario.spontaneous.size(), 2u);
    EXPECT_EQ(scenario.spontaneous[0].time, 300000u);
    EXPECT_EQ(scenario.spontaneous[0].device, Device::Keyboard);
    ASSERT_EQ(scenario.spontaneous[0].bytes.items.size(), 3u);
    EXPECT_TRUE(scenario.spontaneous[0].bytes.items[1].isWait);
    EXPECT_EQ(scenario.spontaneous[0].bytes.items[1].wait, 5000u);
    EXPECT_EQ(scenario.spontaneous[1].device, Device::Pointer);
    ASSERT_EQ(scenario.spontaneous[1].bytes.items.size(), 3u);
    EXPECT_EQ(scenario.spontaneous[1].bytes.items[2].byte, 0x00);
}

struct ByteRow {
    const char* name;
    const char* word;
    uint8_t value;
};

class I8042ScenarioByteForm : public testing::TestWithParam<ByteRow> {};

TEST_P(I8042ScenarioByteForm, IsReadAsHexadecimal)
{
    const I8042Scenario scenario = Parsed(std::string("configuration ") + GetParam().word);
    EXPECT_EQ(scenario.initialConfiguration, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Forms, I8042ScenarioByteForm,
                         testing::Values(ByteRow{"LowerCase", "fa", 0xFA}, ByteRow{"UpperCase", "FA", 0xFA},
                                         ByteRow{"Prefixed", "0xfa", 0xFA}, ByteRow{"PrefixedUpper", "0XFA", 0xFA},
                                         ByteRow{"OneDigit", "7", 0x07}, ByteRow{"Zero", "00", 0x00},
                                         ByteRow{"TenIsSixteen", "10", 0x10}, ByteRow{"Largest", "ff", 0xFF}),
                         [](const testing::TestParamInfo<ByteRow>& info) { return std::string(info.param.name); });

struct DurationRow {
    const char* name;
    const char* word;
    uint64_t microseconds;
};

class I8042ScenarioDuration : public testing::TestWithParam<DurationRow> {};

TEST_P(I8042ScenarioDuration, IsReadInMicroseconds)
{
    EXPECT_EQ(Parsed(std::string("input-delay ") + GetParam().word).inputDelay, GetParam().microseconds);
}

INSTANTIATE_TEST_SUITE_P(Units, I8042ScenarioDuration,
                         testing::Values(DurationRow{"Zero", "0us", 0}, DurationRow{"Microseconds", "250us", 250},
                                         DurationRow{"Milliseconds", "5ms", 5000},
                                         DurationRow{"Seconds", "2s", 2000000},
                                         DurationRow{"AnHourIsTheLongest", "3600s", 3600000000ull},
                                         DurationRow{"AnHourInMilliseconds", "3600000ms", 3600000000ull}),
                         [](const testing::TestParamInfo<DurationRow>& info) { return std::string(info.param.name); });

struct MalformedRow {
    const char* name;
    std::string text;
    int line;
    const char* says;
};

class I8042ScenarioMalformed : public testing::TestWithParam<MalformedRow> {};

TEST_P(I8042ScenarioMalformed, IsRefusedNamingTheLineAndTheMistake)
{
    const MalformedRow& row = GetParam();
    const ScenarioParseResult result = ParseI8042Scenario(row.text, "scenario-file");
    EXPECT_FALSE(result.scenario.has_value());
    const std::string where = "scenario-file:" + std::to_string(row.line) + ": ";
    EXPECT_EQ(result.error.rfind(where, 0), 0u) << result.error;
    EXPECT_NE(result.error.find(row.says), std::string::npos) << result.error;
    EXPECT_EQ(result.error.find('\n'), std::string::npos) << "one line: " << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, I8042ScenarioMalformed,
    testing::Values(
        MalformedRow{"UnknownStatement", "# fine\nfrobnicate 3", 2, "unknown statement \"frobnicate\""},
        MalformedRow{"ByteWithThreeDigits", "keyboard fff: fa", 1, "\"fff\" is not a byte"},
        MalformedRow{"ByteNotHex", "keyboard ff: zz", 1, "\"zz\" is not a byte"},
        MalformedRow{"BareHexPrefix", "configuration 0x", 1, "\"0x\" is not a byte"},
        MalformedRow{"DurationWithoutUnit", "input-delay 5", 1, "\"5\" is not a duration"},
        MalformedRow{"NegativeDuration", "input-delay -5ms", 1, "\"-5ms\" is not a duration"},
        MalformedRow{"FractionalDuration", "byte-time 1.5ms", 1, "\"1.5ms\" is not a duration"},
        MalformedRow{"UnitOnly", "byte-time ms", 1, "\"ms\" is not a duration"},
        MalformedRow{"LongerThanAnHour", "byte-time 3601s", 1, "longer than an hour"},
        MalformedRow{"ClockTwice", "clock real\n\nclock virtual", 3, "\"clock\" is given twice (first on line 1)"},
        MalformedRow{"ClockUnknownKind", "clock fast", 1, "\"clock\" takes"},
        MalformedRow{"VirtualClockThatNeverMoves", "clock virtual 0ms", 1, "never moves"},
        MalformedRow{"ConfigurationTwoValues", "configuration 47 56", 1, "takes exactly one value"},
        MalformedRow{"InputBufferOtherState", "input-buffer full", 1, "\"input-buffer\" takes \"never-empties\""},
        MalformedRow{"SettingWithColon", "configuration: 47", 1, "takes no \":\""},
        MalformedRow{"LineStartingWithColon", ": fa", 1, "cannot start with \":\""},
        MalformedRow{"RuleWithoutColon", "keyboard ff fa", 1, "missing \":\""},
        MalformedRow{"RuleWithoutReply", "keyboard ff:", 1, "write none"},
        MalformedRow{"RuleWithoutCommand", "keyboard: fa", 1, "a rule reads"},
        MalformedRow{"NoneMixedWithBytes", "keyboard ff: none fa", 1, "cannot be mixed"},
        MalformedRow{"PauseAtTheEnd", "keyboard ff: fa +500ms", 1, "a pause must be followed by a byte"},
        MalformedRow{"UnknownFlag", "keyboard ff: aa/odd", 1, "\"odd\" is not a byte flag"},
        MalformedRow{"ZeroCount", "keyboard ff 0 times: fe", 1, "\"0\" is not a count"},
        MalformedRow{"CountTooLarge", "keyboard ff 1000001 times: fe", 1, "is not a count"},
        MalformedRow{"CountWithoutTimes", "keyboard ff 3 goes: fe", 1, "expected \"times\""},
        MalformedRow{"RuleAfterAnUnlimitedOne", "keyboard ff: fe\nkeyboard ff 2 times: fa", 2,
                     "never used: the rule on line 1"},
        MalformedRow{"OtherRuleAfterAnUnlimitedOne", "pointer other: fa\npointer other: fe", 2, "never used"},
        MalformedRow{"UnknownDevice", "at 0ms mouse: 08", 1, "\"mouse\" is not a device"},
        MalformedRow{"SpontaneousNone", "at 0ms pointer: none", 1, "\"none\" makes no sense here"},
        MalformedRow{"SpontaneousWithoutColon", "at 0ms pointer 08", 1, "\"at\" reads"},
        MalformedRow{"SpontaneousWithoutBytes", "at 0ms pointer:", 1, "no bytes"},
        MalformedRow{"NulByte", std::string("keyboard ee: ee\n\0", 17), 2, "NUL"},
        MalformedRow{"UnprintableWordIsEscaped", "\x01\x7f", 1, "\"\\x01\\x7f\""}),
    [](const testing::TestParamInfo<MalformedRow>& info) { return std::string(info.param.name); });

TEST(I8042ScenarioParser, AVeryLongWordIsShortenedInTheMessage)
{
    const ScenarioParseResult result = ParseI8042Scenario(std::string(5000, 'x'), "long");
    ASSERT_FALSE(result.scenario.has_value());
    EXPECT_LT(result.error.size(), 200u) << result.error;
    EXPECT_NE(result.error.find("...\""), std::string::npos) << result.error;
}

TEST(I8042ScenarioFile, IsReadFromDisk)
{
    drivertest::TemporaryFolder folder;
    const std::string path = folder.Write("scenario", "keyboard ff: fa +500ms fc\n");
    const ScenarioParseResult result = LoadI8042ScenarioFile(path);
    ASSERT_TRUE(result.scenario.has_value()) << result.error;
    EXPECT_EQ(result.scenario->keyboardRules.size(), 1u);
}

TEST(I8042ScenarioFile, ErrorsNameTheFile)
{
    drivertest::TemporaryFolder folder;
    const std::string path = folder.Write("scenario", "keyboard ff: fa\nkeyboard ee ee\n");
    const ScenarioParseResult result = LoadI8042ScenarioFile(path);
    EXPECT_FALSE(result.scenario.has_value());
    EXPECT_EQ(result.error.rfind(path + ":2: ", 0), 0u) << result.error;
}

TEST(I8042ScenarioFile, MissingFileIsAnError)
{
    drivertest::TemporaryFolder folder;
    const ScenarioParseResult result = LoadI8042ScenarioFile(folder.Path() + "/absent");
    EXPECT_FALSE(result.scenario.has_value());
    EXPECT_NE(result.error.find("absent: cannot be read: No such file or directory"), std::string::npos) << result.error;
}

TEST(I8042ScenarioFile, FolderIsNotAScenario)
{
    drivertest::TemporaryFolder folder;
    const ScenarioParseResult result = LoadI8042ScenarioFile(folder.Path());
    EXPECT_FALSE(result.scenario.has_value());
    EXPECT_NE(result.error.find("not a regular file"), std::string::npos) << result.error;
}

TEST(I8042ScenarioFile, OversizedFileIsRefusedWithoutParsing)
{
    drivertest::TemporaryFolder folder;
    // Comments only: a parser that read it would accept it, so refusal proves the size check.
    std::string text;
    while (text.size() <= (1u << 20)) {
        text += "# padding padding padding padding padding padding padding padding\n";
    }
    const ScenarioParseResult result = LoadI8042ScenarioFile(folder.Write("huge", text));
    EXPECT_FALSE(result.scenario.has_value());
    EXPECT_NE(result.error.find("larger than 1048576 bytes"), std::string::npos) << result.error;
}

TEST(I8042ScenarioFile, ExactlyTheLargestSizeIsRead)
{
    drivertest::TemporaryFolder folder;
    std::string text(1u << 20, ' ');
    text.back() = '\n';
    const ScenarioParseResult result = LoadI8042ScenarioFile(folder.Write("largest", text));
    EXPECT_TRUE(result.scenario.has_value()) << result.error;
}

} // namespace
