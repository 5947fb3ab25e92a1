// The config.ini reader: whole files, lines of megabytes, and the line matchers held to std::regex.
#include "ConfigLineReference.h"
#include "WithoutWaiting.h"

#include "advanced/AdvancedTestSettings.h"
#include "utils/ConfigFile.h"

#include <sys/stat.h>

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <set>

namespace corvo::utils::config {
namespace {

class ConfigFile : public ::testing::Test {
protected:
    // The bytes exactly as given, so each test controls its line ends.
    std::string Write(const std::string& content)
    {
        const std::string path = folder_.filePath("config.ini").toStdString();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        return path;
    }
    ConfigParseResult Load(const std::string& content, ConfigData& data) { return LoadConfig(Write(content), data); }

    QTemporaryDir folder_;
};

struct FileRow {
    const char* name;
    std::string content;
    ConfigError error;
    int line;
    std::string section;  // of a duplicate
    std::string key;      // of a duplicate key
    ConfigData data;
};

// Fills a file up to where its last line starts.
std::string FilledUpTo(int64_t lastLineStart)
{
    return "A=US\n; " + std::string(static_cast<std::size_t>(lastLineStart - 8), 'x') + "\n";
}

TEST_F(ConfigFile, ReadsUntilTheFirstBadLine)
{
    const FileRow rows[] = {
        {"ModuleSettings",
         "[LANGUAGE]\nDEFAULT_LANGUAGE=de-DE\n\n[KEYBOARD]\nADVANCED_TEST_LAYOUT=ABNT2\nADVANCED_TEST_STRICT_MODE=1\n",
         kConfigOk, -1, "", "", {{"", {}}, {"LANGUAGE", {{"DEFAULT_LANGUAGE", "de-DE"}}},
             {"KEYBOARD", {{"ADVANCED_TEST_LAYOUT", "ABNT2"}, {"ADVANCED_TEST_STRICT_MODE", "1"}}}}},
        {"NamesUpperCasedValuesNot", "[keyboard]\nadvanced_test_layout = ABNT2\nDefault_Language=pt-br\nlazy_z=1\n",
         kConfigOk, -1, "", "",
         {{"", {}}, {"KEYBOARD", {{"ADVANCED_TEST_LAYOUT", "ABNT2"}, {"DEFAULT_LANGUAGE", "pt-br"}, {"LAZY_Z", "1"}}}}},
        {"EmptyFile", "", kConfigOk, -1, "", "", {{"", {}}}},
        {"KeysBeforeTheFirstHeader", "LAYOUT=US\n[KEYBOARD]\nSTRICT=0\n", kConfigOk, -1, "", "",
         {{"", {{"LAYOUT", "US"}}}, {"KEYBOARD", {{"STRICT", "0"}}}}},
        {"BlanksInSectionNamesAndValues", "[ KEYBOARD ]\nA = two  words  \nB =\tafter tab\n[key board]\n", kConfigOk,
         -1, "", "", {{"", {}}, {" KEYBOARD ", {{"A", "two  words  "}, {"B", "after tab"}}}, {"KEY BOARD", {}}}},
        {"LinesThatAreNeitherAreSkipped", "=\nLAYOUT = see [KEYBOARD]\nnote: KEY =   \n", kConfigOk, -1, "", "",
         {{"", {}}, {"KEYBOARD", {{"KEY", " "}}}}},
        {"Utf8KeptOtherBytesReplaced", "A=espa\xC3\xB1ol\nB=x\xFFy\n", kConfigOk, -1, "", "",
         {{"", {{"A", "espa\xC3\xB1ol"}, {"B", "x\xEF\xBF\xBDy"}}}}},
        // With the mark kept, "^[\w]+" could not match and the key without a value would pass.
        {"ByteOrderMarkIsNotText", "\xEF\xBB\xBFLAYOUT =\n", kMissingValue, 1, "", "", {{"", {}}}},
        {"CommentsAndBlankLines", "; settings\n   \n\t; indented [[ broken\n[KEYBOARD] ; header\n\nA=x;y\nB=1 ; on\n",
         kConfigOk, -1, "", "", {{"", {}}, {"KEYBOARD", {{"A", "x"}, {"B", "1 "}}}}},
        {"ACommentCanLeaveAKeyWithoutValue", "A=1\nB= ; nothing yet\n", kMissingValue, 2, "", "", {{"", {{"A", "1"}}}}},
        {"SyntaxInACommentDoesNotCount", "plain words ; A=1\n", kNoSyntax, 1, "", "", {{"", {}}}},
        {"LineNumbersCountBlankAndCommentLines", "\n; one\n\n   \n[[\n", kOpenBracketTwice, 5, "", "", {{"", {}}}},
        {"DuplicateSection", "[KEYBOARD]\nA=US\n[LANGUAGE]\nB=en\n[Keyboard]\nC=1\n", kDuplicateSection, 5,
         "KEYBOARD", "", {{"", {}}, {"KEYBOARD", {{"A", "US"}}}, {"LANGUAGE", {{"B", "en"}}}}},
        {"DuplicateKeyKeepsTheFirstValue", "[KEYBOARD]\nLAYOUT=US\nlayout=DE\nMORE=1\n", kDuplicateKey, 3,
         "KEYBOARD", "LAYOUT", {{"", {}}, {"KEYBOARD", {{"LAYOUT", "US"}}}}},
        {"SameKeyInTwoSections", "A=0\n[ONE]\nA=1\n", kConfigOk, -1, "", "", {{"", {{"A", "0"}}}, {"ONE", {{"A", "1"}}}}},
        {"WindowsLineEnds", "[KEYBOARD]\r\nA=ABNT2\r\nB=1 \r\nC=x\ry\r\nD=last", kConfigOk, -1, "", "",
         {{"", {}}, {"KEYBOARD", {{"A", "ABNT2"}, {"B", "1 "}, {"C", "xy"}, {"D", "last"}}}}},
        // Regression: with the carriage return kept, "KEY=\r" read as KEY with the value "\r".
        {"EmptyValueBeforeWindowsLineEnd", "[KEYBOARD]\r\nLAYOUT=\r\n", kMissingValue, 2, "", "",
         {{"", {}}, {"KEYBOARD", {}}}},
        // Only whole lines within the size limit are read.
        {"LastLineWithinTheSizeLimit", FilledUpTo(kConfigFileSizeLimit - 4) + "B=1\nC=1\n", kConfigOk, -1, "", "",
         {{"", {{"A", "US"}, {"B", "1"}}}}},
        {"LineAcrossTheSizeLimit", FilledUpTo(kConfigFileSizeLimit - 3) + "B=12\n", kConfigOk, -1, "", "",
         {{"", {{"A", "US"}}}}},
    };
    for (const FileRow& row : rows) {
        SCOPED_TRACE(row.name);
        ConfigData data;
        const ConfigParseResult result = Load(row.content, data);
        EXPECT_EQ(result.opened, 1);
        EXPECT_EQ(result.errorCode, row.error);
        EXPECT_EQ(result.line, row.line);
        EXPECT_EQ(result.section, row.section);
        EXPECT_EQ(result.key, row.key);
        EXPECT_EQ(data, row.data);
    }
}

TEST_F(ConfigFile, LookUpAndFilesThatCannotBeRead)
{
    ConfigData data;
    Load("[keyboard]\nadvanced_test_layout = ABNT2\n", data);
    EXPECT_EQ(GetConfigValue(data, kSectionKeyboard, kKeyAdvancedTestLayout), "ABNT2");
    EXPECT_EQ(GetConfigValue(data, "keyboard", "ADVANCED_TEST_LAYOUT"), "");
    EXPECT_EQ(GetConfigValue(data, "KEYBOARD", "advanced_test_layout"), "");
    EXPECT_EQ(GetConfigValue(data, "LANGUAGE", "ADVANCED_TEST_LAYOUT"), "");

    // A missing file, a folder, a FIFO and a link to a device are not opened, leave the dictionary as
    // it was, and keep nobody waiting.
    const std::string fifo = folder_.filePath("fifo.ini").toStdString();
    const std::string zero = folder_.filePath("zero.ini").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", zero.c_str()), 0);
    WithoutWaitingOn(fifo, [&] { return corvo::advanced::ReadAdvancedTestSettings(fifo); });
    const ConfigData before = data;
    const std::string absent = folder_.filePath("absent.ini").toStdString();
    for (const std::string& path : {absent, folder_.path().toStdString(), fifo, zero}) {
        const ConfigParseResult result = WithoutWaitingOn(fifo, [&] { return LoadConfig(path, data); });
        EXPECT_EQ(result.opened, 0) << path;
        EXPECT_EQ(result.errorCode, kConfigOk);
        EXPECT_EQ(result.line, -1);
        EXPECT_EQ(data, before);
    }

    // The module passes the bare name: it is looked up in the current folder.
    Write("[KEYBOARD]\nADVANCED_TEST_LAYOUT=JIS\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path().toStdString());
    ConfigData relative;
    const ConfigParseResult result = LoadConfig(kConfigFileName, relative);
    std::filesystem::current_path(previous);
    EXPECT_EQ(result.opened, 1);
    EXPECT_EQ(GetConfigValue(relative, kSectionKeyboard, kKeyAdvancedTestLayout), "JIS");
}

// Every name of the suite's shared file must read back, or a setting written under it is never found.
TEST_F(ConfigFile, EverySuiteNameReadsBack)
{
    std::string content;
    for (const std::string_view section : kSuiteSections) {
        content += "[" + std::string(section) + "]\n";
        for (const std::string_view key : kSuiteKeys)
            content += std::string(key) + "=" + std::string(section) + "\n";
    }
    ConfigData data;
    EXPECT_EQ(Load(content, data).errorCode, kConfigOk);
    for (const std::string_view section : kSuiteSections)
        for (const std::string_view key : kSuiteKeys)
            EXPECT_EQ(GetConfigValue(data, std::string(section), std::string(key)), section) << key;
}

// The value shapes the suite documents for flags and numbers.
TEST(ConfigValuePatterns, AcceptExactlyTheirShape)
{
    const std::tuple<const ConfigValuePattern&, std::vector<const char*>, std::vector<const char*>> rows[] = {
        {kFlagValuePattern, {"0", "1"}, {"2", "01", "1 "}},
        {kWholeNumberValuePattern, {"0", "120"}, {"-1", "", "1.5"}},
        {kDecimalNumberValuePattern, {"1.5", "-.5", "+2."}, {"12", ".", "1.2.3", "--1.0"}}};
    for (const auto& [pattern, accepted, refused] : rows) {
        const std::regex expression{std::string(pattern.expression)};
        for (const char* value : accepted)
            EXPECT_TRUE(std::regex_search(value, expression)) << pattern.kind << " " << value;
        for (const char* value : refused)
            EXPECT_FALSE(std::regex_search(value, expression)) << pattern.kind << " " << value;
    }
}

// libstdc++'s std::regex needs about 300 bytes of stack per repeated character: a line of 26,000
// characters once took the host's main thread down. On a 256 KiB stack a matcher that recursed per
// character would give out after a few hundred.
TEST_F(ConfigFile, LinesOfMegabytesOnASmallStack)
{
    const std::size_t length = 5 * 1024 * 1024;
    std::string wordList;
    while (wordList.size() < length)
        wordList += "x ";
    const std::pair<std::string, ConfigError> rows[] = {
        {wordList + "Y =  ", kConfigOk},
        {"KEY" + std::string(length, ' ') + "=" + std::string(length, '\t'), kMissingValue}};
    for (const auto& [line, error] : rows) {
        SCOPED_TRACE(reference::Escaped(line.substr(0, 8)));
        const std::string path = Write(line + "\n[KEYBOARD]\nA=US\n");
        ConfigData data;
        ConfigParseResult result;
        std::unique_ptr<QThread> reader(QThread::create([&] { result = LoadConfig(path, data); }));
        reader->setStackSize(256 * 1024);
        reader->start();
        ASSERT_TRUE(reader->wait());
        EXPECT_EQ(result.errorCode, error);
        EXPECT_EQ(GetConfigValue(data, "KEYBOARD", "A"), error == kConfigOk ? "US" : "");
        EXPECT_EQ(GetConfigValue(data, "", "Y"), error == kConfigOk ? " " : "");
    }
}

// Every line up to five characters over one representative of each class the patterns tell apart,
// the edges written by hand, and random longer lines weighted towards the marks (fixed seed).
std::vector<std::string> GeneratedLines()
{
    std::vector<std::string> lines = {
        "\t\v\f\r", "[ a[", "[a [", "] a]", "= a=", "=a =", "[\t]]", " \t= a", "a=  \t ", "x y=  ", "a = b = c",
        "a = b=c", "=a b=c", "[KEYBOARD]", "[ KEYBOARD ]", "[key board]", "[* *]", "[x[a]", "[a] b=c", "a=x [1]",
        "ADVANCED_TEST_STRICT_MODE=1 ; strict", "two words", "[a-b]", "x-key = 1", "[\xC3\xA9]", "\xC3\xA9=1",
        "k=\xC3\xA9", "[a\x80]", "a\x80=1", "a=b", "a =b ", "[a][b]", "a;=b", std::string("a=\0", 3),
        std::string("[\0]", 3), "a=\n", "\n=a", ""};
    for (std::size_t start = lines.size() - 1, length = 1; length <= 5; ++length) {
        const std::size_t end = lines.size();
        for (std::size_t index = start; index < end; ++index)
            for (const char character : std::string("[]= a*;-"))
                lines.push_back(lines[index] + character);
        start = end;
    }
    const std::string alphabet = "[[]]== \t ab_1Zx*;\r\v\f-.\x80\xC3";
    std::mt19937 random(20240611u);
    for (int count = 0; count < 30000; ++count) {
        std::string line(random() % 61, ' ');
        for (char& character : line)
            character = alphabet[random() % alphabet.size()];
        lines.push_back(line);
    }
    return lines;
}

TEST(ConfigLineParser, AgreesWithTheDocumentedPatterns)
{
    int mismatches = 0;
    std::set<int> outcomes;
    for (const std::string& line : GeneratedLines()) {
        const std::string mismatch = reference::Mismatch(line);
        if (!mismatch.empty() && ++mismatches <= 20)
            ADD_FAILURE() << mismatch;
        const ConfigLine parsed = ParseConfigLine(line);
        outcomes.insert(parsed.kind == ConfigLineKind::Malformed ? parsed.error : -static_cast<int>(parsed.kind));
    }
    EXPECT_EQ(mismatches, 0);
    // The codes as the suite documents them, one line each.
    const std::pair<const char*, ConfigError> codes[] = {
        {"[[KEYBOARD]", kOpenBracketTwice}, {"[ KEY[BOARD]", kOpenBracketTwice}, {"[KEYBOARD]]", kCloseBracketTwice},
        {"[A] B]", kCloseBracketTwice}, {"LAYOUT==US", kEqualsTwice}, {"LAYOUT = US= DE", kEqualsTwice},
        {"LAYOUT=[US]", kBracketNextToEquals}, {"[KEYBOARD]=1", kBracketNextToEquals}, {"[KEYBOARD", kUnclosedSection},
        {"KEYBOARD]", kUnopenedSection}, {"[A][B]", kReversedBrackets}, {"]KEYBOARD[", kReversedBrackets},
        {"two words", kNoSyntax}, {"[]", kEmptySection}, {"[ \t ]", kEmptySection}, {"= ABNT2", kMissingKey},
        {"ADVANCED_TEST_LAYOUT =", kMissingValue}, {"ADVANCED_TEST_LAYOUT=  \t ", kMissingValue}};
    for (const auto& [line, error] : codes)
        EXPECT_EQ(ParseConfigLine(line).error, error) << line;
    // Agreement proves little unless the lines reach every kind of line and every error.
    EXPECT_EQ(outcomes, (std::set<int>{0, -2, -3, -4, 1001, 1002, 1003, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1014}));
}

} // namespace
} // namespace corvo::utils::config
