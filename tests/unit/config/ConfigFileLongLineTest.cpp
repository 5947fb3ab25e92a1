// Lines of megabytes, each of a shape that would make a backtracking matcher recurse per character.
#include "TemporaryConfigFolder.h"

#include "utils/ConfigFile.h"

#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace corvo::utils::config {
namespace {

constexpr std::size_t kLongLength = 5 * 1024 * 1024;

// std::regex needs about 300 bytes of stack per repeated character, so on this stack it would give
// out after a few hundred characters; reading here proves the reader does not recurse per character.
constexpr unsigned kSmallStackBytes = 256 * 1024;

std::string Repeated(std::string_view piece, std::size_t totalLength)
{
    std::string text;
    text.reserve(totalLength + piece.size());
    while (text.size() < totalLength) {
        text += piece;
    }
    return text;
}

std::string Long(char character)
{
    return std::string(kLongLength, character);
}

struct LongLineRow {
    const char* name;
    std::string (*build)();
    ConfigError error;
    // For lines that are read: checks what the line itself stored.
    void (*verify)(const ConfigData& data);
};

void PrintTo(const LongLineRow& row, std::ostream* out)
{
    *out << row.name;
}

void StoresNothing(const ConfigData& data)
{
    EXPECT_TRUE(data.at("").empty());
    EXPECT_EQ(data.size(), 2u);
}

class ConfigFileLongLine : public ::testing::TestWithParam<LongLineRow> {};

TEST_P(ConfigFileLongLine, EndsInItsDefinedResultOnASmallStack)
{
    const LongLineRow& row = GetParam();
    TemporaryConfigFolder folder;
    ASSERT_TRUE(folder.IsValid());
    const std::string path = folder.Write(row.build() + "\n[KEYBOARD]\nADVANCED_TEST_LAYOUT=US\n");
    ASSERT_FALSE(path.empty());

    ConfigData data;
    ConfigParseResult result;
    std::chrono::steady_clock::duration elapsed{};
    std::unique_ptr<QThread> reader(QThread::create([&] {
        const auto start = std::chrono::steady_clock::now();
        result = LoadConfig(path, data);
        elapsed = std::chrono::steady_clock::now() - start;
    }));
    reader->setStackSize(kSmallStackBytes);
    reader->start();
    ASSERT_TRUE(reader->wait());
    RecordProperty("read_milliseconds",
                   static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));

    EXPECT_EQ(result.opened, 1);
    EXPECT_EQ(result.errorCode, row.error);
    if (row.error != kConfigOk) {
        EXPECT_EQ(result.line, 1);
        EXPECT_EQ(data.count("KEYBOARD"), 0u);
        return;
    }
    EXPECT_EQ(result.line, -1);
    EXPECT_EQ(GetConfigValue(data, kSectionKeyboard, kKeyAdvancedTestLayout), "US");
    row.verify(data);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ConfigFileLongLine,
    ::testing::Values(
        LongLineRow{"WordCharactersOnly", [] { return Long('a'); }, kNoSyntax, nullptr},
        LongLineRow{"BlanksOnly", [] { return Long(' '); }, kConfigOk, &StoresNothing},
        LongLineRow{"CommentOfBrackets", [] { return ";" + Long('['); }, kConfigOk, &StoresNothing},
        LongLineRow{"EntryWithLongValue", [] { return "KEY = " + Long('v'); }, kConfigOk,
                    [](const ConfigData& data) { EXPECT_TRUE(GetConfigValue(data, "", "KEY") == Long('v')); }},
        LongLineRow{"EntryWithLongKey", [] { return Long('k') + "=1"; }, kConfigOk,
                    [](const ConfigData& data) { EXPECT_EQ(GetConfigValue(data, "", Long('K')), "1"); }},
        LongLineRow{"EntryAfterLongWordList", [] { return Repeated("x ", kLongLength) + "y =  "; }, kConfigOk,
                    [](const ConfigData& data) { EXPECT_EQ(data.at(""), (ConfigSection{{"Y", " "}})); }},
        LongLineRow{"SectionWithLongName", [] { return "[" + Long('a') + "]"; }, kConfigOk,
                    [](const ConfigData& data) { EXPECT_EQ(data.count(Long('A')), 1u); }},
        LongLineRow{"SectionNamedByStars", [] { return "[" + Long('*') + "]"; }, kConfigOk,
                    [](const ConfigData& data) { EXPECT_EQ(data.count(Long('*')), 1u); }},
        LongLineRow{"OpenBracketsWithBlanks", [] { return Repeated("[ ", kLongLength); }, kConfigOk,
                    &StoresNothing},
        LongLineRow{"OpenBrackets", [] { return Long('['); }, kOpenBracketTwice, nullptr},
        LongLineRow{"CloseBrackets", [] { return Long(']'); }, kCloseBracketTwice, nullptr},
        LongLineRow{"EqualsSigns", [] { return Long('='); }, kEqualsTwice, nullptr},
        LongLineRow{"RepeatedEntries", [] { return Repeated("a=", kLongLength); }, kEqualsTwice, nullptr},
        LongLineRow{"OpenBracketBeforeLongWord", [] { return "[" + Long('a'); }, kUnclosedSection, nullptr},
        LongLineRow{"LongWordBeforeCloseBracket", [] { return Long('a') + "]"; }, kUnopenedSection, nullptr},
        LongLineRow{"LongWordBetweenReversedBrackets", [] { return "]" + Long('a') + "["; }, kReversedBrackets,
                    nullptr},
        LongLineRow{"AlternatingBrackets", [] { return Repeated("][", kLongLength); }, kReversedBrackets,
                    nullptr},
        LongLineRow{"LongBlankSection", [] { return "[" + Long(' ') + "]"; }, kEmptySection, nullptr},
        LongLineRow{"LongBlanksBeforeValueWithoutKey", [] { return "=" + Long(' ') + "a"; }, kMissingKey,
                    nullptr},
        LongLineRow{"LongBlanksAroundEqualsWithoutValue", [] { return "KEY" + Long(' ') + "=" + Long('\t'); },
                    kMissingValue, nullptr}),
    [](const ::testing::TestParamInfo<LongLineRow>& info) { return info.param.name; });

} // namespace
} // namespace corvo::utils::config
